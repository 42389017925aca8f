#pragma once
// The menu bar of the menu window. Every item and submenu carries, as its
// object name, the name the code uses for it.

#include <QString>

class QAction;
class QMenuBar;

// Adds every menu with its caption, availability, visibility and fixed marks.
void build_menu_tree(QMenuBar& bar);

// The item (or the submenu's own action) named name; nullptr if there is none.
QAction* menu_action(const QMenuBar& bar, const QString& name);

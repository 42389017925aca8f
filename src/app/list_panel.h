#pragma once
// The menu window's list box List1, shared by the clip listing and the
// user's guide: its look and where it sits on the screen.

#include <QRect>
#include <QSize>
#include <QStringList>

class QListWidget;

inline constexpr int ClipListingWidth = 200;
inline constexpr int UsersGuideWidth = 700;

// Black background, light cyan fixed-pitch text, items in insertion order.
void style_list_panel(QListWidget& list);

// A box `width` wide and 300 high, centred horizontally on a screen of
// `screen` pixels and one sixth of the free height below its top.
QRect list_panel_geometry(int width, QSize screen);

// Places the list for `width` and replaces its items with `lines`.
void fill_list_panel(QListWidget& list, int width, QSize screen, const QStringList& lines);

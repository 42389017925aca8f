#pragma once
// What the option items of the menu window do. Every choice writes globvars at
// once and leaves the check marks matching it; nothing is saved here.

#include <QObject>
#include <cstdint>

struct GlobVars;
class Dialogs;
class QAction;
class QMenuBar;
class SwitchSetup;

class OptionsMenus : public QObject {
    Q_OBJECT
public:
    // bar must already hold the menu tree. switches may be nullptr when the
    // program has no adapter support.
    OptionsMenus(QMenuBar& bar, GlobVars& g, Dialogs& dialogs, SwitchSetup* switches);

    // Marks the items that match the loaded settings and prepares a stored
    // adapter; every option item starts without a mark.
    void mark_loaded_settings();

    // A device number 1..7 (a mouse click for 6).
    void select_input_device(int16_t device);

    // Looks again for adapters: an item is available when its port or
    // joystick is there, and tells where that is.
    void mark_available_adapters();
    // Tells the adult what went wrong with an adapter since last asked.
    void report_adapter_problems();

    // 1 (after telling the user) when the category being switched off is the
    // last enabled one, else 0.
    int16_t last_category_check();

private:
    QAction* item(const char* name) const;
    void connect_item(const char* name, void (OptionsMenus::*handler)(QAction*, bool));
    void mark_device();
    void mark_exclusive_groups();
    void mark_categories();
    void mark_play_mode();
    void mark_dwell_time();
    void choose_device(QAction* action, bool);
    void choose_exclusive(QAction* action, bool);
    void choose_category(QAction* action, bool checkedNow);
    void choose_play_mode(QAction* action, bool);
    void choose_choice_method(QAction* action, bool);
    void choose_scan_time(QAction* action, bool);
    void choose_pointer_dwell(QAction* action, bool);
    void choose_dwell_time(QAction* action, bool);
    void keep_mark(QAction* action, bool);
    void choose_hard_drive(QAction* action, bool);
    void choose_cd_rom(QAction* action, bool);

    QMenuBar& bar_;
    GlobVars& g_;
    Dialogs& dialogs_;
    SwitchSetup* switches_;
};

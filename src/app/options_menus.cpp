#include "app/options_menus.h"

#include "state/globvars.h"
#include "state/input_device.h"
#include "state/play_mode.h"
#include "app/menu_tree.h"
#include "switch/switch_setup.h"
#include "media/dialogs.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <array>
#include <vector>

namespace {

struct GroupItem {
    const char* name;
    int16_t value;
};

struct ExclusiveGroup {
    int16_t GlobVars::*field;
    std::vector<GroupItem> items;
};

constexpr std::array<GroupItem, 7> DeviceItems = {
    {{"dev1", 1}, {"dev2", 2}, {"dev3", 3}, {"dev4", 4}, {"dev5", 5}, {"dev6", 6}, {"dev7", 7}}};

const std::array<ExclusiveGroup, 4> ExclusiveGroups = {{
    {&GlobVars::SequenceOrder, {{"random_sequence", 1}, {"category_sequence", 2}, {"alphabetical_order", 3}}},
    {&GlobVars::ScreenSize, {{"normal_screen", 1}, {"mid_screen", 2}, {"full_screen", 3}}},
    {&GlobVars::BackgroundKind, {{"tv_set", 1}, {"theater", 2}}},
    {&GlobVars::PromptInterval,
     {{"auditory_prompting_off", 0},
      {"auditory_3", 3},
      {"auditory_5", 5},
      {"auditory_7", 7},
      {"auditory_10", 10},
      {"auditory_15", 15}}},
}};

struct PlayModeItem {
    const char* name;
    PlayModeChoice choice;
};

// One exclusive group over two fields: the mode, and the number of the modes
// that take one.
constexpr std::array<PlayModeItem, 12> PlayModeItems = {{
    {"press_and_let_go", {PressAndLetGo, 0}},
    {"press_and_hold", {PressAndHold, 0}},
    {"timed_2", {TimedPlay, 2}},
    {"timed_3", {TimedPlay, 3}},
    {"timed_5", {TimedPlay, 5}},
    {"timed_10", {TimedPlay, 10}},
    {"timed_15", {TimedPlay, 15}},
    {"timed_30", {TimedPlay, 30}},
    {"presses_2", {SeveralPresses, 2}},
    {"presses_3", {SeveralPresses, 3}},
    {"presses_4", {SeveralPresses, 4}},
    {"presses_5", {SeveralPresses, 5}},
}};

constexpr std::array<GroupItem, 5> DwellTimeItems = {{{"dwell_500", 500},
                                                      {"dwell_1000", 1000},
                                                      {"dwell_1500", 1500},
                                                      {"dwell_2000", 2000},
                                                      {"dwell_3000", 3000}}};

constexpr std::array<GroupItem, 3> ChoiceMethodItems = {{{"choose_two_switches", ChooseByTwoSwitches},
                                                         {"choose_scanning", ChooseByScanning},
                                                         {"choose_step_scanning", ChooseByStepScanning}}};

constexpr std::array<GroupItem, 6> ScanTimeItems = {{{"scan_1000", 1000},
                                                     {"scan_1500", 1500},
                                                     {"scan_2000", 2000},
                                                     {"scan_3000", 3000},
                                                     {"scan_5000", 5000},
                                                     {"scan_8000", 8000}}};

// Item names in CategoryEnabled order; the items are matched by name because
// the menu lists them in another order.
constexpr std::array<const char*, CategoryCount> CategoryItems = {
    "animals", "appliances", "Clothing", "food", "health", "house", "jobs", "kitchen", "outside", "vehicles"};

int category_index(const QString& itemName)
{
    for (int i = 0; i < CategoryCount; ++i)
        if (itemName == QLatin1String(CategoryItems[i]))
            return i;
    return -1;
}

const ExclusiveGroup* groupOf(const QString& itemName, int16_t* value)
{
    for (const ExclusiveGroup& group : ExclusiveGroups)
        for (const GroupItem& it : group.items)
            if (itemName == QLatin1String(it.name)) {
                *value = it.value;
                return &group;
            }
    return nullptr;
}

}  // namespace

OptionsMenus::OptionsMenus(QMenuBar& bar, GlobVars& g, Dialogs& dialogs, SwitchSetup* switches)
    : QObject(&bar)
    , bar_(bar)
    , g_(g)
    , dialogs_(dialogs)
    , switches_(switches)
{
    for (const GroupItem& it : DeviceItems)
        connect_item(it.name, &OptionsMenus::choose_device);
    for (const ExclusiveGroup& group : ExclusiveGroups)
        for (const GroupItem& it : group.items)
            connect_item(it.name, &OptionsMenus::choose_exclusive);
    for (const char* name : CategoryItems)
        connect_item(name, &OptionsMenus::choose_category);
    for (const PlayModeItem& it : PlayModeItems)
        connect_item(it.name, &OptionsMenus::choose_play_mode);
    for (const GroupItem& it : ChoiceMethodItems)
        connect_item(it.name, &OptionsMenus::choose_choice_method);
    for (const GroupItem& it : ScanTimeItems)
        connect_item(it.name, &OptionsMenus::choose_scan_time);
    connect_item("pointer_dwell", &OptionsMenus::choose_pointer_dwell);
    for (const GroupItem& it : DwellTimeItems)
        connect_item(it.name, &OptionsMenus::choose_dwell_time);
    // Information items only: Qt would otherwise clear their marks when clicked.
    for (const char* name : {"esc", "a_or_0", "r_or_1"})
        connect_item(name, &OptionsMenus::keep_mark);
    connect_item("run_from_hard_drive", &OptionsMenus::choose_hard_drive);
    connect_item("run_from_cd_rom", &OptionsMenus::choose_cd_rom);
}

QAction* OptionsMenus::item(const char* name) const
{
    return menu_action(bar_, QLatin1String(name));
}

void OptionsMenus::connect_item(const char* name, void (OptionsMenus::*handler)(QAction*, bool))
{
    QAction* action = item(name);
    Q_ASSERT(action);
    connect(action, &QAction::triggered, this,
            [this, action, handler](bool checked) { (this->*handler)(action, checked); });
}

void OptionsMenus::mark_loaded_settings()
{
    item("run_from_hard_drive")->setChecked(true);
    if (switches_) {
        if (g_.InputDevice >= 1 && g_.InputDevice <= 4)
            switches_->init_com_adapter(g_.InputDevice);
        else if (g_.InputDevice == 5)
            switches_->init_game_port();
    }
    mark_device();
    mark_exclusive_groups();
    mark_categories();
    mark_play_mode();
    mark_dwell_time();
}

void OptionsMenus::mark_device()
{
    const bool dwell = input_kind(g_) == InputKind::PointerDwell;
    for (const GroupItem& it : DeviceItems)
        item(it.name)->setChecked(g_.InputDevice == it.value && !dwell);
    item("pointer_dwell")->setChecked(dwell);
}

void OptionsMenus::mark_dwell_time()
{
    for (const GroupItem& it : DwellTimeItems)
        item(it.name)->setChecked(g_.DwellTime == it.value);
}

void OptionsMenus::mark_exclusive_groups()
{
    for (const ExclusiveGroup& group : ExclusiveGroups)
        for (const GroupItem& it : group.items)
            item(it.name)->setChecked(g_.*group.field == it.value);
}

void OptionsMenus::mark_categories()
{
    for (int i = 0; i < CategoryCount; ++i)
        item(CategoryItems[i])->setChecked(g_.CategoryEnabled[i] == 1);
}

void OptionsMenus::mark_play_mode()
{
    const PlayModeChoice chosen = play_mode(g_);
    for (const PlayModeItem& it : PlayModeItems)
        item(it.name)->setChecked(it.choice == chosen);
    // The way of choosing is marked only while it is the play mode, so that
    // one play mode alone carries a mark; the scan time always shows.
    const bool choosing = chosen.mode == ChooseOneOfTwo;
    item("choose_one_of_two")->setChecked(choosing);
    for (const GroupItem& it : ChoiceMethodItems)
        item(it.name)->setChecked(choosing && g_.ChoiceMethod == it.value);
    for (const GroupItem& it : ScanTimeItems)
        item(it.name)->setChecked(g_.ScanTime == it.value);
}

void OptionsMenus::mark_available_adapters()
{
    if (!switches_)
        return;
    switches_->look_for_adapters();
    for (int16_t device = 1; device <= 5; ++device) {
        QAction* action = item(DeviceItems[size_t(device - 1)].name);
        const QString where = switches_->location(device);
        action->setEnabled(!where.isEmpty());
        const QString tip =
            where.isEmpty() ? QStringLiteral("Not connected") : QStringLiteral("Uses ") + where;
        action->setStatusTip(tip);
        action->setToolTip(tip);
    }
    if (auto* menu = bar_.findChild<QMenu*>(QStringLiteral("device")))
        menu->setToolTipsVisible(true);
}

void OptionsMenus::report_adapter_problems()
{
    if (!switches_)
        return;
    const QString problems = switches_->take_problems();
    if (!problems.isEmpty())
        dialogs_.message(QStringLiteral("Flickerbox II"), Dialogs::Icon::Warning, problems);
}

void OptionsMenus::select_input_device(int16_t device)
{
    g_.InputDevice = device;
    g_.PointerDwell = 0;
    mark_device();
}

void OptionsMenus::choose_device(QAction* action, bool)
{
    int16_t device = 0;
    for (const GroupItem& it : DeviceItems)
        if (action->objectName() == QLatin1String(it.name))
            device = it.value;
    if (switches_ && device >= 1 && device <= 4)
        switches_->init_com_adapter(device);
    else if (switches_ && device == 5)
        switches_->init_game_port();
    select_input_device(device);
    report_adapter_problems();
}

void OptionsMenus::choose_exclusive(QAction* action, bool)
{
    int16_t value = 0;
    const ExclusiveGroup* group = groupOf(action->objectName(), &value);
    g_.*group->field = value;
    for (const GroupItem& it : group->items)
        item(it.name)->setChecked(it.name == action->objectName());
}

int16_t OptionsMenus::last_category_check()
{
    // Counts the enabled flags rather than adding them up: a stray value such
    // as 2 in a hand-edited settings file must not let the last enabled
    // category be switched off.
    int enabled = 0;
    for (int16_t flag : g_.CategoryEnabled)
        enabled += flag == 1 ? 1 : 0;
    if (enabled != 1)
        return 0;
    dialogs_.message(QStringLiteral("Error"), Dialogs::Icon::None,
                     QStringLiteral("At least one category must be checked"));
    return 1;
}

void OptionsMenus::choose_category(QAction* action, bool checkedNow)
{
    // Qt has already toggled the mark, so the mark before the choice is the opposite.
    const bool wasChecked = !checkedNow;
    int16_t& flag = g_.CategoryEnabled[category_index(action->objectName())];
    if (wasChecked && last_category_check() == 1) {
        action->setChecked(true);
        return;
    }
    flag = wasChecked ? 0 : 1;
    action->setChecked(!wasChecked);
}

void OptionsMenus::choose_play_mode(QAction* action, bool)
{
    for (const PlayModeItem& it : PlayModeItems)
        if (action->objectName() == QLatin1String(it.name)) {
            g_.PlayMode = it.choice.mode;
            g_.PlayModeNumber = it.choice.number;
        }
    mark_play_mode();
}

void OptionsMenus::choose_choice_method(QAction* action, bool)
{
    for (const GroupItem& it : ChoiceMethodItems)
        if (action->objectName() == QLatin1String(it.name))
            g_.ChoiceMethod = it.value;
    g_.PlayMode = ChooseOneOfTwo;
    g_.PlayModeNumber = 0;
    mark_play_mode();
}

void OptionsMenus::choose_scan_time(QAction* action, bool)
{
    for (const GroupItem& it : ScanTimeItems)
        if (action->objectName() == QLatin1String(it.name))
            g_.ScanTime = it.value;
    // A scan time is only ever chosen for scanning.
    g_.ChoiceMethod = ChooseByScanning;
    g_.PlayMode = ChooseOneOfTwo;
    g_.PlayModeNumber = 0;
    mark_play_mode();
}

void OptionsMenus::choose_pointer_dwell(QAction*, bool)
{
    // The mouse's device number, so an older copy reading the options finds a mouse user.
    g_.InputDevice = MouseDevice;
    g_.PointerDwell = 1;
    mark_device();
}

void OptionsMenus::choose_dwell_time(QAction* action, bool)
{
    for (const GroupItem& it : DwellTimeItems)
        if (action->objectName() == QLatin1String(it.name))
            g_.DwellTime = it.value;
    // A dwell time is only ever chosen for dwelling.
    choose_pointer_dwell(action, true);
    mark_dwell_time();
}

void OptionsMenus::keep_mark(QAction* action, bool)
{
    action->setChecked(true);
}

void OptionsMenus::choose_hard_drive(QAction* action, bool)
{
    g_.MovieSource = 1;
    action->setChecked(true);
}

void OptionsMenus::choose_cd_rom(QAction*, bool)
{
    // The answer is not kept and MovieSource stays as it is: media are always
    // read from the program folder, so there is no second place to play from.
    dialogs_.input(QStringLiteral("Play movies from the CD Rom"),
                   QStringLiteral("Enter the Drive Letter of the CD Rom Drive"),
                   QString::number(g_.MovieSource));
}

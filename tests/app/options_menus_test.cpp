// The options menus driven through their real actions: marks and fields after
// every choice, the last-category rule, and the items that must not change.

#include "state/globvars.h"
#include "state/input_device.h"
#include "app/menu_tree.h"
#include "app/options_menus.h"
#include "state/play_mode.h"
#include "state/settings.h"
#include "switch/switch_setup.h"
#include "fakes/fake_dialogs.h"
#include "fakes/fake_adapter_ports.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <gtest/gtest.h>
#include <set>
#include <string>
#include <vector>

namespace {

// The real set-up on fake ports; calls() names the adapters it prepared.
struct FakeSwitchSetup {
    std::vector<std::string> calls() const
    {
        std::vector<std::string> names;
        for (auto [address, value] : ports.writes)
            names.push_back(address == GamePort ? "game"
                                                : "com" + std::to_string(4 - (address - 0xFC) / 0x100));
        return names;
    }
    FakeAdapterPorts ports;
    SwitchSetup setup{ports};
};

GlobVars loaded_record()
{
    GlobVars g;
    g.InputDevice = 6;
    g.ScreenSize = 1;
    g.PromptInterval = 0;
    g.SequenceOrder = 2;
    g.BackgroundKind = 1;
    g.CategoryEnabled.fill(1);
    g.MovieSource = 1;
    return g;
}

class OptionsMenusTest : public ::testing::Test {
protected:
    void start()
    {
        build_menu_tree(bar);
        menus = new OptionsMenus(bar, g, dialogs, &switches.setup);  // owned by bar
        menus->mark_loaded_settings();
    }
    QAction* item(const char* name)
    {
        QAction* action = menu_action(bar, QLatin1String(name));
        EXPECT_NE(action, nullptr) << name;
        return action;
    }
    void choose(const char* name) { item(name)->trigger(); }
    std::set<std::string> checked_items()
    {
        std::set<std::string> names;
        for (QAction* action : bar.findChildren<QAction*>())
            if (action->isChecked())
                names.insert(action->objectName().toStdString());
        return names;
    }

    GlobVars g = loaded_record();
    FakeDialogs dialogs;
    FakeSwitchSetup switches;
    QMenuBar bar;
    OptionsMenus* menus = nullptr;
};

// Marks that are always present: the key definitions and the hard-drive item.
const std::set<std::string> FixedMarks = {"esc", "a_or_0", "r_or_1", "run_from_hard_drive"};

std::set<std::string> with_fixed_marks(std::set<std::string> names)
{
    names.insert(FixedMarks.begin(), FixedMarks.end());
    return names;
}

const std::set<std::string> AllCategories = {"animals", "appliances", "Clothing", "food",    "health",
                                             "house",   "jobs",       "kitchen",  "outside", "vehicles"};

TEST_F(OptionsMenusTest, MenuBarOrderCaptionsAndAccessLetter)
{
    start();
    QStringList captions;
    for (QAction* action : bar.actions())
        captions << action->text();
    EXPECT_EQ(captions,
              QStringList({"&Input device", "Categories", "Movie Clip Sequence", "Movie Screen Size",
                           "Background", "Auditory Prompt", "Play Mode", "Installation", "Information"}));
    EXPECT_EQ(QKeySequence::mnemonic(item("device")->text()), QKeySequence(Qt::ALT | Qt::Key_I));

    // The category items follow the menu order, which is not the flag order.
    QStringList categoryNames;
    for (QAction* action : bar.findChild<QMenu*>("categories")->actions())
        categoryNames << action->objectName();
    EXPECT_EQ(categoryNames,
              QStringList({"animals", "appliances", "Clothing", "health", "house", "food", "jobs", "kitchen",
                           "outside", "vehicles"}));
    EXPECT_EQ(item("auditory_prompting_on")->text(), "Auditor Prompting On");
    EXPECT_EQ(item("a_or_0")->text(), "<a> or <0> - skips to the next film clip");
}

TEST_F(OptionsMenusTest, AvailabilityAndHiddenInstallationMenu)
{
    start();
    for (const char* name : {"dev1", "dev2", "dev3", "dev4", "dev5"}) {
        EXPECT_FALSE(item(name)->isEnabled()) << name;
        EXPECT_TRUE(item(name)->isVisible()) << name << " is shown greyed";
    }
    EXPECT_TRUE(item("dev6")->isEnabled());
    EXPECT_TRUE(item("dev7")->isEnabled());
    EXPECT_FALSE(item("installation")->isVisible());
    EXPECT_FALSE(item("installation")->isEnabled());
    EXPECT_FALSE(item("run_from_hard_drive")->isVisible());
    EXPECT_FALSE(item("run_from_cd_rom")->isEnabled());

    // An unavailable item cannot be chosen, even by a direct trigger.
    choose("dev1");
    EXPECT_EQ(g.InputDevice, 6);
    EXPECT_TRUE(switches.calls().empty());
}

TEST_F(OptionsMenusTest, StartUpMarksExactlyTheLoadedValues)
{
    g.InputDevice = 7;
    g.ScreenSize = 3;
    g.PromptInterval = 10;
    g.SequenceOrder = 1;
    g.BackgroundKind = 2;
    g.CategoryEnabled = {1, 0, 1, 1, 0, 0, 0, 0, 0, 1};  // animals, clothing, food, vehicles
    g.PlayMode = SeveralPresses;
    g.PlayModeNumber = 4;
    start();
    EXPECT_EQ(checked_items(),
              with_fixed_marks({"dev7", "full_screen", "auditory_10", "random_sequence", "theater", "animals",
                                "Clothing", "food", "vehicles", "presses_4", "dwell_1000", "scan_2000"}));
    EXPECT_TRUE(switches.calls().empty()) << "no adapter is touched for the keyboard";
}

TEST_F(OptionsMenusTest, StoredAdapterIsPreparedAndMarked)
{
    g.InputDevice = 3;
    start();
    EXPECT_EQ(switches.calls(), std::vector<std::string>{"com3"});
    EXPECT_TRUE(item("dev3")->isChecked());

    QMenuBar otherBar;
    GlobVars game = loaded_record();
    game.InputDevice = 5;
    FakeSwitchSetup gameSwitches;
    build_menu_tree(otherBar);
    (new OptionsMenus(otherBar, game, dialogs, &gameSwitches.setup))->mark_loaded_settings();
    EXPECT_EQ(gameSwitches.calls(), std::vector<std::string>{"game"});
    EXPECT_TRUE(menu_action(otherBar, "dev5")->isChecked());
}

TEST_F(OptionsMenusTest, ValuesOutsideTheTablesMarkNothingUntilAChoice)
{
    g.InputDevice = 0;
    g.ScreenSize = 0;
    g.PromptInterval = 4;
    g.SequenceOrder = 4;
    g.BackgroundKind = 0;
    g.CategoryEnabled.fill(0);
    g.PlayMode = 0;
    g.DwellTime = 700;
    g.ScanTime = 700;
    start();
    EXPECT_EQ(checked_items(), FixedMarks);

    choose("auditory_7");
    choose("alphabetical_order");
    choose("mid_screen");
    choose("tv_set");
    EXPECT_EQ(checked_items(),
              with_fixed_marks({"auditory_7", "alphabetical_order", "mid_screen", "tv_set"}));
    EXPECT_EQ(g.PromptInterval, 7);
    EXPECT_EQ(g.SequenceOrder, 3);
    EXPECT_EQ(g.ScreenSize, 2);
    EXPECT_EQ(g.BackgroundKind, 1);
}

struct GroupCase {
    const char* name;
    int16_t GlobVars::*field;
    std::vector<std::pair<const char*, int16_t>> items;
};

TEST_F(OptionsMenusTest, ExclusiveGroupsKeepExactlyTheChosenMark)
{
    start();
    // clang-format off
    const std::vector<GroupCase> groups = {
        {"sequence", &GlobVars::SequenceOrder,
         {{"random_sequence", 1}, {"category_sequence", 2}, {"alphabetical_order", 3}}},
        {"size", &GlobVars::ScreenSize, {{"normal_screen", 1}, {"mid_screen", 2}, {"full_screen", 3}}},
        {"background", &GlobVars::BackgroundKind, {{"tv_set", 1}, {"theater", 2}}},
        // Off right after an interval: the interval's mark goes.
        {"prompt", &GlobVars::PromptInterval,
         {{"auditory_3", 3}, {"auditory_prompting_off", 0}, {"auditory_5", 5}, {"auditory_7", 7},
          {"auditory_10", 10}, {"auditory_15", 15}}},
    };
    // clang-format on
    for (const GroupCase& group : groups) {
        // Each item in turn, then the marked item once more: Qt's own toggling
        // must never leave the group without its mark.
        auto order = group.items;
        order.push_back(group.items.back());
        for (const auto& [chosen, value] : order) {
            choose(chosen);
            EXPECT_EQ(g.*group.field, value) << group.name << " after " << chosen;
            for (const auto& [other, otherValue] : group.items)
                EXPECT_EQ(item(other)->isChecked(), std::string(other) == chosen)
                    << group.name << ": " << other << " after " << chosen;
        }
    }
    EXPECT_FALSE(item("auditory_prompting_on")->isChecked());
}

TEST_F(OptionsMenusTest, MouseClickReplacesAStoredAdapter)
{
    g.InputDevice = 2;
    start();
    switches.ports.writes.clear();
    choose("dev6");
    EXPECT_EQ(g.InputDevice, 6);
    EXPECT_FALSE(item("dev2")->isChecked());
    EXPECT_TRUE(item("dev6")->isChecked());
    EXPECT_TRUE(switches.calls().empty());

    choose("dev7");
    choose("dev7");
    EXPECT_EQ(g.InputDevice, 7);
    EXPECT_TRUE(item("dev7")->isChecked());
    EXPECT_FALSE(item("dev6")->isChecked());

    menus->select_input_device(9);  // outside 1..7: no item is marked
    EXPECT_EQ(g.InputDevice, 9);
    for (const char* name : {"dev1", "dev2", "dev3", "dev4", "dev5", "dev6", "dev7"})
        EXPECT_FALSE(item(name)->isChecked()) << name;
}

TEST_F(OptionsMenusTest, CategoriesAreMatchedByNameAndTheLastOneStays)
{
    g.CategoryEnabled = {0, 0, 0, 1, 0, 1, 0, 0, 0, 0};  // food and house
    start();
    choose("food");  // fourth flag, sixth menu item
    EXPECT_EQ(g.CategoryEnabled[3], 0);
    EXPECT_FALSE(item("food")->isChecked());
    EXPECT_TRUE(dialogs.messages.empty());

    choose("house");
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, "At least one category must be checked");
    EXPECT_EQ(dialogs.messages[0].title, "Error");
    EXPECT_EQ(dialogs.messages[0].icon, Dialogs::Icon::None);
    EXPECT_EQ(g.CategoryEnabled[5], 1);
    EXPECT_TRUE(item("house")->isChecked());

    choose("Clothing");
    EXPECT_EQ(g.CategoryEnabled[2], 1);
    EXPECT_TRUE(item("Clothing")->isChecked());
    choose("house");
    EXPECT_EQ(g.CategoryEnabled, (std::array<int16_t, CategoryCount>{0, 0, 1, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(dialogs.messages.size(), 1u);
}

TEST_F(OptionsMenusTest, NoCategoryLoadedThenOneChosen)
{
    g.CategoryEnabled.fill(0);
    start();
    for (const std::string& name : AllCategories)
        EXPECT_FALSE(item(name.c_str())->isChecked()) << name;
    choose("jobs");
    EXPECT_EQ(g.CategoryEnabled[6], 1);
    EXPECT_TRUE(item("jobs")->isChecked());
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(OptionsMenusTest, StrayFlagValueCannotHideTheLastEnabledCategory)
{
    g.CategoryEnabled = {1, 2, 0, 0, 0, 0, 0, 0, 0, 0};  // a hand-edited 2 is not "enabled"
    start();
    choose("animals");
    EXPECT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(g.CategoryEnabled[0], 1);
    EXPECT_TRUE(item("animals")->isChecked());

    choose("appliances");  // unmarked: switching it on writes a proper 1
    EXPECT_EQ(g.CategoryEnabled[1], 1);
    EXPECT_TRUE(item("appliances")->isChecked());
}

TEST_F(OptionsMenusTest, InformationItemsChangeNothing)
{
    start();
    const QByteArray before = format_settings(g);
    for (const char* name : {"esc", "a_or_0", "r_or_1", "fbx_ver"})
        choose(name);
    for (const char* name : {"esc", "a_or_0", "r_or_1"})
        EXPECT_TRUE(item(name)->isChecked()) << name;
    EXPECT_EQ(format_settings(g), before);
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(OptionsMenusTest, InstallationItemsWhenReachable)
{
    start();
    // Nothing in the program makes them reachable; enable them to exercise the handlers.
    item("run_from_cd_rom")->setEnabled(true);
    dialogs.answer = "D";
    choose("run_from_cd_rom");
    ASSERT_EQ(dialogs.inputs.size(), 1u);
    EXPECT_EQ(dialogs.inputs[0].title, "Play movies from the CD Rom");
    EXPECT_EQ(dialogs.inputs[0].text, "Enter the Drive Letter of the CD Rom Drive");
    EXPECT_EQ(dialogs.inputs[0].defaultAnswer, "1");
    EXPECT_EQ(g.MovieSource, 1);

    g.MovieSource = 0;
    item("run_from_hard_drive")->setEnabled(true);
    choose("run_from_hard_drive");
    EXPECT_EQ(g.MovieSource, 1);
    EXPECT_TRUE(item("run_from_hard_drive")->isChecked());
}

TEST_F(OptionsMenusTest, PlayModeItemsSetTheModeAndItsNumberAsOneGroup)
{
    start();
    std::set<std::string> others = checked_items();
    ASSERT_EQ(others.erase("press_and_let_go"), 1u) << "the default is marked";
    const std::pair<const char*, PlayModeChoice> choices[] = {{"timed_5", {TimedPlay, 5}},
                                                              {"presses_3", {SeveralPresses, 3}},
                                                              {"press_and_hold", {PressAndHold, 0}},
                                                              {"timed_30", {TimedPlay, 30}},
                                                              {"press_and_let_go", {PressAndLetGo, 0}}};
    for (const auto& [name, choice] : choices) {
        choose(name);
        EXPECT_EQ(play_mode(g), choice) << name;
        std::set<std::string> marked = others;
        marked.insert(name);
        EXPECT_EQ(checked_items(), marked) << "after " << name;
    }
}

TEST_F(OptionsMenusTest, ChooseOneOfTwoIsAPlayModeWithItsWayAndScanTime)
{
    g.ChoiceMethod = ChooseByStepScanning;
    start();
    std::set<std::string> others = checked_items();
    others.erase("press_and_let_go");
    others.erase("scan_2000");
    EXPECT_FALSE(item("choose_step_scanning")->isChecked()) << "no way is marked while not choosing";

    struct Step {
        const char* item;
        int16_t method;
        int16_t scanTime;
        std::set<std::string> marked;
    };
    // clang-format off
    const Step steps[] = {
        {"choose_two_switches", ChooseByTwoSwitches, 2000,
         {"choose_one_of_two", "choose_two_switches", "scan_2000"}},
        {"scan_5000", ChooseByScanning, 5000, {"choose_one_of_two", "choose_scanning", "scan_5000"}},
        {"choose_step_scanning", ChooseByStepScanning, 5000,
         {"choose_one_of_two", "choose_step_scanning", "scan_5000"}},
        {"timed_3", ChooseByStepScanning, 5000, {"timed_3", "scan_5000"}},
    };
    // clang-format on
    for (const Step& step : steps) {
        choose(step.item);
        EXPECT_EQ(g.PlayMode == ChooseOneOfTwo, step.marked.count("choose_one_of_two") == 1) << step.item;
        EXPECT_EQ(g.ChoiceMethod, step.method) << step.item;
        EXPECT_EQ(g.ScanTime, step.scanTime) << step.item;
        std::set<std::string> marked = others;
        marked.insert(step.marked.begin(), step.marked.end());
        EXPECT_EQ(checked_items(), marked) << "after " << step.item;
    }
}

TEST_F(OptionsMenusTest, PointerDwellIsADeviceOfItsOwnWithItsDwellTime)
{
    g.PointerDwell = 1;
    g.DwellTime = 1500;
    start();
    std::set<std::string> marked = checked_items();
    EXPECT_EQ(marked.count("pointer_dwell"), 1u);
    EXPECT_EQ(marked.count("dwell_1500"), 1u);
    EXPECT_EQ(marked.count("dev6"), 0u) << "dwell is not a mouse click, though it keeps device 6";

    choose("dev7");
    EXPECT_EQ(input_kind(g), InputKind::Keyboard);
    EXPECT_FALSE(item("pointer_dwell")->isChecked());
    EXPECT_TRUE(item("dwell_1500")->isChecked()) << "the time is kept for the next dwell";

    choose("dwell_3000");
    EXPECT_EQ(input_kind(g), InputKind::PointerDwell) << "choosing a time chooses dwell";
    EXPECT_EQ(g.InputDevice, MouseDevice);
    EXPECT_EQ(g.DwellTime, 3000);
    EXPECT_TRUE(item("pointer_dwell")->isChecked());
    EXPECT_FALSE(item("dev7")->isChecked());
    EXPECT_FALSE(item("dwell_1500")->isChecked());

    choose("pointer_dwell");
    EXPECT_TRUE(item("pointer_dwell")->isChecked()) << "choosing it again keeps its mark";
    choose("dev6");
    EXPECT_EQ(input_kind(g), InputKind::Mouse);
    EXPECT_FALSE(item("pointer_dwell")->isChecked());
}

}  // namespace

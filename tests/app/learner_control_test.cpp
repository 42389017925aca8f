// The learner button of the menu window: making, choosing, renaming and
// removing learners, and the window following the learner chosen.

#include "app/banner_window.h"
#include "app/learner_control.h"
#include "app/learner_questions.h"
#include "app/menu_tree.h"
#include "app/switch_test_line.h"
#include "fakes/fake_services.h"
#include "state/learner_lock.h"
#include "state/settings.h"
#include "support/test_file.h"
#include "support/wait_until.h"

#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {

struct FakeQuestions : LearnerQuestions {
    QStringList names;  // typed, in order; nullopt once used up
    QStringList problems;  // what the dialog showed for each
    QStringList removals;
    bool removeAnswer = false;

    std::optional<QString> name(const QString&, const QString&, const QString&,
                                const std::function<QString(const QString&)>& check) override
    {
        if (names.isEmpty())
            return std::nullopt;
        // OK waits for a usable name: one that is not is cancelled.
        problems << check(names.first());
        const QString typed = names.takeFirst();
        return problems.last().isEmpty() ? std::optional(typed) : std::nullopt;
    }
    bool confirm_removal(const QString& text) override
    {
        removals << text;
        return removeAnswer;
    }
    bool takeOver = false;
    bool take_over(const QString&) override { return takeOver; }
};

class LearnerControlTest : public ::testing::Test, protected FakeServices {
protected:
    LearnerControlTest()
    {
        g.InputDevice = 7;
        g.ScreenSize = 1;
        g.CategoryEnabled.fill(1);
        g.ProgramFolder = g.DataFolder = g.MediaFolder = account.writable;
        banner.set_learners(learners, questions);
    }
    LearnerControl& control() { return *banner.findChild<LearnerControl*>(); }
    bool checked(const char* item) { return menu_action(*banner.menuBar(), item)->isChecked(); }
    QStringList menu_texts()
    {
        emit control().learner_menu().aboutToShow();
        QStringList texts;
        for (QAction* action : control().learner_menu().actions())
            texts << (action->isChecked() ? "* " : "") + action->text();
        return texts;
    }

    QTemporaryDir dir;
    Folders account{dir.path() + u'/', dir.path() + u'/', ""};
    GlobVars g;
    FakeQuestions questions;
    Learners learners{account};
    Banner banner{g, services()};
};

TEST_F(LearnerControlTest, EachLearnerBringsTheirOwnMarksTitleAndSwitchTest)
{
    EXPECT_EQ(banner.windowTitle(), "Options");
    EXPECT_EQ(control().text(), "&Learner: none chosen");

    questions.names = {"..", "Anna & Ben"};
    control().new_learner();
    EXPECT_EQ(questions.problems, QStringList{"A learner's name needs at least one letter or digit."});
    EXPECT_TRUE(learners.list().isEmpty());
    control().new_learner();
    EXPECT_EQ(banner.windowTitle(), "Options \u2013 Anna & Ben");
    EXPECT_EQ(control().text(), "&Learner: Anna && Ben");

    menu_action(*banner.menuBar(), "full_screen")->trigger();
    menu_action(*banner.menuBar(), "dev6")->trigger();
    questions.names = {"Chloe"};
    control().new_learner();  // starts from Anna & Ben's options
    EXPECT_TRUE(checked("full_screen"));
    menu_action(*banner.menuBar(), "mid_screen")->trigger();
    menu_action(*banner.menuBar(), "dev7")->trigger();

    banner.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&banner));
    EXPECT_EQ(menu_texts().mid(0, 3), QStringList({"No learner", "Anna && Ben", "* Chloe"}));
    control().learner_menu().actions()[1]->trigger();
    EXPECT_TRUE(checked("full_screen"));
    EXPECT_FALSE(checked("mid_screen"));
    EXPECT_TRUE(checked("dev6"));
    EXPECT_TRUE(wait_until(
        [&] { return banner.findChild<SwitchTestLine*>()->text().startsWith("Switch test: Mouse Click"); },
        2000));
    EXPECT_EQ(g.ProgramFolder, learners.list()[0].folder);
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(LearnerControlTest, RemovingAsksOnceNamingWhatGoes)
{
    questions.names = {"Anna"};
    control().new_learner();
    const Learner anna = *learners.current();
    write_test_file(anna.folder + "dog.mpg", "");

    control().remove_learner();
    ASSERT_EQ(questions.removals.size(), 1);
    EXPECT_TRUE(questions.removals[0].contains(
        "their options, their own clip and everything else kept for them: 3 files"))
        << questions.removals[0].toStdString();
    EXPECT_TRUE(QFileInfo::exists(anna.folder));

    questions.removeAnswer = true;
    control().remove_learner();
    EXPECT_FALSE(QFileInfo::exists(anna.folder));
    EXPECT_EQ(banner.windowTitle(), "Options");
    EXPECT_EQ(g.ProgramFolder, account.writable);
    EXPECT_EQ(menu_texts().first(), "* No learner");
    EXPECT_FALSE(control().learner_menu().actions().last()->isEnabled()) << "Remove\u2026 with no learner";
}

// The same check as at start-up: a calibration far too slow for this computer
// is not used, and the adult hears so once.
TEST_F(LearnerControlTest, ALearnersOverlongCalibrationIsNotUsed)
{
    questions.names = {"Anna", "Ben"};
    control().new_learner();
    control().new_learner();
    GlobVars slow = g;
    slow.ProgramFolder = learners.list()[0].folder;
    slow.PressCalibration = slow.WipeCalibration = 1E+23;
    ASSERT_EQ(SaveSettings(slow), "");

    ASSERT_EQ(menu_texts().mid(0, 3), QStringList({"No learner", "Anna", "* Ben"}));
    control().learner_menu().actions()[1]->trigger();
    EXPECT_EQ(g.ProgramFolder, learners.list()[0].folder);
    EXPECT_EQ(g.PressCalibration, 0);
    EXPECT_EQ(g.WipeCalibration, 0);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_TRUE(dialogs.messages[0].text.contains("speed calibration"))
        << dialogs.messages[0].text.toStdString();
}

// Another computer takes the learner over: the adult hears it once, at the
// menu window and not over the learner's screen, and can take them back.
TEST_F(LearnerControlTest, ALearnerTakenOverElsewhereIsToldOnceAtTheMenu)
{
    questions.names = {"Anna"};
    control().new_learner();
    const Learner anna = learners.list()[0];
    write_test_file(anna.folder + LearnerLockFile,
                    "laptop-2\n77\n2026-12-08T09:12:00Z\nc0ffee\n"
                        + QDateTime::currentDateTimeUtc().toString(Qt::ISODate).toLatin1() + "\n");

    const auto refresh = [this] {
        control().refresh_lock();
        ASSERT_TRUE(wait_until([this] { return !control().refreshing(); }, 5000));
    };
    refresh();
    EXPECT_TRUE(dialogs.messages.empty()) << "the menu window is not on screen";
    EXPECT_EQ(control().text(), "&Learner: Anna (taken over by another computer)");
    banner.show();
    refresh();
    refresh();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_TRUE(dialogs.messages[0].text.startsWith("Another computer took over the learner \"Anna\""));

    questions.takeOver = true;
    control().choose(anna);
    EXPECT_EQ(control().text(), "&Learner: Anna");
    EXPECT_FALSE(learners.taken_over());
}

}  // namespace

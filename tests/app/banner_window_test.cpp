// The menu window: layout, first activation, "Play Movies" and every way of
// ending the program from it.

#include "app/banner_window.h"
#include "state/globvars.h"
#include "app/menu_tree.h"
#include "state/settings.h"
#include "fakes/fake_idle_inhibitor.h"
#include "fakes/fake_services.h"
#include "support/test_file.h"

#include <QApplication>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class BannerTest : public ::testing::Test, protected FakeServices {
protected:
    void SetUp() override
    {
        g.InputDevice = 6;
        g.ScreenSize = 1;
        g.SequenceOrder = 2;
        g.BackgroundKind = 1;
        g.CategoryEnabled.fill(1);
        g.MovieSource = 1;
        g.ProgramFolder = g.DataFolder = g.MediaFolder = dir.path() + u'/';
    }

    void write_banner(QSize size)
    {
        QImage image(size, QImage::Format_RGB32);
        image.fill(Qt::darkMagenta);
        ASSERT_TRUE(image.save(g.DataFolder + "aobj_log.jpg"));
    }
    void write_file(const QString& name, const QByteArray& content)
    {
        write_test_file(g.DataFolder + name, content);
    }
    QByteArray settings_file() { return read_test_file(g.ProgramFolder + SettingsFileName); }
    template <typename T>
    T* child(Banner& banner, const char* name)
    {
        T* widget = banner.findChild<T*>(name);
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    // The window at that size, laid out as on a screen of that many logical pixels.
    static void show_at(Banner& banner, QSize size)
    {
        banner.resize(size);
        banner.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&banner));
    }
    PlaybackWindow* playback_window()
    {
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (auto* playback = qobject_cast<PlaybackWindow*>(widget); playback && playback->isVisible())
                return playback;
        return nullptr;
    }

    QTemporaryDir dir;
    GlobVars g;
};

TEST_F(BannerTest, PictureAndButtonsFollowTheScreen)
{
    write_banner({300, 121});
    Banner banner(g, services());
    const QSize screen = banner.screen()->geometry().size();
    show_at(banner, screen);
    const int top = qRound((screen.height() - 121) / 6.0);
    EXPECT_EQ(child<QLabel>(banner, "banimage")->geometry(),
              QRect(qRound((screen.width() - 300) / 2.0), top, 300, 121));

    auto* start = child<QPushButton>(banner, "StartButton");
    auto* exit = child<QPushButton>(banner, "ExitButton");
    const int startLeft = qRound((screen.width() - (174 + 30 + 163)) / 2.0);
    EXPECT_EQ(start->geometry(), QRect(startLeft, top + 121 + 50, 174, 48));
    EXPECT_EQ(exit->geometry(), QRect(startLeft + 174 + 30, top + 121 + 50, 163, 48));
    EXPECT_EQ(start->text(), "Play Movies");
    EXPECT_EQ(start->font().family(), "Arial");
    EXPECT_DOUBLE_EQ(exit->font().pointSizeF(), 11.25);
    EXPECT_EQ(banner.windowTitle(), "Options");
    EXPECT_TRUE(menu_action(*banner.menuBar(), "run_from_hard_drive")->isChecked());
    EXPECT_TRUE(menu_action(*banner.menuBar(), "category_sequence")->isChecked());
}

TEST_F(BannerTest, MissingPictureLeavesTheButtonsWhereAnEmptyPictureWould)
{
    Banner banner(g, services());
    const QSize screen = banner.screen()->geometry().size();
    show_at(banner, screen);
    EXPECT_EQ(child<QPushButton>(banner, "StartButton")->y(), qRound(screen.height() / 6.0) + 50);
    EXPECT_TRUE(child<QLabel>(banner, "banimage")->pixmap().isNull());
}

// 1366 x 768 and 1920 x 1080 at 100, 125, 150 and 200 % desktop scaling: every
// control lies whole above the switch test line and none covers another.
TEST_F(BannerTest, EveryControlFitsAtEachDesktopScale)
{
    write_banner({600, 250});
    for (const QSize screen : {QSize(1366, 768), QSize(1920, 1080)})
        for (const double scale : {1.0, 1.25, 1.5, 2.0}) {
            const QSize logical(qRound(screen.width() / scale), qRound(screen.height() / scale));
            SCOPED_TRACE(QStringLiteral("%1 x %2").arg(logical.width()).arg(logical.height()).toStdString());
            Banner banner(g, services());
            show_at(banner, logical);
            banner.activate_menu();
            const QWidget* line = banner.findChild<QWidget*>("SwitchTestLine");
            const QRect area(0, 0, banner.centralWidget()->width(), line->y());
            const QRect picture = child<QLabel>(banner, "banimage")->geometry();
            const QRect start = child<QPushButton>(banner, "StartButton")->geometry();
            const QRect exit = child<QPushButton>(banner, "ExitButton")->geometry();
            const QRect records = banner.findChild<QWidget*>("RecordsLine")->geometry();
            EXPECT_EQ(line->geometry().bottom(), banner.centralWidget()->height() - 1);
            for (const QRect& control : {picture, start, exit, records})
                EXPECT_TRUE(area.contains(control))
                    << control.x() << ',' << control.y() << ' ' << control.width() << 'x' << control.height();
            EXPECT_FALSE(picture.intersects(start) || picture.intersects(exit));
            EXPECT_GT(records.top(), start.bottom() + 40) << "no room for the learner button";
            EXPECT_GE(picture.height(), scale < 2 || screen.height() > 768 ? 100 : 40);
            EXPECT_NEAR(double(picture.width()) / picture.height(), 600 / 250.0, 0.05);
        }
}

TEST_F(BannerTest, FirstActivationPlaysTheGongOnceAndRevealsTheButtons)
{
    Banner banner(g, services());
    auto* start = child<QPushButton>(banner, "StartButton");
    banner.show();
    EXPECT_FALSE(start->isVisible());
    ASSERT_TRUE(QTest::qWaitForWindowActive(&banner));
    EXPECT_EQ(sound.played, QStringList{g.DataFolder + "aobj_gong.wav"});
    EXPECT_TRUE(start->isVisible());
    EXPECT_TRUE(start->isEnabled());
    EXPECT_TRUE(child<QPushButton>(banner, "ExitButton")->isVisible());

    banner.activate_menu();
    EXPECT_EQ(sound.played.size(), 1);
}

TEST_F(BannerTest, ListingAndGuideReplaceThePictureUntilTheNextActivation)
{
    write_banner({50, 50});
    write_file("aobj_sqc.seq", "dog,animals,Dog,,\r\n");
    Banner banner(g, services());
    banner.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&banner));
    auto* list = child<QListWidget>(banner, "List1");
    auto* picture = child<QLabel>(banner, "banimage");
    EXPECT_FALSE(list->isVisible());

    menu_action(*banner.menuBar(), "show_users_guide")->trigger();
    EXPECT_TRUE(list->isVisible());
    EXPECT_FALSE(picture->isVisible());
    EXPECT_EQ(list->width(), 700);

    menu_action(*banner.menuBar(), "list_clips")->trigger();
    EXPECT_EQ(list->width(), 200);
    EXPECT_EQ(list->item(list->count() - 1)->text(), "Dog");

    // Focus leaving and coming back (a message box, another program) is no
    // new showing of the window: the listing stays.
    QWidget other;
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    banner.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&banner));
    EXPECT_TRUE(list->isVisible());
    EXPECT_FALSE(picture->isVisible());

    banner.activate_menu();
    EXPECT_FALSE(list->isVisible());
    EXPECT_TRUE(picture->isVisible());
}

TEST_F(BannerTest, ExitEscAndClosingTheWindowSaveTheSettingsBeforeHandingOver)
{
    enum Way { ExitButton, Esc, Closing };
    for (const Way way : {ExitButton, Esc, Closing}) {
        SCOPED_TRACE(way);
        QFile::remove(g.ProgramFolder + SettingsFileName);
        g.PromptInterval = 5 + way;
        Banner banner(g, services());
        QSignalSpy ending(&banner, &Banner::program_ending);
        banner.show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&banner));
        if (way == Esc) {
            // A held Esc (say, the press that left playback) repeats: only a new press counts.
            QTest::simulateEvent(&banner, true, Qt::Key_Escape, Qt::NoModifier, QString(), true);
            EXPECT_EQ(ending.count(), 0);
            QTest::keyClick(&banner, Qt::Key_Escape);
        } else if (way == ExitButton) {
            child<QPushButton>(banner, "ExitButton")->click();
        } else {
            banner.close();
            ASSERT_TRUE(ending.wait(2000));
        }
        EXPECT_EQ(ending.count(), 1);
        EXPECT_FALSE(banner.isVisible());
        EXPECT_EQ(settings_file(), format_settings(g));

        banner.end_program();  // a second request does not end twice
        EXPECT_EQ(ending.count(), 1);
    }
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(BannerTest, FailedSaveIsToldBeforeTheCredits)
{
    g.ProgramFolder = dir.path() + "/no such folder/";
    Banner banner(g, services());
    size_t messagesAtHandOver = 0;
    QObject::connect(&banner, &Banner::program_ending, [&] { messagesAtHandOver = dialogs.messages.size(); });
    banner.end_program();
    EXPECT_EQ(messagesAtHandOver, 1u);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].icon, Dialogs::Icon::Warning);
    EXPECT_TRUE(dialogs.messages[0].text.contains("no such folder"))
        << dialogs.messages[0].text.toStdString();
}

// Each row: the clip list in the folder, and what the message says.
TEST_F(BannerTest, PlayMoviesWithNothingToPlaySaysWhyAndStaysInTheMenu)
{
    const struct {
        const char* name;
        QByteArray alphabetical;  // the clip list of alphabetical order, or none
        const char* says;
    } rows[] = {
        {"no clip list", "", "aobj_sqc.seq"},
        {"no clip of the categories chosen", "yak,food,Yak,,\r\n", "no clips to play"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        if (!row.alphabetical.isEmpty()) {
            write_file("aobj_sqa.seq", row.alphabetical);
            g.SequenceOrder = 3;
            g.CategoryEnabled.fill(0);
            g.CategoryEnabled[0] = 1;
        }
        dialogs.messages.clear();
        Banner banner(g, services());
        banner.show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&banner));
        menu_action(*banner.menuBar(), "show_users_guide")->trigger();
        child<QPushButton>(banner, "StartButton")->click();
        ASSERT_EQ(dialogs.messages.size(), 1u);
        EXPECT_TRUE(dialogs.messages[0].text.contains(row.says)) << dialogs.messages[0].text.toStdString();
        EXPECT_TRUE(banner.isVisible());
        EXPECT_EQ(playback_window(), nullptr);
        // The guide made way for the start; the menu must not be left blank.
        EXPECT_FALSE(child<QListWidget>(banner, "List1")->isVisible());
        EXPECT_TRUE(child<QLabel>(banner, "banimage")->isVisible());
    }
}

TEST_F(BannerTest, PlayMoviesHandsOverAndComesBackWithWhatStoppedTheRun)
{
    // No backdrop or hand in the folder: the run cannot start and must say why.
    write_file("aobj_sqa.seq", "zebra,animals,Zebra,,\r\nyak,food,Yak,,\r\n");
    g.SequenceOrder = 3;
    g.CategoryEnabled.fill(0);
    g.CategoryEnabled[0] = 1;
    Banner banner(g, services());
    FakeIdleInhibitor idle;  // the screen saver: held only while the learner's window is up
    banner.keep_awake_with(idle);
    banner.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&banner));
    menu_action(*banner.menuBar(), "list_clips")->trigger();
    EXPECT_FALSE(idle.held);

    child<QPushButton>(banner, "StartButton")->click();
    EXPECT_EQ(g.ClipCount, 1);
    EXPECT_EQ(settings_file(), format_settings(g)) << "saved as the session starts, against a crash";
    EXPECT_FALSE(banner.isVisible());
    EXPECT_TRUE(idle.held);
    QPointer<PlaybackWindow> playback = playback_window();
    ASSERT_TRUE(playback);

    QTRY_VERIFY_WITH_TIMEOUT(playback.isNull(), 2000);
    EXPECT_TRUE(banner.isVisible());
    EXPECT_FALSE(idle.held);
    EXPECT_EQ(idle.holds, 1);
    EXPECT_FALSE(child<QListWidget>(banner, "List1")->isVisible());
    EXPECT_EQ(sound.played.size(), 1) << "no second gong";
    QTRY_COMPARE_WITH_TIMEOUT(dialogs.messages.size(), size_t(1), 2000);
    EXPECT_TRUE(dialogs.messages[0].text.contains(g.DataFolder + "aobj_tv.jpg"))
        << dialogs.messages[0].text.toStdString();
}

// A clip list saved as "Unicode" plays and lists as the text it is; one that
// is no text gets a message naming the file and the encoding, not advice
// about categories.
TEST_F(BannerTest, ClipListSavedAsUtf16PlaysAndListsAndNoTextIsExplained)
{
    const QString text = QStringLiteral("zebra,animals,Zebra,,\r\n");
    write_file("aobj_sqc.seq",
               QStringEncoder(QStringConverter::Utf16LE, QStringEncoder::Flag::WriteBom)(text));
    Banner banner(g, services());
    banner.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&banner));
    child<QPushButton>(banner, "StartButton")->click();
    EXPECT_EQ(g.ClipCount, 1);
    EXPECT_EQ(g.ClipList[1], "zebra");
    // No backdrop in the folder: the run comes straight back and says so.
    QTRY_VERIFY_WITH_TIMEOUT(banner.isVisible() && playback_window() == nullptr, 2000);
    QTRY_COMPARE_WITH_TIMEOUT(dialogs.messages.size(), size_t(1), 2000);
    dialogs.messages.clear();
    menu_action(*banner.menuBar(), "list_clips")->trigger();
    EXPECT_EQ(child<QListWidget>(banner, "List1")->findItems("Zebra", Qt::MatchExactly).size(), 1);
    EXPECT_TRUE(dialogs.messages.empty()) << dialogs.messages[0].text.toStdString();

    write_file("aobj_sqc.seq", QStringEncoder(QStringConverter::Utf16LE)(text));
    child<QPushButton>(banner, "StartButton")->click();
    menu_action(*banner.menuBar(), "list_clips")->trigger();
    ASSERT_EQ(dialogs.messages.size(), 2u);
    for (const FakeDialogs::Shown& shown : dialogs.messages) {
        EXPECT_TRUE(shown.text.contains(g.MediaFolder + "aobj_sqc.seq") && shown.text.contains("\"UTF-8\""))
            << shown.text.toStdString();
        EXPECT_FALSE(shown.text.contains("categories")) << shown.text.toStdString();
    }
}

}  // namespace

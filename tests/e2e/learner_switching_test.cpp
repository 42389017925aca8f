// Two learners made, set up and switched with the keyboard alone on a real X
// server: each learner's turn plays at their own movie size, and the next
// start comes back to the learner chosen last. Two copies of the program
// sharing a learners folder never open the same learner.

#include "program_test.h"
#include "media/picture_difference.h"

#include <QFile>
#include <QDir>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <QScreen>
#include <QThread>
#include <gtest/gtest.h>

namespace {

QString settings_of(const ProgramDriver& d, const QString& learner)
{
    QFile file(d.folder() + QStringLiteral("learners/%1/aobj_se1.cfg").arg(learner));
    return file.open(QIODevice::ReadOnly) ? QString::fromLatin1(file.readAll()) : QString();
}

class LearnerSwitching : public ProgramTest {
protected:
    // Dialogs open in the middle of the screen; keys go to the window under the pointer.
    void keys(ProgramDriver& d, std::initializer_list<const char*> keysyms)
    {
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        d.move_to(screen.center());
        for (const char* keysym : keysyms) {
            d.tap(keysym);
            QThread::msleep(150);
        }
    }
    void alt_key(ProgramDriver& d, const char* keysym)
    {
        d.move_to(QGuiApplication::primaryScreen()->geometry().center());
        d.key("Alt_L", true);
        d.tap(keysym);
        d.key("Alt_L", false);
        QThread::msleep(300);
    }
    // Alt+L, "New learner…", a lower-case name typed, Return. Keys sent
    // while the gong still plays may come before the window takes them.
    void new_learner(ProgramDriver& d, const QString& name)
    {
        for (int attempt = 0; attempt < 5 && !ProgramDriver::window_titles().contains("New learner");
             ++attempt) {
            alt_key(d, "l");
            keys(d, {"n"});
            ProgramDriver::wait_for_window(QStringLiteral("New learner"), 2000);
        }
        ASSERT_TRUE(ProgramDriver::window_titles().contains("New learner"));
        // A loaded machine maps the dialog before it has placed it under the
        // pointer; letters typed in between are lost.
        QThread::msleep(500);
        for (const QChar c : name)
            keys(d, {QByteArray(1, c.toLatin1()).constData()});
        keys(d, {"Return"});
        ASSERT_TRUE(ProgramDriver::wait_for_window(QStringLiteral("Options \u2013 ") + name))
            << ProgramDriver::window_titles().join(", ").toStdString();
    }
    // The learner menu lists "No learner" and then the learners by name.
    void choose(ProgramDriver& d, int place, const QString& name)
    {
        alt_key(d, "l");
        for (int i = 0; i <= place; ++i)
            keys(d, {"Down"});
        keys(d, {"Return"});
        ASSERT_TRUE(ProgramDriver::wait_for_window(QStringLiteral("Options \u2013 ") + name))
            << ProgramDriver::window_titles().join(", ").toStdString();
    }
    // A turn; true when the clip reached the screen's corner, outside the drawing area.
    bool plays_full_screen(ProgramDriver& d, const std::function<void()>& press, const QString& learner)
    {
        EXPECT_TRUE(d.play_movies());
        const QString first = ProgramDriver::clips()[0];
        EXPECT_TRUE(d.wait_for_screen(
            [&](const QImage& shot) { return d.shows_still(shot, first, "_first"); }, 20000));
        d.grab(learner + QStringLiteral("_first_still"));
        QImage black(100, 100, QImage::Format_RGB32);
        black.fill(Qt::black);
        bool corner = false;
        const bool played = d.press_until(press, [&](const QImage& shot) {
            corner = corner || mean_abs_difference(shot.copy(0, 0, 100, 100), black) > 5;
            return !d.shows_still(shot, first, "_first");
        });
        EXPECT_TRUE(played) << "the press did not start the clip";
        d.grab(learner + QStringLiteral("_after_press"));
        d.wait_for_screen(
            [&](const QImage& shot) {
                corner = corner || mean_abs_difference(shot.copy(0, 0, 100, 100), black) > 5;
                return d.shows_still(shot, first, "_last");
            },
            10000);
        d.tap("Escape");
        EXPECT_TRUE(d.wait_for_screen([&](const QImage& shot) { return d.shows_menu(shot); }, 10000));
        return corner;
    }
};

TEST_F(LearnerSwitching, EachLearnerKeepsTheirOwnSizeAndDeviceAndTheLastOneComesBack)
{
    ProgramDriver d({.device = 7, .size = 1, .currentClip = 0, .backdrop = 1});
    ASSERT_TRUE(d.start());
    ASSERT_TRUE(ProgramDriver::wait_for_window(QStringLiteral("Options")));

    new_learner(d, QStringLiteral("anna"));  // the options of now: space bar, normal size
    new_learner(d, QStringLiteral("ben"));
    ASSERT_FALSE(HasFailure());
    alt_key(d, "i");
    keys(d, {"Up", "Up", "Return"});  // from the top, round to the last item but one: "Mouse Click"
    alt_key(d, "i");
    keys(d, {"Right", "Right", "Right", "Down", "Down", "Return"});  // "Full Screen"

    choose(d, 1, QStringLiteral("anna"));
    ASSERT_FALSE(HasFailure());
    EXPECT_FALSE(plays_full_screen(
        d, [&] { d.tap("space"); }, "anna"))
        << "anna's clip filled the screen";
    choose(d, 2, QStringLiteral("ben"));
    ASSERT_FALSE(HasFailure());
    const QPoint onBackdrop = d.area_origin() + QPoint(320, 300);
    EXPECT_TRUE(plays_full_screen(
        d, [&] { d.click(onBackdrop); }, "ben"))
        << "ben's clip did not fill the screen";

    ASSERT_TRUE(d.exit_from_menu());
    EXPECT_TRUE(settings_of(d, "anna").startsWith(" 7 \r\n 1 \r\n")) << settings_of(d, "anna").toStdString();
    EXPECT_TRUE(settings_of(d, "ben").startsWith(" 6 \r\n 3 \r\n")) << settings_of(d, "ben").toStdString();

    ASSERT_TRUE(d.start());
    EXPECT_TRUE(ProgramDriver::wait_for_window(QStringLiteral("Options \u2013 ben")))
        << ProgramDriver::window_titles().join(", ").toStdString();
    ASSERT_TRUE(d.exit_from_menu());
}

// Two accounts on one computer, or two laptops, share a school's learners
// folder: a learner open in one copy is not opened by the other.
TEST_F(LearnerSwitching, LearnerOpenInOneCopyIsNotOpenedByAnother)
{
    QTemporaryDir shared, config;
    QDir().mkpath(config.filePath("flickerbox"));
    QFile conf(config.filePath("flickerbox/flickerbox.conf"));
    ASSERT_TRUE(conf.open(QIODevice::WriteOnly));
    conf.write("learners-folder = " + shared.path().toUtf8() + "\n");
    conf.close();
    QDir().mkpath(shared.filePath("anna"));
    QFile name(shared.filePath("anna/aobj_nam.txt"));
    ASSERT_TRUE(name.open(QIODevice::WriteOnly));
    name.write("anna\n");
    name.close();
    qputenv("XDG_CONFIG_DIRS", config.path().toUtf8());
    ProgramDriver first({}), second({});
    qunsetenv("XDG_CONFIG_DIRS");
    ASSERT_TRUE(QFile::copy(first.folder() + "aobj_se1.cfg", shared.filePath("anna/aobj_se1.cfg")));

    ASSERT_TRUE(first.start({"--learner", "anna"}));
    ASSERT_TRUE(ProgramDriver::wait_for_window(QStringLiteral("Options \u2013 anna")));
    ASSERT_TRUE(second.start({"--learner", "anna"}));
    EXPECT_TRUE(ProgramDriver::wait_for_window(QStringLiteral("Options")));
    EXPECT_TRUE(ProgramDriver::wait_for_window(QStringLiteral("Flickerbox II")))
        << "no message that anna is in use";
    EXPECT_EQ(ProgramDriver::window_titles().count(QStringLiteral("Options \u2013 anna")), 1);
}

}  // namespace

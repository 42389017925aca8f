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

QString settingsOf(const ProgramDriver& d, const QString& learner)
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
        d.moveTo(screen.center());
        for (const char* keysym : keysyms) {
            d.tap(keysym);
            QThread::msleep(150);
        }
    }
    void altKey(ProgramDriver& d, const char* keysym)
    {
        d.moveTo(QGuiApplication::primaryScreen()->geometry().center());
        d.key("Alt_L", true);
        d.tap(keysym);
        d.key("Alt_L", false);
        QThread::msleep(300);
    }
    // Alt+L, "New learner…", a lower-case name typed, Return. Keys sent
    // while the gong still plays may come before the window takes them.
    void newLearner(ProgramDriver& d, const QString& name)
    {
        for (int attempt = 0; attempt < 5 && !ProgramDriver::windowTitles().contains("New learner");
             ++attempt) {
            altKey(d, "l");
            keys(d, {"n"});
            ProgramDriver::waitForWindow(QStringLiteral("New learner"), 2000);
        }
        ASSERT_TRUE(ProgramDriver::windowTitles().contains("New learner"));
        // A loaded machine maps the dialog before it has placed it under the
        // pointer; letters typed in between are lost.
        QThread::msleep(500);
        for (const QChar c : name)
            keys(d, {QByteArray(1, c.toLatin1()).constData()});
        keys(d, {"Return"});
        ASSERT_TRUE(ProgramDriver::waitForWindow(QStringLiteral("Options \u2013 ") + name))
            << ProgramDriver::windowTitles().join(", ").toStdString();
    }
    // The learner menu lists "No learner" and then the learners by name.
    void choose(ProgramDriver& d, int place, const QString& name)
    {
        altKey(d, "l");
        for (int i = 0; i <= place; ++i)
            keys(d, {"Down"});
        keys(d, {"Return"});
        ASSERT_TRUE(ProgramDriver::waitForWindow(QStringLiteral("Options \u2013 ") + name))
            << ProgramDriver::windowTitles().join(", ").toStdString();
    }
    // A turn; true when the clip reached the screen's corner, outside the drawing area.
    bool playsFullScreen(ProgramDriver& d, const std::function<void()>& press, const QString& learner)
    {
        EXPECT_TRUE(d.playMovies());
        const QString first = ProgramDriver::clips()[0];
        EXPECT_TRUE(
            d.waitForScreen([&](const QImage& shot) { return d.showsStill(shot, first, "_first"); }, 20000));
        d.grab(learner + QStringLiteral("_first_still"));
        QImage black(100, 100, QImage::Format_RGB32);
        black.fill(Qt::black);
        bool corner = false;
        const bool played = d.pressUntil(press, [&](const QImage& shot) {
            corner = corner || mean_abs_difference(shot.copy(0, 0, 100, 100), black) > 5;
            return !d.showsStill(shot, first, "_first");
        });
        EXPECT_TRUE(played) << "the press did not start the clip";
        d.grab(learner + QStringLiteral("_after_press"));
        d.waitForScreen(
            [&](const QImage& shot) {
                corner = corner || mean_abs_difference(shot.copy(0, 0, 100, 100), black) > 5;
                return d.showsStill(shot, first, "_last");
            },
            10000);
        d.tap("Escape");
        EXPECT_TRUE(d.waitForScreen([&](const QImage& shot) { return d.showsMenu(shot); }, 10000));
        return corner;
    }
};

TEST_F(LearnerSwitching, EachLearnerKeepsTheirOwnSizeAndDeviceAndTheLastOneComesBack)
{
    ProgramDriver d({.device = 7, .size = 1, .currentClip = 0, .backdrop = 1});
    ASSERT_TRUE(d.start());
    ASSERT_TRUE(ProgramDriver::waitForWindow(QStringLiteral("Options")));

    newLearner(d, QStringLiteral("anna"));  // the options of now: space bar, normal size
    newLearner(d, QStringLiteral("ben"));
    ASSERT_FALSE(HasFailure());
    altKey(d, "i");
    keys(d, {"Up", "Up", "Return"});  // from the top, round to the last item but one: "Mouse Click"
    altKey(d, "i");
    keys(d, {"Right", "Right", "Right", "Down", "Down", "Return"});  // "Full Screen"

    choose(d, 1, QStringLiteral("anna"));
    ASSERT_FALSE(HasFailure());
    EXPECT_FALSE(playsFullScreen(
        d, [&] { d.tap("space"); }, "anna"))
        << "anna's clip filled the screen";
    choose(d, 2, QStringLiteral("ben"));
    ASSERT_FALSE(HasFailure());
    const QPoint onBackdrop = d.areaOrigin() + QPoint(320, 300);
    EXPECT_TRUE(playsFullScreen(
        d, [&] { d.click(onBackdrop); }, "ben"))
        << "ben's clip did not fill the screen";

    ASSERT_TRUE(d.exitFromMenu());
    EXPECT_TRUE(settingsOf(d, "anna").startsWith(" 7 \r\n 1 \r\n")) << settingsOf(d, "anna").toStdString();
    EXPECT_TRUE(settingsOf(d, "ben").startsWith(" 6 \r\n 3 \r\n")) << settingsOf(d, "ben").toStdString();

    ASSERT_TRUE(d.start());
    EXPECT_TRUE(ProgramDriver::waitForWindow(QStringLiteral("Options \u2013 ben")))
        << ProgramDriver::windowTitles().join(", ").toStdString();
    ASSERT_TRUE(d.exitFromMenu());
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
    ASSERT_TRUE(ProgramDriver::waitForWindow(QStringLiteral("Options \u2013 anna")));
    ASSERT_TRUE(second.start({"--learner", "anna"}));
    EXPECT_TRUE(ProgramDriver::waitForWindow(QStringLiteral("Options")));
    EXPECT_TRUE(ProgramDriver::waitForWindow(QStringLiteral("Flickerbox II")))
        << "no message that anna is in use";
    EXPECT_EQ(ProgramDriver::windowTitles().count(QStringLiteral("Options \u2013 anna")), 1);
}

}  // namespace

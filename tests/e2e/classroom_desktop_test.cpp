// The learner's window on a classroom desktop: the X server's screen saver
// does not blank it (and blanks the menu as usual), and under a window manager
// a window that takes the focus gets neither the focus nor the top for long.

#include "program_test.h"
#include "state/session_event.h"
#include "state/sessions_file.h"
#include "support/wait_until.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QThread>

namespace {

class Desktop : public ProgramTest {
protected:
    void SetUp() override
    {
        ProgramTest::SetUp();
        // No desktop service on a bus: the program falls back on the X saver.
        qputenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent");
    }
};

QString output_of(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(10000);
    return QString::fromUtf8(process.readAllStandardOutput()).trimmed();
}

int responses_recorded(const QString& folder)
{
    const QString records = folder + RecordsFolderName;
    int count = 0;
    for (const QString& name : QDir(records).entryList({QStringLiteral("20*_*.csv")}, QDir::Files)) {
        QFile file(records + name);
        if (file.open(QIODevice::ReadOnly))
            for (const SessionEvent& event : read_session_events(file.readAll()).events)
                count += event.kind == SessionEventKind::Response;
    }
    return count;
}

TEST_F(Desktop, TheScreenSaverWaitsWhileTheLearnersWindowIsUpAndNotAtTheMenu)
{
    ProgramDriver d({.device = 7, .size = 1, .prompt = 3});
    ASSERT_TRUE(d.start_playback());
    ASSERT_TRUE(d.wait_for_screen([&](const QImage& shot) { return d.shows_backdrop(shot); }, 10000));
    // Set while the program is connected: the server forgets it with its last client.
    ASSERT_EQ(QProcess::execute(QStringLiteral("xset"), {"s", "3", "3"}), 0);
    ASSERT_EQ(QProcess::execute(QStringLiteral("xset"), {"s", "noblank"}), 0);
    QElapsedTimer idle;
    idle.start();
    while (idle.elapsed() < 8000) {
        ASSERT_TRUE(d.shows_backdrop(d.grab()))
            << "the screen blanked " << idle.elapsed() << " ms into the wait";
        QThread::msleep(500);
    }
    d.tap("Escape");
    ASSERT_TRUE(d.wait_for_screen([&](const QImage& shot) { return d.shows_menu(shot); }, 10000));
    EXPECT_TRUE(d.wait_for_screen([&](const QImage& shot) { return !d.shows_menu(shot); }, 10000))
        << "the saver was still held off at the menu";
    QProcess::execute(QStringLiteral("xset"), {"s", "default"});
    QProcess::execute(QStringLiteral("xset"), {"s", "reset"});
}

TEST_F(Desktop, AWindowThatTakesTheFocusLosesItAndTheTopToTheLearnersWindow)
{
    ProgramDriver d({.device = 7, .size = 1});
    ASSERT_TRUE(d.start_playback());
    ASSERT_TRUE(d.wait_for_screen([&](const QImage& shot) { return d.shows_backdrop(shot); }, 10000));
    // Started now, the window manager takes over the windows already up: the
    // driver finds the program's windows only where none frames them.
    QProcess manager;
    manager.start(QStringLiteral("openbox"), {QStringLiteral("--sm-disable")});
    ASSERT_TRUE(manager.waitForStarted(5000)) << "openbox is needed";
    ASSERT_TRUE(wait_until(
        [] {
            return output_of("xprop", {"-root", "_NET_CLIENT_LIST_STACKING"}).contains("0x");
        },
        10000));
    const QString learner = output_of("xdotool", {"search", "--onlyvisible", "--name", "^Flickerbox II$"});
    ASSERT_FALSE(learner.isEmpty());

    QProcess notice;
    notice.start(QStringLiteral("xmessage"), {"-geometry", "+300+300", "hello"});
    QString other;
    ASSERT_TRUE(wait_until(
        [&] {
            return !(other = output_of("xdotool", {"search", "--onlyvisible", "--name", "^xmessage$"}))
                        .isEmpty();
        },
        10000));
    // The focus comes back, and the learner's window lies over the notice.
    EXPECT_TRUE(wait_until([&] { return output_of("xdotool", {"getwindowfocus"}) == learner; }, 5000))
        << "the focus stayed with " << output_of("xdotool", {"getwindowfocus"}).toStdString();
    const QString stacking = output_of("xprop", {"-root", "_NET_CLIENT_LIST_STACKING"});
    const auto position = [&](const QString& id) {
        return stacking.indexOf(QStringLiteral("0x%1").arg(id.toULongLong(), 0, 16));
    };
    EXPECT_GT(position(learner), position(other)) << stacking.toStdString();

    ASSERT_TRUE(d.press_until([&] { d.tap("space"); },
                              [&](const QImage&) { return responses_recorded(d.folder()) > 0; }))
        << "space did not reach the learner's window";
    notice.kill();
    notice.waitForFinished();
    d.tap("Escape");
    EXPECT_TRUE(d.wait_for_screen([&](const QImage& shot) { return d.shows_menu(shot); }, 10000));
    manager.kill();
    manager.waitForFinished();
}

}  // namespace

// A laptop and a projector on one X screen, as xrandr sets up monitors: the
// menu opens on the primary one, the learner's display is chosen in the menu
// and kept for the computer, a chosen display that is gone falls back with a
// word to the adult, and unplugging the learner's display mid-session gives
// the menu back with the session kept.

#include "program_test.h"
#include "state/sessions_file.h"
#include "support/wait_until.h"

#include <QFile>
#include <QRect>
#include <QRegularExpression>
#include <QThread>

namespace {

class Monitors : public ProgramTest { };

QString output_of(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(10000);
    return QString::fromUtf8(process.readAllStandardOutput()).trimmed();
}

// Where the window manager-less server has the visible window titled title,
// or the smallest such window when there are several (a dialog beside the
// learner's window of the same title).
QRect window_rect(const QString& title, bool smallest = false)
{
    QRect found;
    const QStringList ids = output_of("xdotool", {"search", "--onlyvisible", "--name", "^" + title + "$"})
                                .split('\n', Qt::SkipEmptyParts);
    for (const QString& id : ids) {
        const QString shape = output_of("xdotool", {"getwindowgeometry", "--shell", id});
        const auto value = [&](const char* key) {
            return QRegularExpression(QStringLiteral("%1=(\\d+)").arg(key)).match(shape).captured(1).toInt();
        };
        const QRect rect(value("X"), value("Y"), value("WIDTH"), value("HEIGHT"));
        if (found.isNull() || (smallest ? rect.width() < found.width() : rect.width() > found.width()))
            found = rect;
    }
    return found;
}

std::string describe(const QRect& r)
{
    return QStringLiteral("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height()).toStdString();
}

const QRect Laptop(0, 0, 1366, 768);
const QRect Projector(1366, 0, 1920, 1080);

// "Play Movies" on the projector, where the driver would find it on a screen
// of that size; its buttons appear only after the gong.
bool play_movies(ProgramDriver& d, const std::function<bool()>& done)
{
    const QPoint button(Projector.x() + Projector.width() / 2 - 100,
                        (Projector.height() - 250) / 6 + 250 + 50 + 48);
    for (int attempt = 0; attempt < 20; ++attempt) {
        d.click(button);
        if (wait_until(done, 1000))
            return true;
    }
    return false;
}

TEST_F(Monitors, LearnersDisplayIsChosenKeptFallsBackAndMayBeUnplugged)
{
    ASSERT_EQ(QProcess::execute("xrandr", {"--setmonitor", "laptop", "1366/344x768/193+0+0", "none"}), 0);
    ASSERT_EQ(
        QProcess::execute("xrandr", {"--setmonitor", "*projector", "1920/531x1080/299+1366+0", "screen"}), 0);
    ProgramDriver d({.device = 7, .size = 1});
    {
        QFile kept(d.folder() + "learner_display.txt");
        ASSERT_TRUE(kept.open(QIODevice::WriteOnly));
        kept.write("whiteboard\n");
    }
    ASSERT_TRUE(d.launch());
    ASSERT_TRUE(wait_until([] { return window_rect("Options") == Projector; }, 10000))
        << "the menu is not on the primary monitor";

    // The whiteboard is not connected: a word, then the menu window's display.
    ASSERT_TRUE(play_movies(d, [] { return !window_rect("Flickerbox II").isNull(); }));
    ASSERT_TRUE(window_rect("Flickerbox II", true).width() < 1000) << "no word to the adult";
    d.tap("Return");
    ASSERT_TRUE(wait_until([] { return window_rect("Flickerbox II") == Projector; }, 10000))
        << describe(window_rect("Flickerbox II"));
    // Esc once the learner's window has the keyboard; again only while the menu is not back.
    bool menuBack = false;
    for (int attempt = 0; attempt < 10 && !menuBack; ++attempt) {
        d.tap("Escape");
        menuBack = wait_until([] { return window_rect("Options") == Projector; }, 1500);
    }
    ASSERT_TRUE(menuBack);

    // The laptop chosen from the menu bar: Alt+D, then past "Same as This
    // Window" and the primary display, which the desktop lists first.
    QThread::msleep(500);
    d.key("Alt_L", true);
    d.tap("d");
    d.key("Alt_L", false);
    QThread::msleep(300);
    d.tap("Down");
    d.tap("Down");
    d.tap("Return");
    ASSERT_TRUE(wait_until(
        [&] {
            QFile kept(d.folder() + "learner_display.txt");
            return kept.open(QIODevice::ReadOnly) && kept.readAll() == "laptop\n";
        },
        5000));
    ASSERT_TRUE(play_movies(d, [] { return window_rect("Flickerbox II") == Laptop; }));

    // Unplugged mid-session: back to the menu, the session kept.
    QThread::sleep(2);
    ASSERT_EQ(QProcess::execute("xrandr", {"--delmonitor", "laptop"}), 0);
    ASSERT_TRUE(wait_until([] { return window_rect("Options") == Projector; }, 10000));
    QFile sessions(d.folder() + RecordsFolderName + SessionsFileName);
    ASSERT_TRUE(wait_until([&] { return sessions.exists(); }, 5000));
    ASSERT_TRUE(sessions.open(QIODevice::ReadOnly));
    EXPECT_EQ(read_sessions(sessions.readAll()).sessions.size(), 2);
}

}  // namespace

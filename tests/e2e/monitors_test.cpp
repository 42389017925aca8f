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
#include <QScopeGuard>
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

// "Play Movies" on a monitor, where the driver would find it on a screen of
// that size at the desktop's usual scale; its buttons appear only after the gong.
bool play_movies(ProgramDriver& d, const std::function<bool()>& done, const QRect& monitor = Projector)
{
    const QPoint button(monitor.x() + monitor.width() / 2 - 100,
                        monitor.y() + (monitor.height() - 250) / 6 + 250 + 50 + 48);
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

// Only these monitors on the screen, the first one primary.
void set_monitors(const QList<std::pair<QString, QRect>>& monitors)
{
    for (const char* name : {"laptop", "projector"})
        QProcess::execute("xrandr", {"--delmonitor", name});
    for (qsizetype i = 0; i < monitors.size(); ++i) {
        const auto& [name, r] = monitors[i];
        // Millimetres for 96 dots an inch, so the desktop's scale alone sets the size.
        const QString geometry = QStringLiteral("%1/%2x%3/%4+%5+%6")
                                     .arg(r.width())
                                     .arg(r.width() * 254 / 960)
                                     .arg(r.height())
                                     .arg(r.height() * 254 / 960)
                                     .arg(r.x())
                                     .arg(r.y());
        QProcess::execute("xrandr",
                          {"--setmonitor", (i == 0 ? "*" : "") + name, geometry, i == 0 ? "screen" : "none"});
    }
}

// The stage between the first clip's presses, laid out whole for this
// monitor at this scale: its centre at the monitor's centre, as large as
// fits (smaller while the exit link would cover it), never below half size.
bool shows_stage_on(const ProgramDriver& d, const QRect& monitor, double devicePixels,
                    double* scaleFound = nullptr)
{
    const QImage shot = ProgramDriver::grab_root();
    const double fit = std::min(monitor.width() / 640.0, monitor.height() / 480.0) / devicePixels;
    for (double scale = std::min(fit, 1.0); scale >= 0.5; scale -= 0.005) {
        const double onScreen = scale * devicePixels;
        const QPoint origin =
            monitor.center() + QPoint(1, 1) - QPoint(qRound(320 * onScreen), qRound(240 * onScreen));
        if (d.shows_stage_at(shot, origin, onScreen, ProgramDriver::clips().first())) {
            if (scaleFound)
                *scaleFound = scale;
            return true;
        }
    }
    return false;
}

TEST_F(Monitors, ALearnersWindowMovedOntoTheOtherMonitorIsLaidOutForIt)
{
    set_monitors({{"laptop", Laptop}, {"projector", Projector}});
    ProgramDriver d({.device = 7, .size = 1});
    ASSERT_TRUE(d.launch());
    ASSERT_TRUE(wait_until([] { return window_rect("Options") == Laptop; }, 10000));
    ASSERT_TRUE(play_movies(
        d, [] { return window_rect("Flickerbox II") == Laptop; }, Laptop));
    ASSERT_TRUE(wait_until([&] { return shows_stage_on(d, Laptop, 1); }, 20000)) << "no stage on the laptop";

    // What a window manager does when the adult drags the window across.
    const QString id = output_of("xdotool", {"search", "--onlyvisible", "--name", "^Flickerbox II$"});
    ASSERT_EQ(QProcess::execute("xdotool", {"windowmove", id, QString::number(Projector.x()), "0"}), 0);
    EXPECT_TRUE(wait_until([] { return window_rect("Flickerbox II") == Projector; }, 10000))
        << describe(window_rect("Flickerbox II"));
    EXPECT_TRUE(wait_until([&] { return shows_stage_on(d, Projector, 1); }, 10000))
        << "the stage is not whole on the projector";
    ProgramDriver::grab_root(QStringLiteral("monitors_moved_to_projector"));
    d.tap("Escape");
    EXPECT_TRUE(wait_until([] { return !window_rect("Options").isNull(); }, 10000));
}

// A laptop's screen at 200 %: Xft.dpi 192 leaves 683 x 384 logical pixels.
// The menu window fits whole and "Play Movies" takes a click; the learner's
// stage is drawn smaller, whole, with the exit link clear of it.
TEST_F(Monitors, AtTwiceTheScaleALaptopShowsTheMenuAndTheStageWhole)
{
    set_monitors({{"laptop", Laptop}});
    QProcess xrdb;
    xrdb.start("xrdb", {"-merge"});
    ASSERT_TRUE(xrdb.waitForStarted(5000)) << "xrdb is needed";
    xrdb.write("Xft.dpi: 192\n");
    xrdb.closeWriteChannel();
    ASSERT_TRUE(xrdb.waitForFinished(5000));
    const auto undo = qScopeGuard([] { QProcess::execute("xrdb", {"-remove"}); });

    ProgramDriver d({.device = 7, .size = 1});
    ASSERT_TRUE(d.launch());
    ASSERT_TRUE(wait_until([] { return !window_rect("Options").isNull(); }, 10000));
    EXPECT_TRUE(Laptop.contains(window_rect("Options"))) << describe(window_rect("Options"));
    QThread::sleep(4);  // the gong, then the buttons
    ProgramDriver::grab_root(QStringLiteral("menu_laptop_200"));

    // Down the column "Play Movies" stands in, left of the centre: the first
    // thing a click there starts is the learner's window.
    const int x = Laptop.center().x() - 190;
    int playedAt = -1;
    for (int y = 60; y < Laptop.bottom() && playedAt < 0; y += 16) {
        d.click({x, y});
        if (wait_until([] { return !window_rect("Flickerbox II").isNull(); }, 300))
            playedAt = y;
    }
    ASSERT_GE(playedAt, 0) << "no click in the menu window started Play Movies";
    std::printf("Play Movies took a click at %d,%d\n", x, playedAt);

    double scale = 0;
    EXPECT_TRUE(wait_until([&] { return shows_stage_on(d, Laptop, 2, &scale); }, 20000))
        << "the stage is not whole on the laptop";
    std::printf("the stage shows at %.3f of its size in logical pixels\n", scale);
    ProgramDriver::grab_root(QStringLiteral("stage_laptop_200"));
    d.tap("Escape");
    EXPECT_TRUE(wait_until([] { return !window_rect("Options").isNull(); }, 10000));
}

}  // namespace

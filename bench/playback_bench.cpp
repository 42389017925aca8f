// Measures the learner's turn in the real program from outside, as the
// learner meets it: presses injected through XTest, the screen read back.
// Prints figures; asserts nothing. Run under an X server:
//   xvfb-run -a -s "-screen 0 1024x768x24" build/bench/playback_bench build/flickerbox [seconds]

#include "program_driver.h"
#include "media/picture_difference.h"

#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>
#include <QThread>
#include <algorithm>
#include <clocale>
#include <cstdio>
#include <unistd.h>

namespace {

int measureSeconds = 10;

const QString& clip(int number)
{
    return ProgramDriver::clips()[number - 1];
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

// The first still and its label, and the backdrop with the hand at rest: the
// backdrop is drawn last, after the spoken name, right before the wait
// begins. A press before then rightly does not count, and the hand's rows
// change when the backdrop comes.
bool waitForFirstStill(const ProgramDriver& d, int clipNumber)
{
    return d.waitForScreen(
        [&](const QImage& s) {
            return d.showsStill(s, clip(clipNumber), "_first") && d.showsLabel(s, clip(clipNumber))
                && d.showsBackdrop(s) && d.handAtRest(s);
        },
        20000);
}

bool waitForLastStill(const ProgramDriver& d, int clipNumber)
{
    return d.waitForScreen(
        [&](const QImage& s) { return d.showsStill(s, clip(clipNumber), "_last") && d.showsBackdrop(s); },
        20000);
}

// The clip after clipNumber, round the three of the library.
int nextClip(int clipNumber)
{
    return clipNumber % int(ProgramDriver::clips().size()) + 1;
}

// (a) From the key event leaving this process to the hand's first moved frame
// on screen, over presses in the first wait of successive turns.
void pressToHand(int presses)
{
    ProgramDriver d({.device = 7, .size = 1});
    if (!d.startPlayback())
        return (void)std::printf("press to hand: playback did not start\n");
    const QRect hand = d.handArea().translated(d.areaOrigin());
    std::vector<double> ms;
    int current = 1;
    int early = 0;
    while (int(ms.size()) < presses && early < 3 * presses) {
        if (!waitForFirstStill(d, current))
            continue;
        const QImage rest = d.grabRegion(hand);
        QElapsedTimer t;
        t.start();
        d.tap("space");
        bool moved = false;
        while (!moved && t.elapsed() < 2000)
            moved = mean_abs_difference(d.grabRegion(hand), rest) >= 0.3;
        // Not moved: the press came before the wait began and rightly did not count.
        if (!moved) {
            ++early;
            continue;
        }
        ms.push_back(t.nsecsElapsed() / 1e6);
        if (!waitForLastStill(d, current)) {
            d.grab().save(QStringLiteral("/tmp/bench_no_last_still.png"));
            std::printf("(a) the last still of clip %d did not come\n", current);
            break;
        }
        current = nextClip(current);
        d.pressUntil([&] { d.tap("space"); },
                     [&](const QImage& s) { return d.showsStill(s, clip(current), "_first"); });
    }
    std::printf(
        "(a) press to hand on screen: %zu presses, median %.2f ms, max %.2f ms (%d early presses left out)\n",
        ms.size(), median(ms), ms.empty() ? 0 : *std::max_element(ms.begin(), ms.end()), early);
}

double cpuSeconds(qint64 pid)
{
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return 0;
    const QByteArray text = stat.readAll();
    // Fields after the command name in parentheses: utime and stime are the 12th and 13th.
    const QList<QByteArray> fields = text.mid(text.lastIndexOf(')') + 2).split(' ');
    return (fields[11].toDouble() + fields[12].toDouble()) / double(sysconf(_SC_CLK_TCK));
}

double cpuPercentOver(qint64 pid, int seconds)
{
    const double before = cpuSeconds(pid);
    QElapsedTimer t;
    t.start();
    QThread::sleep(seconds);
    return 100 * (cpuSeconds(pid) - before) / (t.elapsed() / 1000.0);
}

// (b) CPU of the program while it waits for the learner. Prompting is paced
// by the press's calibration, so it is measured with a real one.
void cpuWhileWaiting(int device, int prompt, double pressCount = 1)
{
    ProgramDriver d({.device = device, .size = 1, .prompt = prompt, .press = pressCount});
    if (!d.startPlayback() || !waitForFirstStill(d, 1))
        return (void)std::printf("cpu: playback did not start\n");
    const double wait1 = cpuPercentOver(d.pid(), measureSeconds);
    double wait2 = -1;
    const auto press = [&] {
        if (device == 7)
            d.tap("space");
        else
            d.click(d.areaOrigin() + QPoint(320, 300));
    };
    if (d.pressUntil(press, [&](const QImage& s) { return !d.handAtRest(s); }) && waitForLastStill(d, 1))
        wait2 = cpuPercentOver(d.pid(), measureSeconds);
    std::printf("(b) CPU while waiting, %s, prompting every %d s (0: off), press count %g: wait 1 %.2f %%, "
                "wait 2 %.2f %% of a core\n",
                device == 7 ? "space bar" : "mouse", prompt, pressCount, wait1, wait2);
}

// (c) From the hand at rest again to the first clip frame unlike the first
// still, and how long the movie area showed black in between.
void handToClip(int size)
{
    ProgramDriver d({.device = 7, .size = size});
    if (!d.startPlayback() || !waitForFirstStill(d, 1))
        return (void)std::printf("hand to clip: playback did not start\n");
    const QRect hand = d.handArea().translated(d.areaOrigin());
    const QRect movie = d.movieArea().translated(d.areaOrigin());
    const QImage rest = d.grabRegion(hand);
    const QImage first = d.file(clip(1) + QStringLiteral("_first.jpg"));
    QElapsedTimer t;
    for (int attempt = 0; attempt < 10; ++attempt) {
        t.start();
        d.tap("space");
        if (d.waitForScreen(
                [&](const QImage&) { return mean_abs_difference(d.grabRegion(hand), rest) >= 0.3; }, 2000))
            break;
    }
    // The hand's last frame: the last grab with the first still in the movie
    // area and the hand in its place, before the clip's layer covers them.
    QImage blackArea(movie.size(), QImage::Format_RGB32);
    blackArea.fill(Qt::black);
    qint64 handEnd = -1, clipShown = -1, blackSince = -1;
    double blackMs = 0;
    while (t.elapsed() < 10000 && clipShown < 0) {
        const QImage handNow = d.grabRegion(hand);
        const QImage area = d.grabRegion(movie);
        const qint64 now = t.nsecsElapsed();
        const bool black = mean_abs_difference(area, blackArea) < 8;
        const bool firstStill = mean_abs_difference(area, first) < 8;
        if (firstStill && mean_abs_difference(handNow, rest) < 60)
            handEnd = now;
        if (black && blackSince < 0)
            blackSince = now;
        if (!black && blackSince >= 0) {
            blackMs += (now - blackSince) / 1e6;
            blackSince = -1;
        }
        if (!black && !firstStill)
            clipShown = now;
    }
    static const char* names[] = {"", "352 x 240", "640 x 480", "full screen"};
    if (clipShown < 0 || handEnd < 0)
        return (void)std::printf("(c) %s: the clip was not seen after the hand\n", names[size]);
    std::printf("(c) %s: hand's last frame to first clip frame %.1f ms, movie area black %.1f ms\n",
                names[size], (clipShown - handEnd) / 1e6, blackMs);
}

// How long a change on screen lasts: from the first grab unlike `before` to
// the first grab where done holds.
double changeSeconds(const std::function<QImage()>& region, const QImage& before,
                     const std::function<bool(const QImage&)>& done)
{
    QElapsedTimer t;
    t.start();
    qint64 started = -1;
    while (t.elapsed() < 10000) {
        const QImage now = region();
        if (started < 0 && mean_abs_difference(now, before) > 0.5)
            started = t.nsecsElapsed();
        if (started >= 0 && done(now))
            return (t.nsecsElapsed() - started) / 1e9;
    }
    return -1;
}

// Calibrates in the real program; the counts it saved, press then wipe, or
// 0 and 0 when it did not get that far.
std::pair<double, double> calibrate()
{
    ProgramDriver d({.press = 0, .wipe = 0});
    if (!d.startPlayback())
        return {0, 0};
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < 120000 && !d.showsStill(d.grab(), clip(1), "_first")) {
        d.tap("Return");
        QThread::msleep(300);
    }
    d.tap("Escape");
    if (!d.exitFromMenu())
        return {0, 0};
    const QList<double> written = d.writtenSettings();
    return {written.value(5), written.value(6)};
}

// (d) Times a real wipe and press with the counts a calibration saved.
void calibratedDurations(double press, double wipe)
{
    ProgramDriver d({.device = 7, .size = 1, .press = press, .wipe = wipe});
    const QRect label = d.labelArea(clip(1)).translated(d.areaOrigin());
    const QImage labelPicture = d.file(clip(1) + QStringLiteral(".jpg"));
    // The label's place is black until the wipe starts; the wipe ends with the whole label.
    QImage black(label.size(), QImage::Format_RGB32);
    black.fill(Qt::black);
    if (!d.startPlayback())
        return (void)std::printf("(d) playback did not start\n");
    const double wipeSeconds =
        changeSeconds([&] { return d.grabRegion(label); }, black,
                      [&](const QImage& now) { return mean_abs_difference(now, labelPicture) < 6; });
    waitForFirstStill(d, 1);
    const QRect hand = d.handArea().translated(d.areaOrigin());
    const QImage rest = d.grabRegion(hand);
    QElapsedTimer t;
    t.start();
    d.tap("space");
    // A press before the wait does not count: press again until the hand moves.
    for (qint64 lastTap = 0; t.elapsed() < 10000 && mean_abs_difference(d.grabRegion(hand), rest) < 0.5;)
        if (t.elapsed() - lastTap > 1000) {
            d.tap("space");
            lastTap = t.elapsed();
        }
    const double pressSeconds =
        changeSeconds([&] { return d.grabRegion(hand); }, rest,
                      [&](const QImage& now) { return mean_abs_difference(now, rest) < 1.0; });
    std::printf("(d) calibrated counts press %g, wipe %g: press lasts %.2f s, wipe lasts %.2f s\n", press,
                wipe, pressSeconds, wipeSeconds);
}

}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "xcb");
    QGuiApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    std::setvbuf(stdout, nullptr, _IOLBF, 0);  // each figure as soon as it is measured
    if (argc < 2) {
        std::fprintf(stderr,
                     "usage: playback_bench <program folder> [seconds per CPU figure] [figures: abcd]\n");
        return 2;
    }
    qputenv("FLICKERBOX_PROGRAM_DIR", argv[1]);
    if (argc > 2)
        measureSeconds = std::max(1, atoi(argv[2]));
    if (!ProgramDriver::makeClips())
        return 1;
    // Which figures: any of the letters a to d (all by default).
    const QByteArray parts = argc > 3 ? QByteArray(argv[3]) : QByteArray("abcd");
    if (parts.contains('a'))
        pressToHand(20);
    if (parts.contains('c'))
        for (int size : {1, 2, 3})
            handToClip(size);
    const bool calibrated = parts.contains('b') || parts.contains('d');
    const auto [press, wipe] = calibrated ? calibrate() : std::pair(0.0, 0.0);
    if (calibrated && press == 0) {
        std::printf("(b, d) the calibration in the program did not finish\n");
        return 1;
    }
    if (parts.contains('b')) {
        cpuWhileWaiting(6, 0);
        cpuWhileWaiting(7, 0);
        cpuWhileWaiting(7, 3, press);
        cpuWhileWaiting(7, 5, press);
    }
    if (parts.contains('d'))
        calibratedDurations(press, wipe);
    return 0;
}

// Measures the learner's turn in the real program from outside, as the
// learner meets it: presses injected through XTest, the screen read back.
// Prints figures; asserts nothing. Run under an X server:
//   xvfb-run -a -s "-screen 0 1024x768x24" build/bench/playback_bench build/flickerbox [seconds]

#include "program_driver.h"
#include "media/picture_difference.h"
#include "playback/stage_layout.h"

#include <QDir>
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
bool wait_for_first_still(const ProgramDriver& d, int clipNumber)
{
    return d.wait_for_screen(
        [&](const QImage& s) {
            return d.shows_still(s, clip(clipNumber), "_first") && d.shows_label(s, clip(clipNumber))
                && d.shows_backdrop(s) && d.hand_at_rest(s);
        },
        20000);
}

bool wait_for_last_still(const ProgramDriver& d, int clipNumber)
{
    return d.wait_for_screen(
        [&](const QImage& s) { return d.shows_still(s, clip(clipNumber), "_last") && d.shows_backdrop(s); },
        20000);
}

// The clip after clipNumber, round the three of the library.
int next_clip(int clipNumber)
{
    return clipNumber % int(ProgramDriver::clips().size()) + 1;
}

// Sessions are recorded unless the records' options say otherwise.
void record_sessions(const ProgramDriver& d, bool on)
{
    QDir().mkpath(d.folder() + QStringLiteral("records"));
    QFile options(d.folder() + QStringLiteral("records/options.ini"));
    if (options.open(QIODevice::WriteOnly))
        options.write(on ? "[General]\nrecording=true\n" : "[General]\nrecording=false\n");
}

const char* recording_text(bool recording)
{
    return recording ? "recording on" : "recording off";
}

// How a bench press is made: switch 1 or 2 of the space bar's or the mouse's device.
struct BenchSwitch {
    const char* name;
    int device;
    std::function<void(ProgramDriver&)> press;
};

const BenchSwitch& space_bar()
{
    static const BenchSwitch s{"space bar", 7, [](ProgramDriver& d) { d.tap("space"); }};
    return s;
}

std::vector<BenchSwitch> other_switches()
{
    const auto on_picture = [](ProgramDriver& d) { return d.movie_area().center() + d.area_origin(); };
    // The space bar is measured on its own, with recording on and off.
    return {{"left button", 6, [=](ProgramDriver& d) { d.click(on_picture(d)); }},
            {"Enter (switch 2)", 7, [](ProgramDriver& d) { d.tap("Return"); }},
            {"right button (switch 2)", 6, [=](ProgramDriver& d) { d.click(on_picture(d), 1, 3); }}};
}

// (a) From the key or button event leaving this process to the hand's first
// moved frame on screen, over presses in the first wait of successive turns.
void press_to_hand(int presses, bool recording, const BenchSwitch& by = space_bar())
{
    ProgramDriver d({.device = by.device, .size = 1});
    record_sessions(d, recording);
    if (!d.start_playback())
        return (void)std::printf("press to hand: playback did not start\n");
    const QRect hand = d.hand_area().translated(d.area_origin());
    std::vector<double> ms;
    int current = 1;
    int early = 0;
    while (int(ms.size()) < presses && early < 3 * presses) {
        if (!wait_for_first_still(d, current))
            continue;
        const QImage rest = d.grab_region(hand);
        // The pointer is moved to the picture before the clock starts.
        if (by.device == 6)
            d.move_to(d.movie_area().center() + d.area_origin());
        QElapsedTimer t;
        t.start();
        by.press(d);
        bool moved = false;
        while (!moved && t.elapsed() < 2000)
            moved = mean_abs_difference(d.grab_region(hand), rest) >= 0.3;
        // Not moved: the press came before the wait began and rightly did not count.
        if (!moved) {
            ++early;
            continue;
        }
        ms.push_back(t.nsecsElapsed() / 1e6);
        if (!wait_for_last_still(d, current)) {
            d.grab().save(QStringLiteral("/tmp/bench_no_last_still.png"));
            std::printf("(a) the last still of clip %d did not come\n", current);
            break;
        }
        current = next_clip(current);
        d.press_until([&] { by.press(d); },
                      [&](const QImage& s) { return d.shows_still(s, clip(current), "_first"); });
    }
    std::printf("(a) press to hand on screen, %s, %s: %zu presses, median %.2f ms, max %.2f ms (%d early "
                "presses left out)\n",
                by.name, recording_text(recording), ms.size(), median(ms),
                ms.empty() ? 0 : *std::max_element(ms.begin(), ms.end()), early);
}

double cpu_seconds(qint64 pid)
{
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return 0;
    const QByteArray text = stat.readAll();
    // Fields after the command name in parentheses: utime and stime are the 12th and 13th.
    const QList<QByteArray> fields = text.mid(text.lastIndexOf(')') + 2).split(' ');
    return (fields[11].toDouble() + fields[12].toDouble()) / double(sysconf(_SC_CLK_TCK));
}

double cpu_percent_over(qint64 pid, int seconds)
{
    const double before = cpu_seconds(pid);
    QElapsedTimer t;
    t.start();
    QThread::sleep(seconds);
    return 100 * (cpu_seconds(pid) - before) / (t.elapsed() / 1000.0);
}

// (b) CPU of the program while it waits for the learner. Prompting is paced
// by the press's calibration, so it is measured with a real one.
void cpu_while_waiting(int device, int prompt, double pressCount = 1, bool recording = true)
{
    ProgramDriver d({.device = device, .size = 1, .prompt = prompt, .press = pressCount});
    record_sessions(d, recording);
    if (!d.start_playback() || !wait_for_first_still(d, 1))
        return (void)std::printf("cpu: playback did not start\n");
    const double wait1 = cpu_percent_over(d.pid(), measureSeconds);
    double wait2 = -1;
    const auto press = [&] {
        if (device == 7)
            d.tap("space");
        else
            d.click(d.area_origin() + QPoint(320, 300));
    };
    if (d.press_until(press, [&](const QImage& s) { return !d.hand_at_rest(s); })
        && wait_for_last_still(d, 1))
        wait2 = cpu_percent_over(d.pid(), measureSeconds);
    std::printf(
        "(b) CPU while waiting, %s, prompting every %d s (0: off), press count %g, %s: wait 1 %.2f %%, "
        "wait 2 %.2f %% of a core\n",
        device == 7 ? "space bar" : "mouse", prompt, pressCount, recording_text(recording), wait1, wait2);
}

// (c) From the hand at rest again to the first clip frame unlike the first
// still, and how long the movie area showed black in between.
void hand_to_clip(int size)
{
    ProgramDriver d({.device = 7, .size = size});
    if (!d.start_playback() || !wait_for_first_still(d, 1))
        return (void)std::printf("hand to clip: playback did not start\n");
    const QRect hand = d.hand_area().translated(d.area_origin());
    const QRect movie = d.movie_area().translated(d.area_origin());
    const QImage rest = d.grab_region(hand);
    const QImage first = d.file(clip(1) + QStringLiteral("_first.jpg"));
    QElapsedTimer t;
    for (int attempt = 0; attempt < 10; ++attempt) {
        t.start();
        d.tap("space");
        if (d.wait_for_screen(
                [&](const QImage&) { return mean_abs_difference(d.grab_region(hand), rest) >= 0.3; }, 2000))
            break;
    }
    // The hand's last frame: the last grab with the first still in the movie
    // area and the hand in its place, before the clip's layer covers them.
    QImage black_area(movie.size(), QImage::Format_RGB32);
    black_area.fill(Qt::black);
    qint64 handEnd = -1, clipShown = -1, blackSince = -1;
    double blackMs = 0;
    while (t.elapsed() < 10000 && clipShown < 0) {
        const QImage handNow = d.grab_region(hand);
        const QImage area = d.grab_region(movie);
        const qint64 now = t.nsecsElapsed();
        const bool black = mean_abs_difference(area, black_area) < 8;
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
double change_seconds(const std::function<QImage()>& region, const QImage& before,
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
    if (!d.start_playback())
        return {0, 0};
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < 120000 && !d.shows_still(d.grab(), clip(1), "_first")) {
        d.tap("Return");
        QThread::msleep(300);
    }
    d.tap("Escape");
    if (!d.exit_from_menu())
        return {0, 0};
    const QList<double> written = d.written_settings();
    return {written.value(5), written.value(6)};
}

// (d) Times a real wipe and press with the counts a calibration saved.
void calibrated_durations(double press, double wipe)
{
    ProgramDriver d({.device = 7, .size = 1, .press = press, .wipe = wipe});
    const QRect label = d.label_area(clip(1)).translated(d.area_origin());
    const QImage labelPicture = d.file(clip(1) + QStringLiteral(".jpg"));
    // The label's place is black until the wipe starts; the wipe ends with the whole label.
    QImage black(label.size(), QImage::Format_RGB32);
    black.fill(Qt::black);
    if (!d.start_playback())
        return (void)std::printf("(d) playback did not start\n");
    const double wipeSeconds =
        change_seconds([&] { return d.grab_region(label); }, black,
                       [&](const QImage& now) { return mean_abs_difference(now, labelPicture) < 6; });
    wait_for_first_still(d, 1);
    const QRect hand = d.hand_area().translated(d.area_origin());
    const QImage rest = d.grab_region(hand);
    QElapsedTimer t;
    t.start();
    d.tap("space");
    // A press before the wait does not count: press again until the hand moves.
    for (qint64 lastTap = 0; t.elapsed() < 10000 && mean_abs_difference(d.grab_region(hand), rest) < 0.5;)
        if (t.elapsed() - lastTap > 1000) {
            d.tap("space");
            lastTap = t.elapsed();
        }
    const double pressSeconds =
        change_seconds([&] { return d.grab_region(hand); }, rest,
                       [&](const QImage& now) { return mean_abs_difference(now, rest) < 1.0; });
    std::printf("(d) calibrated counts press %g, wipe %g: press lasts %.2f s, wipe lasts %.2f s\n", press,
                wipe, pressSeconds, wipeSeconds);
}

// Where a resting pointer takes no dwell: the drawing area's lower left,
// clear of the picture's margin and of the exit link.
QPoint beside_the_picture(const ProgramDriver& d)
{
    return d.area_origin() + QPoint(20, 470);
}

// (f) CPU while waiting with the pointer beside the picture, resting and
// then moving slowly there (two pixels every 40 ms, to and fro), for a
// learner who dwells and, to compare, one who clicks.
void cpu_with_pointer(bool dwelling)
{
    ProgramDriver d({.device = 6, .size = 1, .kind = dwelling ? 5 : 0});
    if (!d.start_playback())
        return (void)std::printf("(g) playback did not start\n");
    d.move_to(beside_the_picture(d));
    if (!wait_for_first_still(d, 1))
        return (void)std::printf("(g) no first still\n");
    const double resting = cpu_percent_over(d.pid(), measureSeconds);
    const double before = cpu_seconds(d.pid());
    QElapsedTimer moving;
    moving.start();
    for (int step = 0; moving.elapsed() < measureSeconds * 1000; ++step) {
        const int x = step % 100 < 50 ? step % 50 : 50 - step % 50;
        d.move_to(beside_the_picture(d) + QPoint(2 * x, 0));
        QThread::msleep(40);
    }
    const double moved = 100 * (cpu_seconds(d.pid()) - before) / (moving.elapsed() / 1000.0);
    std::printf(
        "(g) CPU while waiting, %s, pointer beside the picture: resting %.2f %%, moving slowly %.2f %% "
        "of a core\n",
        dwelling ? "pointer dwell" : "mouse click", resting, moved);
}

// (f) From the pointer's move onto the picture to the hand's first moved
// frame, less the dwell time.
void dwell_to_hand(int samples)
{
    constexpr int DwellMs = 1000;
    ProgramDriver d({.device = 6, .size = 1, .kind = 5, .dwellMs = DwellMs});
    if (!d.start_playback())
        return (void)std::printf("(g) playback did not start\n");
    const QPoint picture = d.movie_area().center() + d.area_origin();
    const QRect hand = d.hand_area().translated(d.area_origin());
    std::vector<double> late;
    int current = 1;
    for (int attempt = 0; int(late.size()) < samples && attempt < 2 * samples; ++attempt) {
        d.move_to(beside_the_picture(d));
        if (!wait_for_first_still(d, current)) {
            std::printf("(g) the first still of clip %d did not come\n", current);
            break;
        }
        const QImage rest = d.grab_region(hand);
        QElapsedTimer t;
        d.move_to(picture);
        t.start();
        bool moved = false;
        while (!moved && t.elapsed() < DwellMs + 2000)
            moved = mean_abs_difference(d.grab_region(hand), rest) >= 0.3;
        // Not moved: the pointer came before the wait began, whose dwell then
        // starts with it.
        if (!moved)
            continue;
        late.push_back(t.nsecsElapsed() / 1e6 - DwellMs);
        if (!wait_for_last_still(d, current))
            break;
        // Away and back: the dwell on the last still moves on to the next clip.
        current = next_clip(current);
        d.move_to(beside_the_picture(d));
        QThread::msleep(100);
        d.move_to(picture);
        d.wait_for_screen([&](const QImage& s) { return d.shows_still(s, clip(current), "_first"); }, 10000);
    }
    std::printf(
        "(g) dwell of %d ms, pointer onto the picture to the hand on screen, less the dwell time: %zu "
        "dwells, median %.1f ms, min %.1f ms, max %.1f ms\n",
        DwellMs, late.size(), median(late), late.empty() ? 0 : *std::min_element(late.begin(), late.end()),
        late.empty() ? 0 : *std::max_element(late.begin(), late.end()));
}

}  // namespace

// (e) Press and hold: from letting the space bar go to the last frame that
// still changed in the movie area, from the press that plays on to the
// first changed frame (the hand comes first), and CPU while the clip is held.
void hold_mode(int samples)
{
    ProgramDriver d({.device = 7, .size = 1, .playMode = 2, .clipSeconds = 6});
    if (!d.start_playback() || !wait_for_first_still(d, 1))
        return (void)std::printf("(e) playback did not start\n");
    const QRect movie = d.movie_area().translated(d.area_origin());
    std::vector<double> releaseToLast, pressToPlayOn, pressToHand, handBackToPlayOn;
    const QRect hand = d.hand_area().translated(d.area_origin());
    const auto changes_within = [&](const QImage& from, int ms, QElapsedTimer& since) {
        QImage last = from;
        double lastChange = -1;
        while (since.elapsed() < ms) {
            const QImage now = d.grab_region(movie);
            if (mean_abs_difference(now, last) >= 0.3) {
                lastChange = since.nsecsElapsed() / 1e6;
                last = now;
            }
        }
        return lastChange;
    };
    double cpuHeld = -1;
    for (int sample = 0; sample <= samples; ++sample) {
        const QImage handAtRest = d.grab_region(hand);
        const QImage held = d.grab_region(movie);
        QElapsedTimer t;
        t.start();
        d.key("space", true);
        double handMs = -1, handBackMs = -1, playOnMs = -1;
        while (t.elapsed() < 5000 && playOnMs < 0) {
            const bool handMoved = mean_abs_difference(d.grab_region(hand), handAtRest) >= 0.3;
            if (handMs < 0 && handMoved)
                handMs = t.nsecsElapsed() / 1e6;
            if (handMs >= 0 && handBackMs < 0 && !handMoved)
                handBackMs = t.nsecsElapsed() / 1e6;
            if (mean_abs_difference(d.grab_region(movie), held) >= 0.3)
                playOnMs = t.nsecsElapsed() / 1e6;
        }
        if (playOnMs < 0) {
            std::printf("(e) the clip did not play on after a press\n");
            break;
        }
        // The first press started the clip from its first still: not a play-on.
        if (sample > 0) {
            pressToPlayOn.push_back(playOnMs);
            pressToHand.push_back(handMs);
            handBackToPlayOn.push_back(handBackMs < 0 ? -1 : playOnMs - handBackMs);
        }
        QThread::msleep(300);
        QElapsedTimer released;
        d.key("space", false);
        released.start();
        releaseToLast.push_back(std::max(0.0, changes_within(d.grab_region(movie), 600, released)));
        if (sample == samples)
            cpuHeld = cpu_percent_over(d.pid(), measureSeconds);
    }
    std::printf(
        "(e) press and hold, %zu releases: release to last changing frame median %.1f ms, max %.1f ms; "
        "press to play on median %.1f ms (press to hand %.1f ms, hand back at rest to play on %.1f ms); "
        "CPU while held and waiting %.2f %% of a core\n",
        releaseToLast.size(), median(releaseToLast),
        releaseToLast.empty() ? 0 : *std::max_element(releaseToLast.begin(), releaseToLast.end()),
        median(pressToPlayOn), median(pressToHand), median(handBackToPlayOn), cpuHeld);
}

// (f) Choosing one of two. Which side's frame is wide: 0 left, 1 right, -1 neither.
int lit_side(const ProgramDriver& d, const QImage& area)
{
    int lit = -1;
    const auto cards =
        choice_cards(d.movie_area(), d.file(clip(1) + ".jpg").size(), d.file(clip(2) + ".jpg").size());
    for (int side : {0, 1}) {
        const QRect frame = cards[size_t(side)].card.translated(-d.movie_area().topLeft());
        const QColor c = area.pixelColor(frame.x() + 5, frame.center().y());
        if (side == 0 ? c.red() > 200 && c.blue() < 80 : c.blue() > 200 && c.red() < 80)
            lit = side;
    }
    return lit;
}

bool cards_offered(const ProgramDriver& d, const QImage& shot)
{
    const QImage area = d.on_area(shot, d.movie_area());
    const QColor left = area.pixelColor(2, 120), right = area.pixelColor(area.width() - 3, 120);
    return left.red() > 200 && left.blue() < 80 && right.blue() > 200 && right.red() < 80;
}

void choosing(int presses)
{
    // Longer than a name and its sound's end margin: a spoken name holds the
    // event loop until it has ended, so a shorter scan waits for it.
    constexpr int ScanMs = 3000;
    {
        ProgramDriver d({.device = 7, .size = 1, .playMode = 5, .choiceMethod = 1});
        if (!d.start_playback())
            return (void)std::printf("(f) playback did not start\n");
        const QRect hand = d.hand_area().translated(d.area_origin());
        std::vector<double> ms;
        int early = 0;
        while (int(ms.size()) < presses && early < 3 * presses) {
            if (!d.wait_for_screen([&](const QImage& s) { return cards_offered(d, s); }, 15000))
                break;
            QThread::msleep(2500);  // both names heard (each may hold 1 s past its end): the wait has begun
            const QImage rest = d.grab_region(hand);
            QElapsedTimer t;
            t.start();
            d.tap("space");
            bool moved = false;
            while (!moved && t.elapsed() < 2000)
                moved = mean_abs_difference(d.grab_region(hand), rest) >= 0.3;
            if (!moved) {
                ++early;
                continue;
            }
            ms.push_back(t.nsecsElapsed() / 1e6);
            QThread::msleep(2000);  // the clip plays, then its last still waits
            d.press_until([&] { d.tap("space"); }, [&](const QImage& s) { return cards_offered(d, s); });
        }
        std::printf("(f) choice (two switches) to hand on screen: %zu presses, median %.2f ms, max %.2f ms\n",
                    ms.size(), median(ms), ms.empty() ? 0 : *std::max_element(ms.begin(), ms.end()));
    }
    ProgramDriver d({.device = 7, .size = 1, .playMode = 5, .choiceMethod = 2, .scanTime = ScanMs});
    if (!d.start_playback())
        return (void)std::printf("(f) playback did not start\n");
    const QRect movie = d.movie_area().translated(d.area_origin());
    QElapsedTimer t;
    t.start();
    const double cpuBefore = cpu_seconds(d.pid());
    int lit = -1;
    std::vector<double> movedAt;
    // The scan's five moves, each seen as the wide frame changing side (a
    // card redrawn shows neither for a moment: that is no change).
    while (t.elapsed() < 7 * ScanMs && movedAt.size() < 6) {
        const int now = lit_side(d, d.grab_region(movie));
        if (now != lit && now >= 0) {
            movedAt.push_back(t.nsecsElapsed() / 1e6);
            lit = now;
        }
    }
    const double scanCpu = 100 * (cpu_seconds(d.pid()) - cpuBefore) / (t.elapsed() / 1000.0);
    std::vector<double> off;
    for (size_t i = 1; i < movedAt.size(); ++i)
        off.push_back(std::abs(movedAt[i] - movedAt[i - 1] - ScanMs));
    std::printf(
        "(f) scan every %d ms: %zu moves seen, interval off its time by median %.1f ms, max %.1f ms; CPU "
        "while scanning (speech and the read-back's polling included) %.2f %%\n",
        ScanMs, off.size(), median(off), off.empty() ? 0 : *std::max_element(off.begin(), off.end()),
        scanCpu);
    QThread::msleep(1500);
    std::printf("(f) CPU while the stopped scan waits: %.2f %% of a core\n",
                cpu_percent_over(d.pid(), measureSeconds));
}

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "xcb");
    QGuiApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    std::setvbuf(stdout, nullptr, _IOLBF, 0);  // each figure as soon as it is measured
    if (argc < 2) {
        std::fprintf(stderr,
                     "usage: playback_bench <program folder> [seconds per CPU figure] [figures: abcdefg]\n");
        return 2;
    }
    qputenv("FLICKERBOX_PROGRAM_DIR", argv[1]);
    if (argc > 2)
        measureSeconds = std::max(1, atoi(argv[2]));
    if (!ProgramDriver::make_clips())
        return 1;
    // Which figures: any of the letters a to f (all by default).
    const QByteArray parts = argc > 3 ? QByteArray(argv[3]) : QByteArray("abcdefg");
    // Recording on and off in turn, so that the machine's load falls on both alike.
    if (parts.contains('a')) {
        for (bool recording : {true, false, true, false})
            press_to_hand(10, recording);
        for (const BenchSwitch& by : other_switches())
            press_to_hand(10, true, by);
    }
    if (parts.contains('c'))
        for (int size : {1, 2, 3})
            hand_to_clip(size);
    const bool calibrated = parts.contains('b') || parts.contains('d');
    const auto [press, wipe] = calibrated ? calibrate() : std::pair(0.0, 0.0);
    if (calibrated && press == 0) {
        std::printf("(b, d) the calibration in the program did not finish\n");
        return 1;
    }
    if (parts.contains('b')) {
        for (bool recording : {true, false}) {
            cpu_while_waiting(6, 0, 1, recording);
            cpu_while_waiting(7, 0, 1, recording);
        }
        cpu_while_waiting(7, 3, press);
        cpu_while_waiting(7, 5, press);
    }
    if (parts.contains('d'))
        calibrated_durations(press, wipe);
    if (parts.contains('e'))
        hold_mode(8);
    if (parts.contains('f'))
        choosing(6);
    if (parts.contains('g')) {
        for (bool dwelling : {true, false, true, false})
            cpu_with_pointer(dwelling);
        dwell_to_hand(10);
    }
    return 0;
}

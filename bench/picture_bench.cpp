// Figures for the picture operations at their real sizes: one pressing-hand
// frame, one wipe step onto a visible drawing area, one pass of the delay. Also the
// same hand frame through QPainter's raster operations, to show why the
// transfers use their own scanline loops.
//
// Run: <build>/bench/picture_bench (offscreen by default), or on an X server:
//      QT_QPA_PLATFORM=xcb xvfb-run -a <build>/bench/picture_bench

#include "media/blit.h"
#include "media/kill_time.h"
#include "media/picture_box.h"
#include "media/press_hand.h"
#include "media/sound.h"
#include "media/wipe.h"

#include <QApplication>
#include <QPainter>
#include <QWindow>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <numeric>
#include <vector>

namespace {
using Clock = std::chrono::steady_clock;

struct Figures {
    double median_us, mean_us;
    size_t samples;
};

Figures summarise(std::vector<double> us)
{
    std::sort(us.begin(), us.end());
    return {us[us.size() / 2], std::accumulate(us.begin(), us.end(), 0.0) / double(us.size()), us.size()};
}

void print(const char* what, const Figures& f)
{
    std::printf("%-52s %10.2f %10.2f %8zu\n", what, f.median_us, f.mean_us, f.samples);
}

void print_precise(const char* what, const Figures& f)
{
    std::printf("%-52s %10.3f %10.3f %8zu\n", what, f.median_us, f.mean_us, f.samples);
}

double thread_cpu_us()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return double(t.tv_sec) * 1e6 + double(t.tv_nsec) / 1e3;
}

// Times between successive delay calls: one frame each, the delay itself free.
struct FrameClock {
    std::vector<double> us;
    Clock::time_point last = Clock::now();
    Pacer pacer()
    {
        return [this](double) {
            const auto now = Clock::now();
            us.push_back(std::chrono::duration<double, std::micro>(now - last).count());
            last = now;
        };
    }
};

// Times each call of step.
template <typename Step>
Figures time_calls(int calls, Step step)
{
    std::vector<double> us;
    for (int i = 0; i < calls; ++i) {
        const auto start = Clock::now();
        step();
        us.push_back(std::chrono::duration<double, std::micro>(Clock::now() - start).count());
    }
    return summarise(us);
}

struct PaintCounter : QObject {
    int count = 0;
    bool eventFilter(QObject*, QEvent* event) override
    {
        count += event->type() == QEvent::Paint;
        return false;
    }
};

void fill_noise(Picture& picture)
{
    picture.edit(picture.rect(), [](QImage& image) {
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                image.setPixel(x, y, qRgb(x * 13 & 0xff, y * 7 & 0xff, (x ^ y) & 0xff));
    });
}
}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    PictureBox background;
    background.picture().set_size(641, 481);
    background.show();
    while (!background.windowHandle()->isExposed())
        QApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    PaintCounter paints;
    background.installEventFilter(&paints);
    Picture hand(640, 480), pb2(640, 480), pbw(640, 480), label(120, 90), target(641, 481);
    fill_noise(hand);
    fill_noise(label);
    fill_noise(target);
    const BlitRect sprite{70, 17, 184, 89, 0, 0}, mask{70, 17, 184, 89, 0, 90};

    std::printf("%-52s %10s %10s %8s\n", "per call", "median us", "mean us", "samples");

    SilentSound silence;
    FrameClock offscreen;
    for (int press = 0; press < 40; ++press)
        press_hand_paced(sprite, mask, 35, hand, target, pb2, pbw, 0, 1, "", silence, offscreen.pacer());
    print("hand frame, 184 x 124, off-screen target", summarise(offscreen.us));

    FrameClock onscreen;
    for (int press = 0; press < 40; ++press)
        press_hand_paced(sprite, mask, 35, hand, background.picture(), pb2, pbw, 0, 1, "", silence,
                         onscreen.pacer());
    print("hand frame, 184 x 124, onto visible Background", summarise(onscreen.us));

    QImage composition(184, 124, QImage::Format_RGB32), screen(641, 481, QImage::Format_RGB32);
    print("hand frame, same four transfers through QPainter", time_calls(2000, [&] {
              QPainter painter(&composition);
              painter.drawImage(QPoint(0, 0), pb2.image(), QRect(0, 0, 184, 124));
              painter.setCompositionMode(QPainter::RasterOp_SourceAndDestination);
              painter.drawImage(QPoint(0, 35), hand.image(), QRect(0, 90, 184, 89));
              painter.setCompositionMode(QPainter::RasterOp_SourceOrDestination);
              painter.drawImage(QPoint(0, 35), hand.image(), QRect(0, 0, 184, 89));
              painter.end();
              QPainter(&screen).drawImage(QPoint(70, 17), composition);
          }));

    FrameClock wipe;
    for (int run = 0; run < 40; ++run)
        wipe_picture_paced({480, 20, 120, 90, 0, 0}, label, background.picture(), 2, 2, 0, wipe.pacer());
    print("wipe step, 120 x 90 label onto visible Background", summarise(wipe.us));
    std::printf("(frames painted on the visible Background: %d of %zu)\n", paints.count,
                onscreen.us.size() + wipe.us.size());

    // The calibration's trial count, so one call is one frame's delay before
    // calibration. Processor time of this thread as well as elapsed time: on a
    // busy machine the elapsed time also counts other programs' turns.
    const double passes = 5000;
    std::vector<double> elapsed_us, cpu_us;
    for (int call = 0; call < 50; ++call) {
        const auto start = Clock::now();
        const double cpu_start = thread_cpu_us();
        kill_time(passes);
        cpu_us.push_back((thread_cpu_us() - cpu_start) / (passes + 1));
        elapsed_us.push_back(std::chrono::duration<double, std::micro>(Clock::now() - start).count()
                             / (passes + 1));
    }
    print_precise("kill_time pass, elapsed", summarise(elapsed_us));
    print_precise("kill_time pass, processor time of the thread", summarise(cpu_us));
    return 0;
}

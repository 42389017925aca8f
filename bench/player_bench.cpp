// Figures of the libmpv clip player: start-up latency, resume latency,
// user-interface thread time per frame at three sizes, and CPU use while a
// clip is held on its first frame. Makes its own clip with ffmpeg.
//
//   cmake --build <build> --target player_bench && <build>/bench/player_bench
// Runs offscreen unless QT_QPA_PLATFORM says otherwise; about a minute.
#include "media/media_fixtures.h"
#include "media/mpv_player.h"
#include "support/wait_until.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <QTemporaryDir>
#include <QWidget>
#include <algorithm>
#include <clocale>
#include <cstdio>
#include <ctime>
#include <sys/resource.h>
#include <vector>

namespace {

double thread_cpu_ms()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

double process_cpu_ms()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3
        + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

// Opens the clip held on its first frame, with the picture on screen.
bool hold_on_first_frame(MpvPlayer& player, const QString& clip)
{
    player.set_auto_start(false);
    player.set_file_name(clip);
    player.play();
    player.pause();
    const bool shown = wait_until([&] { return player.frames_shown() > 0; }, 15000);
    wait_until([] { return false; }, 300);  // let the exact seek settle
    return shown;
}

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C");

    QTemporaryDir dir;
    const QString clip = dir.filePath("clip.mpg");
    if (!make_numbered_clip(clip, 4.0, ClipEncoder::Ffmpeg)) {
        std::fprintf(stderr, "ffmpeg could not make the test clip\n");
        return 1;
    }
    QWidget container;
    container.resize(1920, 1080);
    container.show();
    constexpr int Runs = 5;

    std::vector<double> openToFrame, resumeToFrame;
    for (int run = 0; run < Runs; ++run) {
        MpvPlayer player(&container);
        player.resize(352, 240);
        QElapsedTimer clock;
        clock.start();
        player.set_file_name(clip);
        // The first frame of the clip, not the black of the empty player.
        wait_until([&] { return frame_number(player.current_frame()) >= 0; }, 15000);
        QCoreApplication::processEvents();  // the paint
        openToFrame.push_back(clock.nsecsElapsed() / 1e6);
    }
    for (int run = 0; run < Runs; ++run) {
        MpvPlayer player(&container);
        player.resize(352, 240);
        hold_on_first_frame(player, clip);
        const int before = player.frames_shown();
        QElapsedTimer clock;
        clock.start();
        player.play();
        wait_until([&] { return player.frames_shown() > before; }, 15000);
        QCoreApplication::processEvents();
        resumeToFrame.push_back(clock.nsecsElapsed() / 1e6);
    }
    {
        // The calls themselves, on the user-interface thread.
        MpvPlayer player(&container);
        player.resize(352, 240);
        std::vector<double> calls;
        for (int run = 0; run < Runs; ++run) {
            QElapsedTimer clock;
            clock.start();
            player.set_auto_start(false);
            player.set_file_name(clip);
            player.play();
            player.pause();
            calls.push_back(clock.nsecsElapsed() / 1e6);
            wait_until([&] { return player.frames_shown() > 0; }, 15000);
            clock.restart();
            player.play();
            calls.push_back(clock.nsecsElapsed() / 1e6);
            wait_until([] { return false; }, 200);
            clock.restart();
            player.stop();
            player.set_file_name(QString());
            calls.push_back(clock.nsecsElapsed() / 1e6);
        }
        std::printf("%-44s %8.2f ms median, %.2f ms slowest\n", "open+play+hold, play, halt+close calls",
                    median(calls), *std::max_element(calls.begin(), calls.end()));
    }
    std::printf("%-44s %8.1f ms (median of %d)\n", "open with automatic start to first frame",
                median(openToFrame), Runs);
    std::printf("%-44s %8.1f ms (median of %d)\n", "play after hold to second frame", median(resumeToFrame),
                Runs);

    std::printf("\n%-11s %8s %8s %14s %14s\n", "size", "frames", "of", "UI ms/frame", "process ms/frame");
    for (QSize size : {QSize(352, 240), QSize(640, 480), QSize(1920, 1080)}) {
        MpvPlayer player(&container);
        player.resize(size.width(), size.height());
        hold_on_first_frame(player, clip);
        const int before = player.frames_shown();
        const double ui0 = thread_cpu_ms(), cpu0 = process_cpu_ms();
        player.play();
        wait_until([&] { return player.play_state() != VideoPlayer::Playing; }, 60000);
        const int frames = std::max(1, player.frames_shown() - before);
        std::printf("%4dx%-6d %8d %8d %14.2f %14.2f\n", size.width(), size.height(), frames, 100,
                    (thread_cpu_ms() - ui0) / frames, (process_cpu_ms() - cpu0) / frames);
    }

    {
        MpvPlayer player(&container);
        player.resize(640, 480);
        hold_on_first_frame(player, clip);
        // The first seconds still hold the end of the seek and the opening of
        // the sound output; after them the held clip should cost nearly nothing.
        std::printf("\n");
        for (const auto& [what, ms] : {std::pair{"held on first frame, first 2 s", 2000},
                                       std::pair{"held on first frame, the 20 s after", 20000}}) {
            QElapsedTimer wall;
            wall.start();
            const double cpu0 = process_cpu_ms();
            // The window system's own loop, so that only the player's work counts.
            QEventLoop loop;
            QTimer::singleShot(ms, Qt::PreciseTimer, &loop, &QEventLoop::quit);
            loop.exec();
            const double busy = process_cpu_ms() - cpu0;
            std::printf("%-44s %8.3f %% of one core (%.1f ms CPU in %.1f s)\n", what,
                        100.0 * busy / wall.elapsed(), busy, wall.elapsed() / 1000.0);
        }
    }
    return 0;
}

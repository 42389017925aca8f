// Cost of polling a serial switch adapter while a wait runs, and how soon a
// press is seen. The adapter is a pseudo-terminal whose modem lines are
// answered by the test double; the real serial code path reads it.
//
// Prints: processor use of polling from a precise 10 ms timer with the event
// loop sleeping in between, against polling in a tight loop; and the time
// from the switch closing to the poll that sees it, over many presses.

#include "media/monotonic_clock.h"
#include "state/globvars.h"
#include "switch/platform_adapter_ports.h"
#include "switch/switch_adapter.h"
#include "switch/modem_line_double.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <random>
#include <sys/resource.h>
#include <thread>
#include <vector>

namespace {

constexpr int PollMs = 10;

double cpu_seconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    auto seconds = [](const timeval& t) { return double(t.tv_sec) + t.tv_usec / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

int64_t now_us()
{
    using namespace std::chrono;
    return duration_cast<microseconds>(steady_clock::now().time_since_epoch()).count();
}

// Share of one core used while `run` keeps the wait going for `wallMs`.
template <typename Run>
double core_share(int wallMs, Run run)
{
    const double cpuBefore = cpu_seconds();
    QElapsedTimer wall;
    wall.start();
    run(wallMs);
    return 100.0 * (cpu_seconds() - cpuBefore) / (wall.nsecsElapsed() / 1e9);
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    Pty pty;
    SteadyClock clock;
    PlatformAdapterPorts ports(clock, [&pty] { return QStringList{pty.slave}; });
    init_com_adapter(ports, 1);

    QTimer poll;
    poll.setTimerType(Qt::PreciseTimer);
    poll.setInterval(PollMs);
    std::atomic<int64_t> closedAt{0};
    std::vector<double> latenciesMs;
    int polls = 0;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        ++polls;
        if (poll_switch(ports, 1) == 1 && closedAt != 0) {
            latenciesMs.push_back((now_us() - closedAt) / 1000.0);
            closedAt = 0;
            modem.switchClosed = false;
        }
    });

    const double timed = core_share(5000, [&](int ms) {
        poll.start();
        QTimer::singleShot(ms, &app, &QCoreApplication::quit);
        app.exec();
        poll.stop();
    });
    const int timedPolls = polls;
    const double tight = core_share(1000, [&](int ms) {
        QElapsedTimer wall;
        wall.start();
        polls = 0;
        while (wall.elapsed() < ms) {
            QCoreApplication::processEvents();
            poll_switch(ports, 1);
            ++polls;
        }
    });
    std::printf("Polling a serial adapter while waiting, one core = 100 %%\n");
    std::printf("  precise %d ms timer, event loop asleep between polls: %.2f %% (%d polls in 5 s)\n", PollMs,
                timed, timedPolls);
    std::printf(
        "  tight loop, one poll per pass:                        %.1f %% (%d polls in 1 s, %.1f us each)\n",
        tight, polls, tight / 100.0 * 1e6 / polls);

    // Presses at random moments from another thread, as a learner's would come.
    std::thread learner([&] {
        std::mt19937 random(9);
        std::uniform_int_distribution<int> pause_us(20'000, 60'000);
        for (int press = 0; press < 300; ++press) {
            std::this_thread::sleep_for(std::chrono::microseconds(pause_us(random)));
            closedAt = now_us();
            modem.switchClosed = true;
            while (closedAt != 0)
                std::this_thread::sleep_for(std::chrono::microseconds(200));
        }
        QMetaObject::invokeMethod(&app, &QCoreApplication::quit, Qt::QueuedConnection);
    });
    poll.start();
    app.exec();
    learner.join();
    std::sort(latenciesMs.begin(), latenciesMs.end());
    auto at = [&](double share) { return latenciesMs[size_t(share * (latenciesMs.size() - 1))]; };
    std::printf("Press to poll that sees it (%zu presses): median %.1f ms, 95th percentile %.1f ms, longest "
                "%.1f ms\n",
                latenciesMs.size(), at(0.5), at(0.95), latenciesMs.back());
    return 0;
}

// A long run of learner turns in the real program on a real X server: real
// key events in, every turn's first still read back from the screen, and the
// program's resident memory, open descriptors and threads written down every
// 50 turns, each time from the menu window, between changes of screen size
// and backdrop made in the menus as an adult would.
// Usage: soak_run <turns> <figures.csv> [turns between visits, 50]
//   with FLICKERBOX_PROGRAM_DIR and an X server

#include "program_driver.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QTextStream>
#include <QThread>
#include <algorithm>
#include <array>
#include <cstdio>

namespace {

struct ProcessFigures {
    long residentKb = -1;
    int descriptors = -1;
    int threads = -1;
};

ProcessFigures figures_of(qint64 pid)
{
    ProcessFigures figures;
    const QString proc = QStringLiteral("/proc/%1/").arg(pid);
    QFile status(proc + QStringLiteral("status"));
    if (status.open(QIODevice::ReadOnly))
        for (const QByteArray& line : status.readAll().split('\n')) {
            const QList<QByteArray> fields = line.simplified().split(' ');
            if (fields.size() >= 2 && fields[0] == "VmRSS:")
                figures.residentKb = fields[1].toLong();
            else if (fields.size() >= 2 && fields[0] == "Threads:")
                figures.threads = fields[1].toInt();
        }
    figures.descriptors = int(QDir(proc + QStringLiteral("fd"))
                                  .entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::System)
                                  .size());
    return figures;
}

// Screen size and backdrop for each stretch of 50 turns: every pair in turn.
constexpr std::array<std::pair<int, int>, 6> Looks{{{1, 1}, {2, 2}, {3, 1}, {1, 2}, {2, 1}, {3, 2}}};

// Picks an item in the menu bar with the keyboard: Alt+I opens the first
// menu, Right moves to the menu'th, Down to the item'th (both from 0).
void choose_in_menu(ProgramDriver& d, int menu, int item)
{
    d.key("Alt_L", true);
    d.tap("i");
    d.key("Alt_L", false);
    QThread::msleep(300);
    for (int i = 0; i < menu; ++i) {
        d.tap("Right");
        QThread::msleep(150);
    }
    for (int i = 0; i < item; ++i) {
        d.tap("Down");
        QThread::msleep(100);
    }
    d.tap("Return");
    QThread::msleep(300);
}

class Soak {
public:
    Soak(ProgramDriver& d, QTextStream& csv, int turnsBetweenVisits)
        : d_(d)
        , csv_(csv)
        , turnsBetweenVisits_(turnsBetweenVisits)
    {
    }

    // Plays turns until `turns` are done or the program is gone; returns the
    // number of turns whose first still was seen.
    int run(int turns)
    {
        QElapsedTimer clock;
        clock.start();
        if (!d_.start())
            return 0;
        note(0, clock);
        if (!d_.play_movies() || !find_current_clip())
            return 0;
        int seen = 0;
        for (int turn = 1; turn <= turns && d_.running(); ++turn) {
            const QString problem = play_turn(turn);
            if (problem.isEmpty())
                ++seen;
            else
                std::fprintf(stderr, "turn %d: %s\n", turn, qPrintable(problem));
            if (turn % turnsBetweenVisits_ == 0 && !visit_menu(turn, clock))
                break;
        }
        return seen;
    }

private:
    // One turn: a press to play, then a press for the next clip; every tenth
    // turn skips instead, every tenth replays its clip. Returns "" when the
    // next turn's first still came, else what went wrong.
    QString play_turn(int turn)
    {
        const QString clip = ProgramDriver::clips()[expected_];
        QThread::msleep(600);  // the spoken name comes before the wait: a press during it is lost
        if (turn % 10 == 4) {
            if (!d_.press_until([&] { d_.tap("a"); },
                                [&](const QImage& shot) { return !d_.shows_still(shot, clip, "_first"); }))
                return resync(QStringLiteral("a did not skip ") + clip);
            advance(1);
            return wait_for_first_still();
        }
        if (!d_.press_until([&] { d_.tap("space"); },
                            [&](const QImage& shot) {
                                return !d_.shows_still(shot, clip, "_first");  // the clip took its place
                            }))
            return resync(QStringLiteral("no press was taken at the first still of ") + clip);
        if (!wait_for_last_still(clip))
            return resync(QStringLiteral("no last still of ") + clip);
        const bool replay = turn % 10 == 7;
        if (!d_.press_until([&] { d_.tap(replay ? "r" : "space"); },
                            [&](const QImage& shot) { return !d_.shows_still(shot, clip, "_last"); }))
            return resync(QStringLiteral("no press was taken at the last still of ") + clip);
        advance(replay ? 0 : 1);
        return wait_for_first_still();
    }

    // A frame near the clip's end can pass for its last still: the still
    // must also stay.
    bool wait_for_last_still(const QString& clip)
    {
        const auto last = [&](const QImage& shot) { return d_.shows_still(shot, clip, "_last"); };
        QElapsedTimer waited;
        waited.start();
        while (waited.elapsed() < 15000 && d_.wait_for_screen(last, 15000)) {
            QThread::msleep(300);
            if (last(d_.grab()))
                return true;
        }
        return false;
    }

    QString wait_for_first_still()
    {
        const QString clip = ProgramDriver::clips()[expected_];
        if (d_.wait_for_screen(
                [&](const QImage& shot) {
                    return d_.shows_still(shot, clip, "_first") && d_.shows_label(shot, clip);
                },
                15000))
            return {};
        return resync(QStringLiteral("the first still of %1 did not appear").arg(clip));
    }

    // After a turn went astray, takes up the clip on screen so the next turn
    // is judged on its own.
    QString resync(const QString& problem)
    {
        d_.grab(QStringLiteral("problem"));
        find_current_clip();
        return problem;
    }

    bool find_current_clip()
    {
        return d_.wait_for_screen(
            [&](const QImage& shot) {
                for (int i = 0; i < ProgramDriver::clips().size(); ++i)
                    if (d_.shows_still(shot, ProgramDriver::clips()[i], "_first")) {
                        expected_ = i;
                        return true;
                    }
                return false;
            },
            15000);
    }

    void advance(int clips) { expected_ = (expected_ + clips) % ProgramDriver::clips().size(); }

    bool visit_menu(int turn, const QElapsedTimer& clock)
    {
        if (!d_.press_until([&] { d_.tap("Escape"); },
                            [&](const QImage& shot) { return d_.shows_menu(shot); }))
            return stop(QStringLiteral("Esc did not bring back the menu"));
        QThread::msleep(1000);  // the playback window's last resources go after it closes
        note(turn, clock);
        const auto [size, backdrop] = Looks[(turn / turnsBetweenVisits_) % Looks.size()];
        PlaybackSettings options = d_.options();
        choose_in_menu(d_, 3, size - 1);
        choose_in_menu(d_, 4, backdrop - 1);
        options.size = size;
        options.backdrop = backdrop;
        d_.options_changed(options);
        d_.grab(QStringLiteral("menu_%1").arg(turn));
        if (!d_.play_movies()) {
            // Once more after an Esc, which closes a menu left open.
            std::fprintf(stderr, "turn %d: \"Play Movies\" did not start the clips; trying again\n", turn);
            d_.grab(QStringLiteral("play_movies_%1").arg(turn));
            d_.tap("Escape");
            if (!d_.play_movies())
                return stop(QStringLiteral("\"Play Movies\" did not start the clips again"));
        }
        return find_current_clip() || stop(QStringLiteral("no first still after \"Play Movies\""));
    }

    bool stop(const QString& problem)
    {
        d_.grab(QStringLiteral("stopped"));
        std::fprintf(stderr, "soak stopped: %s\n", qPrintable(problem));
        return false;
    }

    void note(int turn, const QElapsedTimer& clock)
    {
        const ProcessFigures f = figures_of(d_.pid());
        csv_ << turn << ',' << clock.elapsed() / 1000 << ',' << f.residentKb << ',' << f.descriptors << ','
             << f.threads << ',' << d_.options().size << ',' << d_.options().backdrop << Qt::endl;
        std::printf("turn %d: %ld kB resident, %d descriptors, %d threads\n", turn, f.residentKb,
                    f.descriptors, f.threads);
        std::fflush(stdout);
    }

    ProgramDriver& d_;
    QTextStream& csv_;
    const int turnsBetweenVisits_;
    int expected_ = 0;
};

}  // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc < 3 || qEnvironmentVariableIsEmpty("FLICKERBOX_PROGRAM_DIR")) {
        std::fprintf(stderr,
                     "usage: FLICKERBOX_PROGRAM_DIR=<program folder> soak_run <turns> <figures.csv> "
                     "[turns between visits to the menu]\n");
        return 2;
    }
    if (!ProgramDriver::make_clips())
        return 1;
    QFile file(QString::fromLocal8Bit(argv[2]));
    if (!file.open(QIODevice::WriteOnly))
        return 1;
    QTextStream csv(&file);
    csv << "turn,seconds,resident_kb,descriptors,threads,size,backdrop" << Qt::endl;

    const int turns = QByteArray(argv[1]).toInt();
    ProgramDriver d({.device = 7, .size = 1, .prompt = 5, .currentClip = 0, .backdrop = 1});
    Soak soak(d, csv, argc > 3 ? std::max(1, QByteArray(argv[3]).toInt()) : 50);
    const int seen = soak.run(turns);
    const bool alive = d.running();
    std::printf("%d turns of %d with their first still seen; program %s\n", seen, turns,
                alive ? "still running" : "ended");
    return seen == turns && alive ? 0 : 1;
}

// Start-up to the menu window on screen with no learner and with 50 learners
// (one of them chosen): the median of 10 starts each, taken in turns so that
// the machine's load falls on both alike. Prints figures; asserts nothing.
//   xvfb-run -a -s "-screen 0 1024x768x24" build/bench/learners_startup_bench build/flickerbox

#include "program_driver.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <algorithm>
#include <cstdio>

namespace {

constexpr int Starts = 10;
constexpr int LearnerCount = 50;

void write_file(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
}

void make_learners(const ProgramDriver& d)
{
    QFile settings(d.folder() + QStringLiteral("aobj_se1.cfg"));
    settings.open(QIODevice::ReadOnly);
    const QByteArray options = settings.readAll();
    for (int i = 1; i <= LearnerCount; ++i) {
        const QString folder =
            d.folder() + QStringLiteral("learners/Learner_%1/").arg(i, 2, 10, QLatin1Char('0'));
        QDir().mkpath(folder);
        write_file(folder + QStringLiteral("aobj_se1.cfg"), options);
        write_file(folder + QStringLiteral("aobj_nam.txt"), "Learner " + QByteArray::number(i) + "\n");
    }
    write_file(d.folder() + QStringLiteral("learners.ini"), "[General]\nlearner=Learner_25\n");
}

// Milliseconds from the start to the menu window's banner on screen.
double start_once(bool withLearners)
{
    ProgramDriver d({});
    if (withLearners)
        make_learners(d);
    QElapsedTimer elapsed;
    elapsed.start();
    if (!d.start()) {
        std::fprintf(stderr, "the menu window did not appear\n");
        return -1;
    }
    return double(elapsed.nsecsElapsed()) / 1e6;
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return (v[v.size() / 2 - 1] + v[v.size() / 2]) / 2;
}

}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "xcb");
    QGuiApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s <program folder>\n", argv[0]);
        return 2;
    }
    qputenv("FLICKERBOX_PROGRAM_DIR", argv[1]);
    std::vector<double> none, fifty;
    for (int i = 0; i < Starts; ++i) {
        none.push_back(start_once(false));
        fifty.push_back(start_once(true));
    }
    std::printf("start-up to the menu window, median of %d: no learner %.0f ms, %d learners %.0f ms "
                "(difference %+.0f ms)\n",
                Starts, median(none), LearnerCount, median(fifty), median(fifty) - median(none));
    return 0;
}

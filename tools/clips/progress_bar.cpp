#include "progress_bar.h"

#include <algorithm>
#include <cstdio>
#include <unistd.h>

namespace {

constexpr int BarWidth = 30;
constexpr qint64 PlainLineEveryMs = 5000;

}  // namespace

ProgressBar::ProgressBar()
    : onTerminal_(isatty(fileno(stderr)) != 0)
{
}

void ProgressBar::show(double fraction, const QString& step)
{
    const int percent = int(std::clamp(fraction, 0.0, 1.0) * 100);
    if (!onTerminal_) {
        if (!sinceLine_.isValid())
            sinceLine_.start();
        if (sinceLine_.elapsed() < PlainLineEveryMs || percent == lastShown_)
            return;
        lastShown_ = percent;
        sinceLine_.start();
        std::fprintf(stderr, "%3d%% %s\n", percent, step.toLocal8Bit().constData());
        std::fflush(stderr);
        return;
    }
    if (percent == lastShown_)
        return;
    lastShown_ = percent;
    const int filled = percent * BarWidth / 100;
    std::fprintf(stderr, "\r[%s%s] %3d%% %-40s", QByteArray(filled, '#').constData(),
                 QByteArray(BarWidth - filled, ' ').constData(), percent,
                 step.left(40).toLocal8Bit().constData());
    std::fflush(stderr);
}

void ProgressBar::finish()
{
    if (onTerminal_ && lastShown_ >= 0)
        std::fprintf(stderr, "\r%*s\r", BarWidth + 50, "");
    lastShown_ = -1;
    sinceLine_.invalidate();
}

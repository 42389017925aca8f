#pragma once
// Progress of long work: a one-line bar on a terminal; when the output goes
// to a file or another program, a plain line now and then once the work has
// lasted a while, so a long conversion never looks stuck and a short one
// adds nothing to a script's log.

#include <QElapsedTimer>
#include <QString>

class ProgressBar {
public:
    ProgressBar();
    void show(double fraction, const QString& step);
    // Clears the bar so the next message starts on a clean line.
    void finish();

private:
    bool onTerminal_;
    int lastShown_ = -1;
    QElapsedTimer sinceLine_;  // since the work began or the last plain line
};

#pragma once
// A one-line progress bar on the terminal for long work; silent when the
// output goes to a file or another program.

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
};

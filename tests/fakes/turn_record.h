#pragma once
// The events of a run as the lines of its record, kept for the test, and the
// phase of the wait whose cue is on screen.

#include "playback/turn_lines.h"

#include <QStringList>

struct TurnRecord : TurnLines {
    QStringList lines;
    int16_t awaiting = 0;  // 1 or 2 from the cue until the wait ends; 0 otherwise

    TurnRecord()
        : TurnLines([this](const QByteArray& line) {
            lines << QString::fromUtf8(line);
            if (line.startsWith("wait "))
                awaiting = int16_t(line.mid(5).toInt());
            else if (line.startsWith("press") || line == "skip" || line == "replay" || line == "leave")
                awaiting = 0;
        })
    {
    }
    bool saw(const QString& line) const { return lines.contains(line); }
    qsizetype count(const QString& line) const { return lines.count(line); }
};

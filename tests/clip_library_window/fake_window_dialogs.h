#pragma once
// The clip library window's dialogs answered without a person.

#include "library/helper_program.h"
#include "window_dialogs.h"

#include <QStringList>

struct FakeWindowDialogs : WindowDialogs {
    QStringList files;  // answers to the file choosers, in order
    QStringList asked;  // questions put to confirm, which says yes
    QStringList told;
    QString choose_file(QWidget*, const QString&, const QString&) override
    {
        return files.isEmpty() ? QString() : files.takeFirst();
    }
    bool confirm(QWidget*, const QString& question) override
    {
        asked << question;
        return true;
    }
    void tell(QWidget*, const QString& message) override { told << message; }
    // The adult "says" the name: two seconds of tone.
    bool record_voice(QWidget*, const QString&, const QString& wavPath) override
    {
        return run_helper(
                   "ffmpeg",
                   {"-v", "error", "-y", "-f", "lavfi", "-i", "sine=frequency=300:duration=2", wavPath})
            .ok;
    }
};

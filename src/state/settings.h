#pragma once
// The settings file: the eighteen options and calibration values that persist
// between runs, one number per line beside the program.

#include "state/globvars.h"

#include <QByteArray>
#include <QString>
#include <functional>

class QIODevice;

inline constexpr const char* SettingsFileName = "aobj_se1.cfg";

// The longest switch timings the timing dialog offers, in milliseconds.
inline constexpr int16_t MaxAcceptanceTime = 5000;
inline constexpr int16_t MaxPostAcceptanceDelay = 10000;

struct SettingsLoadReport {
    // "" when the file was complete and sound; else one plain message for the
    // adult naming the file and the options that were reset to their defaults.
    QString message;
};

// Reads <program_folder>aobj_se1.cfg (program_folder ends with '/') into the 18
// persisted fields of g, the switch timing from the two lines after them
// (0 when absent), the play mode from the two after those (press and let
// go when absent) and the kind of input device and the dwell time from the
// two after those (the kind line 1 implies, 1 s when absent), then whether
// the learner chooses one of two, how, and the scan time; every field
// that cannot be used gets its default.
// Then sets MovieSource = 1 and ProgramFolder = DataFolder = program_folder.
SettingsLoadReport LoadSettings(GlobVars& g, const QString& program_folder);

// The same for the file's content already read; path names it in the message.
SettingsLoadReport apply_settings(GlobVars& g, const QByteArray& content, const QString& path);

// Writes the 18 fields, then the switch timing, the play mode and the kind of
// input device with the dwell time and the choice lines, each group only when
// it or a later group is not the default, to
// g.ProgramFolder + SettingsFileName through a temporary file that replaces
// the old one only when complete, or in place when no file can be created
// beside it. Returns "" on success, else a plain reason naming the path.
QString SaveSettings(const GlobVars& g);

// The same with the writing step supplied by the caller, so that a save that
// fails part-way can be tried out. `write` returns false when it failed.
using SettingsWrite = std::function<bool(QIODevice& file, const QByteArray& content)>;
QString SaveSettings(const GlobVars& g, const SettingsWrite& write);

// The exact bytes of the file for g.
QByteArray format_settings(const GlobVars& g);

#pragma once
// A learner's choices about their records, kept in records/options.ini in
// their folder (the account's folder without a learner): whether sessions
// are recorded, and the goal time the figures are counted against.

#include <QString>
#include <cstdint>

inline constexpr double DefaultGoalSeconds = 5;

struct RecordsOptions {
    bool recording = true;
    double goalSeconds = DefaultGoalSeconds;

    int64_t goal_ms() const { return int64_t(goalSeconds * 1000 + 0.5); }
};

// recordsFolder ends with '/'. A missing or unreadable file gives the defaults.
RecordsOptions load_records_options(const QString& recordsFolder);
// "" or a plain message.
QString save_records_options(const QString& recordsFolder, const RecordsOptions& options);

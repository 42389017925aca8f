#pragma once
// Figures over many sessions, for the records window and its printed page.

#include "state/session.h"

#include <QDate>
#include <QList>
#include <QStringList>
#include <optional>

// What differs between two sessions' options, in words ("device", "prompt
// interval"); empty when they ran with the same options.
QStringList options_changes(const SessionOptions& before, const SessionOptions& after);

// The share of a session's responses within the goal, 0 to 1; none without a response.
std::optional<double> share_within_goal(const Session& session);

// A session's figures as the records window and its page show them, in this
// order: responses, share within the goal, median, fastest and slowest time,
// responses after a prompt, presses during clips and spoken names.
QStringList session_figure_texts(const Session& session);

// The play mode a session ran with, with its number: "timed play, 5 s",
// "several presses, 3"; "" for a session whose options are not known.
QString session_mode_text(const SessionOptions& options);
// The same, short, for a narrow column: "let go", "hold", "timed 5 s", "3 presses".
QString session_mode_short(const SessionOptions& options);

struct RecordsTotals {
    int sessions = 0;
    int responses = 0;
    int withinGoal = 0;
    int afterPrompt = 0;
    std::optional<int64_t> medianMs;  // the median of the sessions' medians
    QDate first;
    QDate last;
};
RecordsTotals records_totals(const QList<Session>& sessions);

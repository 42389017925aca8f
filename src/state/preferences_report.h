#pragma once
// What the records window, its printed page and the export say of a learner's
// preferences: which sessions count, and the figures in the adult's words.

#include "state/preferences.h"
#include "state/session.h"

#include <QByteArray>
#include <QDate>
#include <QList>
#include <QString>

// The sessions that started from `from` to `to`, both days included; an
// invalid date leaves that end open.
QList<Session> sessions_between(const QList<Session>& sessions, QDate from, QDate to);

// "3 / 4": chosen of offered.
QString preference_counts_text(const ClipPreference& clip);
// "75 %", rounded to the whole percent.
QString percent_text(double share);

// "The left side was taken in 9 of 10 choices (90 %)." followed, when the
// side is flagged, by why it matters; "" without a choice.
QString side_bias_text(const Preferences& preferences);

// Which sessions the figures come from: "12 choices in 2 of the 5 sessions
// from 2 Nov 2026 to 5 Nov 2026."; sessions oldest first.
QString preferences_scope_text(const Preferences& preferences, const QList<Session>& sessions);

// The sentence shown instead of the figures when the sessions hold no choice.
QString no_choices_text(const QList<Session>& sessions);

// The file the export writes them in beside the copied records.
inline constexpr const char* PreferencesFileName = "preferences.csv";

// The preferences as a spreadsheet opens them: UTF-8 with a byte-order mark,
// a header row, one row per clip in rank order, one for the left side and a
// last one naming the sessions counted.
QByteArray preferences_csv(const Preferences& preferences, const QString& scope);

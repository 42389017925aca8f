#pragma once
// The chart of a learner's records: the median time from cue to response of
// each session, the goal as a line, the share of responses within the goal,
// and a mark at each session whose options differ from the session before it.
// Sessions stand side by side in their order, evenly spaced, so five of one
// morning are as readable as forty over a term.

#include "state/session.h"

#include <QList>
#include <QStringList>

class QChart;

// sessions oldest first.
QChart* records_chart(const QList<Session>& sessions, double goalSeconds);

// The labels under the chart, each at its session's place (index), at most
// `most` of them, spread evenly: the date, with the time where a day has
// more than one session; the time alone when all are of one day.
struct SessionLabel {
    qsizetype index = 0;
    QString text;
};
QList<SessionLabel> session_labels(const QList<Session>& sessions, int most);
// The axis title: "Session", with the day when all are of one day.
QString sessions_axis_title(const QList<Session>& sessions);

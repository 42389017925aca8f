#pragma once
// The chart of a learner's records: the median time from cue to response of
// each session over the dates, the goal as a line, the share of responses
// within the goal, and a mark at each session whose options differ from the
// session before it.

#include "state/session.h"

#include <QList>

class QChart;

// sessions oldest first.
QChart* records_chart(const QList<Session>& sessions, double goalSeconds);

#pragma once
// The one A4 page of a learner's records, for the printer and for PDF: the
// learner, the period, the chart, the last sessions' table and the totals.

#include "state/session.h"

#include <QList>
#include <QString>

class QPagedPaintDevice;

// title names the learner; sessions oldest first. Sets the device to A4, portrait.
void paint_records_page(QPagedPaintDevice& device, const QString& title, const QList<Session>& sessions,
                        double goalSeconds);

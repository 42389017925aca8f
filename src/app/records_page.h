#pragma once
// The one A4 page of a learner's records, for the printer and for PDF: the
// learner, the period, the chart, the last sessions' table, the preferences
// when there are choices, and the totals.

#include "state/preferences.h"
#include "state/session.h"

#include <QList>
#include <QString>
#include <optional>

class QPagedPaintDevice;

// What the page shows of the preferences: the most chosen clips and the side taken.
struct PagePreferences {
    Preferences preferences;
    QString scope;  // which sessions they come from, in a sentence
};

// title names the learner; sessions oldest first. Sets the device to A4, portrait.
void paint_records_page(QPagedPaintDevice& device, const QString& title, const QList<Session>& sessions,
                        double goalSeconds, const std::optional<PagePreferences>& preferences = std::nullopt);

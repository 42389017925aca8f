#include "app/records_chart.h"

#include "state/records_summary.h"

#include <QCategoryAxis>
#include <QHash>
#include <QChart>
#include <QLineSeries>
#include <QLocale>
#include <QScatterSeries>
#include <QSet>
#include <QValueAxis>
#include <algorithm>

namespace {

// Enough labels to find a session, few enough that none runs into the next.
constexpr int MostLabels = 8;

QLineSeries* line(const QString& name, const QPen& pen)
{
    auto* series = new QLineSeries;
    series->setName(name);
    series->setPen(pen);
    return series;
}

bool all_of_one_day(const QList<Session>& sessions)
{
    return std::all_of(sessions.begin(), sessions.end(),
                       [&](const Session& s) { return s.start.date() == sessions.first().start.date(); });
}

}  // namespace

QList<SessionLabel> session_labels(const QList<Session>& sessions, int most)
{
    QList<SessionLabel> labels;
    if (sessions.isEmpty() || most < 1)
        return labels;
    const bool oneDay = all_of_one_day(sessions);
    QHash<QDate, int> perDay;
    for (const Session& s : sessions)
        ++perDay[s.start.date()];
    const QLocale locale;
    const qsizetype step = (sessions.size() + most - 1) / most;
    QSet<QString> used;  // an axis cannot hold one label twice
    for (qsizetype i = 0; i < sessions.size(); i += step) {
        const QDateTime start = sessions[i].start;
        QString text = oneDay ? locale.toString(start.time(), QStringLiteral("HH:mm"))
                              : locale.toString(start.date(), QStringLiteral("d MMM"));
        if (!oneDay && perDay.value(start.date()) > 1)
            text += locale.toString(start.time(), QStringLiteral(" HH:mm"));
        if (!used.contains(text)) {
            used.insert(text);
            labels.append({i, text});
        }
    }
    return labels;
}

QString sessions_axis_title(const QList<Session>& sessions)
{
    if (sessions.isEmpty() || !all_of_one_day(sessions))
        return QStringLiteral("Session");
    return QStringLiteral("Sessions of ")
        + QLocale().toString(sessions.first().start.date(), QStringLiteral("d MMMM yyyy"));
}

QChart* records_chart(const QList<Session>& sessions, double goalSeconds)
{
    auto* chart = new QChart;
    chart->setMargins(QMargins(4, 4, 4, 4));
    chart->legend()->setAlignment(Qt::AlignBottom);

    QLineSeries* median = line(QStringLiteral("Median from cue (s)"), QPen(QColor(0, 90, 200), 2));
    median->setPointsVisible(true);
    QLineSeries* goal =
        line(QStringLiteral("Goal (%1 s)").arg(goalSeconds), QPen(QColor(0, 150, 60), 2, Qt::DashLine));
    QLineSeries* share = line(QStringLiteral("Within goal (%)"), QPen(QColor(230, 140, 0), 1.5));
    // A single session is a point, not a line: it must be drawn as one.
    share->setPointsVisible(true);
    auto* changed = new QScatterSeries;
    changed->setName(QStringLiteral("Options changed"));
    changed->setMarkerShape(QScatterSeries::MarkerShapeTriangle);
    changed->setMarkerSize(11);
    changed->setColor(QColor(200, 30, 30));

    double slowest = goalSeconds;
    for (qsizetype i = 0; i < sessions.size(); ++i) {
        const Session& s = sessions[i];
        const qreal x = qreal(i);
        const double seconds = s.medianMs ? double(*s.medianMs) / 1000 : 0;
        if (s.medianMs) {
            median->append(x, seconds);
            slowest = std::max(slowest, seconds);
        }
        if (const std::optional<double> within = share_within_goal(s))
            share->append(x, *within * 100);
        if (i > 0 && !options_changes(sessions[i - 1].options, s.options).isEmpty())
            changed->append(x, seconds);
    }
    // Half a place beyond the first and last session, so the goal line is as
    // wide as the chart and a session at either end is not on its edge.
    const qreal from = -0.5;
    const qreal to = std::max<qreal>(qreal(sessions.size()) - 0.5, 0.5);
    goal->append(from, goalSeconds);
    goal->append(to, goalSeconds);

    auto* places = new QCategoryAxis;
    places->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    places->setRange(from, to);
    places->setStartValue(from);
    for (const SessionLabel& label : session_labels(sessions, MostLabels))
        places->append(label.text, qreal(label.index));
    places->setTitleText(sessions_axis_title(sessions));
    places->setGridLineVisible(false);
    auto* times = new QValueAxis;
    times->setRange(0, slowest * 1.1);
    times->applyNiceNumbers();
    times->setTitleText(QStringLiteral("Seconds"));
    times->setLabelFormat(QStringLiteral("%g"));
    auto* percent = new QValueAxis;
    percent->setRange(0, 100);
    percent->setTitleText(QStringLiteral("Within goal (%)"));
    percent->setLabelFormat(QStringLiteral("%.0f"));
    chart->addAxis(places, Qt::AlignBottom);
    chart->addAxis(times, Qt::AlignLeft);
    chart->addAxis(percent, Qt::AlignRight);
    for (QXYSeries* series : std::initializer_list<QXYSeries*>{goal, share, median, changed}) {
        chart->addSeries(series);
        series->attachAxis(places);
        series->attachAxis(series == share ? percent : times);
    }
    return chart;
}

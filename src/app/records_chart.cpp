#include "app/records_chart.h"

#include "state/records_summary.h"

#include <QChart>
#include <QDateTimeAxis>
#include <QLineSeries>
#include <QScatterSeries>
#include <QValueAxis>

namespace {

QLineSeries* line(const QString& name, const QPen& pen)
{
    auto* series = new QLineSeries;
    series->setName(name);
    series->setPen(pen);
    return series;
}

}  // namespace

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
    auto* changed = new QScatterSeries;
    changed->setName(QStringLiteral("Options changed"));
    changed->setMarkerShape(QScatterSeries::MarkerShapeTriangle);
    changed->setMarkerSize(11);
    changed->setColor(QColor(200, 30, 30));

    double slowest = goalSeconds;
    for (qsizetype i = 0; i < sessions.size(); ++i) {
        const Session& s = sessions[i];
        const qreal x = qreal(s.start.toMSecsSinceEpoch());
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
    if (!sessions.isEmpty()) {
        const qreal from = qreal(sessions.first().start.toMSecsSinceEpoch());
        const qreal to = qreal(sessions.last().start.toMSecsSinceEpoch());
        goal->append(from, goalSeconds);
        goal->append(std::max(to, from + 1), goalSeconds);
    }

    auto* dates = new QDateTimeAxis;
    dates->setFormat(QStringLiteral("d MMM"));
    dates->setTitleText(QStringLiteral("Session"));
    auto* times = new QValueAxis;
    times->setRange(0, slowest * 1.1);
    times->applyNiceNumbers();
    times->setTitleText(QStringLiteral("Seconds"));
    times->setLabelFormat(QStringLiteral("%g"));
    auto* percent = new QValueAxis;
    percent->setRange(0, 100);
    percent->setTitleText(QStringLiteral("Within goal (%)"));
    percent->setLabelFormat(QStringLiteral("%.0f"));
    chart->addAxis(dates, Qt::AlignBottom);
    chart->addAxis(times, Qt::AlignLeft);
    chart->addAxis(percent, Qt::AlignRight);
    for (QXYSeries* series : std::initializer_list<QXYSeries*>{goal, share, median, changed}) {
        chart->addSeries(series);
        series->attachAxis(dates);
        series->attachAxis(series == share ? percent : times);
    }
    if (sessions.size() == 1) {
        const QDateTime only = sessions.first().start;
        dates->setRange(only.addDays(-1), only.addDays(1));
    }
    return chart;
}

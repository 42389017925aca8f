#include "state/records_summary.h"

#include <algorithm>
#include <utility>

QStringList options_changes(const SessionOptions& before, const SessionOptions& after)
{
    QStringList changes;
    // A line made from the events of a stopped session knows no options.
    if (before.device.isEmpty() || after.device.isEmpty())
        return changes;
    if (before.device != after.device)
        changes << QStringLiteral("device");
    if (before.order != after.order)
        changes << QStringLiteral("play order");
    if (before.screenSize != after.screenSize)
        changes << QStringLiteral("screen size");
    if (before.promptSeconds != after.promptSeconds)
        changes << QStringLiteral("prompt interval");
    if (before.switchTiming != after.switchTiming)
        changes << QStringLiteral("switch timing");
    if (before.playMode != after.playMode || before.modeNumber != after.modeNumber)
        changes << QStringLiteral("play mode");
    return changes;
}

QString session_mode_text(const SessionOptions& options)
{
    if (options.playMode == QLatin1String("timed play") && options.modeNumber > 0)
        return QStringLiteral("timed play, %1 s").arg(options.modeNumber);
    if (options.playMode == QLatin1String("several presses") && options.modeNumber > 0)
        return QStringLiteral("several presses, %1").arg(options.modeNumber);
    return options.playMode;
}

QString session_mode_short(const SessionOptions& options)
{
    if (options.playMode == QLatin1String("timed play"))
        return QStringLiteral("timed %1 s").arg(options.modeNumber);
    if (options.playMode == QLatin1String("several presses"))
        return QStringLiteral("%1 presses").arg(options.modeNumber);
    if (options.playMode == QLatin1String("press and hold"))
        return QStringLiteral("hold");
    if (options.playMode == QLatin1String("press and let go"))
        return QStringLiteral("let go");
    return options.playMode;
}

std::optional<double> share_within_goal(const Session& session)
{
    if (session.responses <= 0)
        return std::nullopt;
    return std::clamp(double(session.withinGoal) / session.responses, 0.0, 1.0);
}

QStringList session_figure_texts(const Session& s)
{
    const auto time = [](std::optional<int64_t> ms) { return ms ? seconds_for_adult(*ms) : QString(); };
    const std::optional<double> within = share_within_goal(s);
    return {QString::number(s.responses),
            within ? QStringLiteral("%1 %").arg(qRound(*within * 100)) : QString(),
            time(s.medianMs),
            time(s.fastestMs),
            time(s.slowestMs),
            QString::number(s.afterPrompt),
            QString::number(s.ignoredOutsideWaits)};
}

RecordsTotals records_totals(const QList<Session>& sessions)
{
    RecordsTotals totals;
    std::vector<int64_t> medians;
    for (const Session& s : sessions) {
        ++totals.sessions;
        totals.responses += s.responses;
        totals.withinGoal += s.withinGoal;
        totals.afterPrompt += s.afterPrompt;
        if (s.medianMs)
            medians.push_back(*s.medianMs);
        const QDate day = s.start.date();
        if (!totals.first.isValid() || day < totals.first)
            totals.first = day;
        if (!totals.last.isValid() || day > totals.last)
            totals.last = day;
    }
    totals.medianMs = median_ms(std::move(medians));
    return totals;
}

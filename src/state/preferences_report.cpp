#include "state/preferences_report.h"

#include "state/csv_text.h"

#include <QLocale>

QList<Session> sessions_between(const QList<Session>& sessions, QDate from, QDate to)
{
    QList<Session> kept;
    for (const Session& session : sessions) {
        const QDate day = session.start.date();
        if ((!from.isValid() || day >= from) && (!to.isValid() || day <= to))
            kept << session;
    }
    return kept;
}

QString preference_counts_text(const ClipPreference& clip)
{
    return QStringLiteral("%1 / %2").arg(clip.chosen).arg(clip.offered);
}

QString percent_text(double share)
{
    return QStringLiteral("%1 %").arg(qRound(100 * share));
}

QString side_bias_text(const Preferences& preferences)
{
    const std::optional<double> left = preferences.left_share();
    if (!left)
        return {};
    // A flagged share is never rounded onto its limit, so 201 of 250 does not
    // read "80 %" beside "more than 80 %".
    int percent = qRound(100 * *left);
    if (preferences.side_bias() && percent == qRound(100 * SideBiasLimit))
        ++percent;
    else if (preferences.side_bias() && percent == qRound(100 * (1 - SideBiasLimit)))
        --percent;
    const QString shown = QStringLiteral("%1 %").arg(percent);
    QString text =
        QStringLiteral("The left side was taken in %1 of %2 %3 (%4).")
            .arg(preferences.leftChoices)
            .arg(preferences.choices)
            .arg(preferences.choices == 1 ? QStringLiteral("choice") : QStringLiteral("choices"), shown);
    if (preferences.side_bias())
        text += QStringLiteral(" That is %1 than %2 %: the learner may not be choosing, but taking one "
                               "side whatever it offers.")
                    .arg(*left > SideBiasLimit ? QStringLiteral("more") : QStringLiteral("less"))
                    .arg(qRound(100 * (*left > SideBiasLimit ? SideBiasLimit : 1 - SideBiasLimit)));
    return text;
}

namespace {

QString period_text(const QList<Session>& sessions)
{
    const QLocale locale;
    const QString format = QStringLiteral("d MMM yyyy");
    const QDate first = sessions.first().start.date();
    const QDate last = sessions.last().start.date();
    if (first == last)
        return QStringLiteral("on ") + locale.toString(first, format);
    return QStringLiteral("from %1 to %2").arg(locale.toString(first, format), locale.toString(last, format));
}

QString sessions_text(qsizetype count)
{
    return count == 1 ? QStringLiteral("1 session") : QStringLiteral("%1 sessions").arg(count);
}

}  // namespace

QString preferences_scope_text(const Preferences& preferences, const QList<Session>& sessions)
{
    if (sessions.isEmpty())
        return QStringLiteral("No session is counted.");
    qsizetype withChoices = 0;
    for (const Session& session : sessions)
        withChoices += session.choices > 0;
    const QString choices = preferences.choices == 1 ? QStringLiteral("1 choice")
                                                     : QStringLiteral("%1 choices").arg(preferences.choices);
    if (withChoices == sessions.size())
        return QStringLiteral("%1 in %2 %3.")
            .arg(choices, sessions_text(sessions.size()), period_text(sessions));
    return QStringLiteral("%1 in %2 of the %3 %4.")
        .arg(choices)
        .arg(withChoices)
        .arg(sessions_text(sessions.size()), period_text(sessions));
}

QString no_choices_text(const QList<Session>& sessions)
{
    return (sessions.isEmpty() ? QStringLiteral("No session is in these dates.")
                               : QStringLiteral("The %1 %2 no choices.")
                                     .arg(sessions_text(sessions.size()),
                                          sessions.size() == 1 ? QStringLiteral("shown holds")
                                                               : QStringLiteral("shown hold")))
        + QStringLiteral(" Choices are recorded when the learner plays in \"Choose One of Two\".");
}

QByteArray preferences_csv(const Preferences& preferences, const QString& scope)
{
    QByteArray bytes = "\xEF\xBB\xBF"
        + csv_line({QStringLiteral("clip"), QStringLiteral("chosen"), QStringLiteral("offered"),
                    QStringLiteral("share chosen (%)")})
              .toUtf8()
        + "\r\n";
    const auto row = [&bytes](const QString& name, int chosen, int offered) {
        const QString share = offered > 0 ? QString::number(qRound(100.0 * chosen / offered)) : QString();
        bytes += csv_line({name, QString::number(chosen), QString::number(offered), share}).toUtf8() + "\r\n";
    };
    for (const ClipPreference& clip : preferences.ranking)
        row(clip.clip, clip.chosen, clip.offered);
    row(QStringLiteral("(the left side)"), preferences.leftChoices, preferences.choices);
    bytes += csv_line({scope}).toUtf8() + "\r\n";
    return bytes;
}

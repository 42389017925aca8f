#include "state/records_options.h"

#include "state/learner_lock.h"

#include <QDir>
#include <QSettings>

namespace {
QString options_path(const QString& recordsFolder)
{
    return recordsFolder + QStringLiteral("options.ini");
}
}  // namespace

RecordsOptions load_records_options(const QString& recordsFolder)
{
    const QSettings file(options_path(recordsFolder), QSettings::IniFormat);
    RecordsOptions options;
    options.recording = file.value(QStringLiteral("recording"), true).toBool();
    bool ok = false;
    const double goal = file.value(QStringLiteral("goal_seconds")).toDouble(&ok);
    if (ok && goal > 0 && goal <= 600)
        options.goalSeconds = goal;
    return options;
}

QString save_records_options(const QString& recordsFolder, const RecordsOptions& options)
{
    if (const std::optional<TakenOver> lost = taken_over(recordsFolder))
        return QStringLiteral("The records' options were not saved. ") + lost->text();
    if (!QDir().mkpath(recordsFolder))
        return QStringLiteral("The folder %1 could not be made.")
            .arg(QDir::toNativeSeparators(recordsFolder));
    QSettings file(options_path(recordsFolder), QSettings::IniFormat);
    file.setValue(QStringLiteral("recording"), options.recording);
    file.setValue(QStringLiteral("goal_seconds"), options.goalSeconds);
    file.sync();
    if (file.status() != QSettings::NoError)
        return QStringLiteral("The records' options could not be saved in %1.")
            .arg(QDir::toNativeSeparators(options_path(recordsFolder)));
    return {};
}

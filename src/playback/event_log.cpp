#include "playback/event_log.h"

#include <QFile>

void log_playback_event(const QByteArray& line)
{
    static const QString path = qEnvironmentVariable("FLICKERBOX_RESPONSE_LOG");
    if (path.isEmpty())
        return;
    QFile log(path);
    if (log.open(QIODevice::Append))
        log.write(line + '\n');
}

#include "state/session_choices.h"

#include <QFile>

QList<ChoiceMade> choices_in(const QList<SessionEvent>& events)
{
    QList<ChoiceMade> choices;
    for (const SessionEvent& event : events)
        if (event.kind == SessionEventKind::Choice)
            choices << ChoiceMade{event.leftClip, event.rightClip,
                                  event.side == QLatin1String("left") ? ChoiceSide::Left : ChoiceSide::Right};
    return choices;
}

ChoicesRead read_choices(const QString& folder, const QList<Session>& sessions)
{
    ChoicesRead read;
    for (const Session& session : sessions) {
        if (session.choices == 0)
            continue;
        QFile file(folder + event_file_of(session));
        if (!file.open(QIODevice::ReadOnly)) {
            read.problems << QStringLiteral(
                                 "The event file \"%1\" could not be read (%2), so its choices are "
                                 "not counted.")
                                 .arg(event_file_of(session), file.errorString());
            continue;
        }
        read.choices << choices_in(read_session_events(file.readAll()).events);
    }
    return read;
}

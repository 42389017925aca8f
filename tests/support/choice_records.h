#pragma once
// A session of choices as the choice turn records it, for the tests of what
// the records make of it.

#include "state/csv_text.h"
#include "state/session.h"
#include "state/sessions_file.h"

#include <QFileInfo>
#include <QStringList>

// Writes the session's event file in folder and returns the session for its
// line. Each offer is "left right side", the side "left" or "right"; an
// event file that cannot be started leaves the session without one.
inline Session choice_session(const QString& folder, const QDateTime& start, const QStringList& offers)
{
    QFile file;
    SessionTally tally(5000);
    const bool started = start_event_file(file, folder, start).isEmpty();
    for (const QString& offer : offers) {
        const QStringList o = offer.split(u' ');
        SessionEvent event = session_event(SessionEventKind::Choice, o[2] == u"left" ? o[0] : o[1]);
        event.leftClip = o[0];
        event.rightClip = o[1];
        event.side = o[2];
        event.switchName = QStringLiteral("1");
        event.fromCueMs = 1200;
        tally.add(event);
        file.write(csv_line(session_event_fields(event)).toUtf8() + "\r\n");
    }
    const SessionEvent end = session_event(SessionEventKind::SessionEnd);
    tally.add(end);
    file.write(csv_line(session_event_fields(end)).toUtf8() + "\r\n");
    Session session = tally.figures();
    session.start = start;
    if (started)
        session.eventFile = QFileInfo(file.fileName()).fileName();
    return session;
}

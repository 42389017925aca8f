#pragma once
// The choices of chosen sessions, read back from their event files, for what
// the learner prefers.

#include "state/preferences.h"
#include "state/session.h"
#include "state/session_event.h"

#include <QList>
#include <QStringList>

QList<ChoiceMade> choices_in(const QList<SessionEvent>& events);

struct ChoicesRead {
    QList<ChoiceMade> choices;
    QStringList problems;  // plain sentences naming event files that could not be read
};
// folder is the learner's records folder, ending with '/'. Sessions whose
// line counts no choice are not opened; the choices of a damaged file that
// could be read are kept.
ChoicesRead read_choices(const QString& folder, const QList<Session>& sessions);

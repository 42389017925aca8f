#pragma once
// records/sessions.csv: one line per session, comma-separated UTF-8 with a
// byte-order mark and a header row, so a spreadsheet opens it as it is.
// Later versions add columns only at the end; a line's columns are made in
// session_fields alone.

#include "state/session.h"

#include <QByteArray>
#include <QFile>
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

inline constexpr const char* RecordsFolderName = "records/";
inline constexpr const char* SessionsFileName = "sessions.csv";

QStringList session_columns();
QStringList session_fields(const Session& session);

struct SessionsRead {
    QList<Session> sessions;  // in file order
    // Plain sentences naming what could not be read; empty when the file is whole.
    QStringList damage;
};
SessionsRead read_sessions(const QByteArray& bytes);

// The whole file for these sessions.
QByteArray sessions_file_bytes(const QList<Session>& sessions);

// Appends one session's line to folder's sessions.csv, starting the file
// when there is none. A damaged file (cut short, or saved again in another
// form) is not touched. When another computer took the learner over, the
// line and its event file go to the folder kept aside instead. "" or a plain
// message.
QString append_session(const QString& folder, const Session& session);

// Writes folder's sessions.csv anew through a temporary file renamed over
// it, so it is never half-written. "" or a plain message.
QString save_sessions(const QString& folder, const QList<Session>& sessions);

// Reads folder's sessions.csv, lets `change` alter its sessions and saves
// them. A damaged file is left exactly as it is (the records window repairs
// it when the adult asks). "" or a plain message.
QString change_sessions(const QString& folder, const std::function<void(QList<Session>&)>& change);

// The session in sessions with like's start and event file; nullptr when none has.
Session* session_at(QList<Session>& sessions, const Session& like);

// Opens a new event file in folder (made when missing) for a session that
// started at start, and writes its first bytes. "" or a plain reason.
QString start_event_file(QFile& file, const QString& folder, const QDateTime& start);

// Gives each event file in folder without a line in sessions.csv, as a
// program stopped during the session leaves it, a line counted from its
// events, marked as ended unexpectedly. Files changed after quietSince
// (when valid) are left: another computer may still be writing them.
struct RecoveredSessions {
    QList<Session> sessions;  // the lines added
    QString problem;  // "" or a plain message: why none could be added
};
RecoveredSessions recover_unfinished_sessions(const QString& folder, int64_t goalMs,
                                              const QDateTime& quietSince = {});

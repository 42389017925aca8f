// Response times recorded from real presses: the space bar pressed through
// XTest at known delays after each cue is recorded within 50 ms of the delay,
// and the session's line says the same. A note typed at the menu afterwards
// keeps every key. The records window's preferences follow the keys.

#include "program_test.h"
#include "state/session_event.h"
#include "state/sessions_file.h"
#include "support/choice_records.h"
#include "support/wait_until.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QThread>
#include <csignal>
#include <cstdio>

namespace {

class SessionRecords : public ProgramTest { };

QList<SessionEvent> events_of(const QString& path, SessionEventKind kind)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QList<SessionEvent> found;
    for (const SessionEvent& event : read_session_events(file.readAll()).events)
        if (event.kind == kind)
            found << event;
    return found;
}

// Reads the file as often as it can: the moment a cue is seen is the moment
// the delay is counted from, so the time it is seen late adds to the recorded time.
bool wait_for(const QString& path, SessionEventKind kind, qsizetype count, int timeoutMs)
{
    QElapsedTimer t;
    t.start();
    while (events_of(path, kind).size() < count) {
        if (t.elapsed() > timeoutMs)
            return false;
        QThread::usleep(500);
    }
    return true;
}

// The running session's event file, once it is there; "" when it never comes.
QString event_file(ProgramDriver& d)
{
    const QString records = d.folder() + RecordsFolderName;
    QString path;
    wait_until(
        [&] {
            const QStringList files = QDir(records).entryList({QStringLiteral("20*_*.csv")}, QDir::Files);
            path = files.isEmpty() ? QString() : records + files.first();
            return !path.isEmpty();
        },
        10000);
    return path;
}

TEST_F(SessionRecords, ResponseTimesAreThoseOfRealPressesWithin50Ms)
{
    ProgramDriver d({.device = 7, .size = 1});
    ASSERT_TRUE(d.start_playback());
    const QString records = d.folder() + RecordsFolderName;
    const QString path = event_file(d);
    ASSERT_FALSE(path.isEmpty());

    const int delays[] = {800, 2000, 4500};
    for (int i = 0; i < 3; ++i) {
        ASSERT_TRUE(wait_for(path, SessionEventKind::Cue, i + 1, 30000)) << "cue " << i + 1;
        QElapsedTimer sinceCue;
        sinceCue.start();
        while (sinceCue.nsecsElapsed() < delays[i] * 1'000'000LL)
            QThread::usleep(200);
        d.key("space", true);
        QThread::msleep(60);
        d.key("space", false);
    }
    ASSERT_TRUE(wait_for(path, SessionEventKind::Response, 3, 10000));
    d.tap("Escape");
    // The file is there a moment before its line is: wait for the line.
    QList<Session> sessions;
    wait_until(
        [&] {
            QFile file(records + SessionsFileName);
            sessions =
                file.open(QIODevice::ReadOnly) ? read_sessions(file.readAll()).sessions : QList<Session>();
            return !sessions.isEmpty();
        },
        10000);

    const QList<SessionEvent> responses = events_of(path, SessionEventKind::Response);
    ASSERT_EQ(responses.size(), 3);
    for (int i = 0; i < 3; ++i) {
        std::printf("press %d ms after the cue: recorded %lld ms\n", delays[i],
                    (long long)*responses[i].fromCueMs);
        EXPECT_NEAR(double(*responses[i].fromCueMs), delays[i], 50) << "response " << i + 1;
    }
    ASSERT_EQ(sessions.size(), 1);
    const Session& s = sessions.first();
    EXPECT_EQ(s.responses, 3);
    EXPECT_EQ(s.withinGoal, 3);
    EXPECT_EQ(s.medianMs, responses[1].fromCueMs);
    EXPECT_EQ(s.fastestMs, responses[0].fromCueMs);
    EXPECT_EQ(s.slowestMs, responses[2].fromCueMs);

    // Back at the menu the adult types a note: Space and 2 are the space-bar
    // switch's keys, yet the note keeps them. Tab from "Play Movies" passes
    // "Exit", "Records…" and the prompt level to the note.
    ASSERT_TRUE(d.wait_for_screen([&](const QImage& shot) { return d.shows_menu(shot); }, 10000));
    for (int i = 0; i < 4; ++i)
        d.tap("Tab");
    for (const char* key : {"a", "space", "b", "space", "2", "Tab"})
        d.tap(key);
    QString note;
    wait_until(
        [&] {
            QFile again(records + SessionsFileName);
            const QList<Session> read =
                again.open(QIODevice::ReadOnly) ? read_sessions(again.readAll()).sessions : QList<Session>();
            note = read.isEmpty() ? QString() : read.first().note;
            return !note.isEmpty();
        },
        10000);
    EXPECT_EQ(note, QStringLiteral("a b 2"));
}

TEST_F(SessionRecords, ASessionKilledMidWayGetsItsLineAtTheNextStart)
{
    ProgramDriver d({.device = 7, .size = 1});
    ASSERT_TRUE(d.start_playback());
    const QString records = d.folder() + RecordsFolderName;
    const QString path = event_file(d);
    ASSERT_FALSE(path.isEmpty());
    for (int i = 1; i <= 2; ++i) {
        ASSERT_TRUE(wait_for(path, SessionEventKind::Cue, i, 30000)) << "cue " << i;
        ASSERT_TRUE(wait_until(
            [&] {
                d.tap("space");
                return wait_for(path, SessionEventKind::Response, i, 1000);
            },
            15000))
            << "response " << i;
    }
    ::kill(pid_t(d.pid()), SIGKILL);
    ASSERT_TRUE(wait_until([&] { return !d.running(); }, 5000));
    EXPECT_FALSE(QFile::exists(records + SessionsFileName));

    ASSERT_TRUE(d.start());
    d.grab(QStringLiteral("records_line_after_a_killed_session"));
    QFile file(records + SessionsFileName);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const SessionsRead read = read_sessions(file.readAll());
    ASSERT_EQ(read.sessions.size(), 1);
    EXPECT_TRUE(read.sessions.first().endedUnexpectedly);
    EXPECT_EQ(read.sessions.first().responses, 2);
    EXPECT_EQ(read.sessions.first().eventFile, QFileInfo(path).fileName());
}

}  // namespace

// The adult reads the preferences with keys: Alt+R opens the records, Alt+N
// their Preferences, Alt+O the last day counted. Moved back a day, the view
// holds only the session where the learner took the left side every time,
// and the side sentence turns red; moved on again, it does not.
TEST_F(SessionRecords, TheSideWarningFollowsTheDatesTheAdultSetsWithKeys)
{
    ProgramDriver d({.device = 7, .size = 1});
    const QString records = d.folder() + RecordsFolderName;
    const QList<Session> sessions = {
        choice_session(records, QDateTime(QDate(2026, 11, 2), QTime(9, 0)),
                       {"Ball Dog left", "Dog Ball left", "Ball Dog left", "Dog Ball left"}),
        choice_session(records, QDateTime(QDate(2026, 11, 3), QTime(9, 0)),
                       {"Ball Dog right", "Dog Ball left", "Ball Dog right", "Dog Ball right"})};
    ASSERT_EQ(save_sessions(records, sessions), "");
    ASSERT_TRUE(d.start());
    const auto alt = [&](const char* key) {
        d.key("Alt_L", true);
        d.tap(key);
        d.key("Alt_L", false);
    };
    alt("r");
    ASSERT_TRUE(ProgramDriver::wait_for_window("Records"));
    // Many pixels of the chart's green goal line, or of the side warning's dark red.
    const auto many = [](const QImage& shot, auto colour) {
        int count = 0;
        for (int y = 0; y < shot.height(); ++y)
            for (int x = 0; x < shot.width(); ++x)
                count += colour(shot.pixelColor(x, y));
        return count > 150;
    };
    const auto chartShown = [&](const QImage& shot) {
        return many(shot, [](QColor c) { return c.green() > 120 && c.red() < 40 && c.blue() < 90; });
    };
    const auto warned = [&](const QImage& shot) {
        return many(shot, [](QColor c) { return c.red() > 130 && c.green() < 60 && c.blue() < 60; });
    };
    // The window takes keys a moment after it is mapped: Alt+N again until
    // the goal line makes way for the preferences.
    ASSERT_TRUE(d.wait_for_screen(chartShown, 5000));
    for (int attempt = 0; attempt < 5 && chartShown(d.grab()); ++attempt) {
        alt("n");
        d.wait_for_screen([&](const QImage& shot) { return !chartShown(shot); }, 1000);
    }
    ASSERT_FALSE(chartShown(d.grab()));
    EXPECT_FALSE(warned(d.grab())) << "both days: the left side 5 of 8";
    alt("o");
    d.tap("Down");
    EXPECT_TRUE(d.wait_for_screen(warned, 5000)) << "2 Nov alone: the left side 4 of 4";
    d.grab(QStringLiteral("preferences_side_warning"));
    d.tap("Up");
    EXPECT_TRUE(d.wait_for_screen([&](const QImage& shot) { return !warned(shot); }, 5000))
        << "both days: the left side 5 of 8";
    d.tap("Escape");
}

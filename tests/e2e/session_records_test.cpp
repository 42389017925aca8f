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

QList<Session> sessions_in(const QString& records)
{
    QFile file(records + SessionsFileName);
    return file.open(QIODevice::ReadOnly) ? read_sessions(file.readAll()).sessions : QList<Session>();
}

// The sessions' file is there a moment before its line is: the sessions once
// there is one, or none after 10 s.
QList<Session> sessions_once_written(const QString& records)
{
    QList<Session> sessions;
    wait_until([&] { return !(sessions = sessions_in(records)).isEmpty(); }, 10000);
    return sessions;
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
    const QList<Session> sessions = sessions_once_written(records);

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
            const QList<Session> read = sessions_in(records);
            note = read.isEmpty() ? QString() : read.first().note;
            return !note.isEmpty();
        },
        10000);
    EXPECT_EQ(note, QStringLiteral("a b 2"));
}

// A press of the space bar while the learner's screen shows the label: one
// grab after the label is whole, so it falls in the spoken name.
int64_t press_as_the_label_shows(ProgramDriver& d, const QElapsedTimer& clock)
{
    if (!d.wait_for_screen([&](const QImage& shot) { return d.shows_label(shot, ProgramDriver::clips()[0]); },
                           30000))
        return -1;
    const int64_t at = clock.elapsed();
    d.key("space", true);
    return at;
}

TEST_F(SessionRecords, APressDuringTheSpokenNameKeepsTheTimeItWasMade)
{
    ProgramDriver d({.device = 7, .size = 1});
    QElapsedTimer clock;
    clock.start();
    ASSERT_TRUE(d.start_playback());
    const QString path = event_file(d);
    ASSERT_FALSE(path.isEmpty());
    const int64_t pressedAt = press_as_the_label_shows(d, clock);
    ASSERT_GE(pressedAt, 0) << "the label never showed";
    QThread::msleep(40);
    d.key("space", false);
    ASSERT_TRUE(wait_for(path, SessionEventKind::Cue, 1, 10000));
    const int64_t cueSeenAt = clock.elapsed();
    d.tap("Escape");
    const QList<SessionEvent> ignored = events_of(path, SessionEventKind::PressIgnored);
    const QList<SessionEvent> cues = events_of(path, SessionEventKind::Cue);
    ASSERT_EQ(ignored.size(), 1);
    EXPECT_EQ(ignored[0].phase, OutsideWaits);
    // The name is still speaking when the key goes down: the cue comes well after it.
    ASSERT_GT(cueSeenAt - pressedAt, 200) << "the press did not fall in the spoken name";
    std::printf("pressed %lld ms before the cue was seen; recorded %lld ms before the cue\n",
                (long long)(cueSeenAt - pressedAt), (long long)(cues[0].ms - ignored[0].ms));
    EXPECT_NEAR(double(cues[0].ms - ignored[0].ms), double(cueSeenAt - pressedAt), 50);
}

// Several presses, three needed: the response is the cue to the first
// press; the time to the third, which starts the clip, is a figure apart.
TEST_F(SessionRecords, SeveralPressesTimeTheFirstPressAsTheResponseAndTheCountApart)
{
    ProgramDriver d({.device = 7, .size = 1, .playMode = 4, .playModeNumber = 3});
    ASSERT_TRUE(d.start_playback());
    const QString records = d.folder() + RecordsFolderName;
    const QString path = event_file(d);
    ASSERT_FALSE(path.isEmpty());
    ASSERT_TRUE(wait_for(path, SessionEventKind::Cue, 1, 30000));
    QElapsedTimer sinceCue;
    sinceCue.start();
    // Far enough apart that no press falls in the hand's press between them.
    const int delays[] = {900, 2300, 3700};
    for (const int delay : delays) {
        while (sinceCue.nsecsElapsed() < delay * 1'000'000LL)
            QThread::usleep(200);
        d.key("space", true);
        QThread::msleep(60);
        d.key("space", false);
    }
    ASSERT_TRUE(wait_for(path, SessionEventKind::Cue, 2, 20000)) << "no wait after the clip";
    d.tap("Escape");
    const QList<Session> sessions = sessions_once_written(records);

    for (const SessionEvent& e : events_of(path, SessionEventKind::PressIgnored))
        EXPECT_NE(e.phase, 1) << "a press at " << e.ms << " ms fell between the presses' waits";
    const QList<SessionEvent> responses = events_of(path, SessionEventKind::Response);
    const QList<SessionEvent> counted = events_of(path, SessionEventKind::CountPress);
    ASSERT_EQ(responses.size(), 1);
    ASSERT_EQ(counted.size(), 2);
    std::printf("presses at %d, %d, %d ms: recorded %lld, %lld, %lld ms from the cue\n", delays[0], delays[1],
                delays[2], (long long)*responses[0].fromCueMs, (long long)*counted[0].fromCueMs,
                (long long)*counted[1].fromCueMs);
    EXPECT_NEAR(double(*responses[0].fromCueMs), delays[0], 50);
    EXPECT_NEAR(double(*counted[0].fromCueMs), delays[1], 50);
    EXPECT_EQ(counted[0].toLastPressMs, std::nullopt);
    ASSERT_TRUE(counted[1].toLastPressMs);
    EXPECT_NEAR(double(*counted[1].toLastPressMs), delays[2], 50);
    EXPECT_EQ(counted[1].pressesNeeded, 3);

    ASSERT_EQ(sessions.size(), 1);
    const Session& s = sessions.first();
    EXPECT_EQ(s.cues, 2) << "one cue before the clip, one after";
    EXPECT_EQ(s.responses, 1);
    EXPECT_EQ(s.medianMs, responses[0].fromCueMs);
    EXPECT_EQ(s.pressesNeeded, 3);
    EXPECT_EQ(s.medianToLastPressMs, counted[1].toLastPressMs);
}

// Press and hold: the space bar goes down during the spoken name and stays
// down, the server repeating it. Holding is the response: the clip starts,
// after the acceptance time from the cue where one is set, recorded as held
// from before the cue.
TEST_F(SessionRecords, AHoldBegunDuringTheSpokenNameStartsTheClip)
{
    for (const int acceptanceMs : {0, 300}) {
        SCOPED_TRACE("acceptance time " + std::to_string(acceptanceMs) + " ms");
        ProgramDriver d({.device = 7, .size = 1, .playMode = 2, .acceptanceMs = acceptanceMs});
        QElapsedTimer clock;
        clock.start();
        ASSERT_TRUE(d.start_playback());
        const QString path = event_file(d);
        ASSERT_FALSE(path.isEmpty());
        ASSERT_GE(press_as_the_label_shows(d, clock), 0) << "the label never showed";
        const bool started = wait_for(path, SessionEventKind::ClipStart, 1, 5000);
        d.key("space", false);
        d.tap("Escape");
        QFile events(path);
        ASSERT_TRUE(started) << "held for 5 s from the spoken name, and the clip never started:\n"
                             << (events.open(QIODevice::ReadOnly) ? events.readAll().toStdString() : "");
        const QList<SessionEvent> cues = events_of(path, SessionEventKind::Cue);
        const QList<SessionEvent> responses = events_of(path, SessionEventKind::Response);
        ASSERT_EQ(responses.size(), 1);
        EXPECT_EQ(responses[0].detail, QStringLiteral("held from before the cue"));
        EXPECT_EQ(responses[0].fromCueMs, std::nullopt);
        const int64_t takenAfterCue = responses[0].ms - cues[0].ms;
        EXPECT_GE(takenAfterCue, acceptanceMs - 10) << "taken before the acceptance time";
        // Held in all when taken: from the press, through the rest of the name, to the cue and on.
        EXPECT_GT(responses[0].heldMs.value_or(0) - takenAfterCue, 200)
            << "the press did not fall in the spoken name";
    }
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
    const QList<Session> read = sessions_once_written(records);
    ASSERT_EQ(read.size(), 1);
    EXPECT_TRUE(read.first().endedUnexpectedly);
    EXPECT_EQ(read.first().responses, 2);
    EXPECT_EQ(read.first().eventFile, QFileInfo(path).fileName());
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

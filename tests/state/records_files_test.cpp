// The records' files: a session's figures from its events, sessions.csv and
// the event files as written and as a spreadsheet, a cut or an editor may
// leave them.

#include "state/csv_text.h"
#include "state/session.h"
#include "state/sessions_file.h"
#include "support/test_file.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using K = SessionEventKind;

SessionEvent response(int64_t fromCueMs, int64_t heldMs = 0)
{
    SessionEvent event = session_event(K::Response, {}, 1);
    event.fromCueMs = fromCueMs;
    event.heldMs = heldMs;
    return event;
}

// Several presses: the first of needed is the response, each later one a
// press of the count timed from the same cue.
SessionEvent first_of(int needed, int64_t fromCueMs)
{
    SessionEvent event = response(fromCueMs);
    event.pressesNeeded = needed;
    return event;
}

SessionEvent count_press(int needed, int64_t fromCueMs, bool last)
{
    SessionEvent event = session_event(K::CountPress, {}, 1);
    event.fromCueMs = fromCueMs;
    event.pressesNeeded = needed;
    if (last)
        event.toLastPressMs = fromCueMs;
    return event;
}

SessionEvent at(int64_t ms, SessionEvent event)
{
    event.ms = ms;
    return event;
}

TEST(SessionTally, CountsEachFigureFromTheEventsAsTheyCame)
{
    const SessionEvent cue = session_event(K::Cue, {}, 1);
    const SessionEvent prompt = session_event(K::Prompt);
    const auto ignored = [](int phase) { return session_event(K::PressIgnored, {}, phase); };
    const auto leftOut = [](const char* clip) { return session_event(K::ClipLeftOut, clip); };
    const struct {
        const char* what;
        std::vector<SessionEvent> events;
        int responses, withinGoal, afterPrompt, duringClips, leftOut;
        std::optional<int64_t> median, fastest, slowest;
        int pressesNeeded = 0;
        std::optional<int64_t> toLastPress = {};
    } cases[] = {
        // clang-format off
        // Each: the events, then responses, within goal, after prompt, during clips, left out; median,
        // fastest and slowest (ms); presses needed and median to the last press, where several are.
        {"no response: no times", {cue, session_event(K::Skip)}, 0, 0, 0, 0, 0, {}, {}, {}},
        {"odd count: the middle one", {cue, response(900), cue, response(4000), cue, response(2000)},
         3, 3, 0, 0, 0, 2000, 900, 4000},
        {"even count: the mean of the middle two", {cue, response(1000), cue, response(2001)},
         2, 2, 0, 0, 0, 1501, 1000, 2001},
        {"the goal itself counts, a millisecond more does not", {cue, response(5000), cue, response(5001)},
         2, 1, 0, 0, 0, 5001, 5000, 5001},
        {"a prompt counts for its own wait only", {cue, prompt, prompt, response(7000), cue, response(100)},
         2, 1, 1, 0, 0, 3550, 100, 7000},
        {"presses in a wait are not presses during the clip", {ignored(0), ignored(1), ignored(0)},
         0, 0, 0, 2, 0, {}, {}, {}},
        {"a clip lacking three files is one clip left out",
         {leftOut("a"), leftOut("a"), leftOut("a"), leftOut("b"), cue, leftOut("b")},
         0, 0, 0, 0, 3, {}, {}, {}},
        {"several presses: each clip's first press is its response, the count a figure of its own",
         {cue, first_of(3, 6000), count_press(3, 6400, false), count_press(3, 7000, true), cue, prompt,
          first_of(3, 800), count_press(3, 1200, false), count_press(3, 2000, true)},
         2, 1, 1, 0, 0, 3400, 800, 6000, 3, 4500},
        // clang-format on
    };
    for (const auto& c : cases) {
        SessionTally tally(5000);
        for (const SessionEvent& event : c.events)
            tally.add(event);
        const Session s = tally.figures();
        EXPECT_EQ(s.responses, c.responses) << c.what;
        EXPECT_EQ(s.withinGoal, c.withinGoal) << c.what;
        EXPECT_EQ(s.afterPrompt, c.afterPrompt) << c.what;
        EXPECT_EQ(s.ignoredOutsideWaits, c.duringClips) << c.what;
        EXPECT_EQ(s.leftOut, c.leftOut) << c.what;
        EXPECT_EQ(s.medianMs, c.median) << c.what;
        EXPECT_EQ(s.fastestMs, c.fastest) << c.what;
        EXPECT_EQ(s.slowestMs, c.slowest) << c.what;
        EXPECT_EQ(s.pressesNeeded, c.pressesNeeded) << c.what;
        EXPECT_EQ(s.medianToLastPressMs, c.toLastPress) << c.what;
    }
}

Session sample(int day, const QString& note = "calm, then \"tired\"\nafter lunch")
{
    Session s;
    s.start = QDateTime(QDate(2026, 11, day), QTime(9, 30, 5));
    s.durationMs = 754'000;
    s.options = {"space bar", "random", "normal", 5, "none", "timed play", 5};
    s.cues = 12;
    s.responses = 10;
    s.withinGoal = 7;
    s.medianMs = 2350;
    s.fastestMs = 812;
    s.slowestMs = 9004;
    s.afterPrompt = 3;
    s.ignoredOutsideWaits = 4;
    s.clips = 9;
    s.skips = 1;
    s.replays = 2;
    s.promptLevel = PromptLevel::Verbal;
    s.note = note;
    return s;
}

TEST(SessionsFile, ReadsBackWhatItWritesWithTheMarkTheHeaderAndALaterVersionsColumns)
{
    Session later = sample(3);
    later.laterColumns = {"press and hold", "3"};
    Session counted = sample(4, "");
    counted.options.playMode = "several presses";
    counted.pressesNeeded = 3;
    counted.medianToLastPressMs = 4520;
    const QList<Session> sessions{sample(2), later, counted};
    const QByteArray bytes = sessions_file_bytes(sessions);
    EXPECT_TRUE(bytes.startsWith("\xEF\xBB\xBF"
                                 "start,duration (s),device,play order,screen size,prompt interval (s),"
                                 "switch timing,cues,responses,responses within goal,median response (s),"));
    EXPECT_TRUE(bytes.contains(
        "\r\n2026-11-02T09:30:05,754,space bar,random,normal,5,none,12,10,7,2.350,0.812,"
        "9.004,3,4,9,1,2,0,verbal,\"calm, then \"\"tired\"\"\nafter lunch\",timed play,5,,,0,0,0,,\r\n"));
    const SessionsRead read = read_sessions(bytes);
    EXPECT_EQ(read.damage, QStringList());
    EXPECT_EQ(read.sessions, sessions);
}

TEST(SessionsFile, ShowsWhatCanBeReadAndNamesTheDamage)
{
    const QByteArray whole = sessions_file_bytes({sample(2), sample(3), sample(4)});
    const QString text = QString::fromUtf8(whole.mid(3));
    QString semicolons = text;
    semicolons.replace(u',', u';').replace("2.350", "2,350").replace("calm; then", "calm, then");
    QByteArray utf16("\xFF\xFE");
    utf16 += QByteArray(reinterpret_cast<const char*>(text.utf16()), text.size() * 2);
    const struct {
        const char* what;
        QByteArray bytes;
        qsizetype readable;
        QString damage;
    } cases[] = {
        {"cut short by a power cut", whole.chopped(20), 2, "The last line of sessions.csv is cut short."},
        {"a date a spreadsheet reformatted",
         QByteArray(whole).replace("2026-11-03T09:30:05", "03/11/2026 09:30"), 2,
         "Line 3 of sessions.csv cannot be read."},
        {"saved again with semicolons and decimal commas", semicolons.toUtf8(), 3,
         "sessions.csv was saved again in another form (by a spreadsheet or an editor)."},
        {"saved again as UTF-16", utf16, 3,
         "sessions.csv was saved again in another form (by a spreadsheet or an editor)."},
        {"a header a person typed over", QByteArray(whole).replace("cues,responses", "trials,responses"), 3,
         "The header row of sessions.csv was changed."},
    };
    for (const auto& c : cases) {
        const SessionsRead read = read_sessions(c.bytes);
        EXPECT_EQ(read.sessions.size(), c.readable) << c.what;
        EXPECT_EQ(read.damage, QStringList{c.damage}) << c.what;
        ASSERT_FALSE(read.sessions.isEmpty()) << c.what;
        EXPECT_EQ(read.sessions.first().medianMs, 2350) << c.what;
    }
}

TEST(SessionsFile, AppendsToItsOwnFileAndLeavesADamagedOneAsItIs)
{
    QTemporaryDir dir;
    const QString folder = dir.path() + '/';
    const QString path = folder + SessionsFileName;

    EXPECT_EQ(append_session(folder, sample(2)), "");
    EXPECT_EQ(append_session(folder, sample(3)), "");
    EXPECT_EQ(read_test_file(path), sessions_file_bytes({sample(2), sample(3)}));

    const QByteArray cutInANote = sessions_file_bytes({sample(2), sample(3)}).chopped(30);
    const QByteArray semicolons = QByteArray(sessions_file_bytes({sample(2)})).replace(",", ";");
    for (const QByteArray& damaged : {cutInANote, semicolons}) {
        write_test_file(path, damaged);
        EXPECT_NE(append_session(folder, sample(4)), "");
        // Nor does a change of note or a deletion rewrite it.
        bool changed = false;
        EXPECT_NE(change_sessions(folder, [&](QList<Session>&) { changed = true; }), "");
        EXPECT_FALSE(changed);
        EXPECT_EQ(read_test_file(path), damaged);
    }
}

TEST(SessionsFile, AnEarlierVersionsFileReadsWholeAndTakesTheNewHeaderWithTheNextLine)
{
    QTemporaryDir dir;
    const QString folder = dir.path() + '/';
    const qsizetype earlier = session_columns().indexOf("event file");
    write_test_file(folder + SessionsFileName,
                    "\xEF\xBB\xBF" + csv_line(session_columns().mid(0, earlier)).toUtf8() + "\r\n"
                        + csv_line(session_fields(sample(2)).mid(0, earlier)).toUtf8() + "\r\n");
    EXPECT_EQ(read_sessions(read_test_file(folder + SessionsFileName)).damage, QStringList());
    Session next = sample(3);
    next.eventFile = "2026-11-03_093005-2.csv";
    EXPECT_EQ(append_session(folder, next), "");
    EXPECT_EQ(read_test_file(folder + SessionsFileName), sessions_file_bytes({sample(2), next}));
}

// A session's events as the recorder writes them into a file of its own.
QString write_events(const QString& folder, const QDateTime& start, const QList<SessionEvent>& events)
{
    QFile file;
    EXPECT_EQ(start_event_file(file, folder, start), "");
    for (const SessionEvent& event : events)
        file.write(csv_line(session_event_fields(event)).toUtf8() + "\r\n");
    return QFileInfo(file).fileName();
}

TEST(EventFiles, SessionsOfOneSecondGetFilesOfTheirOwnAndAStoppedSessionGetsItsLineOnce)
{
    QTemporaryDir dir;
    const QString folder = dir.path() + "/records/";
    const QDateTime start(QDate(2026, 12, 8), QTime(15, 40, 12));
    const QList<SessionEvent> stopped{at(0, session_event(K::SessionStart)),
                                      at(900, session_event(K::Cue, {}, 1)), at(2100, response(1200)),
                                      at(3000, session_event(K::Cue, {}, 1)), at(10000, response(7000))};
    EXPECT_EQ(write_events(folder, start, stopped), "2026-12-08_154012.csv");
    EXPECT_EQ(write_events(folder, start, stopped.mid(0, 1) + QList{at(2000, session_event(K::SessionEnd))}),
              "2026-12-08_154012-2.csv");
    // One whose line is there already, and a file that is no session's.
    Session kept = sample(2);
    kept.eventFile = write_events(folder, start.addDays(-1), stopped);
    ASSERT_EQ(append_session(folder, kept), "");
    write_test_file(folder + "2026-12-01_090000.csv", "not an event file");

    const RecoveredSessions recovered = recover_unfinished_sessions(folder, 5000);
    EXPECT_EQ(recovered.problem, "");
    ASSERT_EQ(recovered.sessions.size(), 2);
    const Session& made = recovered.sessions[0];
    EXPECT_EQ(made.start, start);
    EXPECT_EQ(made.eventFile, "2026-12-08_154012.csv");
    EXPECT_TRUE(made.endedUnexpectedly);
    EXPECT_EQ(made.responses, 2);
    EXPECT_EQ(made.withinGoal, 1);
    EXPECT_EQ(made.medianMs, 4100);
    EXPECT_EQ(made.durationMs, 10000);
    EXPECT_FALSE(recovered.sessions[1].endedUnexpectedly) << "its end was recorded, its line was not";
    const QList<Session> lines = read_sessions(read_test_file(folder + SessionsFileName)).sessions;
    EXPECT_EQ(lines, (QList<Session>{kept, recovered.sessions[0], recovered.sessions[1]}));
    EXPECT_TRUE(recover_unfinished_sessions(folder, 5000).sessions.isEmpty()) << "told once";
}

TEST(SessionEvents, ReadBackAsWrittenAndAFileStoppedEarlyIsNamed)
{
    SessionEvent taken = response(1780, 40);
    taken.clip = "dog, barking";
    SessionEvent leftOut = session_event(K::ClipLeftOut, "cat");
    leftOut.detail = "cat.mpg (no video stream)";
    SessionEvent paused = session_event(K::ClipPaused, "dog, barking");
    paused.playedMs = 2040;
    SessionEvent lastOfCount = count_press(3, 2600, true);
    lastOfCount.clip = "dog, barking";
    const QList<SessionEvent> events{
        at(0, session_event(K::SessionStart)),
        at(1520, session_event(K::Cue, "dog, barking", 1)),
        at(3300, taken),
        at(4120, lastOfCount),
        at(4000, session_event(K::PressIgnored, "dog, barking", 0)),
        at(5000, leftOut),
        at(7000, paused),
        at(9000, session_event(K::SessionEnd)),
    };
    QByteArray bytes = csv_file_start(session_event_columns());
    for (const SessionEvent& event : events)
        bytes += csv_line(session_event_fields(event)).toUtf8() + "\r\n";
    EXPECT_TRUE(bytes.contains("\r\n3300,response,\"dog, barking\",1780,40,wait before clip,,,,,,,,\r\n"));
    EXPECT_TRUE(
        bytes.contains("\r\n4120,count press,\"dog, barking\",2600,,wait before clip,,,,,,,3,2600\r\n"));
    EXPECT_TRUE(bytes.contains("\r\n7000,clip paused,\"dog, barking\",,,,,2040,,,,,,\r\n"));
    const SessionEventsRead whole = read_session_events(bytes);
    EXPECT_EQ(whole.events, events);
    EXPECT_EQ(whole.damage, "");

    const SessionEventsRead cut = read_session_events(bytes.chopped(12));
    EXPECT_EQ(cut.events, events.mid(0, 7));
    EXPECT_EQ(cut.damage, "The event file is cut short in line 9.");
    const qsizetype lastLine = bytes.lastIndexOf("9000,");
    EXPECT_EQ(read_session_events(bytes.left(lastLine)).damage,
              "The event file stops before the session's end: the program was stopped during the session.");
}

}  // namespace

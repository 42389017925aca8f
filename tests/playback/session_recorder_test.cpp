// The session recorder as one more observer of a run on fakes: the times it
// keeps are the clock's, and a folder it cannot write changes nothing in the
// learner's turn.

#include "playback/playback_fixture.h"
#include "playback/session_recorder.h"
#include "state/play_mode.h"
#include "state/sessions_file.h"

#include <QFile>
#include <QTest>

namespace {

const QDateTime Start(QDate(2026, 12, 8), QTime(10, 0, 0));

QByteArray file_bytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class SessionRecording : public PlaybackTest {
protected:
    // Two responses 2.3 s and 6.1 s after their cues, a press during the
    // clip, then Esc in the next wait.
    std::vector<Step> two_responses()
    {
        const auto press = [this] { click(&window->pictures().Background); };
        return {
            {[this] { return in_wait(1); },
             [this, press] {
                 clock.now += 2300;
                 press();
             }},
            {[this] { return !in_wait(1) && !in_wait(2); }, press},
            {[this] { return in_wait(2); },
             [this, press] {
                 clock.now += 6100;
                 press();
             }},
            {[this] { return in_wait(1); }, [this] { key(Qt::Key_Escape); }},
        };
    }
};

TEST_F(SessionRecording, RecordsEachEventAtTheClocksTimeAndAddsTheSessionLine)
{
    const QString folder = dir.path() + "/records/";
    SessionRecorder recorder(clock, g, folder, 5000, Start);
    extraObservers = {&recorder};
    ASSERT_TRUE(run(two_responses()));

    const SessionEventsRead events = read_session_events(file_bytes(folder + "2026-12-08_100000.csv"));
    EXPECT_EQ(events.damage, "");
    QList<SessionEvent> responses;
    for (const SessionEvent& e : events.events)
        if (e.kind == SessionEventKind::Response)
            responses << e;
    ASSERT_EQ(responses.size(), 2);
    EXPECT_EQ(responses[0].fromCueMs, 2300);
    EXPECT_EQ(responses[0].clip, "alpha");
    EXPECT_EQ(responses[1].fromCueMs, 6100);
    EXPECT_EQ(responses[1].phase, 2);

    const SessionsRead sessions = read_sessions(file_bytes(folder + SessionsFileName));
    ASSERT_EQ(sessions.sessions.size(), 1);
    const Session& s = sessions.sessions.first();
    EXPECT_EQ(s.start, Start);
    EXPECT_EQ(s.cues, 3);
    EXPECT_EQ(s.responses, 2);
    EXPECT_EQ(s.withinGoal, 1);
    EXPECT_EQ(s.medianMs, 4200);
    EXPECT_EQ(s.clips, 1);
    EXPECT_EQ(s.options.device, "mouse");
    EXPECT_EQ(recorder.problem(), "");
}

// Hold mode: the session line names the mode, and the event file has the
// clip time each press played before letting go paused it.
TEST_F(SessionRecording, HoldModeKeepsTheModeAndTheClipTimeEachPressPlayed)
{
    g.PlayMode = PressAndHold;
    playerClipMs = 400;
    const QString folder = dir.path() + "/records/";
    SessionRecorder recorder(clock, g, folder, 5000, Start);
    extraObservers = {&recorder};
    QWidget* area = nullptr;
    ASSERT_TRUE(run({
        {[&] { return in_wait(1); },
         [&] {
             area = &window->pictures().Background;
             QTest::mousePress(area, Qt::LeftButton);
         }},
        {[&] { return turn.saw("started alpha"); },
         [&] {
             clock.now += 1500;
             QTest::mouseRelease(area, Qt::LeftButton);
         }},
        {[&] { return in_wait(3); }, [&] { key(Qt::Key_Escape); }},
    }));

    QList<SessionEvent> paused, letGo;
    for (const SessionEvent& e : read_session_events(file_bytes(folder + "2026-12-08_100000.csv")).events)
        if (e.kind == SessionEventKind::ClipPaused)
            paused << e;
        else if (e.kind == SessionEventKind::LetGo)
            letGo << e;
    ASSERT_EQ(letGo.size(), 1) << "the press that played is let go once";
    EXPECT_GE(letGo[0].heldMs.value_or(0), 1500);
    EXPECT_LT(letGo[0].heldMs.value_or(0), 3000);
    ASSERT_EQ(paused.size(), 1);
    EXPECT_EQ(paused[0].clip, "alpha");
    EXPECT_GE(paused[0].playedMs.value_or(0), 1500);
    const SessionsRead sessions = read_sessions(file_bytes(folder + SessionsFileName));
    ASSERT_EQ(sessions.sessions.size(), 1);
    EXPECT_EQ(sessions.sessions[0].options.playMode, "press and hold");
    EXPECT_EQ(sessions.sessions[0].options.modeNumber, 0);
}

TEST_F(SessionRecording, ARecordsFolderThatCannotBeWrittenLeavesTheTurnAsItIsAndIsToldOnce)
{
    ASSERT_TRUE(run(two_responses()));
    const QStringList unrecorded = turn.lines;

    const QString notAFolder = dir.path() + "/file/";
    QFile(dir.path() + "/file").open(QIODevice::WriteOnly);
    const QString full = dir.path() + "/full/";
    QDir().mkpath(full);
    // No event file can be made: every name a session of that second may
    // take is held by a file that cannot be written, as on a full disk.
    ASSERT_TRUE(QFile::link("/dev/full", full + "2026-12-08_100000.csv"));
    for (int n = 2; n <= 20; ++n)
        ASSERT_TRUE(QFile::link("/dev/full", full + QStringLiteral("2026-12-08_100000-%1.csv").arg(n)));
    for (const QString& folder : {notAFolder, full}) {
        turn.lines.clear();
        g.CurrentClip = 0;
        SessionRecorder recorder(clock, g, folder, 5000, Start);
        extraObservers = {&recorder};
        ASSERT_TRUE(run(two_responses()));
        EXPECT_EQ(turn.lines.mid(0, turn.lines.size() - 1), unrecorded.mid(0, unrecorded.size() - 1))
            << qPrintable(folder);
        EXPECT_TRUE(recorder.problem().contains(QDir::toNativeSeparators(folder)))
            << qPrintable(recorder.problem());
        EXPECT_EQ(recorder.session().responses, 2) << "the menu line still shows the figures";
        EXPECT_FALSE(QFile::exists(folder + SessionsFileName));
    }
}

}  // namespace

namespace {

// The window runs choice turns in this mode; each choice is an event with
// both clips, the side, the switch and the time from the offer, and the
// session's line counts the sides.
TEST_F(SessionRecording, AChoiceIsRecordedWithBothClipsItsSideAndItsTime)
{
    g.PlayMode = ChooseOneOfTwo;
    const QString folder = dir.path() + "/records/";
    SessionRecorder recorder(clock, g, folder, 5000, Start);
    extraObservers = {&recorder};
    const auto press = [this] { click(&window->pictures().Background); };
    ASSERT_TRUE(run({
        {[&] { return in_wait(1); },
         [&] {
             clock.now += 2300;
             press();
         }},
        {[&] { return in_wait(2); }, press},
        {[&] { return in_wait(1); }, [&] { key(Qt::Key_Escape); }},
    }));
    QList<SessionEvent> choices;
    for (const SessionEvent& e : read_session_events(file_bytes(folder + "2026-12-08_100000.csv")).events)
        if (e.kind == SessionEventKind::Choice)
            choices << e;
    ASSERT_EQ(choices.size(), 1);
    EXPECT_EQ(choices[0].clip, "alpha");
    EXPECT_EQ(choices[0].leftClip + "|" + choices[0].rightClip, "alpha|beta");
    EXPECT_EQ(choices[0].side, "left");
    EXPECT_EQ(choices[0].switchName, "1");
    EXPECT_EQ(choices[0].fromCueMs, 2300);
    EXPECT_TRUE(turn.saw("started alpha"));
    const SessionsRead sessions = read_sessions(file_bytes(folder + SessionsFileName));
    ASSERT_EQ(sessions.sessions.size(), 1);
    EXPECT_EQ(sessions.sessions[0].choices, 1);
    EXPECT_EQ(sessions.sessions[0].leftChoices, 1);
    EXPECT_EQ(sessions.sessions[0].rightChoices, 0);
}

}  // namespace

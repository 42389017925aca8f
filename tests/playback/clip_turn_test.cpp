// One turn for one clip with no window: the stage on a bare widget, the input
// and the waits on fakes. Each row is a script of what happens in which wait,
// the turn's end and the events it told; a turn that ends with steps still to
// come is followed by the next clip's (the same clip's after a replay).

#include "playback/playback_fixture.h"
#include "playback/playback_stage.h"
#include "playback/turn/clip_turn.h"
#include "state/play_mode.h"

#include <QKeyEvent>

namespace {

struct Row {
    const char* name;
    bool stills;
    PlayModeChoice mode;
    // "<when>:<what>[+<what>]" in order. when: a wait phase, "playing" (a clip's
    // start is the last thing told) or "cross", or either of two as "2|cross".
    // what: press, down or up (the learner's switch on the row's device; an
    // adapter is sampled, so it needs down and up in steps of their own),
    // repeat (a held key's repeat, its press flagged and in the next read),
    // pairs (two repeats as an X server sends them, each a release and a
    // press with one timestamp), a, r, esc, time (a minute passes).
    const char* script;
    TurnEnd end;  // of the last turn
    const char* events;  // the turns' lines and the hand's clicks, joined by ", "
    int16_t device = 6;
    const char* calls = nullptr;  // the player's, joined by ", "; unchecked when null
    int16_t acceptanceMs = 0;
};

class ClipTurnRows : public PlaybackTest {
protected:
    void SetUp() override
    {
        PlaybackTest::SetUp();
        observers = {&turn, &protocol};
        sound.onPlay = [this] {
            if (sound.played.last().endsWith("aobj_clk.wav"))
                turn.lines << "click";
        };
    }

    void play(const Row& row)
    {
        SCOPED_TRACE(row.name);
        turn.lines.clear();
        playerCalls->clear();
        ports.hold(1, false);  // a switch held at the end of one row is not held in the next
        g.PlayMode = row.mode.mode;
        g.PlayModeNumber = row.mode.number;
        g.InputDevice = row.device;
        g.AcceptanceTime = row.acceptanceMs;
        g.CurrentClip = 1;
        protocol.reset();
        BareStage bare(g, *this);
        TurnEvents& events = bare.events;
        PlaybackStage& stage = bare.stage;
        TurnInput& input = bare.input;
        TurnWaits& waits = bare.waits;
        LeftOutClips& leftOut = bare.leftOut;

        const auto key = [&](int code, bool down, bool repeat = false, ulong timestamp = 0) {
            QKeyEvent event(down ? QEvent::KeyPress : QEvent::KeyRelease, code, Qt::NoModifier, QString(),
                            repeat);
            event.setTimestamp(timestamp);
            down ? void(input.key_press(event)) : input.key_release(event);
        };
        const auto hold = [&](bool down) {
            if (row.device == 6)
                down ? input.mouse_down(TurnInput::MouseTarget::OverForm)
                     : input.mouse_up(TurnInput::MouseTarget::OverForm);
            else if (row.device == 7)
                key(Qt::Key_Space, down);
            else
                ports.hold(row.device, down);
        };
        const auto act = [&](const QString& what) {
            if (what == "press" || what == "down")
                hold(true);
            if (what == "press" || what == "up")
                hold(false);
            if (what == "time")
                clock.now += 60000;
            if (what == "repeat") {
                key(Qt::Key_Space, false);
                QTimer::singleShot(0, [&] { key(Qt::Key_Space, true, true); });
            }
            if (what == "pairs")
                for (const ulong at : {400ul, 430ul})
                    key(Qt::Key_Space, false, false, at), key(Qt::Key_Space, true, false, at);
            if (what == "a" || what == "r" || what == "esc") {
                const int code = what == "a" ? Qt::Key_A : what == "r" ? Qt::Key_R : Qt::Key_Escape;
                key(code, true), key(code, false);
            }
        };
        QStringList script = QString(row.script).split(u' ', Qt::SkipEmptyParts);
        // A step that never comes fails the row rather than hanging the test.
        QTimer::singleShot(5000, &bare.host, [&] { input.request_leave(); });
        QTimer driver;
        bool seen = false;
        QObject::connect(&driver, &QTimer::timeout, [&] {
            if (script.isEmpty())
                return;
            const QString last = turn.lines.isEmpty() ? QString() : turn.lines.last();
            bool now = false;
            for (const QString& when : script.front().section(u':', 0, 0).split(u'|'))
                now = now
                    || (when == "playing"     ? last.startsWith("started")
                            : when == "cross" ? last == "cross"
                                              : turn.awaiting == when.toInt());
            // A step acts on the second tick to find its moment: the turn has
            // read its input in that moment at least once (an acceptance time
            // runs from there).
            if (!now || !std::exchange(seen, true)) {
                seen = now;
                return;
            }
            seen = false;
            if (turn.awaiting == 3) {
                EXPECT_EQ(stage.player().play_state(), VideoPlayer::Held)
                    << "the clip waits for a press, held";
            }
            for (const QString& what : script.takeFirst().section(u':', 1).split(u'+'))
                act(what);
        });
        driver.start(2);
        const TurnParts parts{g, stage, waits, input, events, leftOut, clock, sound};
        const ClipTurn::FirstFrame first =
            row.stills ? ClipTurn::FirstFrame::Stills : ClipTurn::FirstFrame::PlayerFrames;
        const char* const clips[] = {"alpha", "beta", "gamma"};
        TurnEnd end{};
        for (int clip = 0;; clip = end == TurnEnd::Replay ? clip : (clip + 1) % 3) {
            end = ClipTurn(parts, first).play(QString(clips[clip]));
            if (end != TurnEnd::Leave && !areaAfterTurn.isEmpty()) {
                EXPECT_EQ(stage.pictures().Background.picture().image().size(), areaAfterTurn)
                    << "the normal layout is back for the next turn";
            }
            if (script.isEmpty() || (end != TurnEnd::Next && end != TurnEnd::Replay))
                break;
        }
        EXPECT_EQ(int(end), int(row.end));
        EXPECT_EQ(turn.lines.join(", ").toStdString(), row.events);
        if (row.calls) {
            EXPECT_EQ(playerCalls->join(", ").toStdString(), row.calls);
        }
        events.left();
        protocol.finish();
        EXPECT_TRUE(script.isEmpty()) << "never came: " << script.join(u' ').toStdString();
    }

    QSize areaAfterTurn;  // the drawing area's, unless the turn left; unchecked when empty
};

// Laid out by hand as a table.
// clang-format off
TEST_F(ClipTurnRows, EveryEndOfATurnInBothVariations)
{
    const PlayModeChoice letGo{PressAndLetGo, 0}, timed{TimedPlay, 2}, thrice{SeveralPresses, 3};
    const Row rows[] = {
        {"stills, played",       true,  letGo, "1:press 2:press", TurnEnd::Next,    "wait 1, press, click, started alpha, ended alpha, wait 2, press"},
        {"player, replayed",     false, letGo, "1:press 2:r",     TurnEnd::Replay,  "wait 1, press, click, started alpha, ended alpha, wait 2, replay"},
        {"stills, skipped",      true,  letGo, "1:a",             TurnEnd::Next,    "wait 1, skip"},
        {"player",               false, letGo, "1:esc",           TurnEnd::Leave,   "wait 1, leave"},
        // One cue for the clip: the first press is the response, the others count on.
        {"stills, three presses", true, thrice, "1:press 1:press 1:press 2:esc", TurnEnd::Leave, "wait 1, press, click, wait 1, press 2 of 3, click, wait 1, press 3 of 3, click, started alpha, ended alpha, wait 2, leave"},
        {"player, count skipped", false, thrice, "1:press 1:a", TurnEnd::Next, "wait 1, press, click, wait 1, skip"},
        {"stills, timed, skip",  true,  timed, "1:press playing:time 3:a", TurnEnd::Next, "wait 1, press, click, started alpha, paused alpha, wait 3, skip"},
        {"player, timed, replay", false, timed, "1:press playing:time 3:r", TurnEnd::Replay, "wait 1, press, click, started alpha, paused alpha, wait 3, replay"},
    };
    for (const Row& row : rows) {
        playerClipMs = row.mode.mode == TimedPlay ? 5000 : 30;
        play(row);
    }
}

// At full screen: the time is up while the clip plays; a press then is not
// kept for later, and the held clip ends by a skip, a replay or Esc alone.
TEST_F(ClipTurnRows, ATimedClipIsHeldForSkipReplayOrEscButNoPressWhilePlaying)
{
    g.ScreenSize = 3;
    playerClipMs = 5000;
    areaAfterTurn = {640, 480};
    const PlayModeChoice timed{TimedPlay, 2};
    const Row rows[] = {
        {"stills: skip, replay, Esc", true, timed, "1:press playing:press+time 3:a 1:press playing:time 3:r 1:press playing:time 3:esc", TurnEnd::Leave,
         "wait 1, press, click, started alpha, ignored 0, paused alpha, wait 3, skip, wait 1, press, click, started beta, paused beta, wait 3, replay, "
         "wait 1, press, click, started beta, paused beta, wait 3, leave"},
        {"player: press ignored, replay", false, timed, "1:press playing:press+time 3:r", TurnEnd::Replay,
         "wait 1, press, click, started alpha, ignored 0, paused alpha, wait 3, replay"},
    };
    for (const Row& row : rows)
        play(row);
}

// The switch is let go only once the clip's end has shown the cross (a
// sampled switch) or the wait has begun (a key or button, read as held only
// at its event): the same lines every time.
TEST_F(ClipTurnRows, HoldModeHoldsTheClipOnLettingGoAndAFreshPressPlaysItOnWithTheHand)
{
    playerClipMs = 400;
    const PlayModeChoice hold{PressAndHold, 0};
    const char* const script = "1:down playing:up 3:down 2|cross:up 2:esc";
    const char* const stillsCalls = "open alpha.mpg, hold here, play";
    const char* const framesCalls = "open alpha.mpg, play, pause, play, hold here, play";
    const Row rows[] = {
        {"stills, mouse",   true,  hold, script, TurnEnd::Leave, "wait 1, press, click, started alpha, paused alpha, wait 3, press, click, ended alpha, wait 2, leave", 6, stillsCalls},
        {"stills, keys",    true,  hold, script, TurnEnd::Leave, "wait 1, press, click, started alpha, paused alpha, wait 3, press, click, ended alpha, wait 2, leave", 7, stillsCalls},
        {"stills, adapter", true,  hold, script, TurnEnd::Leave, "wait 1, press, click, started alpha, paused alpha, wait 3, press, click, ended alpha, cross, wait 2, leave", 2, stillsCalls},
        {"player, mouse",   false, hold, script, TurnEnd::Leave, "wait 1, press, click, started alpha, paused alpha, wait 3, press, click, ended alpha, wait 2, leave", 6, framesCalls},
        {"player, keys",    false, hold, script, TurnEnd::Leave, "wait 1, press, click, started alpha, paused alpha, wait 3, press, click, ended alpha, wait 2, leave", 7, framesCalls},
        {"player, adapter", false, hold, script, TurnEnd::Leave, "wait 1, press, click, started alpha, paused alpha, wait 3, press, click, ended alpha, cross, wait 2, leave", 2, framesCalls},
    };
    for (const Row& row : rows)
        play(row);
}

// Repeats of a held key: neither a fresh press nor a letting go.
TEST_F(ClipTurnRows, AHeldKeysRepeatsAreNeitherAPressNorALettingGo)
{
    playerClipMs = 300;
    const Row rows[] = {
        {"hold mode, its release in one read and its press in the next", true, {PressAndHold, 0}, "1:down playing:repeat 2:up 2:esc", TurnEnd::Leave,
         "wait 1, press, click, started alpha, ended alpha, wait 2, leave", 7},
        {"the server's release and press pairs in the wait after the clip", true, {PressAndLetGo, 0}, "1:down 2:pairs 2:up 2:esc", TurnEnd::Leave,
         "wait 1, press, click, started alpha, ended alpha, wait 2, leave", 7},
    };
    for (const Row& row : rows)
        play(row);
}

// Held on from the press that ends alpha, through beta's label and name. On
// an acceptance time the switch held is timed from beta's cue: the clip
// waits for it (the step "1:time" can only come in that wait).
TEST_F(ClipTurnRows, HoldModeASwitchHeldWhenTheWaitBeginsStartsTheClip)
{
    playerClipMs = 200;
    const PlayModeChoice hold{PressAndHold, 0};
    const char* const at0 = "1:down playing:up 3:down 2|cross:up 2:down playing:up 3:esc";
    const char* const at150 = "1:down 1:time playing:up 3:down 3:time 2|cross:up 2:down 2:time 1:time playing:up 3:esc";
    const Row rows[] = {
        {"keys",            true, hold, at0,   TurnEnd::Leave, "wait 1, press, click, started alpha, paused alpha, wait 3, press, click, ended alpha, wait 2, press, wait 1, press held from before the cue, click, started beta, paused beta, wait 3, leave", 7},
        {"adapter",         true, hold, at0,   TurnEnd::Leave, "wait 1, press, click, started alpha, paused alpha, wait 3, press, click, ended alpha, cross, wait 2, press, wait 1, press held from before the cue, click, started beta, paused beta, wait 3, leave", 2},
        {"keys, timed",     true, hold, at150, TurnEnd::Leave, "wait 1, press, click, started alpha, paused alpha, wait 3, press, click, ended alpha, cross, wait 2, press, wait 1, press held from before the cue, click, started beta, paused beta, wait 3, leave", 7, nullptr, 150},
        {"adapter, timed",  true, hold, at150, TurnEnd::Leave, "wait 1, press, click, started alpha, paused alpha, wait 3, press, click, ended alpha, cross, wait 2, press, wait 1, press held from before the cue, click, started beta, paused beta, wait 3, leave", 2, nullptr, 150},
    };
    for (const Row& row : rows)
        play(row);
}
// clang-format on

TEST_F(ClipTurnRows, AClipThePlayerCannotOpenEndsTheTurnBeforeItsWait)
{
    *playerFailures = {{"alpha.mpg", "it is not a video"}};
    play({"player, broken",
          false,
          {PressAndLetGo, 0},
          "",
          TurnEnd::LeftOut,
          "left out alpha: alpha.mpg (it is not a video)"});
}

}  // namespace

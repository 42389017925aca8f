// One turn for one clip with no window: the stage on a bare widget, the input
// and the waits on fakes. Each row is a script of what happens in which wait,
// the turn's end and the events it told.

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
    // "<wait phase or 'playing'>:<press|a|r|esc|time>" in order.
    const char* script;
    TurnEnd end;
    const char* events;  // the turn's lines, joined by ", "
};

class ClipTurnRows : public PlaybackTest {
protected:
    void play(const Row& row)
    {
        SCOPED_TRACE(row.name);
        turn.lines.clear();
        g.PlayMode = row.mode.mode;
        g.PlayModeNumber = row.mode.number;
        g.CurrentClip = 1;
        observers = {&turn, &protocol};
        protocol.reset();
        BareStage bare(g, *this);
        TurnEvents& events = bare.events;
        PlaybackStage& stage = bare.stage;
        TurnInput& input = bare.input;
        TurnWaits& waits = bare.waits;
        LeftOutClips& leftOut = bare.leftOut;

        QStringList script = QString(row.script).split(u' ', Qt::SkipEmptyParts);
        const auto act = [&](const QString& what) {
            const auto key = [&](int code) {
                QKeyEvent down(QEvent::KeyPress, code, Qt::NoModifier),
                    up(QEvent::KeyRelease, code, Qt::NoModifier);
                input.key_press(down);
                input.key_release(up);
            };
            if (what == "press") {
                input.mouse_down(TurnInput::MouseTarget::OverForm);
                input.mouse_up(TurnInput::MouseTarget::OverForm);
            } else if (what == "time") {
                clock.now += 60000;
            } else
                key(what == "a" ? Qt::Key_A : what == "r" ? Qt::Key_R : Qt::Key_Escape);
        };
        QTimer driver;
        QObject::connect(&driver, &QTimer::timeout, [&] {
            if (script.isEmpty())
                return;
            const QStringList step = script.front().split(u':');
            const bool now = step[0] == "playing"
                ? !turn.lines.isEmpty() && turn.lines.last().startsWith("started")
                : turn.awaiting == step[0].toInt();
            if (now)
                act(script.takeFirst().section(u':', 1));
        });
        driver.start(2);
        const TurnParts parts{g, stage, waits, input, events, leftOut, clock, sound};
        const TurnEnd end =
            ClipTurn(parts, row.stills ? ClipTurn::FirstFrame::Stills : ClipTurn::FirstFrame::PlayerFrames)
                .play(QStringLiteral("alpha"));
        EXPECT_EQ(int(end), int(row.end));
        EXPECT_EQ(turn.lines.join(", ").toStdString(), row.events);
        events.left();
        protocol.finish();
        EXPECT_TRUE(script.isEmpty()) << "never came: " << script.join(u' ').toStdString();
    }
};

// Laid out by hand as a table.
// clang-format off
TEST_F(ClipTurnRows, EveryEndOfATurnInBothVariations)
{
    const PlayModeChoice letGo{PressAndLetGo, 0}, timed{TimedPlay, 2}, thrice{SeveralPresses, 3};
    const Row rows[] = {
        {"stills, played",       true,  letGo, "1:press 2:press", TurnEnd::Next,    "wait 1, press, started alpha, ended alpha, wait 2, press"},
        {"player, replayed",     false, letGo, "1:press 2:r",     TurnEnd::Replay,  "wait 1, press, started alpha, ended alpha, wait 2, replay"},
        {"stills, skipped",      true,  letGo, "1:a",             TurnEnd::Next,    "wait 1, skip"},
        {"player",         false, letGo, "1:esc",           TurnEnd::Leave,   "wait 1, leave"},
        // One cue for the clip: the first press is the response, the others count on.
        {"stills, three presses", true, thrice, "1:press 1:press 1:press 2:esc", TurnEnd::Leave, "wait 1, press, wait 1, press 2 of 3, wait 1, press 3 of 3, started alpha, ended alpha, wait 2, leave"},
        {"player, count skipped", false, thrice, "1:press 1:a", TurnEnd::Next, "wait 1, press, wait 1, skip"},
        {"stills, timed, skip",  true,  timed, "1:press playing:time 3:a", TurnEnd::Next, "wait 1, press, started alpha, paused alpha, wait 3, skip"},
        {"player, timed, replay", false, timed, "1:press playing:time 3:r", TurnEnd::Replay, "wait 1, press, started alpha, paused alpha, wait 3, replay"},
    };
    for (const Row& row : rows) {
        playerClipMs = row.mode.mode == TimedPlay ? 5000 : 30;
        play(row);
    }
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

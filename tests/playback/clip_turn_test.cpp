// One turn for one clip with no window (see ClipTurnRows): each row is a
// script of what happens in which wait, the turn's end and the events it told.

#include "playback/playback_fixture.h"
#include "state/play_mode.h"

namespace {

using Row = ClipRow;

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
    // An adapter shows the cross at the clip's end; a key or button is let go in the wait.
    const char* const letGo = "wait 1, press, click, started alpha, paused alpha, wait 3, press, click, ended alpha, wait 2, leave";
    const char* const crossed = "wait 1, press, click, started alpha, paused alpha, wait 3, press, click, ended alpha, cross, wait 2, leave";
    const Row rows[] = {
        {"stills, mouse",   true,  hold, script, TurnEnd::Leave, letGo,   6, stillsCalls},
        {"stills, keys",    true,  hold, script, TurnEnd::Leave, letGo,   7, stillsCalls},
        {"stills, adapter", true,  hold, script, TurnEnd::Leave, crossed, 2, stillsCalls},
        {"player, mouse",   false, hold, script, TurnEnd::Leave, letGo,   6, framesCalls},
        {"player, keys",    false, hold, script, TurnEnd::Leave, letGo,   7, framesCalls},
        {"player, adapter", false, hold, script, TurnEnd::Leave, crossed, 2, framesCalls},
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
    const char* const letGo = "wait 1, press, click, started alpha, paused alpha, wait 3, press, click, ended alpha, wait 2, press, wait 1, press held from before the cue, click, started beta, paused beta, wait 3, leave";
    const char* const crossed = "wait 1, press, click, started alpha, paused alpha, wait 3, press, click, ended alpha, cross, wait 2, press, wait 1, press held from before the cue, click, started beta, paused beta, wait 3, leave";
    const Row rows[] = {
        {"keys",            true, hold, at0,   TurnEnd::Leave, letGo, 7},
        {"adapter",         true, hold, at0,   TurnEnd::Leave, crossed, 2},
        {"keys, timed",     true, hold, at150, TurnEnd::Leave, crossed, 7, nullptr, 150},
        {"adapter, timed",  true, hold, at150, TurnEnd::Leave, crossed, 2, nullptr, 150},
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

// The choice turn with no window: the stage on a bare widget, the input and
// the waits on fakes. Each row is a script of inputs, each given once its
// moment has come, and what the turn told.

#include "playback/playback_fixture.h"
#include "playback/turn/choice_turn.h"
#include "state/play_mode.h"

namespace {

struct Row {
    const char* name;
    ChoiceMethod method;
    const char* script;  // as a clip row's, on the keyboard: space is switch 1, Enter switch 2
    TurnEnd end;
    const char* events;
};

class ChoiceTurnRows : public ClipTurnRows {
protected:
    void SetUp() override
    {
        PlaybackTest::SetUp();
        g.InputDevice = 7;
        g.PlayMode = ChooseOneOfTwo;
        g.ScanTime = 30;
    }

    void play(const Row& row)
    {
        SCOPED_TRACE(row.name);
        g.ChoiceMethod = int16_t(row.method);
        act_out(row.script, [&](const TurnParts& parts, const QStringList&) {
            EXPECT_EQ(int(ChoiceTurn(parts, true).play({"alpha", "beta"})), int(row.end));
        });
        EXPECT_EQ(turn.lines.join(", ").toStdString(), row.events);
    }
};

// Laid out by hand as a table.
// clang-format off
TEST_F(ChoiceTurnRows, EachWayOfChoosingTakesTheSideItShould)
{
    using M = ChoiceMethod;
    const Row rows[] = {
        {"two switches, left",   M::TwoSwitches, "1:press 2:press", TurnEnd::Next,
         "wait 1, press, chose left alpha of alpha|beta by switch 1, click, started alpha, ended alpha, wait 2, press"},
        {"scan, right when lit", M::Scanning, "1:tick beta:press 2:r", TurnEnd::Replay,
         "wait 1, press, chose right beta of alpha|beta by switch 1, click, started beta, ended beta, wait 2, replay"},
        {"scan, twice round",    M::Scanning, "1:tick beta:tick alpha:tick beta:press 2:esc", TurnEnd::Leave,
         "wait 1, press, chose right beta of alpha|beta by switch 1, click, started beta, ended beta, wait 2, leave"},
        {"scan, skipped",        M::Scanning, "1:a", TurnEnd::Next, "wait 1, skip"},
        {"step, left",           M::StepScanning, "1:esc", TurnEnd::Leave, "wait 1, leave"},
    };
    for (const Row& row : rows)
        play(row);
}

TEST_F(ChoiceTurnRows, TheSecondSwitchTakesTheRightOrTheLitSide)
{
    using M = ChoiceMethod;
    const Row rows[] = {
        {"two switches, right", M::TwoSwitches, "1:press2 2:press", TurnEnd::Next,
         "wait 1, press, chose right beta of alpha|beta by switch 2, click, started beta, ended beta, wait 2, press"},
        {"step: move, take",    M::StepScanning, "1:press beta:press2 2:press", TurnEnd::Next,
         "wait 1, press, wait 1, press, chose right beta of alpha|beta by switch 2, click, started beta, ended beta, wait 2, press"},
    };
    for (const Row& row : rows)
        play(row);
}
// A dwell takes the card it rests on, whatever the way of choosing.
TEST_F(ChoiceTurnRows, ADwellTakesItsCard)
{
    g.InputDevice = 6;
    g.PointerDwell = 1;
    using M = ChoiceMethod;
    const Row rows[] = {
        {"two switches", M::TwoSwitches, "1:dwell1 2:esc", TurnEnd::Leave,
         "wait 1, press, chose right beta of alpha|beta by switch 3, click, started beta, ended beta, wait 2, leave"},
        {"scan, left lit", M::Scanning, "1:dwell1 2:esc", TurnEnd::Leave,
         "wait 1, press, chose right beta of alpha|beta by switch 3, click, started beta, ended beta, wait 2, leave"},
        {"step", M::StepScanning, "1:dwell0 2:esc", TurnEnd::Leave,
         "wait 1, press, chose left alpha of alpha|beta by switch 3, click, started alpha, ended alpha, wait 2, leave"},
    };
    for (const Row& row : rows)
        play(row);
}
// clang-format on

// Three rounds without a press: the light goes out and the scan waits; the
// next press lights the left again and names it, and the choice's time runs
// from there.
TEST_F(ChoiceTurnRows, AScanLeftAloneStopsAndAPressStartsItAgain)
{
    g.ChoiceMethod = int16_t(ChoiceMethod::Scanning);
    int64_t fromOffer = -1;
    struct Times : TurnObserver {
        int64_t& ms;
        explicit Times(int64_t& ms)
            : ms(ms)
        {
        }
        void choice_made(const QString&, const QString&, ChoiceSide, int, int64_t m) override { ms = m; }
    } times(fromOffer);
    observers.push_back(&times);
    act_out("1:tick beta:tick alpha:tick beta:tick alpha:tick beta:tick later:press alpha:press 2:esc",
            [&](const TurnParts& p, const QStringList&) {
                EXPECT_EQ(int(ChoiceTurn(p, true).play({"alpha", "beta"})), int(TurnEnd::Leave));
            });
    // The offer names both; five moves name a side each; the restart names the left.
    EXPECT_EQ(sound.names().filter(".wav").mid(0, 8).join(' ').toStdString(),
              "alpha.wav beta.wav beta.wav alpha.wav beta.wav alpha.wav beta.wav alpha.wav");
    EXPECT_TRUE(turn.saw("chose left alpha of alpha|beta by switch 1"));
    EXPECT_EQ(fromOffer, 0) << "timed from the press that started the scan again";
}

// The run's pairs: a clip that cannot be shown is offered no more, and with
// fewer than two left the adult is told.
TEST_F(ChoiceTurnRows, FewerThanTwoPlayableClipsEndTheRunWithAMessage)
{
    QFile::remove(g.MediaFolder + "beta_first.jpg");
    QString message;
    act_out("1:press 2:esc",
            [&](const TurnParts& p, const QStringList&) { message = play_choices(p, true); });
    EXPECT_TRUE(turn.saw("left out beta: beta_first.jpg"));
    EXPECT_TRUE(turn.saw("chose left gamma of gamma|alpha by switch 1"))
        << turn.lines.join(", ").toStdString();
    EXPECT_TRUE(message.isEmpty());

    g.ClipCount = 1;
    act_out("", [&](const TurnParts& p, const QStringList&) { message = play_choices(p, true); });
    EXPECT_TRUE(message.startsWith("Choose One of Two needs at least two clips")) << message.toStdString();
}

}  // namespace

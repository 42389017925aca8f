// The choice turn with no window: the stage on a bare widget, the input and
// the waits on fakes. Each row is a script of inputs, each given once its
// moment has come, and what the turn told.

#include "playback/playback_fixture.h"
#include "playback/playback_stage.h"
#include "playback/turn/choice_turn.h"
#include "state/play_mode.h"

#include <QElapsedTimer>
#include <QKeyEvent>

namespace {

struct Row {
    const char* name;
    ChoiceMethod method;
    // "<when>:<what>": when is a wait phase, or the clip whose name was last
    // heard in the first wait since the step before, or later (a tenth of a
    // second after the step before); what is press (switch 1), press2 (switch 2),
    // dwell0 or dwell1 (a dwell on the left or the right card), tick (the
    // scan's time passes), a, r or esc.
    const char* script;
    TurnEnd end;
    const char* events;
};

class ChoiceTurnRows : public PlaybackTest {
protected:
    void SetUp() override
    {
        PlaybackTest::SetUp();
        g.InputDevice = 7;  // the keyboard: space is switch 1, Enter switch 2
        g.PlayMode = ChooseOneOfTwo;
        g.ScanTime = 30;
        observers = {&turn, &protocol};
    }

    void key(TurnInput& input, int code)
    {
        QKeyEvent down(QEvent::KeyPress, code, Qt::NoModifier), up(QEvent::KeyRelease, code, Qt::NoModifier);
        input.key_press(down);
        input.key_release(up);
    }

    // Runs the turns of play_choices (rows: one turn) on the stage of a bare widget.
    template <typename Run>
    void on_stage(const char* script, Run run)
    {
        turn.lines.clear();
        protocol.reset();
        sound.played.clear();
        BareStage bare(g, *this);
        QWidget& host = bare.host;
        TurnEvents& events = bare.events;
        PlaybackStage& stage = bare.stage;
        TurnInput& input = bare.input;
        TurnWaits& waits = bare.waits;
        LeftOutClips& leftOut = bare.leftOut;
        QStringList steps = QString(script).split(u' ', Qt::SkipEmptyParts);
        qsizetype heard = 0;
        QElapsedTimer sinceStep;
        sinceStep.start();
        // A step that never comes fails the row rather than hanging the test.
        QTimer::singleShot(5000, &host, [&] { input.request_leave(); });
        QTimer driver;
        QObject::connect(&driver, &QTimer::timeout, [&] {
            if (steps.isEmpty())
                return;
            const QString when = steps.front().section(u':', 0, 0), what = steps.front().section(u':', 1);
            // A name counts only when heard since the step before.
            const bool now = when == "later" ? sinceStep.hasExpired(100)
                : when.front().isDigit()     ? turn.awaiting == when.toInt()
                                             : turn.awaiting == 1 && sound.played.size() > heard
                    && sound.played.last().endsWith(when + ".wav");
            if (!now)
                return;
            sinceStep.start();
            heard = sound.played.size();
            steps.removeFirst();
            if (what == "tick")
                clock.now += g.ScanTime;
            else if (what.startsWith("dwell"))
                input.dwell_completed(what.back().digitValue());
            else
                key(input,
                    what == "press"        ? Qt::Key_Space
                        : what == "press2" ? Qt::Key_Return
                        : what == "a"      ? Qt::Key_A
                        : what == "r"      ? Qt::Key_R
                                           : Qt::Key_Escape);
        });
        driver.start(2);
        run(TurnParts{g, stage, waits, input, events, leftOut, clock, sound});
        events.left();
        protocol.finish();
        turn.lines.removeLast();  // the run's end, with its time
        EXPECT_TRUE(steps.isEmpty()) << "never came: " << steps.join(u' ').toStdString();
    }

    void play(const Row& row)
    {
        SCOPED_TRACE(row.name);
        g.ChoiceMethod = int16_t(row.method);
        on_stage(row.script, [&](const TurnParts& parts) {
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
         "wait 1, press, chose left alpha of alpha|beta by switch 1, started alpha, ended alpha, wait 2, press"},
        {"scan, right when lit", M::Scanning, "1:tick beta:press 2:r", TurnEnd::Replay,
         "wait 1, press, chose right beta of alpha|beta by switch 1, started beta, ended beta, wait 2, replay"},
        {"scan, twice round",    M::Scanning, "1:tick beta:tick alpha:tick beta:press 2:esc", TurnEnd::Leave,
         "wait 1, press, chose right beta of alpha|beta by switch 1, started beta, ended beta, wait 2, leave"},
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
         "wait 1, press, chose right beta of alpha|beta by switch 2, started beta, ended beta, wait 2, press"},
        {"step: move, take",    M::StepScanning, "1:press beta:press2 2:press", TurnEnd::Next,
         "wait 1, press, wait 1, press, chose right beta of alpha|beta by switch 2, started beta, ended beta, wait 2, press"},
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
         "wait 1, press, chose right beta of alpha|beta by switch 3, started beta, ended beta, wait 2, leave"},
        {"scan, left lit", M::Scanning, "1:dwell1 2:esc", TurnEnd::Leave,
         "wait 1, press, chose right beta of alpha|beta by switch 3, started beta, ended beta, wait 2, leave"},
        {"step", M::StepScanning, "1:dwell0 2:esc", TurnEnd::Leave,
         "wait 1, press, chose left alpha of alpha|beta by switch 3, started alpha, ended alpha, wait 2, leave"},
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
    on_stage("1:tick beta:tick alpha:tick beta:tick alpha:tick beta:tick later:press alpha:press 2:esc",
             [&](const TurnParts& p) {
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
    on_stage("1:press 2:esc", [&](const TurnParts& p) { message = play_choices(p, true); });
    EXPECT_TRUE(turn.saw("left out beta: beta_first.jpg"));
    EXPECT_TRUE(turn.saw("chose left gamma of gamma|alpha by switch 1"))
        << turn.lines.join(", ").toStdString();
    EXPECT_TRUE(message.isEmpty());

    g.ClipCount = 1;
    on_stage("", [&](const TurnParts& p) { message = play_choices(p, true); });
    EXPECT_TRUE(message.startsWith("Choose One of Two needs at least two clips")) << message.toStdString();
}

}  // namespace

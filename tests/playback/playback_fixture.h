#pragma once
// A playback window on fakes (player, sound, dialogs, clock, version), with a
// program folder of small generated pictures, and a script of steps that runs
// from the event loop while the window's run is on the stack.

#include "fakes/fake_services.h"
#include "fakes/turn_protocol.h"
#include "fakes/turn_record.h"
#include "playback/playback_stage.h"
#include "playback/playback_window.h"
#include "playback/turn/left_out_clips.h"
#include "playback/turn/turn_parts.h"
#include "playback/turn/turn_waits.h"
#include "playback/turn_events.h"
#include "playback/turn_input.h"
#include "state/globvars.h"
#include "state/play_mode.h"

#include <QPointer>
#include <QTemporaryDir>
#include <QTimer>
#include <deque>
#include <gtest/gtest.h>
#include <map>
#include <memory>

class PlaybackTest : public ::testing::Test, protected FakeServices {
protected:
    void SetUp() override;
    void TearDown() override;

    // A program folder with every file a run reads, and clips alpha, beta, gamma.
    void write_picture(const QString& name, QSize size, QColor colour);
    void write_bytes(const QString& name);

    // Starts a run. Each step acts once its condition holds, in order; the
    // run must end within timeoutMs. Returns false if it did not.
    struct Step {
        std::function<bool()> when;
        std::function<void()> act;
    };
    bool run(std::vector<Step> steps, int timeoutMs = 8000);

    // Input as the window system delivers it.
    void key(int qtKey, Qt::KeyboardModifiers modifiers = Qt::NoModifier, bool release = true);
    void click(QWidget* on);

    // A turn on adapter device g.InputDevice with the switch held as the run
    // starts: the blue cross shows on the marker square until the switch is
    // let go, then a fresh press plays the first clip. hold(down) sets the switch.
    void expect_held_switch_turn(const std::function<void(bool)>& hold);

    // In a response wait where a press now counts.
    bool in_wait(int phase) const { return window && turn.awaiting == phase; }
    QTimer& prompt_timer() const;
    // The window's parts, by their names.
    PictureBox& box(const char* name) const;
    QWidget& widget(const char* name) const;
    QRgb background_pixel(int x, int y) const;
    QWidget* frontmost() const;  // the picture box in front inside Background

    QTemporaryDir dir;
    GlobVars g;
    AdapterPorts* realPorts = nullptr;  // in place of the fake ports
    TurnRecord turn;  // what the run told
    TurnProtocol protocol;  // checks the rules of the turn on every run
    std::vector<TurnObserver*> extraObservers;  // told after turn

    QPointer<PlaybackWindow> window;
    QPointer<FakePlayer> player;  // while the window lives
    // When set, makes the player in place of the fake (player then stays null).
    std::function<std::unique_ptr<VideoPlayer>(QWidget* container)> make_player;
    bool left = false;
    QString leaveMessage;
};

// A turn's parts on a bare widget, with no window: the stage, the input and
// the waits on the fakes (the adapter ports, unless others are given), the
// backdrop drawn and the run begun (an adapter sampled).
struct BareStage {
    BareStage(GlobVars& g, FakeServices& fakes, AdapterPorts* ports = nullptr)
        : services(fakes.services(ports))
        , events(services.observers)
        , stage(host, g, services)
        , input(g, fakes.clock, services.ports, events)
        , waits(&host, g, stage, input, events, fakes.clock)
        , leftOut(events)
    {
        host.resize(1024, 768);
        stage.clear();
        stage.draw_backdrop();
        input.start_run();
        waits.start_sampling();
    }

    Services services;
    QWidget host;
    TurnEvents events;
    PlaybackStage stage;
    TurnInput input;
    TurnWaits waits;
    LeftOutClips leftOut;
};

// One row of a table of clip turns.
struct ClipRow {
    const char* name;
    bool stills;
    PlayModeChoice mode;
    // "<when>:<what>[+<what>]" in order. when: a wait phase, "playing" (a clip's
    // start is the last thing told) or "cross", or either of two as "2|cross";
    // "1+400": in wait 1 and 400 ms after the step before; "later": 100 ms
    // after it; a clip's name: heard in the first wait since the step before.
    // what: press, down or up (switch 1 on the row's device; an adapter is
    // sampled, so it needs down and up in steps of their own), press2 (the
    // keyboard's switch 2), repeat (a held key's repeat, its press flagged
    // and in the next read), pairs (two repeats as an X server sends them,
    // each a release and a press with one timestamp), dwell0 or dwell1 (a
    // dwell on the left or the right card), a, r, esc, time (a minute
    // passes), tick (the scan's time passes), or one of the test's moreActs.
    const char* script;
    TurnEnd end;  // of the last turn
    const char* events;  // the turns' lines and the hand's clicks, joined by ", "
    int16_t device = 6;
    const char* calls = nullptr;  // the player's, joined by ", "; unchecked when null
    int16_t acceptanceMs = 0;
};

// Clip turns on a bare stage, each row's script acted out as its moments
// come; a turn that ends with steps still to come is followed by the next
// clip's (the same clip's after a replay).
class ClipTurnRows : public PlaybackTest {
protected:
    void play(const ClipRow& row);
    // A script (as a row's) acted out while run plays turns on a bare stage
    // with the steps still to come; then the lines the turns told.
    void act_out(const char* script, const std::function<void(const TurnParts&, const QStringList&)>& run);

    QSize areaAfterTurn;  // the drawing area's, unless the turn left; unchecked when empty
    std::function<void(bool)> learnerSwitch;  // down and up, in place of the device's own
    std::map<QString, std::function<void()>> moreActs;
};

// Colours of the generated stills and labels, by clip.
QColor first_colour(int clip);
QColor last_colour(int clip);
QColor label_colour(int clip);

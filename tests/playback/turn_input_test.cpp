// The run's input as tables: each row is a run of window events and polls,
// then the flags and the events expected after it. No widget, no event loop.
//
// Row syntax: "(" and ")" are the polling step's clear before the yield and
// its sample after it; between them come the events the yield delivered.
// Keys: "down X" / "up X" (X: Space, Enter, Esc, A, R, 0..9, KP2 for the
// keypad, Shift+0..2; "@t" gives the timestamp, "*" the repeat flag). Mouse:
// "press form|over|player" (the left button), "press2 ..." (the right),
// "release ...", "focus", "exitlink" (its double click). Adapter: "switch
// 0|1|2|12" (the switches closed), "unplug", "replug". Dwell: "dwell" (one
// completed). Run: "phase N", "wait" (the response step begins), "heldpress"
// (a held switch taken at the cue), "end" (it ends), "+N" moves the clock N ms,
// "settle" waits until a key let go is known not to be half of a repeat.
// Expected: S K M skip replay leave as "S=1", events as "ignored:N" (switch
// 1) or "ignored:N/S", the hold of the response taken as "held=N", its switch
// as "sw=N", "before=1" when held from before the cue, the switch down now as
// "down=1", and the last let-go told as "letgo=S" after "letheld=N" ms.

#include "playback/turn_input.h"
#include "playback/turn_observer.h"
#include "state/globvars.h"
#include "switch/switch_adapter.h"
#include "fakes/fake_adapter_ports.h"
#include "fakes/fake_clock.h"

#include <QKeyEvent>
#include <gtest/gtest.h>
#include <chrono>
#include <memory>
#include <thread>

namespace {

struct Ignored : TurnObserver {
    QStringList seen;
    int letGoSwitch = 0;
    int64_t letGoHeldMs = 0;
    void press_ignored(WaitPhase phase, int switchNumber, int64_t) override
    {
        seen << (switchNumber == 1 ? QStringLiteral("ignored:%1").arg(int(phase))
                                   : QStringLiteral("ignored:%1/%2").arg(int(phase)).arg(switchNumber));
    }
    void press_let_go(int switchNumber, int64_t heldMs) override
    {
        letGoSwitch = switchNumber;
        letGoHeldMs = heldMs;
    }
};

struct Row {
    const char* events;
    const char* expected;
};

struct Table {
    const char* name;
    int16_t device;
    std::vector<Row> rows;
    int16_t acceptanceMs = 0;
    int16_t postAcceptanceMs = 0;
    bool repeatsInPairs = true;
    bool dwell = false;  // pointer dwell on the mouse's device number
};

std::unique_ptr<QKeyEvent> key_event(QEvent::Type type, QString name)
{
    ulong timestamp = 0;
    const bool repeat = name.endsWith(u'*');
    if (repeat)
        name.chop(1);
    if (const int at = name.indexOf(u'@'); at >= 0) {
        timestamp = name.mid(at + 1).toULong();
        name.truncate(at);
    }
    int key = 0;
    Qt::KeyboardModifiers modifiers;
    static const QHash<QString, int> shifted{
        {"Shift+0", Qt::Key_ParenRight}, {"Shift+1", Qt::Key_Exclam}, {"Shift+2", Qt::Key_At}};
    if (name == "Space")
        key = Qt::Key_Space;
    else if (name == "Enter")
        key = Qt::Key_Return;
    else if (name == "Esc")
        key = Qt::Key_Escape;
    else if (name.startsWith("KP")) {
        key = Qt::Key_0 + name.mid(2).toInt();
        modifiers = Qt::KeypadModifier;
    } else if (shifted.contains(name)) {
        key = shifted[name];
        modifiers = Qt::ShiftModifier;
    } else
        key = name.at(0).toLatin1();  // Qt's codes of digits and capitals are their ASCII
    auto event = std::make_unique<QKeyEvent>(type, key, modifiers, QString(), repeat);
    event->setTimestamp(timestamp);
    return event;
}

TurnInput::MouseTarget target(const QString& name)
{
    return name == "form" ? TurnInput::MouseTarget::Form
        : name == "over"  ? TurnInput::MouseTarget::OverForm
                          : TurnInput::MouseTarget::Player;
}

void play(const Table& table)
{
    GlobVars g;
    g.InputDevice = table.device;
    g.AcceptanceTime = table.acceptanceMs;
    g.PostAcceptanceDelay = table.postAcceptanceMs;
    g.PointerDwell = table.dwell ? 1 : 0;
    FakeClock clock;
    FakeAdapterPorts adapter;
    if (is_adapter_device(table.device))
        adapter.hold(table.device, false);
    Ignored events;
    TurnInput input(g, clock, adapter, events, KeyRepeatFilter(table.repeatsInPairs));
    input.start_run();

    for (const Row& row : table.rows) {
        const QString where = QStringLiteral("%1, row \"%2\"").arg(table.name, row.events);
        events.seen.clear();
        const QStringList words = QString(row.events).split(u' ', Qt::SkipEmptyParts);
        for (qsizetype i = 0; i < words.size(); ++i) {
            const QString& w = words[i];
            const QString arg = words.value(i + 1);
            if (w == "(")
                input.before_yield();
            else if (w == ")")
                input.after_yield();
            else if (w.startsWith(u'+'))
                clock.now += w.mid(1).toInt();
            else if (w == "wait")
                input.begin_response_wait();
            else if (w == "end")
                input.end_response_wait();
            else if (w == "focus")
                input.player_focus();
            else if (w == "exitlink")
                input.exit_link_double_click();
            else if (w == "dwell")
                input.dwell_completed();
            else if (w == "heldpress")
                input.take_held_press();
            else if (w == "settle")  // a key's let go is known once its repeat had the time to come
                std::this_thread::sleep_for(std::chrono::milliseconds(input.ms_until_let_go_confirmed()));
            else if (w == "unplug" || w == "replug")
                adapter.unplugged = w == "unplug";
            else {
                ++i;  // the word takes an argument
                if (w == "phase")
                    input.set_wait_phase(WaitPhase(arg.toInt()));
                else if (w == "down")
                    input.key_press(*key_event(QEvent::KeyPress, arg));
                else if (w == "up")
                    input.key_release(*key_event(QEvent::KeyRelease, arg));
                else if (w == "press" || w == "press2")
                    input.mouse_down(target(arg), 0, w == "press" ? 1 : 2);
                else if (w == "release")
                    input.mouse_up(target(arg));
                else if (w == "switch")
                    adapter.hold(table.device, arg.contains(u'1'), arg.contains(u'2'));
                else
                    FAIL() << "unknown word " << w.toStdString() << " in " << where.toStdString();
            }
        }

        const TurnFlags& f = input.flags();
        const QHash<QString, int> now{{"S", f.SwitchPressed},
                                      {"K", f.KeyReleased},
                                      {"M", f.MouseReleased},
                                      {"skip", f.SkipRequested},
                                      {"replay", f.ReplayRequested},
                                      {"leave", f.LeaveRequested},
                                      {"held", int(input.response_held_ms())},
                                      {"down", input.switch_held()},
                                      {"sw", input.response_switch()},
                                      {"before", input.response_held_from_before_cue()},
                                      {"letgo", events.letGoSwitch},
                                      {"letheld", int(events.letGoHeldMs)}};
        QStringList expectedEvents;
        for (const QString& item : QString(row.expected).split(u' ', Qt::SkipEmptyParts)) {
            if (item.startsWith("ignored:")) {
                expectedEvents << item;
                continue;
            }
            const QStringList pair = item.split(u'=');
            ASSERT_TRUE(now.contains(pair[0])) << where.toStdString();
            EXPECT_EQ(now[pair[0]], pair[1].toInt())
                << pair[0].toStdString() << " after " << where.toStdString();
        }
        EXPECT_EQ(events.seen, expectedEvents) << where.toStdString();
    }
}

// Laid out by hand as a table.
// clang-format off
TEST(TurnInput, Keys)
{
    play({"keyboard device", 7, {
        {"phase 1 wait", ""},
        {"( down KP2 up KP2 )", "S=0 K=1"},
        {"( down Shift+2 )", "S=1 K=0"},
        {"( up Shift+2 )", "S=0 K=1"},
        {"( down 2 up 2 )", "S=1 K=1"},
        {"( down Space )", "S=1 K=0"},
        {"( down A )", "S=0 skip=0"},  // another key while one is held is no press
        {"( up Space down A up A )", "skip=1"},
        {"wait ( down KP0 up KP0 )", "skip=0"},
        {"( down Shift+0 up Shift+0 )", "skip=1"},
        {"end phase 0 wait ( down 0 up 0 down R up R )", "S=0 skip=0 replay=0"},
        {"phase 2 ( down R up R )", "replay=1"},
        {"phase 1 wait ( down Shift+1 up Shift+1 )", "replay=0"},
        {"( down Esc up Esc )", "leave=1"},
        {"( down Space up Space )", "S=1 leave=0"},  // the next fresh key takes the request back
        {"( exitlink )", "leave=1"},
    }});
    play({"mouse device: the space bar is no switch", 6, {
        {"phase 1 wait ( down Space up Space )", "S=0 K=1"},
        {"( press over down Space )", "S=1 M=0 K=0"},
    }});
}

TEST(TurnInput, HeldKeyRepeats)
{
    // X repeats a held key as a release and a press with one timestamp.
    play({"repeats in pairs", 7, {
        {"phase 2 wait ( down Space@100 )", "S=1 K=0"},
        {"end phase 0 ( up Space@400 down Space@400 up Space@430 down Space@430 )", "S=0 K=0"},
        {"phase 1 wait ( )", "S=0 K=0"},
        {"( up Space@500 )", "K=1"},
        {"( down Space@600 )", "S=1"},
    }});
    // Elsewhere only the repeat flag tells; on X it is not trusted alone,
    // since a key let go during a window change would stay a "repeat".
    play({"flagged repeats", 7, {
        {"phase 1 wait ( down Space )", "S=1 K=0"},
        {"( up Space* down Space* )", "S=0 K=0"},
        {"( up Space down Space* )", "S=0 K=0"},
    }, 0, 0, false});
    play({"flag not trusted on X", 7, {
        {"phase 1 wait ( down Space* )", "S=1 K=0"},
    }});
}

TEST(TurnInput, MouseAndExitLink)
{
    play({"mouse device", 6, {
        {"phase 1 wait ( press form )", "S=1 M=0"},
        {"( release form )", "S=1 M=1"},  // the form's own click
        {"( release over )", "S=0"},
        {"( press over release over press over )", "S=1 M=0"},  // a double click's second press counts
        {"( )", "S=0"},                                         // no latch: one poll only
        {"( release over press player )", "S=1"},
        {"( release player focus )", "S=1 M=1"},
        {"( press player release player exitlink )", "S=1 leave=1"},
        {"( release player press form )", "S=1 M=0"},
        {"( release over )", "S=0 M=1"},  // let go elsewhere: no click of the form
    }});
    play({"keyboard device: a click clears a key's press", 7, {
        {"phase 1 wait ( down Space press form )", "S=0 M=0 K=0"},
    }});
}

TEST(TurnInput, PressesOutsideTheResponseStep)
{
    play({"mouse pressed during the clip, let go in the wait", 6, {
        {"phase 0 ( press form )", "S=1 ignored:0"},
        {"phase 1 ( )", "S=0 M=0"},  // the release-first step sees nothing held
        {"wait ( )", "S=0"},
        {"( release form )", "S=1"},  // but a click that ends on the form is the form's click
    }});
    play({"adapter held across the end of a wait", 1, {
        {"phase 1 wait ( switch 1 )", "S=1 held=0"},
        {"end phase 0 +800 ( )", "S=1"},
        {"phase 2 ( )", "S=1"},  // the cross: still held from the response
        {"( switch 0 )", "S=0"},  // no event: that press was the response
        {"wait +20 ( switch 1 )", "S=1"},
    }});
    play({"adapter pressed while the cross shows", 5, {
        {"phase 2 ( switch 1 )", "S=1 ignored:2"},
        {"( switch 0 )", "S=0"},
    }});
}

TEST(TurnInput, SwitchTiming)
{
    play({"acceptance time, mouse", 6, {
        {"phase 1 wait ( press over )", "S=0"},
        {"+90 ( )", "S=0"},
        {"+10 ( )", "S=1 held=100"},
        {"+50 ( )", "S=1"},
        {"( release over )", "S=0"},
        {"end phase 2 wait ( press over )", "S=0"},
        {"+40 ( release over )", "S=0 ignored:2"},  // too brief
    }, 100});
    play({"acceptance time, held key", 7, {
        {"phase 1 wait ( down Space )", "S=0"},
        {"+300 ( )", "S=1 held=300"},
        {"( up Space )", "S=0"},
    }, 300});
    // The repeat's release in one read and its press in the next: still held.
    play({"acceptance time, key repeated", 7, {
        {"phase 1 wait ( down Space@100 )", "S=0"},
        {"+100 ( up Space@200 )", "S=0 down=0"},
        {"+5 ( down Space@200 )", "S=0 down=1"},
        {"+195 ( )", "S=1 held=300"},
        {"( up Space ) settle ( )", "S=0 letgo=1"},
        {"end phase 2 wait ( down Space )", "S=0"},
        {"+100 ( up Space ) settle ( )", "S=0 ignored:2"},  // too brief
    }, 300});
    play({"post-acceptance delay", 7, {
        {"phase 1 wait ( down Space )", "S=1"},
        {"+100 ( up Space )", "S=0"},
        {"end phase 2 wait +200 ( down Space )", "S=0"},
        {"+1500 ( )", "S=0"},  // begun inside the delay: ignored whole
        {"( up Space ) settle ( )", "ignored:2"},
        {"+10 ( down Space )", "S=1"},
    }, 0, 1000});
}

TEST(TurnInput, AdapterUnplugged)
{
    for (int16_t device : {1, 4, 5})
        play({"adapter", device, {
            {"phase 1 wait ( switch 1 unplug )", "S=0"},  // pulled out with the switch held
            {"+500 ( )", "S=0"},
            {"( replug )", "S=1"},  // back with the switch still held: a fresh press
            {"end ( unplug )", "S=0"},
        }});
}

TEST(TurnInput, HeldClipTakesSkipAndReplayAndKnowsWhenTheSwitchIsLetGo)
{
    play({"keyboard", 7, {
        {"phase 3 wait ( down A up A )", "skip=1"},
        {"wait ( down 1 up 1 )", "replay=1"},
        {"end phase 0 ( down Space )", "S=1 down=1 ignored:0"},
        {"( down A )", "down=1 skip=0"},  // another key while the switch is held
        {"( up Space )", "down=0"},
    }});
    play({"mouse", 6, {
        {"phase 0 ( press player )", "down=1 ignored:0"},
        {"( )", "S=0 down=1"},  // no second event: held all the same
        {"( release over )", "down=0"},
    }});
    play({"adapter, seen at each sample", 3, {
        {"phase 0 ( switch 1 )", "down=1 ignored:0"},
        {"switch 0", "down=1"},
        {"( )", "down=0"},
    }});
}

// Each device's second switch, and dwell, as a switch of its own.
TEST(TurnInput, SecondSwitchAndDwell)
{
    play({"Enter", 7, {
        {"phase 1 wait ( down Enter )", "S=1 sw=2 down=1"},
        {"( down Space )", "S=0"},  // another key while one is held is no press
        {"end phase 0 ( up Enter down Space )", "ignored:0"},
    }});
    play({"right button, its own let-go", 6, {
        {"phase 1 wait ( press2 over )", "S=1 sw=2 down=1"},
        {"+250 ( release over )", "down=0 letgo=2 letheld=250"},
        {"( press over )", "S=1 sw=1"},
    }});
    play({"right button held from before the cue", 6, {
        {"phase 1 ( press2 over )", "ignored:1/2 down=1"},
        {"wait heldpress", "S=1 sw=2 before=1"},
    }});
    for (int16_t device : {1, 5})  // the serial adapter's CTS line, the second joystick button
        play({"adapter", device, {
            {"phase 1 wait ( switch 2 )", "S=1 sw=2 down=1"},
            {"end phase 0 +100 ( switch 12 )", "ignored:0"},
            {"+50 ( switch 1 )", "letgo=2 letheld=150 down=1"},
            {"( switch 0 )", "down=0"},
        }});
    play({"adapter: each switch timed on its own", 1, {
        {"phase 1 wait ( switch 1 )", "S=0"},
        {"+60 ( switch 12 )", "S=0"},
        {"+40 ( switch 12 )", "S=1 sw=1 held=100"},
        {"end phase 2 wait +60 ( switch 2 )", "S=1 sw=2 held=100"},
    }, 100});
    Table dwell{"dwell", 6, {
        {"phase 1 wait ( press form release form down Space up Space )", "S=0"},
        {"( dwell )", "S=1 sw=3 down=0"},
        {"( )", "S=0 letgo=0"},  // nothing was held, so nothing is let go
        {"end phase 2 ( dwell )", "ignored:2/3"},
    }, 300};  // the acceptance time is the dwell's own: no other
    dwell.dwell = true;
    play(dwell);
}

}  // namespace
// clang-format on

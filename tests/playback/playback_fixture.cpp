#include "playback/playback_fixture.h"

#include "playback/turn/clip_turn.h"
#include "support/wait_until.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QKeyEvent>
#include <QScopeGuard>
#include <QTest>

namespace {
const char* const Clips[] = {"alpha", "beta", "gamma"};
}

QColor first_colour(int clip)
{
    return QColor(40 + 60 * clip, 200, 40);
}
QColor last_colour(int clip)
{
    return QColor(200, 40, 40 + 60 * clip);
}
QColor label_colour(int clip)
{
    return QColor(40, 40 + 60 * clip, 220);
}

void PlaybackTest::SetUp()
{
    ASSERT_TRUE(dir.isValid());
    ports.hold(1, false);  // every adapter released
    g.ProgramFolder = g.DataFolder = g.MediaFolder = dir.path() + u'/';
    g.InputDevice = 6;
    g.ScreenSize = 1;
    g.BackgroundKind = 1;
    g.PromptInterval = 0;
    g.PressCalibration = 1;
    g.WipeCalibration = 1;
    g.CurrentClip = 0;
    g.ClipCount = 3;
    for (int i = 0; i < 3; ++i) {
        const QString clip = Clips[i];
        g.ClipList[i + 1] = clip;
        write_picture(clip + "_first.jpg", {352, 240}, first_colour(i + 1));
        write_picture(clip + "_last.jpg", {352, 240}, last_colour(i + 1));
        write_picture(clip + ".jpg", {120, 90}, label_colour(i + 1));
        write_bytes(clip + ".wav");
        write_bytes(clip + ".mpg");
    }
    write_picture("aobj_tv.jpg", {397, 364}, QColor(230, 140, 40));
    write_picture("aobj_thr.jpg", {629, 350}, QColor(150, 20, 30));
    write_picture("aobj_cal.jpg", {120, 90}, Qt::white);
    QImage hand(184, 180, QImage::Format_RGB32);
    for (int y = 0; y < 89; ++y)
        for (int x = 0; x < 184; ++x)
            hand.setPixel(x, y, x > 60 && x < 120 ? qRgb(250, 210, 170) : qRgb(0, 0, 0));
    for (int y = 90; y < 180; ++y)
        for (int x = 0; x < 184; ++x)
            hand.setPixel(x, y, x > 60 && x < 120 ? qRgb(0, 0, 0) : qRgb(255, 255, 255));
    ASSERT_TRUE(hand.save(g.DataFolder + "aobj_hnd.jpg", nullptr, 100));
    for (const char* name : {"aobj_nul.ico", "aobj_clk.wav", "aobj_prs.wav", "timer.mpg"})
        write_bytes(name);
}

void PlaybackTest::TearDown()
{
    delete window.data();
}

void PlaybackTest::write_picture(const QString& name, QSize size, QColor colour)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    ASSERT_TRUE(image.save(g.DataFolder + name, nullptr, 100));
}

void PlaybackTest::write_bytes(const QString& name)
{
    QFile file(g.DataFolder + name);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("not empty");
}

bool PlaybackTest::run(std::vector<Step> steps, int timeoutMs)
{
    Services services{dialogs,
                      sound,
                      version,
                      clock,
                      realPorts ? *realPorts : ports,
                      files,
                      [this](QWidget* box) -> std::unique_ptr<VideoPlayer> {
                          if (make_player)
                              return make_player(box);
                          auto fake = std::make_unique<FakePlayer>(box);
                          fake->clipMs = playerClipMs;
                          fake->calls = playerCalls;
                          fake->failures = playerFailures;
                          player = fake.get();
                          return fake;
                      },
                      pace,
                      {&turn, &protocol}};
    protocol.reset();
    services.observers.insert(services.observers.end(), extraObservers.begin(), extraObservers.end());
    window = new PlaybackWindow(g, services, [this](const QString& message) {
        left = true;
        leaveMessage = message;
    });
    std::deque<Step> pending(steps.begin(), steps.end());
    QTimer script;
    QElapsedTimer elapsed;
    elapsed.start();
    QObject::connect(&script, &QTimer::timeout, [&] {
        // The run's loops are below this test on the stack: a run that goes
        // wrong is asked to leave, or the test would never end.
        if (elapsed.elapsed() > timeoutMs && window)
            window->close();
        if (!pending.empty() && pending.front().when()) {
            const Step step = pending.front();
            pending.pop_front();
            step.act();
        }
    });
    script.start(2);
    window->resize(1024, 768);
    window->show();
    const bool ended =
        wait_until([&] { return window.isNull(); }, timeoutMs + 2000) && elapsed.elapsed() <= timeoutMs;
    EXPECT_TRUE(pending.empty()) << pending.size() << " steps never came";
    if (ended)
        protocol.finish();
    return ended && pending.empty();
}

void PlaybackTest::expect_held_switch_turn(const std::function<void(bool)>& hold)
{
    const int device = g.InputDevice;
    const int left = 190, top = 85;  // the TV set's marker square
    bool crossShown = false, squareRestored = false;
    hold(true);
    ASSERT_TRUE(run({
        {[&] { return window && qBlue(background_pixel(left + 5, top + 4)) > 200; },
         [&] {
             crossShown = qBlue(background_pixel(left + 96 + 2, top + 96)) > 200
                 && qBlue(background_pixel(left + 96, top + 4)) > 200 && turn.lines.endsWith("cross")
                 && !prompt_timer().isActive();
             hold(false);
         }},
        {[&] { return in_wait(1) && qBlue(background_pixel(left + 5, top + 4)) < 200; },
         [&] {
             squareRestored = window->pictures().Background.picture().image().copy(left, top, 100, 100)
                 == window->pictures().pbw2.image().copy(0, 0, 100, 100);
             hold(true);  // a fresh press: the response
         }},
        {[&] { return turn.saw("ended alpha"); }, [&] { hold(false); }},  // still held as the clip ended
        {[&] { return in_wait(2); }, [&] { key(Qt::Key_Escape); }},
    })) << "device "
        << device;
    EXPECT_TRUE(crossShown) << "device " << device;
    EXPECT_TRUE(squareRestored) << "device " << device;
    EXPECT_EQ(*playerCalls, QStringList({"open alpha.mpg"})) << "device " << device;
}

void PlaybackTest::key(int qtKey, Qt::KeyboardModifiers modifiers, bool release)
{
    QKeyEvent press(QEvent::KeyPress, qtKey, modifiers);
    QApplication::sendEvent(window->focusWidget() ? window->focusWidget() : window.data(), &press);
    if (release) {
        QKeyEvent up(QEvent::KeyRelease, qtKey, modifiers);
        QApplication::sendEvent(window->focusWidget() ? window->focusWidget() : window.data(), &up);
    }
}

void PlaybackTest::click(QWidget* on)
{
    QTest::mouseClick(on, Qt::LeftButton, {}, QPoint(5, 5));
}

PictureBox& PlaybackTest::box(const char* name) const
{
    return *window->findChild<PictureBox*>(QLatin1String(name));
}

QWidget& PlaybackTest::widget(const char* name) const
{
    return *window->findChild<QWidget*>(QLatin1String(name));
}

QTimer& PlaybackTest::prompt_timer() const
{
    return *window->findChild<QTimer*>(QStringLiteral("Timer1"));
}

QRgb PlaybackTest::background_pixel(int x, int y) const
{
    return window->pictures().Background.picture().image().pixel(x, y);
}

QWidget* PlaybackTest::frontmost() const
{
    const auto children = window->pictures().Background.findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    for (auto it = children.rbegin(); it != children.rend(); ++it)
        if ((*it)->isVisible())
            return *it;
    return nullptr;
}

void ClipTurnRows::play(const ClipRow& row)
{
    SCOPED_TRACE(row.name);
    playerCalls->clear();
    g.PlayMode = row.mode.mode;
    g.PlayModeNumber = row.mode.number;
    g.InputDevice = row.device;
    g.AcceptanceTime = row.acceptanceMs;
    g.CurrentClip = 1;
    TurnEnd end{};
    act_out(row.script, [&](const TurnParts& parts, const QStringList& script) {
        const auto first = row.stills ? ClipTurn::FirstFrame::Stills : ClipTurn::FirstFrame::PlayerFrames;
        const char* const clips[] = {"alpha", "beta", "gamma"};
        for (int clip = 0;; clip = end == TurnEnd::Replay ? clip : (clip + 1) % 3) {
            end = ClipTurn(parts, first).play(QString(clips[clip]));
            if (end != TurnEnd::Leave && !areaAfterTurn.isEmpty()) {
                EXPECT_EQ(parts.stage.pictures().Background.picture().image().size(), areaAfterTurn)
                    << "the normal layout is back for the next turn";
            }
            if (script.isEmpty() || (end != TurnEnd::Next && end != TurnEnd::Replay))
                break;
        }
    });
    EXPECT_EQ(int(end), int(row.end));
    EXPECT_EQ(turn.lines.join(", ").toStdString(), row.events);
    if (row.calls) {
        EXPECT_EQ(playerCalls->join(", ").toStdString(), row.calls);
    }
}

void ClipTurnRows::act_out(const char* steps,
                           const std::function<void(const TurnParts&, const QStringList&)>& run)
{
    turn.lines.clear();
    sound.played.clear();
    ports.hold(1, false);  // a switch held at the end of one row is not held in the next
    observers.insert(observers.begin(), {&turn, &protocol});
    protocol.reset();
    BareStage bare(g, *this, realPorts);
    // The hand's clicks among the turn's lines.
    sound.onPlay = [this] {
        if (sound.played.last().endsWith("aobj_clk.wav"))
            turn.lines << "click";
    };
    const auto restore = qScopeGuard([this] {
        sound.onPlay = nullptr;
        observers.erase(observers.begin(), observers.begin() + 2);
    });
    TurnInput& input = bare.input;

    const auto key = [&](int code, bool down, bool repeat = false, ulong timestamp = 0) {
        QKeyEvent event(down ? QEvent::KeyPress : QEvent::KeyRelease, code, Qt::NoModifier, QString(),
                        repeat);
        event.setTimestamp(timestamp);
        down ? void(input.key_press(event)) : input.key_release(event);
    };
    const auto hold = [&](bool down) {
        if (learnerSwitch)
            learnerSwitch(down);
        else if (g.InputDevice == 6)
            down ? input.mouse_down(TurnInput::MouseTarget::OverForm)
                 : input.mouse_up(TurnInput::MouseTarget::OverForm);
        else if (g.InputDevice == 7)
            key(Qt::Key_Space, down);
        else
            ports.hold(g.InputDevice, down);
    };
    const auto act = [&](const QString& what) {
        if (what == "press" || what == "down")
            hold(true);
        if (what == "press" || what == "up")
            hold(false);
        if (what == "time")
            clock.now += 60000;
        if (what == "tick")
            clock.now += g.ScanTime;
        if (what.startsWith("dwell"))
            input.dwell_completed(what.back().digitValue());
        if (what == "repeat") {
            key(Qt::Key_Space, false);
            QTimer::singleShot(0, [&] { key(Qt::Key_Space, true, true); });
        }
        if (what == "pairs")
            for (const ulong at : {400ul, 430ul})
                key(Qt::Key_Space, false, false, at), key(Qt::Key_Space, true, false, at);
        if (moreActs.count(what))
            moreActs[what]();
        if (what == "press2" || what == "a" || what == "r" || what == "esc") {
            const int code = what == "press2" ? Qt::Key_Return
                : what == "a"                 ? Qt::Key_A
                : what == "r"                 ? Qt::Key_R
                                              : Qt::Key_Escape;
            key(code, true), key(code, false);
        }
    };
    QStringList script = QString(steps).split(u' ', Qt::SkipEmptyParts);
    // A step that never comes fails the row rather than hanging the test.
    QTimer::singleShot(12000, &bare.host, [&] { input.request_leave(); });
    QTimer driver;
    bool seen = false;
    QElapsedTimer sinceStep;
    sinceStep.start();
    qsizetype heard = 0;  // sounds played by the step before
    QObject::connect(&driver, &QTimer::timeout, [&] {
        if (script.isEmpty())
            return;
        const QString last = turn.lines.isEmpty() ? QString() : turn.lines.last();
        bool now = false;
        for (const QString& alternative : script.front().section(u':', 0, 0).split(u'|')) {
            const QString when = alternative.section(u'+', 0, 0);
            // A name counts only when heard in the first wait since the step before.
            const bool named = turn.awaiting == 1 && sound.played.size() > heard
                && sound.played.last().endsWith(when + ".wav");
            now = now
                || ((when == "playing"            ? last.startsWith("started")
                         : when == "cross"        ? last == "cross"
                         : when == "later"        ? sinceStep.elapsed() >= 100
                         : when.front().isDigit() ? turn.awaiting == when.toInt()
                                                  : named)
                    && sinceStep.elapsed() >= alternative.section(u'+', 1).toInt());
        }
        // A step acts on the second tick to find its moment: the turn has
        // read its input in that moment at least once (an acceptance time
        // runs from there).
        if (!now || !std::exchange(seen, true)) {
            seen = now;
            return;
        }
        seen = false;
        sinceStep.start();
        heard = sound.played.size();
        if (turn.awaiting == 3) {
            EXPECT_EQ(bare.stage.player().play_state(), VideoPlayer::Held)
                << "the clip waits for a press, held";
        }
        for (const QString& what : script.takeFirst().section(u':', 1).split(u'+'))
            act(what);
    });
    driver.start(2);
    run(TurnParts{g, bare.stage, bare.waits, input, bare.events, bare.leftOut, clock, sound}, script);
    bare.events.left();
    protocol.finish();
    turn.lines.removeLast();  // the run's end, with its time
    EXPECT_TRUE(script.isEmpty()) << "never came: " << script.join(u' ').toStdString();
}

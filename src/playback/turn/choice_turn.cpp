#include "playback/turn/choice_turn.h"

#include "media/monotonic_clock.h"
#include "media/sound.h"
#include "playback/input_device.h"
#include "playback/turn/clip_turn.h"
#include "playback/turn/left_out_clips.h"
#include "playback/turn/turn_waits.h"
#include "playback/turn_events.h"
#include "playback/turn_input.h"
#include "state/clip_list.h"
#include "state/globvars.h"

#include <QScopeGuard>

namespace {
// Each side has its light this many times before the scan stops and waits.
constexpr int ScanRounds = 3;

ChoiceSide side_of(int side)
{
    return side == 0 ? ChoiceSide::Left : ChoiceSide::Right;
}
}  // namespace

ChoiceTurn::ChoiceTurn(const TurnParts& parts, bool stills)
    : p_(parts)
    , stills_(stills)
    , scan_(ChoiceMethod(parts.g.ChoiceMethod), parts.g.ScanTime, ScanRounds)
{
    scanTimer_.setSingleShot(true);
    scanTimer_.setTimerType(Qt::PreciseTimer);
    QObject::connect(&scanTimer_, &QTimer::timeout, [this] { scan_time(); });
}

QString ChoiceTurn::file(int side, const QString& suffix) const
{
    return clip_file_path(p_.g, (side == 0 ? pair_.left : pair_.right) + suffix);
}

void ChoiceTurn::speak(int side)
{
    play_sound(p_.sound, file(side, QStringLiteral(".wav")).chopped(4), QStringLiteral("DONT_LOOP"));
}

TurnEnd ChoiceTurn::play(const ClipPair& pair)
{
    pair_ = pair;
    const auto endTurn = qScopeGuard([this] {
        scanTimer_.stop();
        p_.waits.stop_prompt();
    });
    if (!p_.waits.yield())
        return TurnEnd::Leave;
    // Neither clip is the current one until it is taken: the offer's records
    // name both in the choice.
    p_.g.CurrentClip = 0;
    p_.stage.draw_backdrop();
    for (int side : {0, 1}) {
        QString unreadable;
        if (!p_.stage.load_choice(side, file(side, QStringLiteral(".jpg")),
                                  file(side, QStringLiteral("_first.jpg")), unreadable)) {
            leftOut_ = side == 0 ? pair.left : pair.right;
            p_.leftOut.add(leftOut_, unreadable.mid(unreadable.lastIndexOf(u'/') + 1));
            return TurnEnd::LeftOut;
        }
    }
    // Offered one at a time, each as its name is heard.
    for (int side : {0, 1}) {
        p_.stage.show_choice(side, PlaybackStage::CardLight::Framed);
        speak(side);
    }
    if (!p_.waits.yield())
        return TurnEnd::Leave;

    int64_t offerMs = p_.clock.now_ms();
    scan_.offer(offerMs);
    show_lights();
    ChoiceAction action;
    WaitResult result{};
    do {
        start_scan_timer();
        result = p_.waits.response(WaitPhase::BeforeClip);
        scanTimer_.stop();
        p_.input.set_wait_phase(WaitPhase::None);
        if (result.kind == WaitResult::Kind::Skip) {
            p_.stage.clear_after_skip();
            return TurnEnd::Next;
        }
        if (result.kind != WaitResult::Kind::Response)
            return TurnEnd::Leave;
        const std::optional<ChoiceSide> dwelledOn = result.switchNumber == DwellSwitch
            ? std::optional(side_of(p_.input.dwell_target()))
            : std::nullopt;
        action = scan_.press(result.switchNumber, dwelledOn, result.atMs);
        // A press made just before the light moved, seen only after it (the
        // spoken name holds the event loop), takes the side it was made on.
        const int64_t pressedMs = result.atMs - p_.input.response_held_ms();
        if (action.kind == ChoiceAction::Take && movedFrom_ && pressedMs < movedAtMs_)
            action.side = *movedFrom_;
        if (action.kind == ChoiceAction::Restart) {
            offerMs = result.atMs;  // a new offer: its time runs from here
            movedFrom_.reset();
        }
        if (action.kind == ChoiceAction::Move || action.kind == ChoiceAction::Restart) {
            show_lights();
            speak(*scan_.lit() == ChoiceSide::Left ? 0 : 1);
        }
    } while (action.kind != ChoiceAction::Take);

    const int taken = action.side == ChoiceSide::Left ? 0 : 1;
    const QString& clip = taken == 0 ? pair.left : pair.right;
    p_.events.choice_made(pair.left, pair.right, action.side, result.switchNumber, result.atMs - offerMs);
    for (int i = 1; i <= p_.g.ClipCount; ++i)
        if (p_.g.ClipList[size_t(i)] == clip)
            p_.g.CurrentClip = int16_t(i);
    // The hand answers at once, as for any press, over the card taken: the
    // cards stay as they are until the clip's first still covers them.
    p_.stage.move_hand_over_card(taken);
    const TurnEnd end =
        ClipTurn(p_, stills_ ? ClipTurn::FirstFrame::Stills : ClipTurn::FirstFrame::PlayerFrames)
            .play_taken(clip);
    if (end == TurnEnd::LeftOut)
        leftOut_ = clip;
    return end;
}

void ChoiceTurn::show_lights()
{
    const std::optional<ChoiceSide> lit = scan_.lit();
    for (int side : {0, 1}) {
        using Light = PlaybackStage::CardLight;
        // Two switches light nothing: both sides stand framed, ready.
        const Light light = ChoiceMethod(p_.g.ChoiceMethod) == ChoiceMethod::TwoSwitches ? Light::Framed
            : lit == side_of(side)                                                       ? Light::Lit
                                                                                         : Light::Plain;
        p_.stage.show_choice(side, light);
    }
}

void ChoiceTurn::start_scan_timer()
{
    if (const std::optional<int64_t> due = scan_.next_move_ms())
        scanTimer_.start(int(std::max<int64_t>(*due - p_.clock.now_ms(), 0)));
}

void ChoiceTurn::scan_time()
{
    const std::optional<ChoiceSide> before = scan_.lit();
    const bool moved = scan_.advance(p_.clock.now_ms());
    if (moved) {
        movedFrom_ = before;
        movedAtMs_ = p_.clock.now_ms();
    }
    show_lights();
    if (moved)
        speak(*scan_.lit() == ChoiceSide::Left ? 0 : 1);
    // Stopped after its rounds, the scan waits for a press to start again.
    start_scan_timer();
}

QString play_choices(const TurnParts& parts, bool stills)
{
    QStringList clips;
    for (int i = 1; i <= parts.g.ClipCount; ++i)
        clips << parts.g.ClipList[size_t(i)];
    ChoicePairs pairs(clips);
    std::optional<ClipPair> pair;
    TurnEnd end = TurnEnd::Next;
    while (!parts.waits.leaving()) {
        if (end != TurnEnd::Replay || !pair)
            pair = pairs.next();
        if (!pair)
            return QStringLiteral("Choose One of Two needs at least two clips that can be played, and the "
                                  "chosen categories have fewer. Choose more categories or add clips, or "
                                  "choose another play mode.");
        // A clip that cannot be shown is offered no more.
        bool usable = true;
        for (const QString& clip : {pair->left, pair->right})
            if (!parts.leftOut.files_usable(parts.g, clip, stills)) {
                pairs.leave_out(clip);
                usable = false;
            }
        if (!usable) {
            end = TurnEnd::LeftOut;
            continue;
        }
        ChoiceTurn turn(parts, stills);
        end = turn.play(*pair);
        if (end == TurnEnd::LeftOut)
            pairs.leave_out(turn.left_out_clip());
        (void)parts.waits.yield();
        if (end == TurnEnd::Leave)
            break;
    }
    return {};
}

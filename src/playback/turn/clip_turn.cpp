#include "playback/turn/clip_turn.h"

#include "media/monotonic_clock.h"
#include "media/playback_layout.h"
#include "media/sound.h"
#include "media/video_player.h"
#include "playback/play_mode_gate.h"
#include "playback/playback_stage.h"
#include "playback/turn/left_out_clips.h"
#include "playback/turn/turn_waits.h"
#include "playback/turn_events.h"
#include "playback/turn_input.h"
#include "state/clip_list.h"
#include "state/globvars.h"
#include "state/play_mode.h"

#include <QScopeGuard>
#include <optional>

ClipTurn::ClipTurn(const TurnParts& parts, FirstFrame firstFrame)
    : p_(parts)
    , stills_(firstFrame == FirstFrame::Stills)
{
}

QString ClipTurn::file(const QString& suffix) const
{
    return clip_file_path(p_.g, clip_ + suffix);
}

std::optional<TurnEnd> ClipTurn::stack_stills()
{
    QString unreadable;
    if (p_.stage.stack_stills(file(QStringLiteral("_first.jpg")), file(QStringLiteral("_last.jpg")),
                              unreadable))
        return std::nullopt;
    return left_out(clip_ + unreadable.mid(unreadable.lastIndexOf(clip_) + clip_.size()));
}

TurnEnd ClipTurn::play(const QString& clip)
{
    clip_ = clip;
    // Every way out of the turn leaves the prompt timer off.
    const auto endTurn = qScopeGuard([this] { p_.waits.stop_prompt(); });
    VideoPlayer& player = p_.stage.player();

    player.set_auto_start(stills_);
    if (!p_.waits.yield())
        return TurnEnd::Leave;
    if (stills_) {
        if (const std::optional<TurnEnd> ended = stack_stills())
            return *ended;
    } else {
        p_.stage.place_player_normal();
        player.set_visible(false);
    }
    p_.stage.set_label_count(1);
    if (!p_.stage.load_label(0, file(QStringLiteral(".jpg"))))
        return left_out(clip + QStringLiteral(".jpg"));
    if (!stills_)
        player.set_file_name(file(QStringLiteral(".mpg")));
    p_.stage.wipe_label_in(0);
    play_sound(p_.sound, file(QStringLiteral(".wav")).chopped(4), QStringLiteral("DONT_LOOP"));
    if (!p_.waits.yield())
        return TurnEnd::Leave;
    // A clip that cannot be opened has said so by now: the learner is not
    // asked to press for it.
    if (!stills_ && !player.failure().isEmpty())
        return player_failed();
    p_.stage.draw_backdrop_and_labels();
    if (!stills_) {
        player.play();
        player.pause();
    }

    PlayModeGate gate(play_mode(p_.g));
    const WaitResult before = wait_before_clip(gate);
    // A skipped clip stays open and held until the next turn opens its own.
    if (before.kind == WaitResult::Kind::Skip) {
        p_.stage.clear_after_skip();
        return TurnEnd::Next;
    }
    if (before.kind != WaitResult::Kind::Response)
        return TurnEnd::Leave;
    respond_with_hand();
    if (const std::optional<TurnEnd> ended = play_clip(gate))
        return *ended;
    return after_clip();
}

TurnEnd ClipTurn::play_taken(const QString& clip)
{
    clip_ = clip;
    const auto endTurn = qScopeGuard([this] { p_.waits.stop_prompt(); });
    VideoPlayer& player = p_.stage.player();
    player.set_auto_start(stills_);
    respond_with_hand();
    if (stills_) {
        if (const std::optional<TurnEnd> ended = stack_stills())
            return *ended;
    } else {
        p_.stage.place_player_normal();
        p_.stage.player_box().show();
        player.set_file_name(file(QStringLiteral(".mpg")));
        if (!p_.waits.yield())
            return TurnEnd::Leave;
        if (!player.failure().isEmpty())
            return player_failed();
        player.play();
        player.pause();
    }
    // The choice takes the place of the play mode: one press, the whole clip.
    PlayModeGate gate({PressAndLetGo, 0});
    if (const std::optional<TurnEnd> ended = play_clip(gate))
        return *ended;
    return after_clip();
}

WaitResult ClipTurn::wait_before_clip(PlayModeGate& gate)
{
    // The phase stays through the hand between presses: a press then is one
    // made before the clip.
    p_.input.set_wait_phase(WaitPhase::BeforeClip);
    const int count = gate.presses_to_start();
    if (count > 1)
        p_.stage.show_progress(0, count);
    // Where holding is the response, a switch held through the spoken name
    // starts the clip; elsewhere every press must be a fresh one.
    const WaitTakes takes = gate.follows_switch() ? WaitTakes::HeldSwitch : WaitTakes::FreshPress;
    WaitResult result{};
    // The clip's cue is the first wait's: the first press is the learner's
    // response to it, the later ones go on counting from it.
    std::optional<CountGoesOn> counting;
    for (;;) {
        result = p_.waits.response(WaitPhase::BeforeClip, takes, counting ? &*counting : nullptr);
        if (result.kind != WaitResult::Kind::Response)
            break;
        if (!counting)
            counting = CountGoesOn{result.cueMs, 1, count};
        ++counting->press;
        const bool starts = gate.press_starts_clip();
        if (count > 1)
            p_.stage.show_progress(gate.presses_made(), count);
        if (starts)
            break;
        p_.stage.press_hand(PressDistance, p_.g.DataFolder + QStringLiteral("aobj_clk"));
    }
    p_.input.set_wait_phase(WaitPhase::None);
    return result;
}

void ClipTurn::respond_with_hand()
{
    p_.stage.press_hand(PressDistance, p_.g.DataFolder + QStringLiteral("aobj_clk"));
    p_.stage.remove_progress();
}

std::optional<TurnEnd> ClipTurn::play_clip(PlayModeGate& gate)
{
    VideoPlayer& player = p_.stage.player();
    const bool enlarged = p_.stage.enlarges();
    if (stills_) {
        // The first still stays in front until the clip really shows.
        p_.stage.show_player_on_first_frame();
        if (enlarged)
            p_.stage.enlarge_player();
        player.set_file_name(file(QStringLiteral(".mpg")));
    } else if (enlarged) {
        p_.stage.enlarge_player();
    }
    if (enlarged && !p_.waits.yield())
        return TurnEnd::Leave;
    if (!stills_)
        player.play();
    gate.play_from(p_.clock.now_ms());
    // The player's own frames: the clip is under way from the press. Stills:
    // from the player's first report of playing. A clip still opening is
    // waited for: it begins, or the player gives it up.
    bool started = !stills_;
    if (started)
        p_.events.clip_started(clip_);
    for (;;) {
        const int16_t first = player.play_state(), second = player.play_state();
        if (!started && second == VideoPlayer::Playing) {
            started = true;
            p_.events.clip_started(clip_);
        }
        if (stills_ ? first != VideoPlayer::Waiting && second != VideoPlayer::Playing
                    : second != VideoPlayer::Playing && second != VideoPlayer::Waiting)
            break;
        // Each pass sleeps until the player or the learner has something new.
        const WaitResult pass = p_.waits.while_playing(gate, player);
        // Over the stills, leaving stops the clip; the player's own frames
        // play to the end unless the mode holds them.
        if (stills_ && p_.waits.leaving()) {
            player.stop();
            player.set_file_name(QString());
            return TurnEnd::Leave;
        }
        if (pass.kind == WaitResult::Kind::HoldEnd)
            if (const std::optional<TurnEnd> ended = hold_until_played_on(gate))
                return ended;
    }
    p_.stage.forget_first_frame();
    // A clip the player gave up is told as left out, not as ended; over the
    // stills, before leaving.
    const bool failed = !player.failure().isEmpty();
    if (stills_ && failed)
        return player_failed();
    // A clip that never showed a moving frame (it has none) was not told as
    // started, so it is not told as ended either.
    if (!failed && started)
        p_.events.clip_ended(clip_, gate.played_ms(p_.clock.now_ms()));
    if (stills_)
        p_.stage.show_last_still();
    if (p_.waits.leaving())
        return TurnEnd::Leave;
    if (failed)
        return player_failed();
    if (enlarged) {
        p_.stage.restore_normal_layout();
        if (!p_.waits.yield())
            return TurnEnd::Leave;
        p_.stage.draw_backdrop_and_labels();
    }
    return std::nullopt;
}

std::optional<TurnEnd> ClipTurn::hold_until_played_on(PlayModeGate& gate)
{
    VideoPlayer& player = p_.stage.player();
    player.hold_here();
    p_.events.clip_paused(clip_, gate.played_ms(p_.clock.now_ms()));
    do {
        // Leaving asked for while the clip played: nothing more to wait for.
        if (p_.waits.leaving())
            return TurnEnd::Leave;
        const WaitResult result = p_.waits.response(WaitPhase::HeldClip);
        p_.input.set_wait_phase(WaitPhase::None);
        if (result.kind != WaitResult::Kind::Response) {
            if (result.kind != WaitResult::Kind::Leave)
                end_early();
            return end_of(result);
        }
        respond_with_hand();
        // A switch let go during the hand holds the clip again at once.
        p_.waits.poll(false);
        gate.play_from(p_.clock.now_ms());
    } while (gate.must_hold(p_.waits.switch_held_now(), p_.clock.now_ms()));
    player.play();
    return std::nullopt;
}

TurnEnd ClipTurn::after_clip()
{
    const WaitResult result = p_.waits.response(WaitPhase::AfterClip);
    p_.input.set_wait_phase(WaitPhase::None);
    p_.stage.blank_labels();
    p_.stage.place_player_normal();
    return end_of(result);
}

TurnEnd ClipTurn::end_of(const WaitResult& result)
{
    switch (result.kind) {
    case WaitResult::Kind::Replay: return TurnEnd::Replay;
    case WaitResult::Kind::Leave: return TurnEnd::Leave;
    default: return TurnEnd::Next;
    }
}

TurnEnd ClipTurn::left_out(const QString& file, const QString& why)
{
    p_.leftOut.add(clip_, file, why);
    return TurnEnd::LeftOut;
}

TurnEnd ClipTurn::player_failed()
{
    const QString why = p_.stage.player().failure();
    end_early();
    return left_out(clip_ + QStringLiteral(".mpg"), why);
}

void ClipTurn::end_early()
{
    if (p_.stage.enlarged())
        p_.stage.restore_normal_layout();
    p_.stage.clear_after_skip();
    p_.stage.place_player_normal();
}

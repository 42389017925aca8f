#pragma once
// Hands every event of a run to each observer given, in the order given.

#include "playback/turn_observer.h"

#include <vector>

class TurnEvents final : public TurnObserver {
public:
    explicit TurnEvents(std::vector<TurnObserver*> observers)
        : observers_(std::move(observers))
    {
    }

    void wait_began(WaitPhase phase) override { each(&TurnObserver::wait_began, phase); }
    void prompt_played() override { each(&TurnObserver::prompt_played); }
    void cross_shown() override { each(&TurnObserver::cross_shown); }
    void response_taken(WaitPhase phase, int switchNumber, int64_t msSinceCue, int64_t heldMs) override
    {
        each(&TurnObserver::response_taken, phase, switchNumber, msSinceCue, heldMs);
    }
    void count_wait_began(WaitPhase phase) override { each(&TurnObserver::count_wait_began, phase); }
    void count_press_taken(WaitPhase phase, int switchNumber, int64_t msSinceCue, int64_t heldMs, int press,
                           int needed) override
    {
        each(&TurnObserver::count_press_taken, phase, switchNumber, msSinceCue, heldMs, press, needed);
    }
    void response_held_before_cue(WaitPhase phase, int switchNumber, int64_t heldMs) override
    {
        each(&TurnObserver::response_held_before_cue, phase, switchNumber, heldMs);
    }
    void press_ignored(WaitPhase phase, int switchNumber, int64_t atMs) override
    {
        each(&TurnObserver::press_ignored, phase, switchNumber, atMs);
    }
    void press_let_go(int switchNumber, int64_t heldMs) override
    {
        each(&TurnObserver::press_let_go, switchNumber, heldMs);
    }
    void clip_started(const QString& clip) override { each(&TurnObserver::clip_started, clip); }
    void clip_ended(const QString& clip, int64_t playedMs) override
    {
        each(&TurnObserver::clip_ended, clip, playedMs);
    }
    void clip_paused(const QString& clip, int64_t playedMs) override
    {
        each(&TurnObserver::clip_paused, clip, playedMs);
    }
    void skip(WaitPhase phase) override { each(&TurnObserver::skip, phase); }
    void replay() override { each(&TurnObserver::replay); }
    void leave(WaitPhase phase) override { each(&TurnObserver::leave, phase); }
    void left() override { each(&TurnObserver::left); }
    void choice_made(const QString& left, const QString& right, ChoiceSide side, int switchNumber,
                     int64_t msSinceOffer) override
    {
        each(&TurnObserver::choice_made, left, right, side, switchNumber, msSinceOffer);
    }
    void clip_left_out(const QString& clip, const QString& file, const QString& why) override
    {
        each(&TurnObserver::clip_left_out, clip, file, why);
    }

private:
    template <typename... Params, typename... Args>
    void each(void (TurnObserver::*event)(Params...), const Args&... args)
    {
        for (TurnObserver* observer : observers_)
            (observer->*event)(args...);
    }

    std::vector<TurnObserver*> observers_;
};

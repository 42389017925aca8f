#pragma once
// How a learner takes one of two choices, as logic without a window: which
// side is lit, when the light moves on, and what a press or a dwell does.

#include "state/preferences.h"

#include <cstdint>
#include <optional>

// How the learner chooses; the values are kept in the options.
enum class ChoiceMethod : int16_t {
    TwoSwitches = 1,  // switch 1 takes the left, switch 2 the right
    Scanning = 2,  // the light moves by itself; any press takes the lit side
    StepScanning = 3,  // switch 1 moves the light, switch 2 takes it
};

// What the turn does with an input.
struct ChoiceAction {
    enum Kind { Nothing, Take, Move, Restart } kind = Nothing;
    ChoiceSide side = ChoiceSide::Left;  // Take: the side taken

    bool operator==(const ChoiceAction&) const = default;
};

class ChoiceScan {
public:
    // stepMs: how long the light stays on a side while scanning; rounds: how
    // many times it goes over both sides before it stops and waits.
    ChoiceScan(ChoiceMethod method, int64_t stepMs, int rounds = 3);

    // The offer is on screen: the light starts on the left (both methods that
    // light a side), and the scan's time starts now.
    void offer(int64_t nowMs);

    // The lit side; none with two switches or when the scan has stopped.
    std::optional<ChoiceSide> lit() const;

    // Moves the light when its time has come. True when it moved, so the
    // side's name is spoken with it.
    bool advance(int64_t nowMs);

    // When the light moves next, for the turn's timer; none when it waits
    // for a press.
    std::optional<int64_t> next_move_ms() const;

    // A press of switch 1 or 2, or a dwell on a side (dwellSide).
    ChoiceAction press(int switchNumber, std::optional<ChoiceSide> dwellSide, int64_t nowMs);

private:
    void light(ChoiceSide side, int64_t nowMs);

    ChoiceMethod method_;
    int64_t stepMs_;
    int steps_;  // moves in the rounds before the scan stops
    std::optional<ChoiceSide> lit_;
    int moves_ = 0;
    int64_t litAtMs_ = 0;
};

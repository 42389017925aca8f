#include "playback/turn/choice_scan.h"

namespace {

ChoiceSide other(ChoiceSide side)
{
    return side == ChoiceSide::Left ? ChoiceSide::Right : ChoiceSide::Left;
}

}  // namespace

ChoiceScan::ChoiceScan(ChoiceMethod method, int64_t stepMs, int rounds)
    : method_(method)
    , stepMs_(stepMs)
    , steps_(2 * rounds - 1)
{
}

void ChoiceScan::offer(int64_t nowMs)
{
    moves_ = 0;
    if (method_ == ChoiceMethod::TwoSwitches)
        lit_.reset();
    else
        light(ChoiceSide::Left, nowMs);
}

std::optional<ChoiceSide> ChoiceScan::lit() const
{
    return lit_;
}

void ChoiceScan::light(ChoiceSide side, int64_t nowMs)
{
    lit_ = side;
    litAtMs_ = nowMs;
}

std::optional<int64_t> ChoiceScan::next_move_ms() const
{
    if (method_ != ChoiceMethod::Scanning || !lit_)
        return std::nullopt;
    return litAtMs_ + stepMs_;
}

bool ChoiceScan::advance(int64_t nowMs)
{
    const auto due = next_move_ms();
    if (!due || nowMs < *due)
        return false;
    // Each side has had its time `rounds` times: the light goes out and the
    // scan waits for a press to start it again.
    if (moves_ == steps_) {
        lit_.reset();
        return false;
    }
    ++moves_;
    // Timed from when the move was due, so a late pass of the event loop
    // does not make the scan drift.
    light(other(*lit_), *due);
    return true;
}

ChoiceAction ChoiceScan::press(int switchNumber, std::optional<ChoiceSide> dwellSide, int64_t nowMs)
{
    // Looking at a choice takes it, whatever the method.
    if (dwellSide)
        return {ChoiceAction::Take, *dwellSide};
    switch (method_) {
    case ChoiceMethod::TwoSwitches:
        return {ChoiceAction::Take, switchNumber == 2 ? ChoiceSide::Right : ChoiceSide::Left};
    case ChoiceMethod::Scanning:
        if (lit_)
            return {ChoiceAction::Take, *lit_};
        offer(nowMs);
        return {ChoiceAction::Restart};
    case ChoiceMethod::StepScanning:
        if (switchNumber == 2)
            return {ChoiceAction::Take, lit_.value_or(ChoiceSide::Left)};
        light(other(lit_.value_or(ChoiceSide::Right)), nowMs);
        return {ChoiceAction::Move, *lit_};
    }
    return {};
}

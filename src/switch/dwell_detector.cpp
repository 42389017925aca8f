#include "switch/dwell_detector.h"

#include <algorithm>
#include <cmath>

double dwell_wobble_distance(const QSize& screen)
{
    const double scale = std::min(screen.width() / 1024.0, screen.height() / 768.0);
    return 40.0 * std::max(scale, 0.25);
}

DwellDetector::DwellDetector(int dwellMs, double wobble)
    : dwellMs_(std::max(dwellMs, 1))
    , wobble_(wobble)
{
}

void DwellDetector::set_target(const QRect& target)
{
    target_ = target;
    if (started_ && !counts_at(anchor_))
        started_.reset();
}

void DwellDetector::set_excluded(const QRect& excluded)
{
    excluded_ = excluded;
    if (started_ && !counts_at(anchor_))
        started_.reset();
}

bool DwellDetector::counts_at(const QPoint& pos) const
{
    return target_.contains(pos) && !excluded_.contains(pos);
}

bool DwellDetector::beyond_wobble(const QPoint& a, const QPoint& b) const
{
    const QPoint d = a - b;
    return std::hypot(double(d.x()), double(d.y())) > wobble_;
}

bool DwellDetector::pointer_at(const QPoint& pos, int64_t nowMs)
{
    pointer_ = pos;
    pointerKnown_ = true;
    if (!counts_at(pos)) {
        started_.reset();
        fresh_ = true;
        return false;
    }
    if (!fresh_) {
        if (!beyond_wobble(pos, spent_))
            return false;
        fresh_ = true;
    }
    if (!started_ || beyond_wobble(pos, anchor_)) {
        started_ = nowMs;
        anchor_ = pos;
    }
    return complete(nowMs);
}

void DwellDetector::pointer_left()
{
    pointerKnown_ = false;
    started_.reset();
    fresh_ = true;
}

void DwellDetector::pointer_passing(const QPoint& pos)
{
    pointer_ = pos;
    pointerKnown_ = true;
    started_.reset();
    if (!counts_at(pos) || beyond_wobble(pos, spent_))
        fresh_ = true;
}

bool DwellDetector::tick(int64_t nowMs)
{
    return started_ && complete(nowMs);
}

void DwellDetector::hold_off()
{
    started_.reset();
    if (pointerKnown_ && counts_at(pointer_)) {
        fresh_ = false;
        spent_ = pointer_;
    }
}

bool DwellDetector::complete(int64_t nowMs)
{
    if (nowMs - *started_ < dwellMs_)
        return false;
    started_.reset();
    fresh_ = false;
    spent_ = pointer_;
    return true;
}

double DwellDetector::progress(int64_t nowMs) const
{
    if (!started_)
        return 0;
    return std::clamp(double(nowMs - *started_) / dwellMs_, 0.0, 1.0);
}

std::optional<int64_t> DwellDetector::due_ms() const
{
    if (!started_)
        return std::nullopt;
    return *started_ + dwellMs_;
}

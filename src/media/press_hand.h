#pragma once
// The pressing hand: a masked sprite moved down by distance pixels and back,
// one frame per step, with a sound at the lowest point.

#include "media/blit_rect.h"
#include "media/kill_time.h"
#include "media/picture.h"

#include <QString>
#include <cstdint>

class SoundOutput;

// sprite and mask locate the hand and its mask in source (mask black on the
// hand, white elsewhere; hand black around it); sprite's x, y is where the
// hand rests on target. save and composition are work buffers at least
// sprite width wide and sprite height + distance high. Each frame repaints
// the rectangle (x, y, sprite width, sprite height + distance) of target in
// one transfer and is followed by kill_time(delay); the frame counter moves by
// increment. sound (without ".wav") plays once on output at the lowest point. Returns
// with the hand back at rest over black in rows y .. y + sprite height.
void press_hand(const BlitRect& sprite, const BlitRect& mask, int16_t unused, int16_t distance,
                const Picture& source, Picture& target, Picture& save, Picture& composition,
                const double& delay, const int16_t& increment, const QString& sound, SoundOutput& output);

// The same, with pace(delay) in place of kill_time(delay).
void press_hand_paced(const BlitRect& sprite, const BlitRect& mask, int16_t distance, const Picture& source,
                      Picture& target, Picture& save, Picture& composition, double delay, int16_t increment,
                      const QString& sound, SoundOutput& output, const Pacer& pace);

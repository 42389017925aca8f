// The pressing hand: the hand on black in the top rows, its mask below
// (black where the hand is, white elsewhere).
#pragma once

#include <QImage>

// Column of the fingertip in the hand picture.
inline constexpr int FingertipX = 155;

// 184 x 180: hand in rows 0-88, row 89 black, mask in rows 90-178, row 179 white.
QImage make_hand_picture();

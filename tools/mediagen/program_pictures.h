// The program's own pictures besides the backdrops and the hand.
#pragma once

#include <QImage>

QImage make_title_banner();  // about 600 x 250
QImage make_calibration_card();  // a stopwatch card, 120 x 90
QImage make_timer_frame(double t);  // a frame of the calibration clip
QImage make_blank_pointer();  // a fully transparent 32 x 32 pointer

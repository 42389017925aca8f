// The two playback backdrops: a TV set and a cinema, each with the switch
// that the hand presses.
#pragma once

#include <QImage>

QImage make_tv_backdrop();
QImage make_theater_backdrop();

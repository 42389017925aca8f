// The program's own sounds besides speech.
#pragma once

#include "wav_file.h"

Sound make_gong();  // about 2 s, inharmonic partials dying away slowly
Sound make_click();  // a short, crisp click
Sound make_timer_track(double seconds);  // soft ticks for the calibration clip

#pragma once
// The mark that shows a dwell coming on: a big plain ring centred on the
// pointer that fills clockwise from the top. A black edge around a white track
// and a yellow fill keep it plain to see on the TV set's black surround, on
// the theater's dark curtains and on any picture.

#include <QPoint>
#include <QRect>
#include <QSize>

class QPainter;

// The ring's outer radius for a window of this size: about 44 pixels at 768
// high, so it is large without hiding the picture under it.
int dwell_mark_radius(const QSize& window);

// Everything the mark paints at centre, to repaint when it changes.
QRect dwell_mark_area(const QPoint& centre, int radius);

// progress 0..1: how much of the ring is filled.
void paint_dwell_mark(QPainter& painter, const QPoint& centre, int radius, double progress);

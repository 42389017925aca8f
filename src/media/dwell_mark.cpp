#include "media/dwell_mark.h"

#include <QPainter>
#include <algorithm>

namespace {
const QColor Edge(0, 0, 0);
const QColor Track(255, 255, 255);
const QColor Fill(255, 200, 0);  // the yellow of the presses' progress sign

int ring_width(int radius)
{
    return std::max(6, radius * 2 / 5);
}

int edge_width(int radius)
{
    return std::max(2, radius / 10);
}
}  // namespace

int dwell_mark_radius(const QSize& window)
{
    return std::max(16, window.height() * 44 / 768);
}

QRect dwell_mark_area(const QPoint& centre, int radius)
{
    const int r = radius + edge_width(radius) + 1;  // antialiased edge pixels
    return {centre.x() - r, centre.y() - r, 2 * r + 1, 2 * r + 1};
}

void paint_dwell_mark(QPainter& painter, const QPoint& centre, int radius, double progress)
{
    const int ring = ring_width(radius);
    const int edge = edge_width(radius);
    // The pen is centred on the circle it strokes: the ring lies between
    // radius - ring and radius.
    const double middle = radius - ring / 2.0;
    const QRectF circle(centre.x() - middle, centre.y() - middle, 2 * middle, 2 * middle);

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Edge, ring + 2 * edge));
    painter.drawEllipse(circle);
    painter.setPen(QPen(Track, ring));
    painter.drawEllipse(circle);
    const double filled = std::clamp(progress, 0.0, 1.0);
    if (filled > 0) {
        painter.setPen(QPen(Fill, ring, Qt::SolidLine, Qt::FlatCap));
        // Qt's angles are in sixteenths of a degree, counter-clockwise from 3 o'clock.
        painter.drawArc(circle, 90 * 16, -int(filled * 360 * 16));
    }
    painter.restore();
}

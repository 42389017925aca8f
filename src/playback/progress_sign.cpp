#include "playback/progress_sign.h"

#include <QPainter>
#include <algorithm>

namespace {
constexpr int Length = 340;  // of the column or row, whatever the count
constexpr int Gap = 12;
constexpr int LargestMark = 60;
constexpr int Ring = 5;  // the white ring that keeps an open mark visible on black
const QColor Filled(255, 200, 0);
const QColor Open(30, 30, 30);

int mark_size(int count)
{
    return std::min(LargestMark, (Length + Gap) / std::max(count, 1) - Gap);
}

}  // namespace

QRect progress_mark(int16_t backgroundKind, int index, int count)
{
    const int size = mark_size(count);
    const int span = count * size + (count - 1) * Gap;
    const int along = index * (size + Gap) - span / 2;
    // The black margin left of the TV set; the theater's floor and front seats.
    if (backgroundKind == 1)
        return {60 - size / 2, 300 + along, size, size};
    return {320 + along, 440 - size / 2, size, size};
}

QRect progress_sign_area(int16_t backgroundKind, int count)
{
    QRect area;
    for (int i = 0; i < count; ++i)
        area |= progress_mark(backgroundKind, i, count);
    return area.adjusted(-Ring, -Ring, Ring, Ring);
}

void draw_progress_sign(QImage& background, int16_t backgroundKind, int made, int count)
{
    QPainter painter(&background);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::white, Ring));
    for (int i = 0; i < count; ++i) {
        painter.setBrush(i < made ? Filled : Open);
        painter.drawEllipse(progress_mark(backgroundKind, i, count));
    }
}

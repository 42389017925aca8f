#include "hand_picture.h"

#include "media/playback_layout.h"

#include <QPainter>
#include <QPainterPath>

namespace {

const QColor Skin(255, 206, 160);
const QColor Outline(90, 50, 30);

// The hand on a transparent background: a fist with the index finger
// pointing straight down, its tip on the bottom row at FingertipX.
QImage draw_hand()
{
    QImage hand(HandWidth, HandHeight, QImage::Format_ARGB32_Premultiplied);
    hand.fill(Qt::transparent);
    QPainter p(&hand);
    p.setRenderHint(QPainter::Antialiasing);
    const double fx = FingertipX;

    QPainterPath shape;
    shape.setFillRule(Qt::WindingFill);
    shape.addRoundedRect(QRectF(fx - 44, 8, 70, 50), 18, 18);  // fist
    shape.addEllipse(QRectF(fx - 54, 20, 26, 32));  // thumb
    shape.addRoundedRect(QRectF(fx - 10, 30, 20, HandHeight - 31.5), 10, 10);  // index finger
    shape = shape.simplified();
    p.setPen(QPen(Outline, 2.5));
    p.setBrush(Skin);
    p.drawPath(shape);

    // Curled fingers and the nail.
    p.setPen(QPen(Outline, 1.8, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    for (int k = 0; k < 3; ++k)
        p.drawArc(QRectF(fx + 6, 22 + k * 10, 20, 10), 200 * 16, 140 * 16);
    p.drawArc(QRectF(fx - 40, 30, 22, 16), 30 * 16, 120 * 16);
    p.setBrush(QColor(255, 225, 215));
    p.setPen(QPen(Outline, 1.2));
    p.drawRoundedRect(QRectF(fx - 5.5, HandHeight - 17, 11, 11), 4, 4);

    // A bright sleeve cuff at the wrist.
    p.setPen(QPen(Outline, 2.5));
    p.setBrush(QColor(70, 130, 230));
    p.drawRoundedRect(QRectF(fx - 40, 1.5, 64, 14), 4, 4);
    p.setPen(QPen(QColor(255, 255, 255), 2));
    p.drawLine(QPointF(fx - 36, 9), QPointF(fx + 20, 9));
    return hand;
}

// Black wherever the hand or its edge is, grown by one pixel: JPEG blurs
// edges, and the extra pixel hides the blur under the hand's dark outline.
QImage make_mask(const QImage& hand)
{
    QImage mask(hand.size(), QImage::Format_RGB888);
    mask.fill(Qt::white);
    for (int y = 0; y < hand.height(); ++y)
        for (int x = 0; x < hand.width(); ++x)
            for (int dy = -1; dy <= 1; ++dy)
                for (int dx = -1; dx <= 1; ++dx) {
                    const QPoint q(x + dx, y + dy);
                    if (hand.rect().contains(q) && qAlpha(hand.pixel(q)) > 0)
                        mask.setPixelColor(x, y, Qt::black);
                }
    return mask;
}

}  // namespace

QImage make_hand_picture()
{
    const QImage hand = draw_hand();
    QImage picture(HandWidth, 180, QImage::Format_RGB888);
    picture.fill(Qt::black);
    QPainter p(&picture);
    p.drawImage(0, 0, hand);
    p.drawImage(0, HandMaskRow, make_mask(hand));
    p.fillRect(0, HandMaskRow + HandHeight, HandWidth, picture.height() - HandMaskRow - HandHeight,
               Qt::white);
    return picture;
}

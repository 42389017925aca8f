#include "backdrop_pictures.h"

#include "hand_picture.h"
#include "media/playback_layout.h"
#include "paint_kit.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace {

constexpr int ButtonRadius = 19;
const QColor ScreenDark(14, 16, 26);

// The player's area, in the backdrop picture's coordinates.
QRect screen_of(const BackdropPlace& place)
{
    return place.movie_area.translated(-place.backdrop.topLeft());
}

// The fingertip's lowest point during a press, in the backdrop picture's
// coordinates: the switch is drawn to touch it.
QPoint pressed_fingertip(const BackdropPlace& place)
{
    return place.hand + QPoint(FingertipX, PressDistance + HandHeight - 1) - place.backdrop.topLeft();
}

// A big red push button on a grey collar, its top touching the fingertip at
// the bottom of the press, and small enough to stay inside the marker square.
void paint_switch(QPainter& p, QPoint fingertip)
{
    const QPointF centre(fingertip.x(), fingertip.y() + ButtonRadius);
    p.setPen(QPen(QColor(40, 40, 50), 2));
    p.setBrush(QColor(120, 125, 140));
    p.drawEllipse(centre + QPointF(0, 2), ButtonRadius + 3, ButtonRadius + 3);
    QRadialGradient dome(centre + QPointF(-6, -7), ButtonRadius * 1.6);
    dome.setColorAt(0, QColor(255, 140, 130));
    dome.setColorAt(0.5, QColor(235, 40, 40));
    dome.setColorAt(1, QColor(170, 20, 30));
    p.setBrush(dome);
    p.drawEllipse(centre, ButtonRadius, ButtonRadius);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 170));
    p.drawEllipse(centre + QPointF(-7, -8), 5, 3.5);
}

void paint_dark_screen(QPainter& p, const QRect& screen)
{
    p.setRenderHint(QPainter::Antialiasing, false);
    p.fillRect(screen, ScreenDark);
    p.setRenderHint(QPainter::Antialiasing, true);
}

void paint_curtain(QPainter& p, double left, double right, bool onLeft)
{
    const double inner = onLeft ? right : left;
    const double outer = onLeft ? left : right;
    QPainterPath curtain;
    curtain.moveTo(outer, 0);
    curtain.lineTo(inner, 0);
    curtain.cubicTo(inner, 110, inner + (outer - inner) * 0.55, 170, inner + (outer - inner) * 0.6, 200);
    curtain.cubicTo(inner + (outer - inner) * 0.55, 230, inner, 260, inner - (outer - inner) * 0.05, 292);
    curtain.lineTo(outer, 292);
    curtain.closeSubpath();
    QLinearGradient folds(left, 0, right, 0);
    for (int i = 0; i <= 8; ++i)
        folds.setColorAt(i / 8.0, i % 2 ? QColor(180, 28, 60) : QColor(120, 12, 40));
    p.setPen(QPen(QColor(90, 10, 20), 2));
    p.setBrush(folds);
    p.drawPath(curtain);
    p.setPen(QPen(QColor(120, 80, 20), 1.5));
    p.setBrush(QColor(240, 195, 70));  // the tie-back
    p.drawRoundedRect(QRectF(inner + (outer - inner) * 0.6 - 14, 194, 28, 12), 5, 5);
}

}  // namespace

QImage make_tv_backdrop()
{
    const BackdropPlace& l = TvPlace;
    const QSize size = l.backdrop.size();
    QImage image(size, QImage::Format_RGB888);
    image.fill(Qt::black);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    QLinearGradient wood(0, 0, 0, size.height());
    wood.setColorAt(0, QColor(250, 165, 70));
    wood.setColorAt(1, QColor(215, 120, 45));
    p.setPen(QPen(QColor(110, 60, 25), 3));
    p.setBrush(wood);
    p.drawRoundedRect(QRectF(2, 2, size.width() - 4, size.height() - 4), 22, 22);

    const QRect s = screen_of(l);
    p.setPen(QPen(QColor(120, 125, 140), 2));
    p.setBrush(QColor(205, 210, 222));
    p.drawRoundedRect(QRectF(s.left() - 12, s.top() - 12, s.width() + 24, s.height() + 24), 14, 14);
    paint_dark_screen(p, s);

    // Speaker grille and two knobs on the top panel.
    p.setPen(QPen(QColor(110, 60, 25), 2));
    p.setBrush(QColor(240, 225, 190));
    p.drawRoundedRect(QRectF(170, 20, 120, 56), 10, 10);
    p.setPen(QPen(QColor(150, 110, 70), 3, Qt::SolidLine, Qt::RoundCap));
    for (int y = 32; y <= 64; y += 8)
        p.drawLine(QPointF(182, y), QPointF(278, y));
    for (const QPointF& knob : {QPointF(322, 48), QPointF(362, 48)}) {
        p.setPen(QPen(QColor(60, 60, 70), 2));
        p.setBrush(QColor(250, 215, 80));
        p.drawEllipse(knob, 14, 14);
        p.drawLine(knob, knob + QPointF(0, -12));
    }
    paint_switch(p, pressed_fingertip(l));
    return image;
}

QImage make_theater_backdrop()
{
    const BackdropPlace& l = TheaterPlace;
    const QSize size = l.backdrop.size();
    QImage image(size, QImage::Format_RGB888);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient wall(0, 0, 0, size.height());
    wall.setColorAt(0, QColor(90, 30, 55));
    wall.setColorAt(1, QColor(50, 15, 35));
    p.fillRect(image.rect(), wall);

    const QRect s = screen_of(l);
    p.setPen(QPen(QColor(150, 110, 30), 2));
    p.setBrush(QColor(235, 190, 80));
    p.drawRoundedRect(QRectF(s.left() - 12, s.top() - 12, s.width() + 24, s.height() + 24), 6, 6);
    p.setBrush(QColor(250, 245, 235));
    p.drawRect(QRectF(s.left() - 5, s.top() - 5, s.width() + 10, s.height() + 10));
    paint_dark_screen(p, s);

    // Stage boards, then three rows of seats seen from behind.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(170, 110, 60));
    p.drawRect(QRectF(0, 288, size.width(), 62));
    p.setPen(QPen(QColor(130, 80, 40), 1));
    for (int y = 296; y < 350; y += 9)
        p.drawLine(QPointF(0, y), QPointF(size.width(), y));
    p.setPen(Qt::NoPen);
    for (int row = 0; row < 2; ++row) {
        p.setBrush(row == 0 ? QColor(120, 20, 40) : QColor(90, 10, 30));
        for (int x = -10 + row * 20; x < size.width(); x += 40)
            p.drawRoundedRect(QRectF(x, 318 + row * 16, 34, 40), 10, 10);
    }

    paint_curtain(p, 0, 124, true);
    paint_curtain(p, 505, size.width(), false);
    QPainterPath valance;
    valance.moveTo(0, 0);
    valance.lineTo(size.width(), 0);
    valance.lineTo(size.width(), 14);
    for (int x = size.width(); x > 0; x -= 36)
        valance.quadTo(x - 18, 30, x - 36, 14);
    valance.closeSubpath();
    p.setPen(QPen(QColor(240, 195, 70), 3));
    p.setBrush(QColor(170, 25, 40));
    p.drawPath(valance);

    // The switch sits on a round plate on the right curtain.
    const QPoint tip = pressed_fingertip(l);
    p.setPen(QPen(QColor(150, 110, 30), 2));
    p.setBrush(QColor(250, 240, 210));
    p.drawEllipse(QPointF(tip.x(), tip.y() + ButtonRadius + 2), ButtonRadius + 10, ButtonRadius + 10);
    paint_switch(p, tip);
    return image;
}

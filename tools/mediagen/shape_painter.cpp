#include "shape_painter.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>

namespace {

const QPen Outline(QColor(60, 60, 70), 2);

void paint_washing_machine(QPainter& p, double t)
{
    // Drawn in a 100-high box; the caller scales it.
    p.setPen(Outline);
    p.setBrush(QColor(250, 250, 252));
    p.drawRoundedRect(QRectF(-42, -50, 84, 100), 8, 8);
    p.setBrush(QColor(215, 225, 240));
    p.drawRect(QRectF(-42, -50, 84, 18));
    p.setBrush(QColor(90, 170, 230));
    p.drawEllipse(QPointF(24, -41), 5, 5);
    p.setBrush(QColor(120, 220, 120));
    p.drawEllipse(QPointF(10, -41), 3, 3);
    p.setBrush(QColor(200, 205, 215));
    p.drawEllipse(QPointF(0, 10), 31, 31);
    p.setBrush(QColor(120, 180, 225));
    p.drawEllipse(QPointF(0, 10), 24, 24);
    // Clothes tumble round the drum, a little faster than one turn a second.
    const QColor clothes[] = {{240, 90, 90}, {255, 210, 70}, {120, 200, 120}, {250, 250, 250}};
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 4; ++i) {
        const double a = t * 7.5 + i * M_PI / 2;
        p.setBrush(clothes[i]);
        p.drawEllipse(QPointF(13 * std::cos(a), 10 + 13 * std::sin(a)), 8, 6);
    }
    p.setBrush(QColor(255, 255, 255, 80));
    p.drawEllipse(QPointF(-8, 0), 9, 6);
}

void paint_hook(QPainter& p)
{
    p.setPen(Outline);
    p.setBrush(QColor(180, 125, 75));
    p.drawRoundedRect(QRectF(-40, -50, 80, 16), 4, 4);
    p.setPen(QPen(QColor(200, 160, 60), 5, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    QPainterPath hook;
    hook.moveTo(0, -42);
    hook.lineTo(0, -20);
    hook.quadTo(0, -8, 10, -14);
    p.drawPath(hook);
}

void paint_kettle(QPainter& p)
{
    p.setPen(Outline);
    p.setBrush(QColor(235, 80, 70));
    QPainterPath spout;
    spout.moveTo(30, 10);
    spout.lineTo(52, -22);
    spout.lineTo(58, -18);
    spout.lineTo(38, 26);
    p.drawPath(spout);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(60, 60, 70), 7, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(-28, -52, 56, 44), 0, 180 * 16);
    p.setPen(Outline);
    QRadialGradient shine(QPointF(-12, -5), 50);
    shine.setColorAt(0, QColor(255, 140, 120));
    shine.setColorAt(1, QColor(220, 60, 55));
    p.setBrush(shine);
    p.drawRoundedRect(QRectF(-40, -30, 80, 72), 30, 26);
    p.setBrush(QColor(90, 90, 100));
    p.drawRect(QRectF(-40, 40, 80, 8));
    p.drawEllipse(QPointF(0, -32), 8, 5);
}

// The view through an open front door: sky, a hedge and the path.
void paint_doorway(QPainter& p)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(150, 205, 245));
    p.drawRect(QRectF(-23, -50, 46, 60));
    p.setBrush(QColor(80, 165, 80));
    p.drawRect(QRectF(-23, 10, 46, 40));
    p.setBrush(QColor(225, 200, 150));
    p.drawPolygon(QPolygonF({QPointF(-8, 10), QPointF(8, 10), QPointF(20, 50), QPointF(-20, 50)}));
}

// A front door hinged on its left side that swings open towards the room
// between half a second and one second, after the knock.
void paint_door(QPainter& p, double t)
{
    const double open = std::clamp((t - 0.5) / 0.5, 0.0, 1.0);
    const double angle = M_PI * 0.85 * open * open * (3 - 2 * open);
    const double freeX = -23 + 46 * std::cos(angle);
    const double grow = 1 + 0.18 * std::sin(angle);  // the near edge looks taller
    QPolygonF panel(
        {QPointF(-23, -50), QPointF(freeX, -50 * grow), QPointF(freeX, 50 * grow), QPointF(-23, 50)});
    p.setPen(QPen(QColor(100, 65, 45), 1.5));
    p.setBrush(QColor(150, 100, 70));
    p.drawPolygon(panel);
    const double knobX = -23 + (freeX + 23) * 0.82;
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 210, 90));
    p.drawEllipse(QPointF(knobX, 4), 2.6, 2.6);
}

// A wall clock whose hands race round and whose pendulum swings.
void paint_clock(QPainter& p, double t)
{
    p.setPen(Outline);
    p.setBrush(QColor(170, 110, 60));
    p.drawRoundedRect(QRectF(-30, -50, 60, 100), 10, 10);
    p.setBrush(QColor(250, 245, 230));
    p.drawEllipse(QPointF(0, -22), 24, 24);
    p.setBrush(QColor(60, 40, 30));
    p.drawRoundedRect(QRectF(-18, 6, 36, 40), 6, 6);
    p.setPen(QPen(QColor(60, 60, 70), 1.5));
    for (int h = 0; h < 12; ++h) {
        const double a = h * M_PI / 6;
        p.drawLine(QPointF(19 * std::sin(a), -22 - 19 * std::cos(a)),
                   QPointF(22 * std::sin(a), -22 - 22 * std::cos(a)));
    }
    // From five to seven, one turn of the minute hand every four seconds.
    const double minutes = -5 + t * 15;
    p.save();
    p.translate(0, -22);
    p.setPen(QPen(QColor(40, 40, 50), 4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(
        QPointF(0, 0),
        QPointF(12 * std::sin((7 + minutes / 60) * M_PI / 6), -12 * std::cos((7 + minutes / 60) * M_PI / 6)));
    p.setPen(QPen(QColor(40, 40, 50), 2.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(0, 0),
               QPointF(19 * std::sin(minutes * M_PI / 30), -19 * std::cos(minutes * M_PI / 30)));
    p.restore();
    p.save();
    p.translate(0, 8);
    p.rotate(24 * std::sin(2 * M_PI * t / 1.2));
    p.setPen(QPen(QColor(200, 160, 60), 2));
    p.drawLine(QPointF(0, 0), QPointF(0, 26));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(240, 195, 70));
    p.drawEllipse(QPointF(0, 28), 8, 8);
    p.restore();
}

void paint_toaster(QPainter& p)
{
    p.setPen(Outline);
    QLinearGradient metal(-45, 0, 45, 0);
    metal.setColorAt(0, QColor(170, 175, 185));
    metal.setColorAt(0.4, QColor(240, 242, 246));
    metal.setColorAt(1, QColor(150, 155, 165));
    p.setBrush(metal);
    p.drawRoundedRect(QRectF(-45, -20, 90, 64), 16, 16);
    p.setBrush(QColor(60, 60, 70));
    p.drawRoundedRect(QRectF(-32, -23, 26, 6), 3, 3);
    p.drawRoundedRect(QRectF(6, -23, 26, 6), 3, 3);
    p.drawRect(QRectF(45, 0, 8, 5));
    p.drawRect(QRectF(-36, 44, 10, 5));
    p.drawRect(QRectF(26, 44, 10, 5));
}

void paint_candle(QPainter& p)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(250, 250, 255));
    p.drawRect(QRectF(-9, -44, 18, 94));
    p.setBrush(QColor(240, 110, 150));
    for (double y = -40; y < 50; y += 22)
        p.drawPolygon(QPolygonF({QPointF(-9, y), QPointF(9, y - 8), QPointF(9, y), QPointF(-9, y + 8)}));
    p.setPen(QPen(QColor(60, 50, 40), 3));
    p.drawLine(QPointF(0, -44), QPointF(0, -52));
}

}  // namespace

void paint_shape(QPainter& p, Shape shape, double size, double t)
{
    p.save();
    p.scale(size / 100.0, size / 100.0);
    switch (shape) {
    case Shape::WashingMachine: paint_washing_machine(p, t); break;
    case Shape::Hook: paint_hook(p); break;
    case Shape::Kettle: paint_kettle(p); break;
    case Shape::Doorway: paint_doorway(p); break;
    case Shape::Door: paint_door(p, t); break;
    case Shape::Clock: paint_clock(p, t); break;
    case Shape::Toaster: paint_toaster(p); break;
    case Shape::Candle: paint_candle(p); break;
    case Shape::None: break;
    }
    p.restore();
}

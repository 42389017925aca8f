#include "shape_painter.h"

#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>

namespace {

const QPen kOutline(QColor(60, 60, 70), 2);

void paint_washing_machine(QPainter& p, double t)
{
    // Drawn in a 100-high box; the caller scales it.
    p.setPen(kOutline);
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
    p.setPen(kOutline);
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
    p.setPen(kOutline);
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
    p.setPen(kOutline);
    QRadialGradient shine(QPointF(-12, -5), 50);
    shine.setColorAt(0, QColor(255, 140, 120));
    shine.setColorAt(1, QColor(220, 60, 55));
    p.setBrush(shine);
    p.drawRoundedRect(QRectF(-40, -30, 80, 72), 30, 26);
    p.setBrush(QColor(90, 90, 100));
    p.drawRect(QRectF(-40, 40, 80, 8));
    p.drawEllipse(QPointF(0, -32), 8, 5);
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
    case Shape::None: break;
    }
    p.restore();
}

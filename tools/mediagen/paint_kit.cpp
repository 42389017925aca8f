#include "paint_kit.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>
#include <cstdint>

double scatter(int i)
{
    uint32_t x = static_cast<uint32_t>(i) * 2654435761u + 0x9e3779b9u;
    x ^= x >> 15;
    x *= 2246822519u;
    x ^= x >> 13;
    return (x & 0xffffff) / double(0x1000000);
}

void paint_sky(QPainter& p, double horizon, QColor top, QColor bottom)
{
    QLinearGradient g(0, 0, 0, horizon);
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    p.fillRect(QRectF(0, 0, 352, horizon + 1), g);
}

void paint_sun(QPainter& p, QPointF centre, double radius)
{
    QRadialGradient glow(centre, radius * 2.2);
    glow.setColorAt(0, QColor(255, 245, 170, 200));
    glow.setColorAt(1, QColor(255, 245, 170, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(centre, radius * 2.2, radius * 2.2);
    p.setBrush(QColor(255, 214, 64));
    p.drawEllipse(centre, radius, radius);
}

void paint_cloud(QPainter& p, QPointF centre, double scale)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 235));
    const QPointF puffs[] = {{-22, 4}, {-8, -8}, {10, -6}, {24, 5}, {0, 8}};
    const double radii[] = {13, 16, 15, 11, 13};
    for (int i = 0; i < 5; ++i)
        p.drawEllipse(centre + puffs[i] * scale, radii[i] * scale, radii[i] * scale);
}

void paint_hills(QPainter& p, double baseY, QColor colour)
{
    QPainterPath hills;
    hills.moveTo(0, baseY);
    hills.cubicTo(60, baseY - 45, 120, baseY - 30, 170, baseY - 12);
    hills.cubicTo(220, baseY - 50, 300, baseY - 40, 352, baseY - 10);
    hills.lineTo(352, baseY + 2);
    hills.lineTo(0, baseY + 2);
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPath(hills);
}

void paint_grass(QPainter& p, double top, double bottom)
{
    QLinearGradient g(0, top, 0, bottom);
    g.setColorAt(0, QColor(120, 200, 80));
    g.setColorAt(1, QColor(70, 160, 60));
    p.fillRect(QRectF(0, top, 352, bottom - top), g);
    p.setPen(QPen(QColor(60, 140, 50), 1.5));
    for (int i = 0; i < 70; ++i) {
        const double x = scatter(i) * 352;
        const double y = top + 6 + scatter(i + 500) * (bottom - top - 8);
        p.drawLine(QPointF(x, y), QPointF(x - 2, y - 5));
        p.drawLine(QPointF(x, y), QPointF(x + 2, y - 5));
    }
}

void paint_flowers(QPainter& p, double y, int count, int seed)
{
    const QColor petals[] = {{255, 110, 150}, {255, 220, 70}, {180, 130, 255}, {255, 255, 255}};
    p.setPen(Qt::NoPen);
    for (int i = 0; i < count; ++i) {
        const double x = 8 + scatter(seed + i) * 336;
        const double fy = y + scatter(seed + i + 99) * 14;
        p.setBrush(petals[i % 4]);
        for (int k = 0; k < 5; ++k) {
            const double a = k * 2 * M_PI / 5;
            p.drawEllipse(QPointF(x + 3.2 * std::cos(a), fy + 3.2 * std::sin(a)), 2.6, 2.6);
        }
        p.setBrush(QColor(255, 190, 40));
        p.drawEllipse(QPointF(x, fy), 2, 2);
    }
}

void paint_fence(QPainter& p, double top, double bottom)
{
    p.setPen(QPen(QColor(150, 105, 60), 1));
    p.setBrush(QColor(235, 205, 160));
    const double h = bottom - top;
    p.drawRect(QRectF(0, top + h * 0.25, 352, 5));
    p.drawRect(QRectF(0, top + h * 0.65, 352, 5));
    for (double x = 4; x < 352; x += 22) {
        QPainterPath picket;
        picket.moveTo(x, bottom);
        picket.lineTo(x, top + 6);
        picket.lineTo(x + 7, top);
        picket.lineTo(x + 14, top + 6);
        picket.lineTo(x + 14, bottom);
        picket.closeSubpath();
        p.drawPath(picket);
    }
}

void paint_bush(QPainter& p, QPointF centre, double radius)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(60, 150, 70));
    p.drawEllipse(centre + QPointF(-radius * 0.6, 0), radius * 0.8, radius * 0.7);
    p.drawEllipse(centre + QPointF(radius * 0.6, 0), radius * 0.8, radius * 0.7);
    p.setBrush(QColor(80, 175, 80));
    p.drawEllipse(centre + QPointF(0, -radius * 0.35), radius, radius * 0.8);
}

void paint_tree(QPainter& p, double x, double groundY, double scale)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(140, 90, 50));
    p.drawRect(QRectF(x - 8 * scale, groundY - 70 * scale, 16 * scale, 70 * scale));
    p.setBrush(QColor(70, 160, 70));
    const QPointF puffs[] = {{0, -110}, {-32, -88}, {32, -88}, {-18, -130}, {20, -128}, {0, -80}};
    for (const QPointF& c : puffs)
        p.drawEllipse(QPointF(x, groundY) + c * scale, 30 * scale, 26 * scale);
    p.setBrush(QColor(95, 185, 85));
    p.drawEllipse(QPointF(x - 10 * scale, groundY - 122 * scale), 16 * scale, 12 * scale);
}

void paint_pine(QPainter& p, double x, double groundY, double scale, bool snowy)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(120, 80, 50));
    p.drawRect(QRectF(x - 4 * scale, groundY - 14 * scale, 8 * scale, 14 * scale));
    for (int tier = 0; tier < 3; ++tier) {
        const double base = groundY - 12 * scale - tier * 18 * scale;
        const double half = (26 - tier * 6) * scale;
        QPolygonF tri({QPointF(x - half, base), QPointF(x + half, base), QPointF(x, base - 30 * scale)});
        p.setBrush(QColor(40, 120, 70));
        p.drawPolygon(tri);
        if (snowy) {
            p.setBrush(QColor(250, 252, 255));
            p.drawPolygon(
                QPolygonF({QPointF(x - half * 0.35, base - 19 * scale),
                           QPointF(x + half * 0.35, base - 19 * scale), QPointF(x, base - 30 * scale)}));
        }
    }
}

void paint_tiles(QPainter& p, const QRectF& area, double cell, QColor colour, QColor grout)
{
    p.fillRect(area, grout);
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    for (double y = area.top(); y < area.bottom(); y += cell)
        for (double x = area.left(); x < area.right(); x += cell)
            p.drawRect(QRectF(x + 1, y + 1, cell - 2, cell - 2).intersected(area));
}

void paint_boards(QPainter& p, const QRectF& area, QColor colour)
{
    p.fillRect(area, colour);
    p.setPen(QPen(colour.darker(125), 1));
    int row = 0;
    for (double y = area.top(); y < area.bottom(); y += 12, ++row) {
        p.drawLine(QPointF(area.left(), y), QPointF(area.right(), y));
        for (double x = area.left() + (row % 2) * 40; x < area.right(); x += 80)
            p.drawLine(QPointF(x, y), QPointF(x, std::min(y + 12, area.bottom())));
    }
}

void paint_stripes(QPainter& p, const QRectF& area, QColor base, QColor stripe, double width)
{
    p.fillRect(area, base);
    for (double x = area.left(); x < area.right(); x += width * 2)
        p.fillRect(QRectF(x, area.top(), width, area.height()), stripe);
}

void paint_window(QPainter& p, const QRectF& frame, QColor sky, bool night)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(250, 250, 245));
    p.drawRoundedRect(frame.adjusted(-5, -5, 5, 5), 3, 3);
    p.setBrush(sky);
    p.drawRect(frame);
    if (night) {
        p.setBrush(QColor(255, 245, 200));
        p.drawEllipse(frame.topLeft() + QPointF(frame.width() * 0.7, frame.height() * 0.3), 9, 9);
        p.setBrush(sky);
        p.drawEllipse(frame.topLeft() + QPointF(frame.width() * 0.7 + 5, frame.height() * 0.3 - 3), 8, 8);
        p.setBrush(QColor(255, 255, 220));
        for (int i = 0; i < 7; ++i)
            p.drawEllipse(frame.topLeft()
                              + QPointF(scatter(i + 40) * frame.width(), scatter(i + 80) * frame.height()),
                          1.2, 1.2);
    }
    p.setBrush(QColor(250, 250, 245));
    p.drawRect(QRectF(frame.center().x() - 2.5, frame.top(), 5, frame.height()));
    p.drawRect(QRectF(frame.left(), frame.center().y() - 2.5, frame.width(), 5));
}

void paint_waves(QPainter& p, double top, double t, QColor deep, QColor light)
{
    QLinearGradient g(0, top, 0, 240);
    g.setColorAt(0, light);
    g.setColorAt(1, deep);
    p.fillRect(QRectF(0, top, 352, 240 - top), g);
    p.setPen(QPen(QColor(255, 255, 255, 150), 2, Qt::SolidLine, Qt::RoundCap));
    for (int row = 0; row < 5; ++row) {
        const double y = top + 10 + row * 18;
        const double shift = std::fmod(t * (12 + row * 4) + row * 37, 60.0);
        for (double x = -60 + shift; x < 352; x += 60) {
            QPainterPath crest;
            crest.moveTo(x, y);
            crest.quadTo(x + 10, y - 5, x + 20, y);
            p.drawPath(crest);
        }
    }
}

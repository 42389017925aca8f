#include "setting_painter.h"

#include "paint_kit.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <cmath>

namespace {

const QColor DaySky(110, 180, 240);
const QColor Horizon(200, 230, 250);

// Clouds drift slowly so that even a still scene feels alive.
void paint_day_sky(QPainter& p, double horizon, double t, bool sun = true)
{
    paint_sky(p, horizon, DaySky, Horizon);
    if (sun)
        paint_sun(p, QPointF(305, 36), 17);
    paint_cloud(p, QPointF(std::fmod(60 + t * 4, 420) - 30, 40), 0.9);
    paint_cloud(p, QPointF(std::fmod(230 + t * 3, 420) - 30, 70), 0.7);
}

void paint_garden(QPainter& p, double t)
{
    paint_day_sky(p, 150, t);
    paint_hills(p, 128, QColor(140, 200, 120));
    paint_fence(p, 100, 150);
    paint_bush(p, QPointF(40, 148), 28);
    paint_bush(p, QPointF(318, 150), 24);
    paint_grass(p, 148, 240);
    paint_flowers(p, 156, 14, 3);
}

void paint_washing_line(QPainter& p, double t)
{
    paint_garden(p, t);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(170, 120, 80));
    p.drawRect(QRectF(16, 28, 7, 130));
    p.drawRect(QRectF(329, 28, 7, 130));
    p.setPen(QPen(QColor(250, 250, 250), 1.6));
    p.setBrush(Qt::NoBrush);
    QPainterPath rope;
    rope.moveTo(20, 34);
    rope.quadTo(176, 46, 332, 34);
    p.drawPath(rope);
}

void paint_park(QPainter& p, double t)
{
    paint_day_sky(p, 150, t);
    paint_hills(p, 150, QColor(130, 195, 115));
    paint_grass(p, 148, 240);
    QPainterPath path;
    path.moveTo(150, 148);
    path.cubicTo(130, 190, 230, 200, 210, 240);
    path.lineTo(290, 240);
    path.cubicTo(300, 200, 190, 185, 175, 148);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(225, 200, 150));
    p.drawPath(path);
    paint_tree(p, 50, 165, 0.95);
    paint_flowers(p, 200, 10, 21);
}

void paint_road(QPainter& p, double t)
{
    paint_day_sky(p, 140, t);
    paint_hills(p, 140, QColor(140, 200, 120));
    for (int i = 0; i < 5; ++i) {
        const double x = 20 + i * 72;
        p.setPen(Qt::NoPen);
        p.setBrush(QColor::fromHsv(int(scatter(i + 7) * 360), 90, 240));
        p.drawRect(QRectF(x, 112, 40, 30));
        p.setBrush(QColor(200, 80, 70));
        p.drawPolygon(QPolygonF({QPointF(x - 4, 112), QPointF(x + 20, 94), QPointF(x + 44, 112)}));
        p.setBrush(QColor(255, 250, 210));
        p.drawRect(QRectF(x + 8, 120, 9, 9));
        p.drawRect(QRectF(x + 24, 120, 9, 9));
    }
    paint_grass(p, 140, 240);
    p.fillRect(QRectF(0, 166, 352, 50), QColor(90, 92, 100));
    p.fillRect(QRectF(0, 164, 352, 3), QColor(200, 200, 200));
    p.fillRect(QRectF(0, 215, 352, 3), QColor(200, 200, 200));
    for (double x = 6; x < 352; x += 44)
        p.fillRect(QRectF(x, 189, 24, 4), QColor(250, 240, 200));
}

void paint_rails(QPainter& p, double t)
{
    paint_day_sky(p, 150, t);
    paint_hills(p, 150, QColor(130, 190, 110));
    paint_pine(p, 30, 150, 0.9, false);
    paint_pine(p, 320, 152, 0.8, false);
    paint_grass(p, 148, 240);
    p.fillRect(QRectF(0, 190, 352, 16), QColor(170, 150, 130));
    for (double x = 2; x < 352; x += 16)
        p.fillRect(QRectF(x, 188, 9, 20), QColor(120, 80, 50));
    p.fillRect(QRectF(0, 190, 352, 3), QColor(110, 110, 120));
    p.fillRect(QRectF(0, 201, 352, 3), QColor(110, 110, 120));
}

void paint_kitchen(QPainter& p, double)
{
    paint_tiles(p, QRectF(0, 0, 352, 165), 22, QColor(196, 226, 220), QColor(168, 204, 198));
    paint_window(p, QRectF(24, 22, 90, 70), QColor(150, 205, 245), false);
    p.fillRect(QRectF(210, 60, 120, 6), QColor(170, 120, 80));
    p.setPen(Qt::NoPen);
    const QColor jars[] = {{240, 120, 100}, {120, 190, 230}, {250, 200, 90}};
    for (int i = 0; i < 3; ++i) {
        p.setBrush(jars[i]);
        p.drawRoundedRect(QRectF(222 + i * 36, 36, 24, 24), 5, 5);
    }
    p.fillRect(QRectF(0, 160, 352, 10), QColor(190, 140, 95));
    p.fillRect(QRectF(0, 170, 352, 70), QColor(120, 175, 165));
    p.setPen(QPen(QColor(90, 140, 130), 2));
    for (double x = 0; x < 352; x += 88) {
        p.drawRect(QRectF(x + 6, 178, 76, 56));
        p.drawLine(QPointF(x + 38, 200), QPointF(x + 50, 200));
    }
}

void paint_table(QPainter& p, double)
{
    paint_stripes(p, QRectF(0, 0, 352, 150), QColor(204, 224, 242), QColor(194, 216, 237), 18);
    paint_window(p, QRectF(240, 20, 80, 64), QColor(150, 205, 245), false);
    p.fillRect(QRectF(0, 148, 352, 92), QColor(255, 255, 255));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(235, 90, 90, 150));
    for (double x = 0; x < 352; x += 32)
        p.drawRect(QRectF(x, 148, 16, 92));
    for (double y = 156; y < 240; y += 32)
        p.drawRect(QRectF(0, y, 352, 16));
}

void paint_living_room(QPainter& p, double)
{
    paint_stripes(p, QRectF(0, 0, 352, 190), QColor(250, 235, 200), QColor(245, 225, 185), 14);
    paint_window(p, QRectF(30, 28, 72, 62), QColor(150, 205, 245), false);
    p.setPen(QPen(QColor(160, 110, 70), 4));
    p.setBrush(QColor(170, 220, 200));
    p.drawRect(QRectF(250, 30, 60, 44));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 220, 90));
    p.drawEllipse(QPointF(268, 48), 7, 7);
    paint_boards(p, QRectF(0, 190, 352, 50), QColor(200, 150, 100));
    p.setBrush(QColor(90, 140, 210));  // the sofa
    p.drawRoundedRect(QRectF(92, 112, 190, 50), 16, 16);
    p.setBrush(QColor(110, 160, 225));
    p.drawRoundedRect(QRectF(96, 150, 182, 34), 10, 10);
    p.drawRoundedRect(QRectF(78, 134, 30, 58), 12, 12);
    p.drawRoundedRect(QRectF(266, 134, 30, 58), 12, 12);
}

void paint_fireside(QPainter& p, double)
{
    paint_stripes(p, QRectF(0, 0, 352, 200), QColor(200, 225, 200), QColor(190, 215, 190), 16);
    paint_boards(p, QRectF(0, 200, 352, 40), QColor(190, 140, 95));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(190, 90, 70));
    p.drawRect(QRectF(96, 98, 160, 104));
    p.setPen(QPen(QColor(150, 70, 55), 1));
    for (double y = 98; y < 202; y += 10)
        p.drawLine(QPointF(96, y), QPointF(256, y));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(45, 30, 30));
    QPainterPath mouth;
    mouth.addRoundedRect(QRectF(128, 130, 96, 72), 30, 30);
    p.drawPath(mouth);
    p.fillRect(QRectF(128, 172, 96, 30), QColor(45, 30, 30));
    p.setBrush(QColor(240, 235, 225));
    p.drawRect(QRectF(86, 88, 180, 12));
}

void paint_bathroom(QPainter& p, double)
{
    paint_tiles(p, QRectF(0, 0, 352, 240), 24, QColor(200, 232, 250), QColor(170, 205, 230));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(230, 240, 248));
    p.drawRoundedRect(QRectF(118, 14, 116, 80), 10, 10);
    p.setBrush(QColor(170, 215, 240));
    p.drawRoundedRect(QRectF(124, 20, 104, 68), 8, 8);
    p.setBrush(QColor(255, 255, 255, 90));
    p.drawPolygon(QPolygonF({QPointF(140, 24), QPointF(160, 24), QPointF(130, 80), QPointF(126, 70)}));
    p.fillRect(QRectF(0, 196, 352, 44), QColor(150, 185, 215));
}

void paint_bedroom(QPainter& p, double)
{
    paint_stripes(p, QRectF(0, 0, 352, 200), QColor(215, 205, 240), QColor(205, 195, 235), 16);
    paint_window(p, QRectF(40, 26, 80, 66), QColor(40, 50, 110), true);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 230, 150, 110));
    p.drawEllipse(QPointF(296, 80), 40, 40);
    p.setBrush(QColor(255, 200, 90));
    p.drawPolygon(QPolygonF({QPointF(284, 70), QPointF(308, 70), QPointF(302, 88), QPointF(290, 88)}));
    p.fillRect(QRectF(294, 88, 4, 40), QColor(160, 120, 80));
    paint_boards(p, QRectF(0, 200, 352, 40), QColor(200, 160, 120));
}

void paint_hallway(QPainter& p, double)
{
    paint_stripes(p, QRectF(0, 0, 352, 190), QColor(255, 236, 210), QColor(250, 226, 196), 20);
    p.fillRect(QRectF(0, 150, 352, 6), QColor(200, 160, 120));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(150, 100, 70));  // the front door
    p.drawRoundedRect(QRectF(268, 40, 70, 152), 4, 4);
    p.setBrush(QColor(255, 210, 90));
    p.drawEllipse(QPointF(280, 120), 4, 4);
    p.setBrush(QColor(200, 235, 255));
    p.drawRoundedRect(QRectF(284, 54, 38, 30), 14, 14);
    paint_boards(p, QRectF(0, 190, 352, 50), QColor(185, 135, 90));
    p.setBrush(QColor(210, 80, 80));
    p.drawRoundedRect(QRectF(40, 210, 160, 22), 8, 8);
}

void paint_laundry(QPainter& p, double)
{
    paint_tiles(p, QRectF(0, 0, 352, 200), 20, QColor(235, 245, 255), QColor(205, 220, 235));
    p.fillRect(QRectF(0, 60, 100, 6), QColor(170, 120, 80));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(120, 200, 160));
    p.drawRoundedRect(QRectF(14, 34, 26, 26), 4, 4);
    p.setBrush(QColor(250, 170, 80));
    p.drawRoundedRect(QRectF(52, 40, 22, 20), 4, 4);
    paint_tiles(p, QRectF(0, 200, 352, 40), 20, QColor(190, 200, 215), QColor(165, 175, 190));
}

void paint_sea(QPainter& p, double t)
{
    paint_day_sky(p, 130, t);
    paint_waves(p, 128, t, QColor(30, 110, 180), QColor(90, 175, 225));
}

void paint_pond(QPainter& p, double t)
{
    paint_day_sky(p, 120, t);
    paint_hills(p, 122, QColor(140, 200, 120));
    paint_grass(p, 118, 240);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(110, 90, 60));
    p.drawEllipse(QRectF(14, 140, 324, 92));
    p.setBrush(QColor(80, 160, 220));
    p.drawEllipse(QRectF(20, 144, 312, 84));
    p.setPen(QPen(QColor(255, 255, 255, 120), 1.5));
    for (int i = 0; i < 6; ++i) {
        const double x = 60 + scatter(i + 11) * 230 + std::sin(t + i) * 6;
        const double y = 160 + scatter(i + 31) * 55;
        p.drawLine(QPointF(x, y), QPointF(x + 14, y));
    }
    p.setPen(QPen(QColor(60, 130, 60), 3));
    for (int i = 0; i < 7; ++i)
        p.drawLine(QPointF(300 + i * 5, 170), QPointF(296 + i * 6 + std::sin(t * 1.5 + i) * 3, 130));
}

void paint_snow(QPainter& p, double)
{
    paint_sky(p, 150, QColor(170, 200, 235), QColor(230, 240, 250));
    paint_hills(p, 150, QColor(240, 245, 252));
    paint_pine(p, 40, 160, 1.0, true);
    paint_pine(p, 300, 156, 0.8, true);
    QLinearGradient g(0, 148, 0, 240);
    g.setColorAt(0, QColor(250, 252, 255));
    g.setColorAt(1, QColor(215, 228, 245));
    p.fillRect(QRectF(0, 148, 352, 92), g);
}

void paint_open_sky(QPainter& p, double t)
{
    paint_sky(p, 240, QColor(80, 160, 235), QColor(190, 225, 250));
    paint_sun(p, QPointF(50, 40), 18);
    for (int i = 0; i < 4; ++i)  // clouds pass faster here to give a feeling of flight
        paint_cloud(p, QPointF(std::fmod(400 + i * 110 - t * 14, 440) - 40, 60 + i * 42 % 140),
                    0.7 + 0.2 * (i % 2));
}

void paint_farm(QPainter& p, double t)
{
    paint_day_sky(p, 140, t);
    paint_hills(p, 140, QColor(150, 205, 120));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(200, 60, 50));  // the barn
    p.drawRect(QRectF(20, 82, 96, 66));
    p.drawPolygon(QPolygonF({QPointF(12, 86), QPointF(68, 50), QPointF(124, 86)}));
    p.setBrush(QColor(250, 245, 235));
    p.drawRect(QRectF(50, 110, 36, 38));
    p.setBrush(QColor(200, 60, 50));
    p.drawRect(QRectF(54, 114, 28, 34));
    p.setPen(QPen(QColor(250, 245, 235), 2));
    p.drawLine(QPointF(54, 114), QPointF(82, 148));
    p.drawLine(QPointF(82, 114), QPointF(54, 148));
    paint_grass(p, 146, 240);
    paint_fence(p, 130, 158);
}

void paint_rainy_window(QPainter& p, double)
{
    paint_stripes(p, QRectF(0, 0, 352, 240), QColor(250, 232, 205), QColor(245, 222, 192), 16);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 250));
    p.drawRect(QRectF(50, 14, 252, 186));
    QLinearGradient g(0, 22, 0, 192);
    g.setColorAt(0, QColor(120, 140, 170));
    g.setColorAt(1, QColor(170, 185, 205));
    p.setBrush(g);
    p.drawRect(QRectF(58, 22, 236, 170));
    p.setBrush(QColor(140, 155, 175));
    p.drawEllipse(QPointF(120, 60), 40, 18);
    p.drawEllipse(QPointF(230, 48), 50, 20);
    p.setBrush(QColor(255, 255, 250));
    p.drawRect(QRectF(173, 22, 6, 170));
    p.drawRect(QRectF(58, 104, 236, 6));
    p.fillRect(QRectF(40, 198, 272, 12), QColor(240, 240, 235));
    p.setBrush(QColor(220, 120, 80));  // a pot plant on the sill
    p.drawPolygon(QPolygonF({QPointF(250, 198), QPointF(280, 198), QPointF(276, 176), QPointF(254, 176)}));
    p.setBrush(QColor(70, 160, 80));
    p.drawEllipse(QPointF(258, 168), 10, 7);
    p.drawEllipse(QPointF(272, 164), 10, 7);
    p.drawEllipse(QPointF(265, 156), 8, 9);
}

void paint_town(QPainter& p, double t)
{
    paint_day_sky(p, 175, t);
    const QColor walls[] = {
        {240, 180, 120}, {180, 200, 230}, {240, 150, 150}, {200, 225, 160}, {250, 215, 120}};
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 5; ++i) {
        const double x = i * 72 - 4;
        const double top = 70 + scatter(i + 3) * 40;
        p.setBrush(walls[i]);
        p.drawRect(QRectF(x, top, 70, 175 - top));
        p.setBrush(QColor(255, 250, 225));
        for (double wy = top + 10; wy < 150; wy += 26)
            for (double wx = x + 10; wx < x + 60; wx += 22)
                p.drawRect(QRectF(wx, wy, 12, 14));
    }
    p.fillRect(QRectF(0, 172, 352, 68), QColor(200, 195, 190));
    p.setPen(QPen(QColor(170, 165, 160), 1));
    for (double x = 0; x < 352; x += 30)
        p.drawLine(QPointF(x, 172), QPointF(x - 20, 240));
}

void paint_aquarium(QPainter& p, double t)
{
    QLinearGradient g(0, 0, 0, 240);
    g.setColorAt(0, QColor(100, 200, 235));
    g.setColorAt(1, QColor(30, 110, 170));
    p.fillRect(QRectF(0, 0, 352, 240), g);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(235, 215, 160));
    QPainterPath sand;
    sand.moveTo(0, 212);
    sand.cubicTo(100, 200, 250, 222, 352, 206);
    sand.lineTo(352, 240);
    sand.lineTo(0, 240);
    p.drawPath(sand);
    p.setBrush(QColor(150, 150, 160));
    p.drawEllipse(QPointF(80, 214), 22, 12);
    p.drawEllipse(QPointF(270, 212), 16, 10);
    p.setPen(QPen(QColor(60, 170, 90), 5, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    for (int weed = 0; weed < 4; ++weed) {  // weed sways in the current
        const double x = 30 + weed * 95;
        QPainterPath stem;
        stem.moveTo(x, 225);
        stem.cubicTo(x + 10 * std::sin(t * 1.2 + weed), 190, x - 10 * std::sin(t * 1.2 + weed), 160,
                     x + 8 * std::sin(t * 1.2 + weed + 1), 130);
        p.drawPath(stem);
    }
}

}  // namespace

void paint_setting(QPainter& p, Setting setting, double t)
{
    p.save();
    switch (setting) {
    case Setting::Garden: paint_garden(p, t); break;
    case Setting::WashingLine: paint_washing_line(p, t); break;
    case Setting::Park: paint_park(p, t); break;
    case Setting::Road: paint_road(p, t); break;
    case Setting::Rails: paint_rails(p, t); break;
    case Setting::Kitchen: paint_kitchen(p, t); break;
    case Setting::Table: paint_table(p, t); break;
    case Setting::LivingRoom: paint_living_room(p, t); break;
    case Setting::Fireside: paint_fireside(p, t); break;
    case Setting::Bathroom: paint_bathroom(p, t); break;
    case Setting::Bedroom: paint_bedroom(p, t); break;
    case Setting::Hallway: paint_hallway(p, t); break;
    case Setting::Laundry: paint_laundry(p, t); break;
    case Setting::Sea: paint_sea(p, t); break;
    case Setting::Pond: paint_pond(p, t); break;
    case Setting::Snow: paint_snow(p, t); break;
    case Setting::Sky: paint_open_sky(p, t); break;
    case Setting::Farm: paint_farm(p, t); break;
    case Setting::RainyWindow: paint_rainy_window(p, t); break;
    case Setting::Town: paint_town(p, t); break;
    case Setting::Aquarium: paint_aquarium(p, t); break;
    }
    p.restore();
}

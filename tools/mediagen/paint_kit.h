// Small drawing pieces that the scene settings are built from.
#pragma once

#include <QColor>
#include <QPainter>
#include <QRectF>

// A repeatable number in [0, 1) for decoration number `i`, so the same
// scene always gets the same tufts, stars and bricks.
double scatter(int i);

void paint_sky(QPainter& p, double horizon, QColor top, QColor bottom);
void paint_sun(QPainter& p, QPointF centre, double radius);
void paint_cloud(QPainter& p, QPointF centre, double scale);
void paint_hills(QPainter& p, double baseY, QColor colour);
void paint_grass(QPainter& p, double top, double bottom);
void paint_flowers(QPainter& p, double y, int count, int seed);
void paint_fence(QPainter& p, double top, double bottom);
void paint_bush(QPainter& p, QPointF centre, double radius);
void paint_tree(QPainter& p, double x, double groundY, double scale);
void paint_pine(QPainter& p, double x, double groundY, double scale, bool snowy);
void paint_tiles(QPainter& p, const QRectF& area, double cell, QColor colour, QColor grout);
void paint_boards(QPainter& p, const QRectF& area, QColor colour);
void paint_stripes(QPainter& p, const QRectF& area, QColor base, QColor stripe, double width);
void paint_window(QPainter& p, const QRectF& frame, QColor sky, bool night);
void paint_waves(QPainter& p, double top, double t, QColor deep, QColor light);

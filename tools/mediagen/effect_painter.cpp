#include "effect_painter.h"

#include "paint_kit.h"

#include <QFont>
#include <QPainterPath>
#include <cmath>

namespace {

struct Particle {
    double age;  // seconds since it was born
    double life;  // seconds it lasts
    int seed;  // picks its own repeatable randomness
    double r(int k) const { return scatter(seed * 7 + k); }
    double fade() const { return 1.0 - age / life; }
};

double life_of(Effect kind)
{
    switch (kind) {
    case Effect::Rain: return 0.9;
    case Effect::Snow: return 9;
    case Effect::Leaves: return 8;
    case Effect::Steam: return 2.2;
    case Effect::Smoke: return 2.6;
    case Effect::Bubbles: return 3;
    case Effect::Sparkles: return 1.1;
    case Effect::Spray: return 1.1;
    case Effect::Sleep: return 3;
    case Effect::Notes: return 2.5;
    case Effect::Popcorn: return 1.0;
    }
    return 1;
}

void paint_star(QPainter& p, QPointF c, double r)
{
    QPainterPath star;
    star.moveTo(c + QPointF(0, -r));
    star.quadTo(c, c + QPointF(r, 0));
    star.quadTo(c, c + QPointF(0, r));
    star.quadTo(c, c + QPointF(-r, 0));
    star.quadTo(c, c + QPointF(0, -r));
    p.drawPath(star);
}

void paint_particle(QPainter& p, Effect kind, QPointF o, const Particle& q)
{
    const double a = q.age;
    switch (kind) {
    case Effect::Rain: {
        const QPointF top(-20 + q.r(1) * 392, -12 + a * 300);
        p.setPen(QPen(QColor(225, 235, 255, 190), 1.4, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(top, top + QPointF(-2, 11));
        break;
    }
    case Effect::Snow: {
        const QPointF c(q.r(1) * 352 + 10 * std::sin(a * 1.3 + q.r(2) * 6), -8 + a * (24 + q.r(3) * 14));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 255, 235));
        p.drawEllipse(c, 1.5 + q.r(4) * 1.8, 1.5 + q.r(4) * 1.8);
        break;
    }
    case Effect::Leaves: {
        const QPointF c(q.r(1) * 400 - 30 + a * 12, -10 + a * 32 + 6 * std::sin(a * 2 + q.r(2) * 6));
        p.save();
        p.translate(c);
        p.rotate(40 * std::sin(a * 2.2 + q.r(3) * 6));
        p.setPen(Qt::NoPen);
        p.setBrush(q.r(4) < 0.5 ? QColor(240, 150, 50) : QColor(220, 90, 50));
        p.drawEllipse(QPointF(0, 0), 6, 3);
        p.restore();
        break;
    }
    case Effect::Steam:
    case Effect::Smoke: {
        const bool smoke = kind == Effect::Smoke;
        const QPointF c =
            o + QPointF((smoke ? -22 : 6) * a + 5 * std::sin(a * 3 + q.r(1) * 6), -(smoke ? 30 : 24) * a);
        const double radius = (smoke ? 6 : 5) + a * (smoke ? 7 : 8);
        p.setPen(Qt::NoPen);
        p.setBrush(smoke ? QColor(150, 150, 160, int(200 * q.fade()))
                         : QColor(255, 255, 255, int(230 * q.fade())));
        p.drawEllipse(c, radius, radius);
        break;
    }
    case Effect::Bubbles: {
        const QPointF c = o + QPointF((q.r(1) - 0.5) * 40 + 4 * std::sin(a * 4 + q.r(2) * 6), -36 * a);
        const double radius = 2.5 + q.r(3) * 4;
        p.setPen(QPen(QColor(255, 255, 255, 220), 1.2));
        p.setBrush(QColor(220, 240, 255, 70));
        p.drawEllipse(c, radius, radius);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 255, 220));
        p.drawEllipse(c + QPointF(-radius * 0.35, -radius * 0.35), radius * 0.25, radius * 0.25);
        break;
    }
    case Effect::Sparkles: {
        const double angle = q.r(1) * 2 * M_PI;
        const QPointF c = o + QPointF(std::cos(angle), std::sin(angle)) * (14 + q.r(2) * 34);
        p.setPen(Qt::NoPen);
        p.setBrush(q.r(3) < 0.5 ? QColor(255, 235, 90) : QColor(255, 255, 255));
        paint_star(p, c, 7 * std::sin(M_PI * a / q.life));
        break;
    }
    case Effect::Spray: {
        const QPointF c = o + QPointF((110 + q.r(1) * 30) * a, (-70 - q.r(2) * 30) * a + 160 * a * a);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(170, 215, 255, 220));
        p.drawEllipse(c, 2.4, 2.4);
        break;
    }
    case Effect::Popcorn: {
        // Shot up and out, then falling back past the bucket's rim.
        const QPointF c = o + QPointF((q.r(1) - 0.5) * 160 * a, (-190 - q.r(2) * 80) * a + 420 * a * a);
        p.setPen(QPen(QColor(225, 170, 60), 1));
        p.setBrush(QColor(255, 248, 220));
        const double r = 4.5 + q.r(3) * 2.5;
        p.drawEllipse(c, r, r * 0.85);
        p.drawEllipse(c + QPointF(r * 0.6, -r * 0.4), r * 0.7, r * 0.6);
        break;
    }
    case Effect::Sleep:
    case Effect::Notes: {
        const bool notes = kind == Effect::Notes;
        const QPointF c = o + QPointF((notes ? 8 * std::sin(a * 3) : 14 * a), -22 * a);
        QFont font("DejaVu Sans");
        font.setBold(true);
        font.setPixelSize(int(10 + a * (notes ? 3 : 5)));
        p.setFont(font);
        const QColor ink = notes ? QColor::fromHsv(int(q.r(1) * 360), 200, 230) : QColor(90, 90, 200);
        p.setPen(QColor(ink.red(), ink.green(), ink.blue(), int(255 * q.fade())));
        p.drawText(c,
                   notes ? (q.r(2) < 0.5 ? QStringLiteral("\u266A") : QStringLiteral("\u266B"))
                         : QStringLiteral("z"));
        break;
    }
    }
}

}  // namespace

void paint_effect(QPainter& p, const Emitter& e, QPointF origin, double t)
{
    const double life = life_of(e.kind);
    p.save();
    for (long i = long(std::floor((t - life) * e.rate)); i <= long(std::floor(t * e.rate)); ++i) {
        const double born = i / e.rate;
        const Particle q{t - born, life, int(i) + 100000};
        if (q.age >= 0 && q.age < life && born >= e.from && born < e.until)
            paint_particle(p, e.kind, origin, q);
    }
    p.restore();
}

#include "scene_renderer.h"

#include "effect_painter.h"
#include "glyph_cache.h"
#include "setting_painter.h"
#include "shape_painter.h"

#include <cmath>

namespace {

struct Pose {
    QPointF centre;
    double angle = 0;  // degrees
    double scaleX = 1;
    double scaleY = 1;
};

double ease(double s)
{
    s = std::clamp(s, 0.0, 1.0);
    return s * s * (3 - 2 * s);
}

double glide_progress(const Actor& a, double t, double seconds)
{
    const double end = std::min(a.arrive, seconds);
    return end > a.setOff ? ease((t - a.setOff) / (end - a.setOff)) : 1.0;
}

QPointF path_point(const Actor& a, double t, double seconds)
{
    if (a.path == Path::Glide)
        return a.from + (a.to - a.from) * glide_progress(a, t, seconds);
    // Drop: a free fall, then one small bounce where it lands.
    constexpr double gravity = 600;
    const double height = a.to.y() - a.from.y();
    const double fallTime = std::sqrt(2 * std::max(height, 0.0) / gravity);
    const double since = t - a.dropAt;
    if (since <= 0)
        return a.from;
    if (since < fallTime) {
        const double s = since / fallTime;
        return a.from + QPointF((a.to.x() - a.from.x()) * s, 0.5 * gravity * since * since);
    }
    const double bounce = since - fallTime;
    const double lift = bounce < 0.3 ? 0.12 * height * std::sin(M_PI * bounce / 0.3) : 0;
    return a.to - QPointF(0, lift);
}

// 0 while hidden, 1 while shown, growing or shrinking over a fifth of a
// second at either end with a little overshoot so that an arrival catches the eye.
double presence(const Actor& a, double t)
{
    constexpr double popTime = 0.2;
    if (t < a.shownFrom || t >= a.shownUntil)
        return 0;
    // One there from the start is whole in the first frame.
    const double in = a.shownFrom > 0 ? (t - a.shownFrom) / popTime : 1.0;
    const double out = (a.shownUntil - t) / popTime;
    const double s = std::min({in, out, 1.0});
    return s < 1 ? s * (1 + 0.6 * std::sin(M_PI * s)) : 1.0;
}

Pose pose_at(const Actor& a, double t, double seconds)
{
    Pose pose{path_point(a, t, seconds)};
    const double size = presence(a, t) * (1 + (a.endScale - 1) * glide_progress(a, t, seconds));
    pose.scaleX = pose.scaleY = size;
    const double phase = 2 * M_PI * t / a.period;
    switch (a.move) {
    case Move::Still: break;
    case Move::Hop:
        pose.centre.ry() -= a.amount * std::abs(std::sin(M_PI * t / a.period));
        pose.angle = (a.mirrored ? 6 : -6) * std::sin(phase);
        break;
    case Move::Bob:
        pose.centre.ry() += a.amount * std::sin(phase);
        pose.angle = 4 * std::sin(phase + 1);
        break;
    case Move::Sway: pose.angle = a.amount * std::sin(phase); break;
    case Move::Spin: pose.angle = a.amount * t; break;
    case Move::Ring:
        if (std::fmod(t, a.period) < a.period * 0.6)
            pose.angle = a.amount * std::sin(2 * M_PI * 14 * t);
        break;
    case Move::Pulse:
        pose.scaleX *= 1 + a.amount * std::sin(phase);
        pose.scaleY *= 1 + a.amount * std::sin(phase);
        break;
    case Move::Flutter:
        pose.centre += QPointF(a.amount * std::sin(phase), 0.5 * a.amount * std::sin(2 * phase));
        pose.scaleX *= 0.55 + 0.45 * std::abs(std::cos(2 * M_PI * 3 * t));
        break;
    case Move::Stir:
        pose.centre += QPointF(a.amount * std::cos(phase), 0.4 * a.amount * std::sin(phase));
        break;
    case Move::Scrub: pose.centre.rx() += a.amount * std::sin(phase); break;
    }
    if (a.mirrored)
        pose.scaleX = -pose.scaleX;
    return pose;
}

// Turns and grows about the pivot, so a flower grows up from its stem's foot.
void paint_actor(QPainter& p, const Actor& a, const Pose& pose, double t)
{
    if (pose.scaleY <= 0)
        return;
    p.save();
    const QPointF pivot(0, a.pivot * a.size / 2);
    p.translate(pose.centre + pivot);
    p.rotate(pose.angle);
    p.scale(pose.scaleX, pose.scaleY);
    p.translate(-pivot);
    if (a.shape != Shape::None) {
        paint_shape(p, a.shape, a.size, t);
    } else {
        const QImage& image = glyph_image(a.glyph);
        const double width = a.size * image.width() / image.height();
        p.drawImage(QRectF(-width / 2, -a.size / 2, width, a.size), image);
    }
    p.restore();
}

// A night-blue veil for a room whose light goes off or on; the change takes
// half a second, like a lamp that dims.
void paint_darkness(QPainter& p, const ClipScene& scene, double t)
{
    constexpr double fade = 0.5;
    double dark = 0;
    if (scene.lightsOn >= 0)
        dark = 1 - ease((t - scene.lightsOn) / fade);
    if (scene.lightsOff >= 0)
        dark = std::max(dark, ease((t - scene.lightsOff) / fade));
    if (dark > 0)
        p.fillRect(QRectF(0, 0, FrameWidth, FrameHeight), QColor(15, 20, 60, int(170 * dark)));
}

}  // namespace

QImage render_frame(const ClipScene& scene, double t)
{
    QImage frame(FrameWidth, FrameHeight, QImage::Format_RGB888);
    frame.fill(Qt::white);
    QPainter p(&frame);
    p.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform | QPainter::TextAntialiasing);
    paint_setting(p, scene.setting, t);
    QList<QPointF> centres;
    for (const Actor& a : scene.actors) {
        const Pose pose = pose_at(a, t, scene.seconds);
        centres.append(pose.centre);
        paint_actor(p, a, pose, t);
    }
    paint_darkness(p, scene, t);
    for (const Emitter& e : scene.effects) {
        const QPointF origin = e.actor >= 0 ? centres.at(e.actor) + e.origin : e.origin;
        p.save();
        if (!e.area.isEmpty())
            p.setClipRect(e.area);
        paint_effect(p, e, origin, t);
        p.restore();
    }
    return frame;
}

QImage render_subject(const Actor& subject, int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    Actor still = subject;
    still.size = size;
    if (still.shape == Shape::None) {
        // Wide pictures (a bus, a train) are fitted by width instead of height.
        const QImage& glyph = glyph_image(still.glyph);
        still.size = std::min<double>(size, size * double(glyph.height()) / glyph.width());
    }
    Pose pose{QPointF(size / 2.0, size / 2.0)};
    pose.scaleX = subject.mirrored ? -1 : 1;
    paint_actor(p, still, pose, 0);
    return image;
}

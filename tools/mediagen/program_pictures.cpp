#include "program_pictures.h"

#include "glyph_cache.h"
#include "paint_kit.h"
#include "scene.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <cmath>

namespace {

// A stopwatch whose hand makes one turn every five seconds.
void paint_stopwatch(QPainter& p, QPointF centre, double radius, double t)
{
    p.setPen(QPen(QColor(50, 50, 60), radius * 0.06));
    p.setBrush(QColor(120, 190, 240));
    p.drawRoundedRect(
        QRectF(centre.x() - radius * 0.16, centre.y() - radius * 1.3, radius * 0.32, radius * 0.3), 3, 3);
    p.setBrush(QColor(70, 140, 220));
    p.drawEllipse(centre, radius, radius);
    p.setBrush(Qt::white);
    p.drawEllipse(centre, radius * 0.84, radius * 0.84);
    for (int i = 0; i < 20; ++i) {
        const double a = i * 2 * M_PI / 20;
        const double inner = radius * (i % 4 == 0 ? 0.62 : 0.72);
        p.setPen(QPen(QColor(60, 60, 70), radius * (i % 4 == 0 ? 0.05 : 0.03), Qt::SolidLine, Qt::RoundCap));
        p.drawLine(centre + QPointF(std::sin(a), -std::cos(a)) * inner,
                   centre + QPointF(std::sin(a), -std::cos(a)) * radius * 0.78);
    }
    const double a = t / 5.0 * 2 * M_PI;
    p.setPen(QPen(QColor(230, 50, 50), radius * 0.06, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(centre, centre + QPointF(std::sin(a), -std::cos(a)) * radius * 0.7);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(230, 50, 50));
    p.drawEllipse(centre, radius * 0.08, radius * 0.08);
}

QFont bold_font(int pixels)
{
    QFont font("DejaVu Sans");
    font.setBold(true);
    font.setPixelSize(pixels);
    return font;
}

}  // namespace

QImage make_title_banner()
{
    QImage image(600, 250, QImage::Format_RGB888);
    QPainter p(&image);
    p.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    QLinearGradient g(0, 0, 600, 250);
    g.setColorAt(0, QColor(255, 214, 90));
    g.setColorAt(0.5, QColor(255, 150, 120));
    g.setColorAt(1, QColor(200, 120, 230));
    p.fillRect(image.rect(), g);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 9; ++i) {  // soft confetti dots
        p.setBrush(QColor(255, 255, 255, 70));
        const double r = 8 + scatter(i + 3) * 22;
        p.drawEllipse(QPointF(scatter(i) * 600, scatter(i + 50) * 250), r, r);
    }
    QPainterPath title;
    title.addText(0, 0, bold_font(78), "Flickerbox II");
    const QRectF box = title.boundingRect();
    title.translate(300 - box.center().x(), 135 - box.center().y());
    p.setBrush(QColor(90, 40, 110, 110));
    p.drawPath(title.translated(4, 5));
    p.setPen(QPen(QColor(90, 40, 110), 6, Qt::SolidLine, Qt::SquareCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(title);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawPath(title);
    const QStringList stars = {QStringLiteral("\u2B50"), QStringLiteral("\U0001F4FA"),
                               QStringLiteral("\U0001F3AC"), QStringLiteral("\u2B50")};
    // Corners only, clear of the lettering.
    const QPointF spots[] = {{56, 44}, {544, 46}, {58, 214}, {542, 212}};
    for (int i = 0; i < 4; ++i) {
        const QImage& glyph = glyph_image(stars[i]);
        const double size = i % 3 == 0 ? 38 : 48;
        const double w = size * glyph.width() / glyph.height();
        p.drawImage(QRectF(spots[i].x() - w / 2, spots[i].y() - size / 2, w, size), glyph);
    }
    return image;
}

QImage make_calibration_card()
{
    QImage image(120, 90, QImage::Format_RGB888);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(40, 40, 40), 2));
    p.drawRoundedRect(QRectF(1.5, 1.5, 117, 87), 8, 8);
    paint_stopwatch(p, QPointF(60, 40), 27, 1.2);
    p.setFont(bold_font(13));
    p.setPen(QColor(20, 20, 20));
    p.drawText(QRect(0, 70, 120, 18), Qt::AlignCenter, "timing");
    return image;
}

QImage make_timer_frame(double t)
{
    QImage image(FrameWidth, FrameHeight, QImage::Format_RGB888);
    QPainter p(&image);
    p.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    QLinearGradient g(0, 0, 0, FrameHeight);
    g.setColorAt(0, QColor(255, 250, 225));
    g.setColorAt(1, QColor(255, 225, 170));
    p.fillRect(image.rect(), g);
    paint_stopwatch(p, QPointF(176, 120), 80, t);
    p.setFont(bold_font(18));
    p.setPen(QColor(60, 60, 80));
    p.drawText(QRect(262, 200, 80, 30), Qt::AlignRight | Qt::AlignVCenter, QString::number(t, 'f', 1) + " s");
    return image;
}

QImage make_blank_pointer()
{
    QImage image(32, 32, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    return image;
}

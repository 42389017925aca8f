#include "label_card.h"

#include "scene_renderer.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>

namespace {

// The largest bold font, at most 15 pixels, whose text fits `width`.
QFont fitting_font(const QString& text, int width)
{
    QFont font("DejaVu Sans");
    font.setBold(true);
    for (int px = 15; px > 8; --px) {
        font.setPixelSize(px);
        if (QFontMetrics(font).horizontalAdvance(text) <= width)
            break;
    }
    return font;
}

}  // namespace

QImage make_label_card(const ClipScene& scene)
{
    QImage card(kLabelWidth, kLabelHeight, QImage::Format_RGB888);
    card.fill(Qt::white);
    QPainter p(&card);
    p.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);
    p.setPen(QPen(QColor(40, 40, 40), 2));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(1.5, 1.5, kLabelWidth - 3, kLabelHeight - 3), 8, 8);
    constexpr int picture = 62;
    p.drawImage(QPoint((kLabelWidth - picture) / 2, 6),
                render_subject(scene.actors.at(scene.subject), picture));
    p.setFont(fitting_font(scene.word, kLabelWidth - 10));
    p.setPen(QColor(20, 20, 20));
    p.drawText(QRect(4, 70, kLabelWidth - 8, 20), Qt::AlignCenter, scene.word);
    return card;
}

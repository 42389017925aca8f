#include "library/label_card.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>

namespace {

constexpr int Margin = 5;

// The largest bold lettering, from `largest` pixels down, whose text fits
// `box` with the given flags.
QFont fitting_font(const QString& text, const QRect& box, int flags, int largest)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    for (int px = largest; px > 8; --px) {
        font.setPixelSize(px);
        const QRect needed = QFontMetrics(font).boundingRect(box, flags, text);
        if (needed.width() <= box.width() && needed.height() <= box.height())
            break;
    }
    return font;
}

}  // namespace

QImage make_label_card(const QString& title, const QImage& picture)
{
    QImage card(LabelWidth, LabelHeight, QImage::Format_RGB888);
    card.fill(Qt::white);
    QPainter p(&card);
    p.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);
    p.setPen(QPen(QColor(40, 40, 40), 2));
    p.drawRoundedRect(QRectF(1.5, 1.5, LabelWidth - 3, LabelHeight - 3), 8, 8);

    QRect text_box(Margin, Margin, LabelWidth - 2 * Margin, LabelHeight - 2 * Margin);
    int flags = Qt::AlignCenter | Qt::TextWordWrap;
    int largest = 24;
    if (!picture.isNull()) {
        const QRect pictureBox(Margin + 2, Margin + 1, LabelWidth - 2 * Margin - 4, 62);
        const QSize fitted = picture.size().scaled(pictureBox.size(), Qt::KeepAspectRatio);
        // Centred to the pixel the same way for odd and even sizes.
        const QRect target(pictureBox.topLeft()
                               + QPoint((pictureBox.width() - fitted.width()) / 2,
                                        (pictureBox.height() - fitted.height()) / 2),
                           fitted);
        p.drawImage(target, picture);
        text_box = QRect(Margin, 70, LabelWidth - 2 * Margin, 20);
        flags = Qt::AlignCenter;
        largest = 15;
    }
    p.setFont(fitting_font(title, text_box, flags, largest));
    p.setPen(QColor(20, 20, 20));
    p.drawText(text_box, flags, title);
    return card;
}

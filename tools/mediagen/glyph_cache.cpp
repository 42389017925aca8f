#include "glyph_cache.h"

#include <QFont>
#include <QFontDatabase>
#include <QHash>
#include <QMutex>
#include <QPainter>
#include <stdexcept>

namespace {

constexpr int DrawSize = 136;  // the font's own bitmap size, so no resampling here

QRect visible_bounds(const QImage& image)
{
    int left = image.width(), top = image.height(), right = -1, bottom = -1;
    for (int y = 0; y < image.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(row[x]) > 8) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
        }
    }
    return right < 0 ? QRect() : QRect(QPoint(left, top), QPoint(right, bottom));
}

QImage draw_glyph(const QString& glyph)
{
    if (!QFontDatabase::families().contains("Noto Color Emoji"))
        throw std::runtime_error("the font \"Noto Color Emoji\" is not installed");
    QImage canvas(DrawSize * 2, DrawSize * 2, QImage::Format_ARGB32_Premultiplied);
    canvas.fill(Qt::transparent);
    QPainter painter(&canvas);
    QFont font("Noto Color Emoji");
    font.setPixelSize(DrawSize);
    painter.setFont(font);
    painter.drawText(canvas.rect(), Qt::AlignCenter, glyph);
    painter.end();
    const QRect bounds = visible_bounds(canvas);
    if (bounds.isEmpty())
        throw std::runtime_error("the emoji font drew nothing for " + glyph.toStdString());
    return canvas.copy(bounds);
}

}  // namespace

QImage glyph_image(const QString& glyph)
{
    static QMutex lock;
    static QHash<QString, QImage> cache;
    const QMutexLocker guard(&lock);
    auto it = cache.find(glyph);
    if (it == cache.end())
        it = cache.insert(glyph, draw_glyph(glyph));
    return *it;
}

#include "media/picture.h"

#include <QImageReader>
#include <QPainter>
#include <algorithm>

namespace {
QImage black_image(int width, int height)
{
    QImage image(std::max(width, 0), std::max(height, 0), QImage::Format_RGB32);
    image.fill(Qt::black);
    return image;
}
}  // namespace

Picture::Picture(int width, int height)
    : image_(black_image(width, height))
{
}

bool Picture::load(const QString& path)
{
    QImageReader reader(path);
    QImage loaded = reader.read();
    if (loaded.isNull())
        return false;
    if (loaded.hasAlphaChannel()) {
        // Icons: transparent parts show as black, like the rest of a fresh picture.
        QImage flat = black_image(loaded.width(), loaded.height());
        QPainter(&flat).drawImage(0, 0, loaded);
        image_ = std::move(flat);
    } else {
        image_ = loaded.convertToFormat(QImage::Format_RGB32);
    }
    notify(image_.rect());
    return true;
}

void Picture::set_size(int width, int height)
{
    if (QSize(width, height) == size())
        return;
    QImage resized = black_image(width, height);
    if (!image_.isNull()) {
        QPainter painter(&resized);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.drawImage(0, 0, image_);
    }
    image_ = std::move(resized);
    notify(image_.rect());
}

void Picture::notify(const QRect& area) const
{
    if (listener_ && !area.isEmpty())
        listener_(area);
}

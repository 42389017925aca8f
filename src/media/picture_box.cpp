#include "media/picture_box.h"

#include <QPaintEvent>
#include <QPainter>

PictureBox::PictureBox(QWidget* parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);  // the picture covers every pixel
    resize(0, 0);
    picture_.set_change_listener([this](const QRect& area) { picture_changed(area); });
}

void PictureBox::set_scale(double scale)
{
    if (scale == scale_)
        return;
    scale_ = scale;
    resize(shown_size());
    update();
}

QSize PictureBox::shown_size() const
{
    return shown(picture_.rect()).size();
}

QRect PictureBox::shown(const QRect& inPicture) const
{
    if (scale_ == 1)
        return inPicture;
    return QRectF(inPicture.x() * scale_, inPicture.y() * scale_, inPicture.width() * scale_,
                  inPicture.height() * scale_)
        .toAlignedRect();
}

void PictureBox::picture_changed(const QRect& area)
{
    if (size() != shown_size())
        resize(shown_size());
    // repaint, not update: the animations do not return to the event loop
    // between frames, and each frame must be seen. Scaled, a pixel's smoothing
    // reaches its neighbours.
    repaint(scale_ == 1 ? area : shown(area).adjusted(-1, -1, 1, 1));
}

void PictureBox::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    const QRect area = event->rect();
    if (scale_ == 1) {
        painter.drawImage(area.topLeft(), picture_.image(), area);
    } else {
        // Only the part asked for: the hand's frames repaint a small box.
        const QRect source =
            QRectF(area.x() / scale_, area.y() / scale_, area.width() / scale_, area.height() / scale_)
                .toAlignedRect()
                .adjusted(-1, -1, 1, 1)
            & picture_.rect();
        painter.save();
        painter.setClipRect(area);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.scale(scale_, scale_);
        painter.drawImage(source.topLeft(), picture_.image(), source);
        painter.restore();
    }
    // Only if someone sized the widget itself: show black, not stale pixels.
    for (const QRect& rest : QRegion(area) - shown(picture_.rect()))
        painter.fillRect(rest, Qt::black);
}

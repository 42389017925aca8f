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

void PictureBox::picture_changed(const QRect& area)
{
    if (size() != picture_.size())
        resize(picture_.size());
    // repaint, not update: the animations do not return to the event loop
    // between frames, and each frame must be seen.
    repaint(area);
}

void PictureBox::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    const QRect area = event->rect();
    painter.drawImage(area.topLeft(), picture_.image(), area);
    // Only if someone sized the widget itself: show black, not stale pixels.
    for (const QRect& rest : QRegion(area) - picture_.rect())
        painter.fillRect(rest, Qt::black);
}

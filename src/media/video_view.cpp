#include "media/video_view.h"

#include <QPainter>

VideoView::VideoView(QWidget* container)
    : QWidget(container)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
}

void VideoView::show_frame(const QImage& frame)
{
    frame_ = frame;
    ++frameCount_;
    update();
}

void VideoView::clear()
{
    frame_ = QImage();
    update();
}

void VideoView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (frame_.isNull()) {
        painter.fillRect(rect(), Qt::black);
        return;
    }
    const QSize frameSize = frame_.deviceIndependentSize().toSize();
    if (frameSize == size()) {
        painter.drawImage(QPoint(0, 0), frame_);
        return;
    }
    // The frame at the new size is still being drawn: show the old one in
    // proportion meanwhile, never stretched.
    painter.fillRect(rect(), Qt::black);
    QRect target(QPoint(0, 0), frameSize.scaled(size(), Qt::KeepAspectRatio));
    target.moveCenter(rect().center());
    painter.drawImage(target, frame_);
}

void VideoView::mousePressEvent(QMouseEvent*)
{
    emit mouse_button_down();
}

// The second press of a quick double press is a press like any other.
void VideoView::mouseDoubleClickEvent(QMouseEvent*)
{
    emit mouse_button_down();
}

void VideoView::mouseReleaseEvent(QMouseEvent*)
{
    emit mouse_button_up();
}

void VideoView::focusInEvent(QFocusEvent* event)
{
    QWidget::focusInEvent(event);
    emit focus_received();
}

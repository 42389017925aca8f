#pragma once
// The widget that shows the player's current frame. Frames arrive already
// scaled to the widget's size with the clip's proportions kept (black bars
// fill the rest); the view only paints them and reports mouse and focus.

#include <QImage>
#include <QWidget>

class VideoView : public QWidget {
    Q_OBJECT
public:
    explicit VideoView(QWidget* container);

    void show_frame(const QImage& frame);
    // Black until the next frame.
    void clear();

    const QImage& frame() const { return frame_; }
    // Frames shown since the view was made.
    int frame_count() const { return frameCount_; }

signals:
    void mouse_button_down();
    void mouse_button_up();
    void focus_received();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

private:
    QImage frame_;
    int frameCount_ = 0;
};

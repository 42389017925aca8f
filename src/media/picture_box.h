#pragma once
// A visible picture: a widget that shows its Picture and repaints the changed
// area at once, so every frame of an animation reaches the screen even while
// the caller keeps the event loop waiting.

#include "media/picture.h"

#include <QWidget>

class PictureBox : public QWidget {
    Q_OBJECT
public:
    explicit PictureBox(QWidget* parent = nullptr);

    // The widget takes the picture's size: size it through its picture.
    Picture& picture() { return picture_; }
    const Picture& picture() const { return picture_; }
    // Shown `scale` times its own size (1, or less where it would not fit).
    void set_scale(double scale);
    double scale() const { return scale_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void picture_changed(const QRect& area);

    QSize shown_size() const;
    QRect shown(const QRect& inPicture) const;

    Picture picture_;
    double scale_ = 1;
};

#pragma once
// A picture store in pixel coordinates: an RGB32 image that block transfers
// read and write. Whoever shows a picture on screen listens for its changes.

#include <QImage>
#include <QRect>
#include <QString>
#include <functional>
#include <utility>

class Picture {
public:
    using ChangeListener = std::function<void(const QRect& area)>;

    Picture() = default;
    Picture(int width, int height);  // black
    Picture(const Picture&) = delete;
    Picture& operator=(const Picture&) = delete;

    // Replaces the content with the picture file (JPEG, icon, ...) and takes
    // its size. On failure returns false and leaves the picture as it was.
    bool load(const QString& path);

    // Keeps the content where it still fits; new area is black.
    void set_size(int width, int height);

    int width() const { return image_.width(); }
    int height() const { return image_.height(); }
    QSize size() const { return image_.size(); }
    QRect rect() const { return image_.rect(); }
    const QImage& image() const { return image_; }

    // The one way to change pixels: draw(QImage&) must stay inside area,
    // which is then reported to the listener.
    template <typename Draw>
    void edit(const QRect& area, Draw&& draw)
    {
        std::forward<Draw>(draw)(image_);
        notify(area);
    }

    // One listener (or none): called after every change with the changed area,
    // and with the whole picture after a load or resize.
    void set_change_listener(ChangeListener listener) { listener_ = std::move(listener); }

private:
    void notify(const QRect& area) const;

    QImage image_;
    ChangeListener listener_;
};

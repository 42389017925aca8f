#pragma once
// "Part to keep": where the clip starts and ends in the chosen video, each
// set with a slider or typed as a time, with the picture found there shown:
// the first and last pictures the learner will see.

#include "library/clip_part.h"
#include "library/video_probe.h"

#include <QTimer>
#include <QWidget>

class QLabel;
class QLineEdit;
class QSlider;

class PartChooser : public QWidget {
    Q_OBJECT
public:
    explicit PartChooser(QWidget* parent = nullptr);

    // A new video: the whole of it is chosen, which a long one does not allow.
    void set_video(const QString& path, const VideoFacts& facts);
    ClipTrim trim() const;
    // "" when the chosen part can be a clip.
    QString problem() const { return check_part(trim(), facts_.seconds).problem; }

signals:
    void changed();

private:
    struct End {
        QSlider* slider;
        QLineEdit* time;
        QLabel* picture;
        QTimer show_picture;  // waits for the slider to rest before decoding
    };
    void setup_end(End& end, const QString& name);
    void moved(End& end);
    void typed(End& end);
    void show_picture(End& end);
    double seconds_of(const End& end) const;

    QString video_;
    VideoFacts facts_;
    End start_, end_;
    QLabel* note_;
};

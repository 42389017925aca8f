#include "part_chooser.h"

#include "library/clip_encoding.h"
#include "library/end_stills.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSlider>
#include <QVBoxLayout>
#include <cmath>

namespace {

// The sliders move in tenths of a second: fine enough for a short moment.
constexpr int StepsPerSecond = 10;
constexpr int RestMs = 150;

}  // namespace

PartChooser::PartChooser(QWidget* parent)
    : QWidget(parent)
{
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    setup_end(start_, QStringLiteral("from"));
    setup_end(end_, QStringLiteral("to"));
    grid->addWidget(new QLabel(QStringLiteral("Starts at:")), 0, 0);
    grid->addWidget(start_.slider, 0, 1);
    grid->addWidget(start_.time, 0, 2);
    grid->addWidget(new QLabel(QStringLiteral("Ends at:")), 1, 0);
    grid->addWidget(end_.slider, 1, 1);
    grid->addWidget(end_.time, 1, 2);
    note_ = new QLabel(QStringLiteral("Choose a video first."));
    note_->setObjectName(QStringLiteral("partNote"));
    note_->setWordWrap(true);
    grid->addWidget(note_, 2, 0, 1, 3);
    auto* pictures = new QHBoxLayout;
    for (End* end : {&start_, &end_}) {
        auto* column = new QVBoxLayout;
        column->addWidget(
            new QLabel(end == &start_ ? QStringLiteral("First picture") : QStringLiteral("Last picture")));
        column->addWidget(end->picture);
        pictures->addLayout(column);
    }
    pictures->addStretch();
    grid->addLayout(pictures, 3, 0, 1, 3);
    grid->setColumnStretch(1, 1);
    setEnabled(false);
}

void PartChooser::setup_end(End& end, const QString& name)
{
    end.slider = new QSlider(Qt::Horizontal);
    end.slider->setObjectName(name + QStringLiteral("Slider"));
    end.slider->setFocusPolicy(Qt::StrongFocus);
    end.time = new QLineEdit;
    end.time->setObjectName(name);
    end.time->setMaximumWidth(end.time->fontMetrics().horizontalAdvance(QStringLiteral("0:00:00.0")) + 16);
    end.time->setToolTip(QStringLiteral("Seconds (such as 75) or minutes:seconds (such as 1:15)"));
    end.picture = new QLabel;
    end.picture->setObjectName(name + QStringLiteral("Picture"));
    end.picture->setFixedSize(StillWidth, StillHeight);
    end.picture->setStyleSheet(QStringLiteral("background: black"));
    end.show_picture.setSingleShot(true);
    end.show_picture.setInterval(RestMs);
    connect(end.slider, &QSlider::valueChanged, this, [this, &end] { moved(end); });
    connect(end.time, &QLineEdit::editingFinished, this, [this, &end] { typed(end); });
    connect(&end.show_picture, &QTimer::timeout, this, [this, &end] { show_picture(end); });
}

void PartChooser::set_video(const QString& path, const VideoFacts& facts)
{
    video_ = path;
    facts_ = facts;
    const int last = int(std::floor(facts.seconds * StepsPerSecond));
    for (End* end : {&start_, &end_}) {
        const QSignalBlocker quiet(end->slider);
        end->slider->setRange(0, last);
        end->slider->setSingleStep(1);
        end->slider->setPageStep(std::max(StepsPerSecond, last / 20));
        end->slider->setValue(end == &start_ ? 0 : last);
        moved(*end);
    }
    setEnabled(true);
}

double PartChooser::seconds_of(const End& end) const
{
    return double(end.slider->value()) / StepsPerSecond;
}

ClipTrim PartChooser::trim() const
{
    // The end slider at its stop means the video's own end, which lies
    // between two tenths.
    const bool toTheEnd = end_.slider->value() == end_.slider->maximum();
    return {seconds_of(start_), toTheEnd ? 0 : seconds_of(end_)};
}

void PartChooser::moved(End& end)
{
    end.time->setText(clip_time_text(seconds_of(end)));
    end.show_picture.start();
    const ClipTrim part = trim();
    const PartCheck check = check_part(part, facts_.seconds);
    note_->setText(!check.problem.isEmpty()
                       ? check.problem
                       : QStringLiteral("The clip will last %1 (the video lasts %2).")
                             .arg(clip_time_text(part_end(part, facts_.seconds) - part.start),
                                  clip_time_text(facts_.seconds)));
    emit changed();
}

void PartChooser::typed(End& end)
{
    const std::optional<double> seconds = parse_clip_time(end.time->text());
    if (!seconds) {
        note_->setText(
            QStringLiteral("\"%1\" is not a time. Write seconds (such as 75) or minutes and seconds "
                           "(such as 1:15).")
                .arg(end.time->text()));
        return;
    }
    end.slider->setValue(int(std::lround(*seconds * StepsPerSecond)));
    end.time->setText(clip_time_text(seconds_of(end)));  // a time past the end stops there
}

void PartChooser::show_picture(End& end)
{
    double at = seconds_of(end);
    if (&end == &end_) {
        // The clip ends on the picture shown just before this time; a seek
        // lands on the first picture at or after it, so it aims half a
        // picture earlier.
        const double frame = 1.0 / clip_frame_rate(facts_.framesPerSecond);
        const double sourceFrame = facts_.framesPerSecond > 0 ? 1.0 / facts_.framesPerSecond : frame;
        at = std::max(seconds_of(start_), part_end(trim(), facts_.seconds) - frame - sourceFrame / 2);
    }
    QImage picture = preview_still(video_, at);
    // Near the very end a seek can land after the last picture.
    for (double back = 0.5; picture.isNull() && back <= 2; back *= 2)
        picture = preview_still(video_, std::max(0.0, at - back));
    end.picture->setPixmap(QPixmap::fromImage(picture));
}

#pragma once
// A clip player without video: it follows the play states of a real one on
// the event loop's timers, and records what it was told.

#include "media/video_player.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QMap>
#include <QPoint>
#include <QSize>
#include <QStringList>
#include <QTimer>
#include <memory>

class FakePlayer : public VideoPlayer {
public:
    using VideoPlayer::VideoPlayer;

    int clipMs = 30;  // how long every clip plays
    // Clips, by file name, that fail with the given reason once opened.
    std::shared_ptr<QMap<QString, QString>> failures = std::make_shared<QMap<QString, QString>>();
    // "open <file name>", "play", "pause", "hold here", "stop", "close"; kept by the test,
    // since the window deletes its player.
    std::shared_ptr<QStringList> calls = std::make_shared<QStringList>();

    void set_auto_start(bool on) override { autoStart_ = on; }
    bool auto_start() const override { return autoStart_; }
    void set_file_name(const QString& path) override
    {
        fileName_ = path;
        failure_.clear();
        ++generation_;
        ++opens_;
        if (failures->contains(QFileInfo(path).fileName())) {
            *calls << QStringLiteral("open ") + QFileInfo(path).fileName();
            state_ = autoStart_ ? Waiting : Stopped;
            // The verdict comes at the next yield, as a real one's comes soon after opening.
            const auto fail = [this, opened = opens_, why = failures->value(QFileInfo(path).fileName())] {
                if (opened != opens_)
                    return;
                failure_ = why;
                ++generation_;
                state_ = Stopped;
            };
            QMetaObject::invokeMethod(this, fail, Qt::QueuedConnection);
            return;
        }
        if (path.isEmpty() || !QFileInfo(path).isFile()) {
            *calls << QStringLiteral("close");
            state_ = Stopped;
            return;
        }
        *calls << QStringLiteral("open ") + QFileInfo(path).fileName();
        if (!autoStart_) {
            state_ = Stopped;
            return;
        }
        state_ = Waiting;
        // The stream begins on a later turn of the event loop, as a real one does.
        // Its first frame shows even when the clip was held meanwhile (play
        // then pause), as the calibration's timer clip is.
        QTimer::singleShot(1, this, [this, g = generation_, opened = opens_] {
            if (opened != opens_)
                return;
            const bool goesOn = g == generation_;
            if (goesOn)
                state_ = Playing;
            leftMs_ = clipMs;
            emit first_frame_shown();
            if (goesOn)
                end_later();
        });
    }
    QString file_name() const override { return fileName_; }
    int16_t play_state() const override { return state_; }
    QString failure() const override { return failure_; }
    void play() override
    {
        *calls << QStringLiteral("play");
        if (fileName_.isEmpty() || !failure_.isEmpty())
            return;
        // Held where it was, it plays on for what was left; else all of it.
        if (!std::exchange(heldHere_, false))
            leftMs_ = clipMs;
        state_ = Playing;
        ++generation_;
        end_later();
    }
    void hold_here() override
    {
        *calls << QStringLiteral("hold here");
        if (state_ != Playing)
            return;
        ++generation_;
        leftMs_ = std::max<qint64>(leftMs_ - playing_.elapsed(), 0);
        heldHere_ = true;
        state_ = Held;
    }
    void pause() override
    {
        *calls << QStringLiteral("pause");
        if (!failure_.isEmpty())
            return;
        ++generation_;
        heldHere_ = false;
        state_ = Held;
    }
    void stop() override
    {
        *calls << QStringLiteral("stop");
        ++generation_;
        state_ = Stopped;
    }
    void move(int left, int top) override { pos_ = {left, top}; }
    void resize(int width, int height) override { size_ = {width, height}; }
    int left() const override { return pos_.x(); }
    int top() const override { return pos_.y(); }
    int width() const override { return size_.width(); }
    int height() const override { return size_.height(); }
    void set_visible(bool visible) override { visible_ = visible; }
    bool is_visible() const override { return visible_; }

private:
    void end_later()
    {
        playing_.start();
        QTimer::singleShot(int(leftMs_), this, [this, g = generation_] {
            if (g == generation_)
                state_ = Stopped;
        });
    }

    bool autoStart_ = true;
    bool visible_ = true;
    QString fileName_;
    QString failure_;
    int16_t state_ = Stopped;
    int generation_ = 0;
    int opens_ = 0;
    qint64 leftMs_ = 0;  // of the clip, from where it plays
    bool heldHere_ = false;  // by hold_here: play goes on from there
    QElapsedTimer playing_;  // since playback last began or went on
    QPoint pos_;
    QSize size_;
};

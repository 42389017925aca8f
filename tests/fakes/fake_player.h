#pragma once
// A clip player without video: it follows the play states of a real one on
// the event loop's timers, and records what it was told.

#include "media/video_player.h"

#include <QFileInfo>
#include <QPoint>
#include <QSize>
#include <QStringList>
#include <QTimer>
#include <memory>

class FakePlayer : public VideoPlayer {
public:
    using VideoPlayer::VideoPlayer;

    int clipMs = 30;  // how long every clip plays
    // "open <file name>", "play", "pause", "stop", "close"; kept by the test,
    // since the window deletes its player.
    std::shared_ptr<QStringList> calls = std::make_shared<QStringList>();

    void setAutoStart(bool on) override { autoStart_ = on; }
    bool autoStart() const override { return autoStart_; }
    void setFileName(const QString& path) override
    {
        fileName_ = path;
        ++generation_;
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
        QTimer::singleShot(1, this, [this, g = generation_] {
            if (g != generation_)
                return;
            state_ = Playing;
            emit firstFrameShown();
            endLater();
        });
    }
    QString fileName() const override { return fileName_; }
    int16_t playState() const override { return state_; }
    void play() override
    {
        *calls << QStringLiteral("play");
        if (fileName_.isEmpty())
            return;
        state_ = Playing;
        ++generation_;
        endLater();
    }
    void pause() override
    {
        *calls << QStringLiteral("pause");
        ++generation_;
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
    void setVisible(bool visible) override { visible_ = visible; }
    bool isVisible() const override { return visible_; }

private:
    void endLater()
    {
        QTimer::singleShot(clipMs, this, [this, g = generation_] {
            if (g == generation_)
                state_ = Stopped;
        });
    }

    bool autoStart_ = true;
    bool visible_ = true;
    QString fileName_;
    int16_t state_ = Stopped;
    int generation_ = 0;
    QPoint pos_;
    QSize size_;
};

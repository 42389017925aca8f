#pragma once
// The clip player on libmpv. Decoding runs in mpv's threads, drawing in a
// render thread (FrameRenderer); this object and its view live on the
// user-interface thread, where mpv's events are handled as queued calls, so
// play_state() follows the clip at every yield of the waiting code.

#include "media/mpv_handle.h"
#include "media/video_player.h"

#include <QImage>
#include <QPointer>
#include <QTimer>
#include <atomic>
#include <memory>
#include <mutex>

class FrameRenderer;
class QWidget;
class VideoView;
struct mpv_event;

class MpvPlayer : public VideoPlayer {
    Q_OBJECT
public:
    // The picture area is a child widget of container.
    explicit MpvPlayer(QWidget* container);
    ~MpvPlayer() override;

    void set_auto_start(bool on) override { autoStart_ = on; }
    bool auto_start() const override { return autoStart_; }
    void set_file_name(const QString& path) override;
    QString file_name() const override { return fileName_; }
    int16_t play_state() const override;
    QString failure() const override { return failure_; }
    void play() override;
    void pause() override;
    void hold_here() override;
    void stop() override;

    void move(int left, int top) override;
    void resize(int width, int height) override;
    int left() const override;
    int top() const override;
    int width() const override;
    int height() const override;

    void set_visible(bool visible) override { visible_ = visible; }
    bool is_visible() const override { return visible_; }

    // What the picture area shows now (null while black), and how many frames
    // it has shown so far.
    QImage current_frame() const;
    int frames_shown() const;

private:
    enum class Phase { Closed, Unstarted, Playing, Held, Halted, Ended };

    void show_latest_frame();
    void close();
    // The open clip cannot be shown: it is closed and failure() says why.
    void fail(const QString& why);
    void check_first_picture();
    void clear_picture();
    void request_drain();
    void drain_events();
    void handle_event(const mpv_event& event);
    void update_target_size();
    void seek_to_start(bool exact);

    MpvHandle mpv_;
    std::unique_ptr<FrameRenderer> renderer_;
    QPointer<VideoView> view_;
    std::atomic<bool> drainQueued_{false};

    // The newest finished frame, handed over from the render thread.
    std::mutex latestMutex_;
    QImage latestFrame_;
    uint64_t latestEpoch_ = 0;
    std::atomic<bool> frameQueued_{false};

    bool autoStart_ = true;
    bool visible_ = true;
    QString fileName_;
    Phase phase_ = Phase::Closed;
    int64_t currentEntry_ = -1;  // mpv's id of the open clip
    int64_t startedEntry_ = -1;  // the clip that mpv's latest events are about
    bool begun_ = false;  // the open clip's stream has started
    bool firstFrameSignalled_ = false;
    bool holdGoesToStart_ = false;
    QString failure_;
    // Runs from the opening until the clip's stream begins; a clip that has
    // not begun by then is given up.
    QTimer openingLimit_;
};

// "" when libmpv and its picture output start on this computer; else a
// message for the adult.
QString video_player_start_problem();

#include "media/mpv_player.h"

#include "media/frame_renderer.h"
#include "media/video_view.h"

#include <QFileInfo>
#include <QWidget>
#include <mpv/client.h>
#include <utility>

namespace {

// Reply id of the one property this player observes.
constexpr uint64_t EofObserver = 1;
// How long a clip may take from opening to its first picture. A clip opens
// in well under a second even on a busy computer; one that has not begun by
// then never will.
constexpr int OpeningLimitSeconds = 10;

}  // namespace

MpvPlayer::MpvPlayer(QWidget* container)
    : mpv_({
        {"vo", "libmpv"},
        {"hwdec", "no"},
        // Keep an ended clip open: its last frame stays on screen and is
        // drawn again when the area changes size.
        {"keep-open", "yes"},
        // Clips written in groups of pictures by some encoders start at a
        // non-zero time, where the demuxer's seek to the start lands on the
        // second key frame; aiming a second earlier reaches the first.
        {"hr-seek-demuxer-offset", "1"},
        {"idle", "yes"},
        // The clip's proportions are kept; the rest of the area is black.
        {"keepaspect", "yes"},
        {"background", "#000000"},
        {"osd-level", "0"},
    })
    , view_(new VideoView(container))
{
    connect(view_, &VideoView::mouse_button_down, this, &VideoPlayer::mouse_button_down);
    connect(view_, &VideoView::mouse_button_up, this, &VideoPlayer::mouse_button_up);
    connect(view_, &VideoView::focus_received, this, &VideoPlayer::focus_received);
    view_->show();
    openingLimit_.setSingleShot(true);
    openingLimit_.setInterval(OpeningLimitSeconds * 1000);
    connect(&openingLimit_, &QTimer::timeout, this, [this] {
        fail(QStringLiteral("no picture came out of it within %1 seconds").arg(OpeningLimitSeconds));
    });

    if (!mpv_.get())
        return;
    renderer_ = std::make_unique<FrameRenderer>(mpv_.get(), [this](const QImage& frame, uint64_t epoch) {
        {
            std::lock_guard lock(latestMutex_);
            latestFrame_ = frame;
            latestEpoch_ = epoch;
        }
        // One queued call at a time: while the user-interface thread is busy,
        // newer frames replace older ones instead of piling up in memory.
        if (!frameQueued_.exchange(true))
            QMetaObject::invokeMethod(this, &MpvPlayer::show_latest_frame, Qt::QueuedConnection);
    });
    mpv_observe_property(mpv_.get(), EofObserver, "eof-reached", MPV_FORMAT_FLAG);
    mpv_set_wakeup_callback(
        mpv_.get(), [](void* self) { static_cast<MpvPlayer*>(self)->request_drain(); }, this);
    update_target_size();
}

MpvPlayer::~MpvPlayer()
{
    // Stop both sources of queued calls before this object goes away.
    renderer_.reset();
    if (mpv_.get())
        mpv_set_wakeup_callback(mpv_.get(), nullptr, nullptr);
    delete view_.data();
}

void MpvPlayer::show_latest_frame()
{
    frameQueued_ = false;
    QImage frame;
    uint64_t epoch = 0;
    {
        std::lock_guard lock(latestMutex_);
        frame = std::exchange(latestFrame_, QImage());
        epoch = latestEpoch_;
    }
    // Before the open clip has begun, mpv may still draw the picture of the
    // clip before it.
    if (frame.isNull() || !view_ || !renderer_ || epoch != renderer_->epoch() || !begun_)
        return;
    frame.setDevicePixelRatio(view_->devicePixelRatioF());
    view_->show_frame(frame);
    if (!firstFrameSignalled_) {
        firstFrameSignalled_ = true;
        emit first_frame_shown();
    }
}

void MpvPlayer::set_file_name(const QString& path)
{
    fileName_ = path;
    failure_.clear();
    if (path.isEmpty())
        return close();
    if (!QFileInfo(path).isFile())
        return fail(QStringLiteral("the file cannot be found"));
    if (!renderer_ || !renderer_->ok())
        return fail(QStringLiteral("the video player could not be started"));
    // Black until the new clip has begun, never the last picture of the
    // clip before.
    clear_picture();
    const int64_t entry = mpv_.load(path);
    if (entry < 0)
        return fail(QStringLiteral("the video player refused it"));
    // Only after the load: an ended clip pauses itself (keep-open), and a
    // pause lifted before the load could come back and stay with the new clip.
    mpv_.set_flag("pause", !autoStart_);
    currentEntry_ = entry;
    begun_ = false;
    firstFrameSignalled_ = false;
    holdGoesToStart_ = true;
    phase_ = autoStart_ ? Phase::Playing : Phase::Unstarted;
    openingLimit_.start();
}

int16_t MpvPlayer::play_state() const
{
    switch (phase_) {
    case Phase::Playing: return begun_ ? Playing : Waiting;
    case Phase::Held: return Held;
    default: return Stopped;
    }
}

void MpvPlayer::play()
{
    if (phase_ == Phase::Closed)
        return;
    if (phase_ == Phase::Ended)
        seek_to_start(false);
    mpv_.set_flag("pause", false);
    phase_ = Phase::Playing;
}

void MpvPlayer::pause()
{
    if (phase_ == Phase::Closed || phase_ == Phase::Ended)
        return;
    mpv_.set_flag("pause", true);
    // Play followed at once by a hold must show frame 1, but the decoder may
    // already be a frame or two further on by the time the hold arrives.
    if (holdGoesToStart_)
        seek_to_start(true);
    holdGoesToStart_ = false;
    phase_ = Phase::Held;
}

void MpvPlayer::hold_here()
{
    if (phase_ != Phase::Playing)
        return;
    mpv_.set_flag("pause", true);
    holdGoesToStart_ = false;
    phase_ = Phase::Held;
}

void MpvPlayer::stop()
{
    if (phase_ == Phase::Closed)
        return;
    mpv_.set_flag("pause", true);
    seek_to_start(true);
    phase_ = Phase::Halted;
}

// Before the clip has finished opening mpv refuses to seek; it then starts at
// its beginning anyway, so the refusal is harmless.
void MpvPlayer::seek_to_start(bool exact)
{
    mpv_.command({QStringLiteral("seek"), QStringLiteral("0"),
                  exact ? QStringLiteral("absolute+exact") : QStringLiteral("absolute")});
}

void MpvPlayer::close()
{
    openingLimit_.stop();
    mpv_.command({QStringLiteral("stop")});
    currentEntry_ = -1;
    begun_ = false;
    phase_ = Phase::Closed;
    clear_picture();
}

void MpvPlayer::fail(const QString& why)
{
    close();
    failure_ = why;
}

// The stream has begun. A clip whose pictures cannot be decoded begins all
// the same, at once at its end, with no picture; a clip that holds sound
// only has nothing to show and plays its sound.
void MpvPlayer::check_first_picture()
{
    openingLimit_.stop();
    bool hasPictures = false;
    const int tracks = mpv_.property(QStringLiteral("track-list/count")).toInt();
    for (int i = 0; i < tracks; ++i)
        if (mpv_.property(QStringLiteral("track-list/%1/type").arg(i)) == QStringLiteral("video"))
            hasPictures = true;
    if (hasPictures && mpv_.property(QStringLiteral("video-out-params/w")).isEmpty())
        fail(QStringLiteral("no picture could be decoded from it"));
}

void MpvPlayer::clear_picture()
{
    if (renderer_)
        renderer_->discard_pending();
    if (view_)
        view_->clear();
}

void MpvPlayer::move(int left, int top)
{
    if (view_)
        view_->move(left, top);
}

void MpvPlayer::resize(int width, int height)
{
    if (!view_)
        return;
    view_->resize(std::max(width, 0), std::max(height, 0));
    update_target_size();
}

int MpvPlayer::left() const
{
    return view_ ? view_->x() : 0;
}
int MpvPlayer::top() const
{
    return view_ ? view_->y() : 0;
}
int MpvPlayer::width() const
{
    return view_ ? view_->width() : 0;
}
int MpvPlayer::height() const
{
    return view_ ? view_->height() : 0;
}

QImage MpvPlayer::current_frame() const
{
    return view_ ? view_->frame() : QImage();
}

int MpvPlayer::frames_shown() const
{
    return view_ ? view_->frame_count() : 0;
}

void MpvPlayer::update_target_size()
{
    if (renderer_ && view_)
        renderer_->set_target_size(view_->size() * view_->devicePixelRatioF());
}

// Called by mpv on any of its threads whenever its event queue fills up.
// One queued call at a time is enough: it empties the whole queue.
void MpvPlayer::request_drain()
{
    if (!drainQueued_.exchange(true))
        QMetaObject::invokeMethod(this, &MpvPlayer::drain_events, Qt::QueuedConnection);
}

void MpvPlayer::drain_events()
{
    drainQueued_ = false;
    for (;;) {
        const mpv_event* event = mpv_wait_event(mpv_.get(), 0);
        if (event->event_id == MPV_EVENT_NONE)
            return;
        handle_event(*event);
    }
}

void MpvPlayer::handle_event(const mpv_event& event)
{
    switch (event.event_id) {
    case MPV_EVENT_START_FILE:
        startedEntry_ = static_cast<const mpv_event_start_file*>(event.data)->playlist_entry_id;
        break;
    case MPV_EVENT_PLAYBACK_RESTART:
        if (startedEntry_ == currentEntry_ && !begun_) {
            begun_ = true;
            // Its first picture is in mpv by now; frames drawn earlier may
            // not be its own.
            renderer_->discard_pending();
            renderer_->redraw();
            check_first_picture();
        }
        break;
    case MPV_EVENT_END_FILE: {
        // With keep-open a clip only ends like this when it could not be
        // played at all (or was replaced, which its id tells apart).
        const auto* end = static_cast<const mpv_event_end_file*>(event.data);
        if (end->playlist_entry_id == currentEntry_)
            fail(end->reason == MPV_END_FILE_REASON_ERROR && end->error == MPV_ERROR_UNKNOWN_FORMAT
                     ? QStringLiteral("it is not a video the player can open")
                     : QStringLiteral("the video player cannot decode it"));
        break;
    }
    case MPV_EVENT_PROPERTY_CHANGE: {
        const auto* change = static_cast<const mpv_event_property*>(event.data);
        if (event.reply_userdata == EofObserver && change->format == MPV_FORMAT_FLAG
            && *static_cast<const int*>(change->data) && startedEntry_ == currentEntry_
            && phase_ != Phase::Closed)
            phase_ = Phase::Ended;
        break;
    }
    default: break;
    }
}

QString video_player_start_problem()
{
    const MpvHandle core({{"vo", "libmpv"}});
    const bool started = core.get() && FrameRenderer(core.get(), [](const QImage&, uint64_t) {}).ok();
    if (started)
        return {};
    return QStringLiteral(
        "The video player (libmpv) could not be started on this computer, so no clip can be "
        "played. Installing Flickerbox II again may mend this.");
}

#include "mpv_frames.h"

#include <mpv/client.h>
#include <mpv/render.h>

#include <chrono>
#include <condition_variable>
#include <mutex>

namespace {

constexpr double EventWait = 5.0;  // seconds; a healthy clip answers in far less
constexpr int OpeningFrames = 25;  // one second of the library's clips

struct Core {
    mpv_handle* mpv = mpv_create();
    mpv_render_context* render = nullptr;
    // Woken by mpv when an event or a new frame is ready, so waiting costs nothing.
    std::mutex lock;
    std::condition_variable woken;
    bool news = false;
    static void wake(void* self)
    {
        auto* core = static_cast<Core*>(self);
        std::lock_guard guard(core->lock);
        core->news = true;
        core->woken.notify_one();
    }
    void wait_for_news()
    {
        std::unique_lock guard(lock);
        woken.wait_for(guard, std::chrono::milliseconds(200), [this] { return news; });
        news = false;
    }
    ~Core()
    {
        if (render)
            mpv_render_context_set_update_callback(render, nullptr, nullptr);
        if (render)
            mpv_render_context_free(render);
        if (mpv)
            mpv_terminate_destroy(mpv);
    }
};

// Waits until mpv has shown the frame that a load or seek asked for.
bool wait_for_frame(Core& core)
{
    for (;;) {
        const mpv_event* event = mpv_wait_event(core.mpv, EventWait);
        if (event->event_id == MPV_EVENT_NONE || event->event_id == MPV_EVENT_END_FILE
            || event->event_id == MPV_EVENT_SHUTDOWN)
            return false;
        if (event->event_id == MPV_EVENT_PLAYBACK_RESTART)
            break;
    }
    for (int tries = 0; tries < 100; ++tries) {
        if (mpv_render_context_update(core.render) & MPV_RENDER_UPDATE_FRAME)
            return true;
        mpv_wait_event(core.mpv, 0.02);
    }
    return false;
}

// Shows the next frame while paused; false at the end or on a stall.
bool step_frame(Core& core)
{
    const char* step[] = {"frame-step", nullptr};
    if (mpv_command(core.mpv, step) < 0)
        return false;
    for (int tries = 0; tries < 250; ++tries) {
        if (mpv_render_context_update(core.render) & MPV_RENDER_UPDATE_FRAME)
            return true;
        mpv_wait_event(core.mpv, 0.02);
    }
    return false;
}

QImage render(Core& core, int width, int height)
{
    QImage image(width, height, QImage::Format_RGBX8888);
    int size[2] = {width, height};
    char format[] = "rgb0";
    size_t stride = size_t(image.bytesPerLine());
    mpv_render_param params[] = {{MPV_RENDER_PARAM_SW_SIZE, size},
                                 {MPV_RENDER_PARAM_SW_FORMAT, format},
                                 {MPV_RENDER_PARAM_SW_STRIDE, &stride},
                                 {MPV_RENDER_PARAM_SW_POINTER, image.bits()},
                                 {MPV_RENDER_PARAM_INVALID, nullptr}};
    if (mpv_render_context_render(core.render, params) < 0)
        return {};
    return image.convertToFormat(QImage::Format_RGB888);
}

}  // namespace

ClipEnds decode_clip_ends(const QString& path)
{
    ClipEnds ends;
    Core core;
    if (!core.mpv) {
        ends.error = "mpv could not be created";
        return ends;
    }
    for (auto [name, value] : {std::pair{"vo", "libmpv"},
                               {"ao", "null"},
                               {"pause", "yes"},
                               {"keep-open", "yes"},
                               {"untimed", "yes"},
                               {"audio", "no"},
                               {"terminal", "no"}})
        mpv_set_option_string(core.mpv, name, value);
    char apiType[] = MPV_RENDER_API_TYPE_SW;
    mpv_render_param params[] = {{MPV_RENDER_PARAM_API_TYPE, apiType}, {MPV_RENDER_PARAM_INVALID, nullptr}};
    if (mpv_initialize(core.mpv) < 0 || mpv_render_context_create(&core.render, core.mpv, params) < 0) {
        ends.error = "mpv could not be started";
        return ends;
    }
    const QByteArray file = path.toUtf8();
    const char* load[] = {"loadfile", file.constData(), nullptr};
    mpv_command(core.mpv, load);
    if (!wait_for_frame(core)) {
        ends.error = "no first frame from " + path;
        return ends;
    }
    int64_t width = 0, height = 0;
    mpv_get_property(core.mpv, "width", MPV_FORMAT_INT64, &width);
    mpv_get_property(core.mpv, "height", MPV_FORMAT_INT64, &height);
    if (width <= 0 || height <= 0) {
        ends.error = "no picture size for " + path;
        return ends;
    }
    ends.first = render(core, int(width), int(height));
    // Frame by frame, so that none of the opening second is skipped.
    for (int i = 0; i < OpeningFrames && step_frame(core); ++i)
        ends.opening.append(render(core, int(width), int(height)));
    // Play to the end as fast as frames can be drawn; with keep-open the
    // player then stays on the clip's last frame. (Seeking to the end would
    // not show it: mpv has no frame at or after the end time to stop on.)
    mpv_set_property_string(core.mpv, "pause", "no");
    mpv_set_wakeup_callback(core.mpv, &Core::wake, &core);
    mpv_render_context_set_update_callback(core.render, &Core::wake, &core);
    int eof = 0;
    for (int rounds = 0; !eof && rounds < 1000; ++rounds) {
        core.wait_for_news();
        while (mpv_wait_event(core.mpv, 0)->event_id != MPV_EVENT_NONE) { }
        if (mpv_render_context_update(core.render) & MPV_RENDER_UPDATE_FRAME)
            ends.last = render(core, int(width), int(height));
        mpv_get_property(core.mpv, "eof-reached", MPV_FORMAT_FLAG, &eof);
        // The last frame step may still pause the player after playing resumed.
        int paused = 0;
        mpv_get_property(core.mpv, "pause", MPV_FORMAT_FLAG, &paused);
        if (paused && !eof)
            mpv_set_property_string(core.mpv, "pause", "no");
    }
    if (!eof) {
        ends.last = QImage();
        ends.error = "the clip did not play to its end: " + path;
        return ends;
    }
    if (mpv_render_context_update(core.render) & MPV_RENDER_UPDATE_FRAME)
        ends.last = render(core, int(width), int(height));
    return ends;
}

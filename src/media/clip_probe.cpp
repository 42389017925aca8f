#include "media/clip_probe.h"

#include "media/mpv_handle.h"

#include <mpv/client.h>

namespace {

constexpr double EventWait = 10.0;  // seconds; a sound clip answers in far less

}  // namespace

QString clip_picture_problem(const QString& path)
{
    const MpvHandle mpv({{"vo", "null"}, {"ao", "null"}, {"audio", "no"}, {"pause", "yes"}});
    if (!mpv.get())
        return QStringLiteral("the video player could not be started");
    if (mpv.load(path) < 0)
        return QStringLiteral("the video player refused the file");
    for (;;) {
        const mpv_event* event = mpv_wait_event(mpv.get(), EventWait);
        switch (event->event_id) {
        case MPV_EVENT_PLAYBACK_RESTART: {  // the first picture has been decoded
            int64_t width = 0;
            mpv_get_property(mpv.get(), "width", MPV_FORMAT_INT64, &width);
            return width > 0 ? QString() : QStringLiteral("it holds no pictures");
        }
        case MPV_EVENT_END_FILE:
        case MPV_EVENT_SHUTDOWN: return QStringLiteral("the video player cannot play it");
        case MPV_EVENT_NONE: return QStringLiteral("the video player got no picture out of it");
        default: break;
        }
    }
}

#include "media/mpv_sound_output.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <algorithm>
#include <mpv/client.h>

// Gapless audio off: otherwise mpv reports the end of a file while its last
// fraction of a second still waits in the output buffer.
MpvSoundOutput::MpvSoundOutput()
    : mpv_({{"vid", "no"}, {"vo", "null"}, {"idle", "yes"}, {"keep-open", "no"}, {"gapless-audio", "no"}})
{
}

void MpvSoundOutput::play(const QString& wavPath, bool loop)
{
    if (!mpv_.get())
        return;
    if (!QFileInfo(wavPath).isFile()) {
        // Silence is the answer to a missing file, and it also ends a sound
        // that is still repeating, as any newer sound would.
        mpv_.command({QStringLiteral("stop")});
        return;
    }
    mpv_.set_string("loop-file", loop ? QStringLiteral("inf") : QStringLiteral("no"));
    const int64_t entry = mpv_.load(wavPath);
    // Looping was asked for by no caller so far; returning at once is the only
    // choice that does not block the program for good. The next play replaces it.
    if (entry >= 0 && !loop)
        wait_for_end(entry);
}

// Blocks on mpv's event queue (no polling, no window events) until the given
// entry has ended, whether it played through or failed to open. Events of
// earlier sounds still in the queue are passed over by their entry id.
// An output that takes the samples but never reports them played would hold
// the program for good, so the wait is bounded by the sound's own length plus
// a margin (and by a limit on opening it), and the sound is then stopped.
void MpvSoundOutput::wait_for_end(int64_t entry)
{
    constexpr double OpeningLimit = 5.0;  // seconds to read the file's header
    constexpr double EndMargin = 1.0;  // seconds beyond the sound's length
    mpv_handle* h = mpv_.get();
    QElapsedTimer clock;
    clock.start();
    double deadline = OpeningLimit;
    bool started = false;
    for (;;) {
        const double remaining = deadline - clock.elapsed() / 1000.0;
        if (remaining <= 0) {
            mpv_.command({QStringLiteral("stop")});
            return;
        }
        const mpv_event* event = mpv_wait_event(h, std::min(remaining, 1.0));
        switch (event->event_id) {
        case MPV_EVENT_SHUTDOWN: return;
        case MPV_EVENT_START_FILE:
            started =
                started || static_cast<const mpv_event_start_file*>(event->data)->playlist_entry_id == entry;
            break;
        case MPV_EVENT_FILE_LOADED:
            // The first one after our entry started is ours.
            if (started) {
                double length = 0;
                if (mpv_get_property(h, "duration", MPV_FORMAT_DOUBLE, &length) >= 0 && length >= 0)
                    deadline = clock.elapsed() / 1000.0 + length + EndMargin;
            }
            break;
        case MPV_EVENT_END_FILE:
            if (static_cast<const mpv_event_end_file*>(event->data)->playlist_entry_id == entry)
                return;
            break;
        case MPV_EVENT_NONE: {
            // A quiet second: make sure the core has not gone idle behind our back.
            int idle = 0;
            if (mpv_get_property(h, "idle-active", MPV_FORMAT_FLAG, &idle) < 0 || idle)
                return;
            break;
        }
        default: break;
        }
    }
}

#pragma once
// The clip player that the playback window drives: a picture area inside a
// container widget, controlled the way the playback cycles need it. The
// playback logic talks to this interface only, so it can run with a fake.

#include <QObject>
#include <QString>
#include <cstdint>

class VideoPlayer : public QObject {
    Q_OBJECT
public:
    // Values of play_state(). Ended, closed, failed and never-started clips all
    // read Stopped; only Waiting and Playing mean the clip is on its way.
    enum PlayState : int16_t {
        Stopped = 0,
        Held = 1,  // paused on a frame, which stays visible
        Playing = 2,
        Waiting = 3,  // opened with automatic start, stream not yet begun
    };

    using QObject::QObject;

    // Whether giving a file name starts playback by itself (on by default).
    // Without it the clip opens showing its first frame, and stays there.
    virtual void set_auto_start(bool on) = 0;
    virtual bool auto_start() const = 0;

    // A path opens that clip, replacing the one before; the empty string
    // closes it. A missing or unplayable file ends: Stopped, and failure()
    // says why.
    virtual void set_file_name(const QString& path) = 0;
    virtual QString file_name() const = 0;

    virtual int16_t play_state() const = 0;

    // Why the open clip cannot be shown, in words for the adult: it could not
    // be opened or decoded, or no picture came out of it in time. "" while it
    // plays or may still play; a failed clip reads Stopped.
    virtual QString failure() const = 0;

    // Starts the clip, resumes it from a held frame, or plays an ended clip
    // again from its start.
    virtual void play() = 0;
    // Holds the current frame. The first hold after a clip is opened shows
    // its first frame exactly, however far playback had got.
    virtual void pause() = 0;
    // Holds the frame on screen now, wherever playback has got to; play()
    // goes on from there. Does nothing unless the clip is playing.
    virtual void hold_here() = 0;
    // Halts playback; the clip stays open until the file name is emptied.
    virtual void stop() = 0;

    // Placement in pixels inside the container; width() and height() read
    // back the size actually taken.
    virtual void move(int left, int top) = 0;
    virtual void resize(int width, int height) = 0;
    virtual int left() const = 0;
    virtual int top() const = 0;
    virtual int width() const = 0;
    virtual int height() const = 0;

    // The control's own Visible property, kept and read back. The picture is
    // shown in the player's area whatever its value: whether the area can be
    // seen is up to the container, its visibility and its z-order.
    virtual void set_visible(bool visible) = 0;
    virtual bool is_visible() const = 0;

signals:
    // Any mouse button on the picture area.
    void mouse_button_down();
    void mouse_button_up();
    // The picture area received the keyboard focus.
    void focus_received();
    // The open clip's first frame has reached the picture area (sent once per
    // clip), so whatever covered the area until then may give way to it.
    void first_frame_shown();
};

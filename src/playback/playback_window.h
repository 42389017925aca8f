#pragma once
// The playback window `mainform`, where the learner works. One run of clips
// happens inside `run`, started once after the window is first shown: it lays
// out the drawing area, calibrates on first use and presents clip after clip
// until the user asks to leave. The run is straight-line code with yields;
// window events only set flags that it tests at its check points.

#include "media/kill_time.h"
#include "playback/key_repeat.h"
#include "playback/playback_pictures.h"
#include "switch/switch_response.h"

#include <QString>
#include <QTimer>
#include <functional>
#include <memory>
#include <vector>

struct GlobVars;
class Dialogs;
class ExitLink;
class MonotonicClock;
class NativeWindowWatch;
class QKeyEvent;
class VersionQuery;
class VideoPlayer;

// The platform services a run needs; tests hand in fakes.
struct PlaybackServices {
    Dialogs& dialogs;
    VersionQuery& version;
    const MonotonicClock& clock;
    // Makes the clip player inside its container picMp1.
    std::function<std::unique_ptr<VideoPlayer>(QWidget* container)> makePlayer;
    // What the wipe and the hand call between frames: the counting delay, or
    // nothing in tests that need no pace.
    Pacer pace = kill_time;
};

class PlaybackWindow : public QWidget {
    Q_OBJECT
public:
    // Called once, as the run's last act, with a message for the adult ("" when
    // there is nothing to tell). It should show the menu window; this window
    // deletes itself right after.
    using ShowMenu = std::function<void(const QString& messageForAdult)>;

    PlaybackWindow(GlobVars& g, PlaybackServices services, ShowMenu showMenu, QWidget* parent = nullptr);
    ~PlaybackWindow() override;

    void ShowExitLink();
    void HideExitLink();
    void calibrate_time();
    void test_for_click();

    // Form-level state, shared by the loop, the cycles and the handlers.
    int16_t LeaveRequested = 0;
    int16_t WaitPhase = 0;
    QString PromptSound;

    // What tests and tools look at.
    PlaybackPictures& pictures() { return pictures_; }
    PictureBox& PicFirst() { return *picFirst_; }
    PictureBox& PicLast() { return *picLast_; }
    QWidget& picMp1() { return *picMp1_; }
    VideoPlayer& mp1() { return *player_; }
    QTimer& Timer1() { return timer1_; }
    bool running() const { return running_; }
    // A response wait is past its release-first step: a press now counts.
    bool awaiting_response() const { return awaitingResponse_; }

protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // playback_window.cpp: activation, the clip loop and leaving.
    void run();
    void clip_loop();
    void leave();
    void yield();
    void yield_until_event();
    void cover_screen_again();
    QSize screen_pixels() const;
    QPoint centred_area() const;
    QString missing_program_file() const;
    bool clip_files_usable(const QString& clip, bool stills);
    // why: what is wrong with the file when it is there but cannot be used.
    void skip_unusable_clip(const QString& clip, const QString& file, const QString& why = {});
    QString skipped_clips_message() const;

    // still_cycle.cpp and player_cycle.cpp: one turn each.
    void present_clip_stills(const QString& clip);
    void present_clip_player(const QString& clip);
    bool stack_stills(const QString& clip, QPoint still);
    // cycle_layout.cpp: what both cycles share.
    QPoint still_position() const;
    bool load_label(const QString& clip);
    void wipe_label_in();
    // The hand dips `distance` pixels and back at the calibrated pace, with
    // `sound` at its lowest point.
    void press_the_hand(int16_t distance, const QString& sound);
    // The same with `delay` counts after each frame: the calibration's trial.
    void press_the_hand_at(int16_t distance, double delay, const QString& sound);
    // The calibrated count, held to what keeps `delays` of it within a few seconds.
    double bounded_count(double calibration, int delays) const;
    void draw_backdrop_and_label();
    void remove_label_after_skip();
    void place_player_normal(QPoint position);
    // The player over the whole screen (size 3) or the drawing area (size 2).
    void enlarge_player();
    void restore_normal_layout(QPoint position);
    // After an enlarged clip: the normal layout, backdrop and label again.
    // False when leaving was asked for at its yield.
    bool restore_after_enlarged_clip(QPoint still);
    // The wait after the clip; then the label goes and the player is back at
    // its normal size.
    void wait_after_clip(QPoint still);
    void raise_player_on_first_frame();
    // The player could not show the clip: it is left out like a clip with a
    // missing file, and the turn ends as after a skip, in the normal layout
    // (enlarged: the player had been given the larger area for playback).
    bool clip_failed(const QString& clip, QPoint still, bool enlarged);

    // response_wait.cpp
    void wait_for_response();
    void prompt();
    void draw_marker();

    // playback_input.cpp
    void poll_input(bool sleep);
    void key_down(const QKeyEvent& key);
    void key_up(const QKeyEvent& key);
    void mouse_down();
    void mouse_up();
    void player_focus();
    void stop_prompt();

    GlobVars& g_;
    PlaybackServices services_;
    ShowMenu showMenu_;

    PlaybackPictures pictures_;
    PictureBox* picFirst_;
    PictureBox* picLast_;
    QWidget* picMp1_;
    std::unique_ptr<VideoPlayer> player_;
    ExitLink* exitLink_;
    QTimer timer1_;
    QTimer switchPoll_;
    QTimer coverAgain_;
    std::unique_ptr<NativeWindowWatch> destroyWatch_;
    KeyRepeatFilter keyRepeats_;
    SwitchResponse switchResponse_;  // the adapter's level and the switch timing, after each yield

    BlitRect labelRect_;
    bool raisePlayerOnFirstFrame_ = false;
    bool awaitingResponse_ = false;
    bool formPressed_ = false;   // a button went down on the form itself
    bool started_ = false;
    bool running_ = false;
    bool windowDestroyed_ = false;  // by another program: the run can only leave

    // Clips left out of this run, and the files that made them unusable.
    std::vector<std::pair<QString, QStringList>> skipped_;
    bool clipUnusable_ = false;
    QString stopMessage_;
};

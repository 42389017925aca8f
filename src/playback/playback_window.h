#pragma once
// The playback window `mainform`, where the learner works. One run of clips
// happens inside `run`, started once after the window is first shown: it lays
// out the drawing area, calibrates on first use and presents clip after clip
// until the user asks to leave. The run is straight-line code with yields;
// window events only set flags that it tests at its check points.

#include "playback/play_mode_gate.h"
#include "playback/playback_pictures.h"
#include "playback/services.h"
#include "playback/turn_events.h"
#include "playback/turn_input.h"

#include <QString>
#include <QTimer>
#include <functional>
#include <memory>
#include <vector>

struct GlobVars;
class ExitLink;
class NativeWindowWatch;

class PlaybackWindow : public QWidget {
    Q_OBJECT
public:
    // Called once, as the run's last act, with a message for the adult ("" when
    // there is nothing to tell). It should show the menu window; this window
    // deletes itself right after.
    using ShowMenu = std::function<void(const QString& messageForAdult)>;

    PlaybackWindow(GlobVars& g, Services services, ShowMenu showMenu, QWidget* parent = nullptr);
    ~PlaybackWindow() override;

    // The drawing area and the off-screen pictures drawn onto it.
    PlaybackPictures& pictures() { return pictures_; }

protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ShowExitLink();
    void HideExitLink();
    void calibrate_time();

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
    // missing file, and the turn ends early.
    bool clip_failed(const QString& clip, QPoint still, bool enlarged);
    // The turn ends as after a skip, in the normal layout (enlarged: the
    // player had been given the larger area for playback).
    void end_turn_early(QPoint still, bool enlarged);

    // play_mode_turn.cpp: what the play modes add to both turns.
    // The wait before the clip: as many responses as the mode asks for, each
    // but the last answered with the hand, the click and a mark of progress.
    void wait_before_clip(PlayModeGate& gate);
    // The hand and the click for the response that plays the clip.
    void respond_with_hand();
    // The playback wait's sleep: it also wakes when the mode's time is up,
    // and samples the switch when the mode follows it.
    void yield_while_playing(const PlayModeGate& gate);
    // Holds the clip when the mode asks and waits, its picture kept, for the
    // press that plays it on. False when the turn ends in that wait.
    bool play_on_in_mode(const QString& clip, QPoint still, PlayModeGate& gate);
    // Whether the learner's switch is down, a held key's repeat not taken
    // for letting it go.
    bool switch_held_now();
    void show_progress(int made, int count);
    void remove_progress();

    // response_wait.cpp
    void wait_for_response();
    void prompt();
    void draw_marker();

    // playback_input.cpp: the window's events handed to the input.
    void poll_input(bool sleep);

    GlobVars& g_;
    Services services_;
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
    QTimer modeWake_;  // wakes the playback wait when the mode's time is up
    std::unique_ptr<NativeWindowWatch> destroyWatch_;
    TurnEvents events_;
    TurnInput input_;
    const TurnFlags& flags_;

    QString PromptSound;  // what the prompt's hand says
    BlitRect labelRect_;
    QRect progressArea_;  // of the sign of progress on Background; empty when none is shown
    Picture progressUnder_;  // what the sign covers
    bool raisePlayerOnFirstFrame_ = false;
    bool started_ = false;
    bool running_ = false;
    bool windowDestroyed_ = false;  // by another program: the run can only leave

    // Clips left out of this run, and the files that made them unusable.
    std::vector<std::pair<QString, QStringList>> skipped_;
    bool clipUnusable_ = false;
    QString stopMessage_;
};

#pragma once
// The playback window `mainform`, where the learner works. One run of clips
// happens inside `run`, started once after the window is first shown: it lays
// out the stage, calibrates on first use and plays turn after turn until the
// user asks to leave. The window keeps the run's life cycle: its events go to
// the turn input, its timers and the message for the adult are its own; each
// turn is straight-line code with yields in src/playback/turn/.

#include "playback/playback_stage.h"
#include "playback/pointer_dwell.h"
#include "playback/services.h"
#include "playback/turn/left_out_clips.h"
#include "playback/turn/turn_waits.h"
#include "playback/turn_events.h"
#include "playback/turn_input.h"

#include <QString>
#include <QTimer>
#include <functional>
#include <memory>

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
    PlaybackPictures& pictures() { return stage_.pictures(); }

protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void run();
    void clip_loop();
    void leave();
    void cover_screen_again();
    void show_exit_link();
    QString missing_program_file() const;

    GlobVars& g_;
    Services services_;
    ShowMenu showMenu_;

    PlaybackStage stage_;
    ExitLink* exitLink_;
    QTimer coverAgain_;
    std::unique_ptr<NativeWindowWatch> destroyWatch_;
    std::unique_ptr<PointerDwell> dwell_;  // only for a learner who dwells
    TurnEvents events_;
    TurnInput input_;
    TurnWaits waits_;
    LeftOutClips leftOut_;

    QRect laidOutFor_;  // the screen the stage was laid out for
    bool started_ = false;
    bool running_ = false;
    bool windowDestroyed_ = false;  // by another program: the run can only leave
    QString stopMessage_;
};

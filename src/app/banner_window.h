#pragma once
// The menu window: the adult's control panel, shown full screen with the
// banner picture, "Play Movies" and "Exit", and the options menus.

#include "playback/playback_window.h"
#include "playback/services.h"
#include "switch/switch_setup.h"

#include <QMainWindow>
#include <QPointer>
#include <cstdint>
#include <memory>

struct GlobVars;
class IdleInhibitor;
class LearnerControl;
class LearnerDisplayMenu;
class LearnerQuestions;
class Learners;
class QLabel;
class QListWidget;
class OptionsMenus;
class QPushButton;
class QScreen;
class RecordsLine;
class SessionRecorder;

class Banner : public QMainWindow {
    Q_OBJECT
public:
    // g must hold the loaded settings.
    Banner(GlobVars& g, Services services, QWidget* parent = nullptr);
    ~Banner() override;

    // What happens when the window becomes active after being shown; the
    // first time it also plays the gong and reveals the buttons.
    void activate_menu();

    // "Exit", Esc and closing the window: save the settings, tell the user if
    // that failed, hide this window and signal program_ending.
    void end_program();

    // Adds the learner button below "Play Movies" and "Exit"; g must hold
    // the current learner's options. Without it the window has no learners.
    void set_learners(Learners& learners, LearnerQuestions& questions);
    // Held while the learner's window is up, so the desktop does not blank it.
    void keep_awake_with(IdleInhibitor& idle) { idle_ = &idle; }

    void play_movies();
    void list_clips();
    void show_users_guide();
    // The records window of the current learner.
    void show_records();
    RecordsLine& records_line() const { return *recordsLine_; }

signals:
    // The window is hidden and may be deleted; the credits window takes over.
    void program_ending();

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    QSize screen_size() const;
    void lay_out();
    void return_from_playback(const QString& runMessage);
    void screen_removed(QScreen* screen);
    void show_learner();
    QString records_folder() const;

    GlobVars& g_;
    Services services_;
    SwitchSetup switches_;
    QLabel* banimage_;
    QPushButton* startButton_;
    QPushButton* exitButton_;
    QListWidget* list1_;
    QWidget* switchLine_;
    LearnerControl* learnerControl_ = nullptr;
    QPointer<PlaybackWindow> playback_;  // the run under way; it deletes itself at its end
    int16_t FirstActivation = 1;
    bool activationDue_ = false;  // shown since the last activation steps ran
    bool ending_ = false;
    OptionsMenus* menus_ = nullptr;
    LearnerDisplayMenu* displayMenu_;
    IdleInhibitor* idle_ = nullptr;
    bool displayLost_ = false;  // the learner's display went during the run
    Learners* learners_ = nullptr;
    RecordsLine* recordsLine_;
    // The last session's; kept until the next, as the run it observed goes later.
    std::unique_ptr<SessionRecorder> recorder_;
};

#pragma once
// Drives the built program as a person would, on the X server in DISPLAY:
// real key and button events through XTest, the screen read back with a root
// window grab. Each driver works on its own copy of the program folder, with
// a settings file and three short clips of its own, so a run takes seconds.

#include <QImage>
#include <QPoint>
#include <QProcess>
#include <QRect>
#include <QStringList>
#include <QTemporaryDir>
#include <functional>

struct PlaybackSettings {
    int device = 7;  // 6 mouse, 7 space bar
    int size = 1;  // 1 normal, 2 640 x 480, 3 full screen
    int prompt = 0;  // seconds, 0 off
    int currentClip = 0;  // the run starts at the clip after this one
    double press = 1;  // calibration counts: 1 keeps the animations short
    double wipe = 1;
    int backdrop = 1;  // 1 TV set, 2 theater
    int playMode = 1;  // 1 press and let go, 2 hold, 3 timed, 4 several presses
    int playModeNumber = 0;  // seconds a press, or presses to start
    double clipSeconds = 1.2;  // of every clip
    int kind = 0;  // the kind-of-device line: 0 not written, 5 pointer dwell
    int dwellMs = 1000;
};

class ProgramDriver {
public:
    // The clips the drivers' sequence file lists, in order.
    static const QStringList& clips();
    // Makes the clips of that length once into a folder shared by every
    // driver of this process; false (with the reason on stderr) when ffmpeg fails.
    static bool make_clips(double seconds = 1.2);

    explicit ProgramDriver(const PlaybackSettings& settings);
    ~ProgramDriver();

    // The program's command line, for the starts that follow.
    void set_arguments(const QStringList& arguments) { arguments_ = arguments; }
    // Starts the program and waits for the menu window.
    bool start(const QStringList& arguments = {});
    // Starts the program only: its menu may be on a monitor of its own.
    bool launch()
    {
        return process_.start(folder_ + QStringLiteral("flickerbox"), arguments_),
               process_.waitForStarted(10000);
    }
    // Starts the program and presses "Play Movies" until the menu goes.
    bool start_playback();
    // From the menu window: presses "Play Movies" until the menu goes.
    bool play_movies();
    // Tells the driver of options the adult changed in the menus since.
    void options_changed(const PlaybackSettings& settings) { settings_ = settings; }
    const PlaybackSettings& options() const { return settings_; }
    // A press that comes before a wait of the turn has begun does not count,
    // and nothing on screen tells when it begins: presses again until done
    // holds, each time after a second without it.
    bool press_until(const std::function<void()>& press, const std::function<bool(const QImage&)>& done);
    // The settings file as the program wrote it: one number a line.
    QList<double> written_settings() const;
    qint64 pid() const { return process_.processId(); }
    bool running() const { return process_.state() != QProcess::NotRunning; }
    // Ends the program with "Exit" in the menu window.
    bool exit_from_menu();

    // Input, as real X events.
    void key(const char* keysym, bool down);
    void tap(const char* keysym);
    void click(QPoint screenPoint, int count = 1, unsigned button = 1);  // 3 the right button
    void move_to(QPoint screenPoint);

    // The screen, and parts of it on the 640 x 480 drawing area.
    QImage grab(const QString& shotName = {}) const;
    QImage grab_region(const QRect& screen_rect) const;  // quicker, for timing
    QPoint area_origin() const;
    QImage on_area(const QImage& shot, const QRect& rectOnArea) const;
    QRect movie_area() const;  // the still and clip at normal size
    QRect label_area(const QString& clip) const;
    QRect hand_area() const;  // the hand at rest, with the rows it presses down into
    QImage file(const QString& name) const;

    bool shows_backdrop(const QImage& shot) const;
    bool shows_menu(const QImage& shot) const;
    // The movie area shows this clip's still (first or last), and its label.
    bool shows_still(const QImage& shot, const QString& clip, const char* which) const;
    bool shows_label(const QImage& shot, const QString& clip) const;
    bool hand_at_rest(const QImage& shot) const;

    // Grabs the screen until done holds or timeoutMs passes.
    bool wait_for_screen(const std::function<bool(const QImage&)>& done, int timeoutMs) const;

    // The titles of the program's windows on view (there is no window manager).
    static QStringList window_titles();
    static bool wait_for_window(const QString& title, int timeoutMs = 10000);

    const QString& folder() const { return folder_; }

private:
    QTemporaryDir work_;
    QString folder_;
    PlaybackSettings settings_;
    QProcess process_;
    QStringList arguments_;
};

#include "playback/playback_window.h"

#include "media/full_screen.h"
#include "media/native_window_watch.h"
#include "media/video_player.h"
#include "media/version_name.h"
#include "playback/exit_link.h"
#include "playback/layout.h"
#include "state/clip_list.h"
#include "state/globvars.h"
#include "switch/adapter_ports.h"
#include "switch/switch_adapter.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCursor>
#include <QDir>
#include <QFileInfo>
#include <QPixmap>
#include <QScreen>

namespace {
constexpr int AreaWidth = 640;
constexpr int AreaHeight = 480;
// How often the switch is sampled while the run waits (an adapter, or a press
// that must be held for a time): often enough that a press is seen within
// 20 ms, rare enough to cost about 1 % of a core.
constexpr int SwitchPollMs = 10;
// How long after the last change of the window's place or size it covers the
// screen again: soon enough that a cut backdrop is hardly seen, late enough
// that a person dragging the window's edge is not fought on every step and a
// window manager that insists on its size is answered at most ten times a second.
constexpr int CoverAgainMs = 100;

bool readable_file(const QString& path)
{
    const QFileInfo info(path);
    return info.isFile() && info.isReadable() && info.size() > 0;
}
}  // namespace

PlaybackWindow::PlaybackWindow(GlobVars& g, Services services, ShowMenu showMenu, QWidget* parent)
    : QWidget(parent)
    , g_(g)
    , services_(std::move(services))
    , showMenu_(std::move(showMenu))
    , pictures_(this)
    , timer1_(this)
    , events_(services_.observers)
    , input_(g, services_.clock, services_.ports, events_)
    , flags_(input_.flags())
{
    setObjectName(QStringLiteral("mainform"));
    setWindowTitle(QStringLiteral("Flickerbox II"));
    setAutoFillBackground(true);
    QPalette black = palette();
    black.setColor(QPalette::Window, Qt::black);
    setPalette(black);

    pictures_.Background.setObjectName(QStringLiteral("Background"));
    picFirst_ = new PictureBox(&pictures_.Background);
    picFirst_->setObjectName(QStringLiteral("PicFirst"));
    picLast_ = new PictureBox(&pictures_.Background);
    picLast_->setObjectName(QStringLiteral("PicLast"));
    picFirst_->hide();  // shown by the turns that use stills
    picLast_->hide();
    picMp1_ = new QWidget(&pictures_.Background);
    picMp1_->setObjectName(QStringLiteral("picMp1"));
    // The focus goes here when the player would take it; without a policy
    // that move silently fails.
    picMp1_->setFocusPolicy(Qt::StrongFocus);
    picMp1_->setAutoFillBackground(true);
    picMp1_->setPalette(black);
    picMp1_->setGeometry(backdrop_geometry(g_.BackgroundKind).movie_area.x(),
                         backdrop_geometry(g_.BackgroundKind).movie_area.y(), 352, 240);
    player_ = services_.make_player(picMp1_);
    connect(player_.get(), &VideoPlayer::mouse_button_down, this,
            [this] { input_.mouse_down(TurnInput::MouseTarget::Player); });
    connect(player_.get(), &VideoPlayer::mouse_button_up, this,
            [this] { input_.mouse_up(TurnInput::MouseTarget::Player); });
    connect(player_.get(), &VideoPlayer::focus_received, this, [this] {
        input_.player_focus();
        picMp1_->setFocus();
    });
    connect(player_.get(), &VideoPlayer::first_frame_shown, this, [this] {
        if (std::exchange(raisePlayerOnFirstFrame_, false))
            picMp1_->raise();
    });

    exitLink_ = new ExitLink(this, [this] { input_.exit_link_double_click(); });
    exitLink_->hide();

    timer1_.setObjectName(QStringLiteral("Timer1"));
    timer1_.setTimerType(Qt::PreciseTimer);
    connect(&timer1_, &QTimer::timeout, this, &PlaybackWindow::prompt);
    // Its only work is to wake a sleeping wait, which then reads the adapter.
    switchPoll_.setTimerType(Qt::PreciseTimer);
    switchPoll_.setInterval(SwitchPollMs);
    modeWake_.setSingleShot(true);
    modeWake_.setTimerType(Qt::PreciseTimer);

    // Everything is placed against the whole screen, so a window that another
    // program shrank, moved or took out of full screen covers it again. The
    // window's own geometry is nothing the run reads: this may happen in any
    // yield, and in a message box's loop too.
    coverAgain_.setSingleShot(true);
    coverAgain_.setInterval(CoverAgainMs);
    connect(&coverAgain_, &QTimer::timeout, this, &PlaybackWindow::cover_screen_again);
    // A window destroyed by another program is a request to leave, as a close
    // is: the menu window comes back instead of a process with no window.
    destroyWatch_ = std::make_unique<NativeWindowWatch>(*this, [this] {
        windowDestroyed_ = true;
        input_.request_leave();
    });

    // Every key reaches the handlers, whichever control has the focus, and
    // none moves the focus (Tab) or presses a control.
    qApp->installEventFilter(this);
}

PlaybackWindow::~PlaybackWindow()
{
    qApp->removeEventFilter(this);
}

bool PlaybackWindow::event(QEvent* event)
{
    switch (event->type()) {
    case QEvent::Move:
    case QEvent::Resize:
    case QEvent::WindowStateChange:
        if (running_ && !covers_screen(*this))
            coverAgain_.start();
        break;
    default: break;
    }
    return QWidget::event(event);
}

void PlaybackWindow::cover_screen_again()
{
    if (running_ && !windowDestroyed_ && !covers_screen(*this))
        show_full_screen(*this);
}

void PlaybackWindow::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    // The run starts once, after the first showing, from the event loop: not
    // on activation (a message box re-activates the window) and not inside the
    // menu's button handler (its window would wait for the whole run).
    if (!std::exchange(started_, true))
        QTimer::singleShot(0, this, &PlaybackWindow::run);
}

void PlaybackWindow::closeEvent(QCloseEvent* event)
{
    // The window system's close is a request to leave; the run closes the
    // window itself when its code is no longer on the stack.
    event->ignore();
    input_.request_leave();
}

void PlaybackWindow::yield()
{
    QCoreApplication::processEvents();
}

void PlaybackWindow::yield_until_event()
{
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

QSize PlaybackWindow::screen_pixels() const
{
    return screen()->geometry().size();
}

QPoint PlaybackWindow::centred_area() const
{
    const QSize screen = screen_pixels();
    return {qRound((screen.width() - AreaWidth) / 2.0f), qRound((screen.height() - AreaHeight) / 2.0f)};
}

void PlaybackWindow::run()
{
    running_ = true;
    input_.start_run();
    pictures_.Background.move(centred_area());
    init_pictureboxes(pictures_);
    clear_backdrop(pictures_);
    yield();

    const QString missing = missing_program_file();
    if (!missing.isEmpty()) {
        stopMessage_ = QStringLiteral("Playback cannot start: this file is missing or cannot be read:\n%1\n"
                                      "Install Flickerbox II again, or put the file back.")
                           .arg(missing);
        leave();
        return;
    }
    if (g_.PressCalibration == 0)
        calibrate_time();
    init_pictureboxes(pictures_);
    clear_backdrop(pictures_);
    // What was asked during the calibration does not count, but a window
    // destroyed meanwhile still leaves.
    input_.forget_leave();
    if (windowDestroyed_)
        input_.request_leave();
    // Loaded straight as a cursor: the picture loader would flatten its
    // transparent pixels to black.
    pictures_.Background.setCursor(QCursor(QPixmap(g_.DataFolder + QStringLiteral("aobj_nul.ico"))));
    player_->set_visible(false);
    ShowExitLink();
    if (needs_polling(g_))
        switchPoll_.start();
    clip_loop();
}

QString PlaybackWindow::missing_program_file() const
{
    QStringList needed{backdrop_geometry(g_.BackgroundKind).picture, QStringLiteral("aobj_hnd.jpg"),
                       QStringLiteral("aobj_nul.ico"), QStringLiteral("aobj_clk.wav")};
    if (g_.PressCalibration == 0)
        needed << QStringLiteral("aobj_cal.jpg");
    for (const QString& name : needed)
        if (!readable_file(g_.DataFolder + name))
            return g_.DataFolder + name;
    const QString timer = clip_file_path(g_, QStringLiteral("timer.mpg"));
    if (g_.PressCalibration == 0 && !readable_file(timer))
        return timer;
    return {};
}

void PlaybackWindow::clip_loop()
{
    int unusableInARow = 0;
    for (;;) {
        if (flags_.LeaveRequested != 0)
            return leave();
        // In int: a stored 32767 must not overflow, and an index outside the
        // list starts again at its first clip.
        int next = g_.CurrentClip;
        if (!input_.take_replay())
            ++next;
        if (next > g_.ClipCount || next < 1)
            next = 1;
        g_.CurrentClip = int16_t(next);
        yield();

        const QString& clip = g_.ClipList[g_.CurrentClip];
        const bool stills = os_version_name(services_.version) == QStringLiteral("Other");
        clipUnusable_ = !clip_files_usable(clip, stills);
        if (!clipUnusable_) {
            if (stills)
                present_clip_stills(clip);
            else
                present_clip_player(clip);
        }
        // Not one clip of the list can be shown: back to the adult, not round
        // and round without end.
        unusableInARow = clipUnusable_ ? unusableInARow + 1 : 0;
        if (unusableInARow >= std::max<int>(g_.ClipCount, 1))
            input_.request_leave();
        yield();
        if (flags_.LeaveRequested == 1)
            return leave();
    }
}

bool PlaybackWindow::clip_files_usable(const QString& clip, bool stills)
{
    QStringList suffixes{QStringLiteral(".jpg"), QStringLiteral(".wav"), QStringLiteral(".mpg")};
    if (stills)
        suffixes << QStringLiteral("_first.jpg") << QStringLiteral("_last.jpg");
    bool usable = !clip.isEmpty();
    for (const QString& suffix : suffixes)
        if (!readable_file(clip_file_path(g_, clip + suffix))) {
            skip_unusable_clip(clip, clip + suffix);
            usable = false;
        }
    return usable;
}

void PlaybackWindow::skip_unusable_clip(const QString& clip, const QString& file, const QString& why)
{
    clipUnusable_ = true;
    events_.clip_left_out(clip, file, why);
    auto entry =
        std::find_if(skipped_.begin(), skipped_.end(), [&](const auto& e) { return e.first == clip; });
    if (entry == skipped_.end())
        entry = skipped_.insert(skipped_.end(), {clip, {}});
    const QString named = why.isEmpty() ? file : QStringLiteral("%1 (%2)").arg(file, why);
    if (!entry->second.contains(named))
        entry->second << named;
}

QString PlaybackWindow::skipped_clips_message() const
{
    if (skipped_.empty())
        return {};
    QString text = QStringLiteral("Some clips were left out because files are missing, cannot be read "
                                  "or cannot be played (in %1):")
                       .arg(QDir::toNativeSeparators(g_.MediaFolder));
    for (const auto& [clip, files] : skipped_)
        text +=
            QStringLiteral("\n%1: %2")
                .arg(clip.isEmpty() ? QStringLiteral("(no name)") : clip, files.join(QStringLiteral(", ")));
    return text;
}

void PlaybackWindow::leave()
{
    timer1_.stop();
    switchPoll_.stop();
    coverAgain_.stop();
    HideExitLink();
    running_ = false;
    events_.left();
    QString message = stopMessage_;
    const QString skipped = skipped_clips_message();
    if (!skipped.isEmpty())
        message += (message.isEmpty() ? QString() : QStringLiteral("\n\n")) + skipped;
    if (showMenu_)
        showMenu_(message);
    hide();
    // The last statement of the run: the window goes once its code has left
    // the stack.
    deleteLater();
}

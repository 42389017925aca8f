#include "playback/playback_window.h"

#include "media/full_screen.h"
#include "media/native_window_watch.h"
#include "media/version_name.h"
#include "media/video_player.h"
#include "playback/calibration.h"
#include "playback/exit_link.h"
#include "playback/layout.h"
#include "playback/turn/clip_turn.h"
#include "state/clip_list.h"
#include "state/globvars.h"
#include "switch/adapter_ports.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCursor>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPixmap>
#include <QScreen>

namespace {
std::vector<TurnObserver*> with(std::vector<TurnObserver*> observers, TurnObserver* more)
{
    if (more)
        observers.push_back(more);
    return observers;
}

// How long after the last change of the window's place or size it covers the
// screen again: soon enough that a cut backdrop is hardly seen, late enough
// that a person dragging the window's edge is not fought on every step and a
// window manager that insists on its size is answered at most ten times a second.
constexpr int CoverAgainMs = 100;
}  // namespace

PlaybackWindow::PlaybackWindow(GlobVars& g, Services services, ShowMenu showMenu, QWidget* parent)
    : QWidget(parent)
    , g_(g)
    , services_(std::move(services))
    , showMenu_(std::move(showMenu))
    , stage_(*this, g, services_)
    , dwell_(input_device(g).dwells
                 ? std::make_unique<PointerDwell>(*this, stage_, input_, services_.clock, int(g.DwellTime))
                 : nullptr)
    , events_(with(services_.observers, dwell_.get()))
    , input_(g, services_.clock, services_.ports, events_)
    , waits_(this, g, stage_, input_, events_, services_.clock)
    , leftOut_(events_)
{
    setObjectName(QStringLiteral("mainform"));
    setWindowTitle(QStringLiteral("Flickerbox II"));
    setAutoFillBackground(true);
    QPalette black = palette();
    black.setColor(QPalette::Window, Qt::black);
    setPalette(black);

    VideoPlayer* player = &stage_.player();
    connect(player, &VideoPlayer::mouse_button_down, this,
            [this] { input_.mouse_down(TurnInput::MouseTarget::Player); });
    connect(player, &VideoPlayer::mouse_button_up, this,
            [this] { input_.mouse_up(TurnInput::MouseTarget::Player); });
    connect(player, &VideoPlayer::focus_received, this, [this] {
        input_.player_focus();
        stage_.player_box().setFocus();
    });

    exitLink_ = new ExitLink(this, [this] { input_.exit_link_double_click(); });
    exitLink_->setText(QStringLiteral("Double-tap here \nfor main menu"));
    exitLink_->adjustSize();
    exitLink_->hide();
    stage_.set_exit_link_size(exitLink_->size());
    // The pointer's motion comes as the window's own events, with no button held.
    setMouseTracking(dwell_ != nullptr);

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
        // Moved whole onto another monitor, the window may cover that one
        // already: it is still laid out for the old.
        if (running_ && (!covers_screen(*this) || screen()->geometry() != laidOutFor_))
            coverAgain_.start();
        break;
    default: break;
    }
    return QWidget::event(event);
}

void PlaybackWindow::cover_screen_again()
{
    if (!running_ || windowDestroyed_)
        return;
    // The monitor the window is on now, which a window manager may have
    // changed: it is covered, and the stage laid out for it.
    if (!covers_screen(*this))
        show_full_screen(*this);
    if (screen()->geometry() != laidOutFor_) {
        laidOutFor_ = screen()->geometry();
        stage_.lay_out_again();
        if (exitLink_->isVisible())
            show_exit_link();
    }
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

bool PlaybackWindow::eventFilter(QObject* watched, QEvent* event)
{
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || widget->window() != this)
        return QWidget::eventFilter(watched, event);

    switch (event->type()) {
    case QEvent::KeyPress:
        if (input_.key_press(static_cast<const QKeyEvent&>(*event)))
            waits_.stop_prompt();
        return true;
    case QEvent::KeyRelease: input_.key_release(static_cast<const QKeyEvent&>(*event)); return true;
    case QEvent::ShortcutOverride:
        event->accept();  // keeps every key a key press for the handlers above
        return true;
    default: break;
    }

    if (dwell_) {
        if (event->type() == QEvent::MouseMove)
            dwell_->pointer_moved(
                mapFromGlobal(static_cast<QMouseEvent*>(event)->globalPosition().toPoint()));
        else if (event->type() == QEvent::Leave && widget == this)
            dwell_->pointer_left();
    }
    // The exit link handles its own presses; the player's picture reports its
    // own through the player's signals.
    if (widget == exitLink_ || stage_.player_box().isAncestorOf(widget))
        return QWidget::eventFilter(watched, event);
    const auto target = widget == this ? TurnInput::MouseTarget::Form : TurnInput::MouseTarget::OverForm;
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: {  // a quick second press arrives only as this
        const auto* mouse = static_cast<const QMouseEvent*>(event);
        input_.mouse_down(target, mouse->timestamp(),
                          mouse->button() == Qt::RightButton ? SecondSwitch : FirstSwitch);
        return true;
    }
    case QEvent::MouseButtonRelease:
        input_.mouse_up(target, static_cast<const QMouseEvent*>(event)->timestamp());
        return true;
    default: return QWidget::eventFilter(watched, event);
    }
}

void PlaybackWindow::show_exit_link()
{
    exitLink_->hide();
    exitLink_->move(stage_.layout().exitLink.topLeft());
    exitLink_->show();
    exitLink_->raise();
    if (dwell_)
        dwell_->set_excluded(exitLink_->geometry());
}

void PlaybackWindow::run()
{
    running_ = true;
    laidOutFor_ = screen()->geometry();
    input_.start_run();
    stage_.clear();
    (void)waits_.yield();

    const QString missing = missing_program_file();
    if (!missing.isEmpty()) {
        stopMessage_ = QStringLiteral("Playback cannot start: this file is missing or cannot be read:\n%1\n"
                                      "Install Flickerbox II again, or put the file back.")
                           .arg(missing);
        return leave();
    }
    if (g_.PressCalibration == 0)
        Calibration(stage_, g_, services_).run();
    stage_.clear();
    // What was asked during the calibration does not count, but a window
    // destroyed meanwhile still leaves.
    input_.forget_leave();
    if (windowDestroyed_)
        input_.request_leave();
    // Loaded straight as a cursor: the picture loader would flatten its
    // transparent pixels to black.
    stage_.pictures().Background.setCursor(QCursor(QPixmap(g_.DataFolder + QStringLiteral("aobj_nul.ico"))));
    stage_.player().set_visible(false);
    show_exit_link();
    waits_.start_sampling();
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
    const TurnParts parts{g_, stage_, waits_, input_, events_, leftOut_, services_.clock, services_.sound};
    const bool stills = os_version_name(services_.version) == QStringLiteral("Other");
    int unusableInARow = 0;
    TurnEnd end = TurnEnd::Next;
    while (!waits_.leaving()) {
        // In int: a stored 32767 must not overflow, and an index outside the
        // list starts again at its first clip.
        int next = g_.CurrentClip;
        if (end != TurnEnd::Replay)
            ++next;
        if (next > g_.ClipCount || next < 1)
            next = 1;
        g_.CurrentClip = int16_t(next);
        (void)waits_.yield();

        const QString& clip = g_.ClipList[g_.CurrentClip];
        end = leftOut_.files_usable(g_, clip, stills)
            ? ClipTurn(parts, stills ? ClipTurn::FirstFrame::Stills : ClipTurn::FirstFrame::PlayerFrames)
                  .play(clip)
            : TurnEnd::LeftOut;
        // Not one clip of the list can be shown: back to the adult, not round
        // and round without end.
        unusableInARow = end == TurnEnd::LeftOut ? unusableInARow + 1 : 0;
        if (unusableInARow >= std::max<int>(g_.ClipCount, 1))
            input_.request_leave();
        (void)waits_.yield();
        if (end == TurnEnd::Leave)
            break;
    }
    leave();
}

void PlaybackWindow::leave()
{
    waits_.stop();
    coverAgain_.stop();
    exitLink_->hide();
    running_ = false;
    events_.left();
    QString message = stopMessage_;
    const QString skipped = leftOut_.message(g_.MediaFolder);
    if (!skipped.isEmpty())
        message += (message.isEmpty() ? QString() : QStringLiteral("\n\n")) + skipped;
    if (showMenu_)
        showMenu_(message);
    hide();
    // The last statement of the run: the window goes once its code has left
    // the stack.
    deleteLater();
}

// Input during playback: every handler only sets flags, which the run tests
// at its check points.

#include "playback/exit_link.h"
#include "playback/playback_window.h"
#include "playback/virtual_key.h"

#include "media/video_player.h"
#include "state/globvars.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>

void PlaybackWindow::poll_input(bool sleep)
{
    g_.SwitchPressed = 0;
    // Sleeping here, never before the clear above, keeps the press that wakes
    // the wait.
    if (sleep)
        yield_until_event();
    else
        yield();
    switchResponse_.after_yield(g_);
}

void PlaybackWindow::test_for_click()
{
    g_.SwitchPressed = 0;
    if (g_.InputDevice == 6)
        g_.SwitchPressed = 1;
}

void PlaybackWindow::stop_prompt()
{
    timer1_.stop();
}

void PlaybackWindow::key_down(const QKeyEvent& key)
{
    if (g_.KeyReleased == 0)
        return;
    g_.KeyReleased = 0;
    LeaveRequested = 0;
    switch (virtual_key_code(key)) {
    case VkEscape:
        stop_prompt();
        LeaveRequested = 1;
        break;
    case VkSpace:
    case '2':
        if (g_.InputDevice == 7) {
            stop_prompt();
            g_.SwitchPressed = 1;
        }
        break;
    case 'A':
    case '0':
        if (WaitPhase == 1 || WaitPhase == 2) {
            stop_prompt();
            g_.SkipRequested = 1;
        }
        break;
    case 'R':
    case '1':
        if (WaitPhase == 2) {
            stop_prompt();
            g_.ReplayRequested = 1;
        }
        break;
    default:
        break;
    }
}

void PlaybackWindow::key_up(const QKeyEvent&)
{
    g_.KeyReleased = 1;
}

void PlaybackWindow::mouse_down()
{
    if (g_.MouseReleased == 0)
        return;
    g_.MouseReleased = 0;
    test_for_click();
}

void PlaybackWindow::mouse_up()
{
    g_.MouseReleased = 1;
}

void PlaybackWindow::player_focus()
{
    test_for_click();
    picMp1_->setFocus();
}

bool PlaybackWindow::eventFilter(QObject* watched, QEvent* event)
{
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || widget->window() != this)
        return QWidget::eventFilter(watched, event);

    switch (event->type()) {
    case QEvent::KeyPress: {
        const auto& key = static_cast<const QKeyEvent&>(*event);
        if (keyRepeats_.is_repeat(key))
            g_.KeyReleased = 0;  // still held: the release just before was part of the repeat
        else
            key_down(key);
        return true;
    }
    case QEvent::KeyRelease: {
        const auto& key = static_cast<const QKeyEvent&>(*event);
        keyRepeats_.note_release(key);
        if (!key.isAutoRepeat())
            key_up(key);
        return true;
    }
    case QEvent::ShortcutOverride:
        event->accept();  // keeps every key a key press for the handlers above
        return true;
    default:
        break;
    }

    // The exit link handles its own presses; the player's picture reports its
    // own through the player's signals.
    if (widget == exitLink_ || picMp1_->isAncestorOf(widget))
        return QWidget::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:  // a quick second press arrives only as this
        formPressed_ = widget == this;
        mouse_down();
        return true;
    case QEvent::MouseButtonRelease:
        mouse_up();
        if (widget == this && std::exchange(formPressed_, false))
            test_for_click();  // the form's click event: no latch
        return true;
    default:
        return QWidget::eventFilter(watched, event);
    }
}

void PlaybackWindow::ShowExitLink()
{
    exitLink_->hide();
    exitLink_->setText(QStringLiteral("Double-tap here \nfor main menu"));
    exitLink_->adjustSize();
    exitLink_->move(screen_pixels().width() - exitLink_->width() - 2, 0);
    exitLink_->show();
    exitLink_->raise();
}

void PlaybackWindow::HideExitLink()
{
    exitLink_->hide();
}

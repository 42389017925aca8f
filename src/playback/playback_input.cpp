// Input during playback: the window's events, translated into calls on the
// run's input, which sets the flags the run tests at its check points.

#include "playback/exit_link.h"
#include "playback/playback_window.h"

#include "media/video_player.h"

#include <QCoreApplication>
#include <QKeyEvent>

void PlaybackWindow::poll_input(bool sleep)
{
    // Sleeping here, never before the clear, keeps the press that wakes the wait.
    input_.before_yield();
    if (sleep)
        yield_until_event();
    else
        yield();
    input_.after_yield();
}

bool PlaybackWindow::eventFilter(QObject* watched, QEvent* event)
{
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || widget->window() != this)
        return QWidget::eventFilter(watched, event);

    switch (event->type()) {
    case QEvent::KeyPress: {
        if (input_.key_press(static_cast<const QKeyEvent&>(*event)))
            timer1_.stop();
        return true;
    }
    case QEvent::KeyRelease: {
        input_.key_release(static_cast<const QKeyEvent&>(*event));
        return true;
    }
    case QEvent::ShortcutOverride:
        event->accept();  // keeps every key a key press for the handlers above
        return true;
    default: break;
    }

    // The exit link handles its own presses; the player's picture reports its
    // own through the player's signals.
    if (widget == exitLink_ || picMp1_->isAncestorOf(widget))
        return QWidget::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:  // a quick second press arrives only as this
        input_.mouse_down(widget == this ? TurnInput::MouseTarget::Form : TurnInput::MouseTarget::OverForm);
        return true;
    case QEvent::MouseButtonRelease:
        input_.mouse_up(widget == this ? TurnInput::MouseTarget::Form : TurnInput::MouseTarget::OverForm);
        return true;
    default: return QWidget::eventFilter(watched, event);
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

#include "app/window_keys.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>

WindowKeys::WindowKeys(QWidget& window)
    : QObject(&window)
    , window_(window)
{
    qApp->installEventFilter(this);
}

bool WindowKeys::eventFilter(QObject* watched, QEvent* event)
{
    // Releases are noted wherever they land: the release of a repeat pair may
    // reach another window while this one is taking over the focus.
    if (event->type() == QEvent::KeyRelease) {
        repeats_.note_release(*static_cast<QKeyEvent*>(event));
        return false;
    }
    auto* target = qobject_cast<QWidget*>(watched);
    if (event->type() != QEvent::KeyPress || !target || target->window() != &window_)
        return false;
    const auto& press = *static_cast<QKeyEvent*>(event);
    const int key = press.key();
    if (key != Qt::Key_Escape && key != Qt::Key_Return && key != Qt::Key_Enter)
        return false;
    if (repeats_.is_repeat(press))
        return true;
    if (key == Qt::Key_Escape) {
        emit escape_pressed();
        return true;
    }
    auto* button = qobject_cast<QAbstractButton*>(window_.focusWidget());
    if (!button || !button->isVisible() || !button->isEnabled())
        return false;
    button->click();
    return true;
}

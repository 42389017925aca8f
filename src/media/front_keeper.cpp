#include "media/front_keeper.h"

#include <QApplication>
#include <QWidget>
#include <QWindow>
#include <xcb/xcb.h>

namespace {

constexpr int SettleMs = 150;

bool is_own_dialog(const QWindow* focused, const QWidget& window)
{
    return focused && focused != window.windowHandle();
}

}  // namespace

FrontKeeper::FrontKeeper(QWidget& window)
    : QObject(&window)
    , window_(window)
{
    window.setWindowFlag(Qt::WindowStaysOnTopHint, true);
    above_ = true;
    settle_.setSingleShot(true);
    settle_.setInterval(SettleMs);
    connect(&settle_, &QTimer::timeout, this, &FrontKeeper::take_back);
    connect(qApp, &QGuiApplication::focusWindowChanged, this, &FrontKeeper::focus_changed);
}

void FrontKeeper::focus_changed(QWindow* focused)
{
    if (!window_.isVisible())
        return;
    // The adult's message must not lie under the learner's window.
    set_above(!is_own_dialog(focused, window_));
    if (focused)
        settle_.stop();
    else
        settle_.start();
}

void FrontKeeper::take_back()
{
    if (!window_.isVisible() || QGuiApplication::focusWindow() || QApplication::activeModalWidget())
        return;
    ++takenBack_;
    set_above(true);
    window_.raise();
    window_.activateWindow();
    // A window manager may refuse an activation it did not see the user ask
    // for; the X server itself does not.
    if (auto* x11 = qApp->nativeInterface<QNativeInterface::QX11Application>()) {
        xcb_connection_t* connection = x11->connection();
        const auto id = static_cast<xcb_window_t>(window_.winId());
        const uint32_t above = XCB_STACK_MODE_ABOVE;
        xcb_configure_window(connection, id, XCB_CONFIG_WINDOW_STACK_MODE, &above);
        xcb_set_input_focus(connection, XCB_INPUT_FOCUS_PARENT, id, XCB_CURRENT_TIME);
        xcb_flush(connection);
    }
}

void FrontKeeper::set_above(bool above)
{
    QWindow* handle = window_.windowHandle();
    if (above == above_ || !handle)
        return;
    above_ = above;
    // On the native window: the widget's own flag would hide and show it again.
    handle->setFlag(Qt::WindowStaysOnTopHint, above);
}

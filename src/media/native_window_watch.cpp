#include "media/native_window_watch.h"

#include <QCoreApplication>
#include <QWidget>

#include <xcb/xproto.h>

NativeWindowWatch::NativeWindowWatch(const QWidget& window, std::function<void()> destroyed)
    : window_(window)
    , destroyed_(std::move(destroyed))
{
    QCoreApplication::instance()->installNativeEventFilter(this);
}

NativeWindowWatch::~NativeWindowWatch()
{
    QCoreApplication::instance()->removeNativeEventFilter(this);
}

bool NativeWindowWatch::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*)
{
    if (eventType != "xcb_generic_event_t")
        return false;
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    if ((event->response_type & ~0x80) != XCB_DESTROY_NOTIFY)
        return false;
    const auto* destroy = static_cast<const xcb_destroy_notify_event_t*>(message);
    if (window_.internalWinId() != 0 && destroy->window == window_.internalWinId())
        destroyed_();
    return false;  // the toolkit may see it too
}

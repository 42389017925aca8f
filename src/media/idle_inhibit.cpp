#include "media/idle_inhibit.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QGuiApplication>

// Xlib last: its macros (None, Bool, Status) clash with Qt's names.
#include <X11/Xlib.h>
#include <X11/extensions/scrnsaver.h>

namespace {

const QString Service = QStringLiteral("org.freedesktop.ScreenSaver");
const QString Path = QStringLiteral("/org/freedesktop/ScreenSaver");
// A service that does not answer within this time is taken as absent: the
// learner's window must not wait on it.
constexpr int CallTimeoutMs = 2000;

QDBusMessage screen_saver_call(const QString& method, const QVariantList& arguments)
{
    QDBusMessage call = QDBusMessage::createMethodCall(Service, Path, Service, method);
    call.setArguments(arguments);
    return call;
}

bool screen_saver_service_present()
{
    const QDBusConnection bus = QDBusConnection::sessionBus();
    return bus.isConnected() && bus.interface() && bus.interface()->isServiceRegistered(Service).value();
}

Display* x_display()
{
    const auto* x11 = qApp ? qApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 ? x11->display() : nullptr;
}

}  // namespace

DesktopIdleInhibitor::DesktopIdleInhibitor(QString reason)
    : reason_(std::move(reason))
{
}

DesktopIdleInhibitor::~DesktopIdleInhibitor()
{
    // An answer still on its way holds a cookie nobody would give back.
    if (pending_)
        pending_->waitForFinished();
    release();
}

void DesktopIdleInhibitor::hold()
{
    if (held_)
        return;
    held_ = true;
    if (waitingForCookie_)
        return;  // the answer to the last Inhibit keeps it, now that it is held again
    if (cookieValid_)
        return;
    if (!screen_saver_service_present()) {
        suspend_x_saver(true);
        return;
    }
    waitingForCookie_ = true;
    const QDBusPendingCall pending = QDBusConnection::sessionBus().asyncCall(
        screen_saver_call(QStringLiteral("Inhibit"), {QGuiApplication::applicationDisplayName(), reason_}),
        CallTimeoutMs);
    auto* watcher = new QDBusPendingCallWatcher(pending, this);
    pending_ = watcher;
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher* call) {
        call->deleteLater();
        pending_ = nullptr;
        waitingForCookie_ = false;
        const QDBusPendingReply<quint32> reply = *call;
        if (reply.isError()) {
            if (held_)
                suspend_x_saver(true);
            return;
        }
        cookie_ = reply.value();
        cookieValid_ = true;
        if (!held_)
            uninhibit();  // released while the answer was on its way
    });
}

void DesktopIdleInhibitor::release()
{
    if (!held_)
        return;
    held_ = false;
    uninhibit();
    suspend_x_saver(false);
}

void DesktopIdleInhibitor::uninhibit()
{
    if (!cookieValid_)
        return;
    cookieValid_ = false;
    // No answer is awaited: nothing follows from it.
    QDBusConnection::sessionBus().send(screen_saver_call(QStringLiteral("UnInhibit"), {cookie_}));
}

void DesktopIdleInhibitor::suspend_x_saver(bool suspend)
{
    if (suspend == xSuspended_)
        return;
    Display* display = x_display();
    if (!display)
        return;  // Wayland without the service: the desktop offers us nothing to hold
    int eventBase = 0;
    int errorBase = 0;
    if (!XScreenSaverQueryExtension(display, &eventBase, &errorBase))
        return;
    XScreenSaverSuspend(display, suspend ? True : False);
    XFlush(display);
    xSuspended_ = suspend;
}

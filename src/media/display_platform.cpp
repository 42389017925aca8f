#include "media/display_platform.h"

#include <QtGlobal>
#include <xcb/xcb.h>

QByteArray chosen_platform(const DisplayEnvironment& environment)
{
    if (!environment.qpaPlatform.isEmpty() || !environment.wayland)
        return {};
    return environment.xServerAnswers ? QByteArrayLiteral("xcb") : QByteArrayLiteral("wayland");
}

namespace {

// A DISPLAY left over from another session, or an XWayland that was never
// started, names no server: Qt's X platform would abort on it.
bool x_server_answers()
{
    if (qEnvironmentVariableIsEmpty("DISPLAY"))
        return false;
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    const bool answers = xcb_connection_has_error(connection) == 0;
    xcb_disconnect(connection);
    return answers;
}

}  // namespace

DisplayEnvironment display_environment()
{
    DisplayEnvironment environment;
    environment.qpaPlatform = qgetenv("QT_QPA_PLATFORM");
    environment.wayland = !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
    // Only asked where it decides something.
    environment.xServerAnswers =
        environment.qpaPlatform.isEmpty() && environment.wayland && x_server_answers();
    return environment;
}

void choose_display_platform()
{
    const QByteArray platform = chosen_platform(display_environment());
    if (!platform.isEmpty())
        qputenv("QT_QPA_PLATFORM", platform);
}

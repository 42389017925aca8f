#pragma once
// Which of Qt's platforms the program runs on, chosen before the application
// object is made.

#include <QByteArray>

struct DisplayEnvironment {
    QByteArray qpaPlatform;  // QT_QPA_PLATFORM as the user set it
    bool wayland = false;  // WAYLAND_DISPLAY names a compositor
    bool xServerAnswers = false;  // DISPLAY names an X server that accepts us
};

// The platform to ask Qt for; empty leaves Qt's own choice. Under Wayland the
// program runs on XWayland when an X server answers, since a compositor may
// hold back the frames of an animation; otherwise on Wayland itself.
QByteArray chosen_platform(const DisplayEnvironment& environment);

// This process's environment, with a connection tried to the X server DISPLAY names.
DisplayEnvironment display_environment();

// Sets QT_QPA_PLATFORM to the chosen platform, when there is one.
void choose_display_platform();

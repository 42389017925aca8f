#pragma once
// With FLICKERBOX_RESPONSE_LOG naming a file, the playback window adds a line
// to it for each response taken and each time it leaves, so that a test
// driving the program from outside can count and time them.

#include <QByteArray>

void log_playback_event(const QByteArray& line);

#pragma once

class QScreen;
class QWidget;

// Shows a top-level window full screen, on screen when given. The geometry is
// set first so the window also covers the screen where no window manager
// honours the request.
void show_full_screen(QWidget& window, QScreen* screen = nullptr);

// The window's own area is exactly its screen, in full-screen state.
bool covers_screen(const QWidget& window);

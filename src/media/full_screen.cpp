#include "media/full_screen.h"

#include <QScreen>
#include <QWidget>

void show_full_screen(QWidget& window, QScreen* screen)
{
    if (screen)
        window.setScreen(screen);
    window.setGeometry(window.screen()->geometry());
    window.showFullScreen();
}

bool covers_screen(const QWidget& window)
{
    return window.isFullScreen() && window.geometry() == window.screen()->geometry();
}

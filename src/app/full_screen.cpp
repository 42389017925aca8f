#include "app/full_screen.h"

#include <QScreen>
#include <QWidget>

void show_full_screen(QWidget& window)
{
    window.setGeometry(window.screen()->geometry());
    window.showFullScreen();
}

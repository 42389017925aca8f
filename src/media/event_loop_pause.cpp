#include "media/event_loop_pause.h"

#include <QEventLoop>
#include <QTimer>

void pause_in_event_loop(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

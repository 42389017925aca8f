// The wait for the learner's response, with the blue cross for a switch held
// too early and the spoken prompt while nothing happens.

#include "playback/playback_window.h"

#include "media/blit.h"
#include "playback/event_log.h"
#include "state/globvars.h"
#include "switch/switch_adapter.h"

#include <QPainter>

namespace {
constexpr int MarkerSize = 100;
const QColor MarkerColour(0, 0, 255);

const char* response_name(const GlobVars& g)
{
    return g.SwitchPressed ? "press" : g.SkipRequested ? "skip" : g.ReplayRequested ? "replay" : "leave";
}
}

void PlaybackWindow::wait_for_response()
{
    g_.SwitchPressed = 0;
    bool marked = false;
    Picture& background = pictures_.Background.picture();
    poll_input(false);
    // A switch already held must be let go first. Keys and mouse buttons read
    // as held only right after their event, so only a sampled switch's wait
    // sleeps (the sampling timer wakes it).
    const bool adapter = needs_polling(g_);
    while (g_.SwitchPressed == 1) {
        if (!marked) {
            blit(pictures_.pbw2, 0, 0, MarkerSize, MarkerSize, background, g_.MarkerLeft, g_.MarkerTop,
                 RasterOp::SrcCopy);
            draw_marker();
            marked = true;
        }
        poll_input(adapter);
        if (LeaveRequested == 1) {
            timer1_.stop();
            return;  // the cross stays: the window is about to go
        }
    }
    if (marked)
        blit(background, g_.MarkerLeft, g_.MarkerTop, MarkerSize, MarkerSize, pictures_.pbw2, 0, 0,
             RasterOp::SrcCopy);

    PromptSound = QStringLiteral("aobj_prs");
    g_.SwitchPressed = 0;
    g_.SkipRequested = 0;
    g_.ReplayRequested = 0;
    if (g_.PromptInterval > 0)
        timer1_.start(int(g_.PromptInterval) * 1000);  // in int: 15 s is more than 16 bits of ms
    awaitingResponse_ = true;
    while (g_.SwitchPressed == 0 && g_.SkipRequested == 0 && g_.ReplayRequested == 0) {
        poll_input(true);
        if (LeaveRequested == 1)
            break;
    }
    log_playback_event(response_name(g_));
    awaitingResponse_ = false;
    timer1_.stop();
}

void PlaybackWindow::draw_marker()
{
    const int left = g_.MarkerLeft, top = g_.MarkerTop;
    pictures_.Background.picture().edit(QRect(left, top, MarkerSize + 3, MarkerSize), [&](QImage& image) {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setPen(QPen(MarkerColour, 1));
        // Six one-pixel lines side by side make the two strokes three pixels thick.
        for (int i = 0; i <= 2; ++i) {
            painter.drawLine(left + 4 + i, top + 4, left + 96 + i, top + 96);
            painter.drawLine(left + 4 + i, top + 96, left + 96 + i, top + 4);
        }
    });
}

void PlaybackWindow::prompt()
{
    // A key or button held down: not now, the next interval tries again.
    if (g_.KeyReleased == 0 || g_.MouseReleased == 0)
        return;
    press_the_hand(5, g_.DataFolder + PromptSound);
}

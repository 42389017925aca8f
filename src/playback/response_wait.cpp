// The wait for the learner's response, with the blue cross for a switch held
// too early and the spoken prompt while nothing happens.

#include "playback/playback_window.h"

#include "media/blit.h"
#include "media/monotonic_clock.h"
#include "state/globvars.h"
#include "switch/switch_adapter.h"

#include <QPainter>

namespace {
constexpr int MarkerSize = 100;
const QColor MarkerColour(0, 0, 255);
}  // namespace

void PlaybackWindow::wait_for_response()
{
    bool marked = false;
    Picture& background = pictures_.Background.picture();
    poll_input(false);
    // A switch already held must be let go first. Keys and mouse buttons read
    // as held only right after their event, so only a sampled switch's wait
    // sleeps (the sampling timer wakes it).
    const bool adapter = needs_polling(g_);
    while (flags_.SwitchPressed == 1) {
        if (!marked) {
            blit(pictures_.pbw2, 0, 0, MarkerSize, MarkerSize, background, g_.MarkerLeft, g_.MarkerTop,
                 RasterOp::SrcCopy);
            draw_marker();
            marked = true;
            events_.cross_shown();
        }
        poll_input(adapter);
        if (flags_.LeaveRequested == 1) {
            timer1_.stop();
            return;  // the cross stays: the window is about to go
        }
    }
    if (marked)
        blit(background, g_.MarkerLeft, g_.MarkerTop, MarkerSize, MarkerSize, pictures_.pbw2, 0, 0,
             RasterOp::SrcCopy);

    PromptSound = QStringLiteral("aobj_prs");
    input_.begin_response_wait();
    if (g_.PromptInterval > 0)
        timer1_.start(int(g_.PromptInterval) * 1000);  // in int: 15 s is more than 16 bits of ms
    const int64_t cueMs = services_.clock.now_ms();
    events_.wait_began(flags_.WaitPhase);
    while (flags_.SwitchPressed == 0 && flags_.SkipRequested == 0 && flags_.ReplayRequested == 0) {
        poll_input(true);
        if (flags_.LeaveRequested == 1)
            break;
    }
    input_.end_response_wait();
    if (flags_.SwitchPressed)
        events_.response_taken(flags_.WaitPhase, services_.clock.now_ms() - cueMs, input_.response_held_ms());
    else if (flags_.SkipRequested)
        events_.skip(flags_.WaitPhase);
    else if (flags_.ReplayRequested)
        events_.replay();
    else
        events_.leave(flags_.WaitPhase);
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
    if (flags_.KeyReleased == 0 || flags_.MouseReleased == 0)
        return;
    press_the_hand(5, g_.DataFolder + PromptSound);
    events_.prompt_played();
}

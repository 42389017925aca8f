#include "playback/pointer_dwell.h"

#include "media/dwell_mark.h"
#include "media/monotonic_clock.h"
#include "playback/playback_stage.h"
#include "playback/turn_input.h"

#include <QCursor>
#include <QPainter>
#include <QScreen>
#include <algorithm>

namespace {
// The ring fills at about 30 frames a second: smooth to the eye, and only
// while a dwell is under way.
constexpr int MarkFrameMs = 33;

// The progress ring over whatever the pointer rests on; the pointer's events
// pass through it to the window.
class DwellMarkView final : public QWidget {
public:
    explicit DwellMarkView(QWidget& parent)
        : QWidget(&parent)
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setAttribute(Qt::WA_NoSystemBackground);
        hide();
    }

    void show_at(const QPoint& centre, int radius, double progress)
    {
        const QRect area = dwell_mark_area(centre, radius);
        radius_ = radius;
        progress_ = progress;
        setGeometry(area);
        if (isHidden())
            show();
        raise();
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        paint_dwell_mark(painter, rect().center(), radius_, progress_);
    }

private:
    int radius_ = 0;
    double progress_ = 0;
};

QSize screen_size(const QWidget& window)
{
    return window.screen() ? window.screen()->size() : QSize(1024, 768);
}
}  // namespace

PointerDwell::PointerDwell(QWidget& window, const PlaybackStage& stage, TurnInput& input,
                           const MonotonicClock& clock, int dwellMs)
    : window_(window)
    , stage_(stage)
    , input_(input)
    , clock_(clock)
    , detector_(dwellMs, dwell_wobble_distance(screen_size(window)))
    , mark_(new DwellMarkView(window))
{
    wake_.setSingleShot(true);
    wake_.setTimerType(Qt::PreciseTimer);
    QObject::connect(&wake_, &QTimer::timeout, [this] { wake(); });
}

void PointerDwell::set_excluded(const QRect& excluded)
{
    detector_.set_excluded(excluded);
}

void PointerDwell::wait_began(WaitPhase)
{
    active_ = true;
    // The targets are where the picture, or a choice's cards, stand now; a
    // pointer already resting on one begins its dwell without having to move.
    const StageLayout layout = stage_.layout();
    const int margin = int(dwell_wobble_distance(screen_size(window_)));
    targets_.clear();
    for (const QRect& target : stage_.dwell_targets())
        targets_.push_back(layout.view(target)
                               .translated(layout.area.topLeft() - window_.geometry().topLeft())
                               .adjusted(-margin, -margin, margin, margin));
    target_ = 0;
    detector_.set_target(targets_.front());
    const QPoint pos = window_.mapFromGlobal(QCursor::pos());
    if (window_.rect().contains(pos))
        follow(pos);
}

void PointerDwell::pointer_moved(const QPoint& pos)
{
    // One motion reaches the window once for each widget it passes through
    // on its way up; only the first says anything new.
    if (detector_.pointer_known() && pos == detector_.pointer())
        return;
    if (active_)
        follow(pos);
    else
        detector_.pointer_passing(pos);
}

void PointerDwell::pointer_left()
{
    detector_.pointer_left();
    wake_.stop();
    if (mark_->isVisible())
        mark_->hide();
}

void PointerDwell::follow(const QPoint& pos)
{
    aim_at(pos);
    if (detector_.pointer_at(pos, clock_.now_ms())) {
        mark_->hide();
        wake_.stop();
        input_.dwell_completed(target_);
        return;
    }
    update_mark();
}

void PointerDwell::aim_at(const QPoint& pos)
{
    // Where margins overlap, between two cards, the nearer card's middle wins.
    std::optional<size_t> nearest;
    for (size_t i = 0; i < targets_.size(); ++i)
        if (targets_[i].contains(pos)
            && (!nearest
                || std::abs(pos.x() - targets_[i].center().x())
                    < std::abs(pos.x() - targets_[*nearest].center().x())))
            nearest = i;
    // Onto another card: a dwell there starts afresh.
    if (nearest && int(*nearest) != target_) {
        target_ = int(*nearest);
        detector_.set_target(targets_[*nearest]);
    }
}

void PointerDwell::wake()
{
    if (!active_)
        return;
    if (detector_.tick(clock_.now_ms())) {
        mark_->hide();
        input_.dwell_completed(target_);
        return;
    }
    update_mark();
}

void PointerDwell::update_mark()
{
    const std::optional<int64_t> due = detector_.due_ms();
    if (!due) {
        if (wake_.isActive())
            wake_.stop();
        if (mark_->isVisible())
            mark_->hide();
        return;
    }
    const int64_t now = clock_.now_ms();
    wake_.start(int(std::clamp<int64_t>(*due - now, 0, MarkFrameMs)));
    static_cast<DwellMarkView*>(mark_)->show_at(detector_.pointer(), dwell_mark_radius(window_.size()),
                                                detector_.progress(now));
}

void PointerDwell::stop()
{
    active_ = false;
    // A dwell under way when the wait ended counts for nothing, and the next
    // needs the pointer to move or leave first, as after a completed one.
    if (detector_.dwelling())
        detector_.hold_off();
    wake_.stop();
    mark_->hide();
}

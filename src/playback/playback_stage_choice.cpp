// The stage's offer of a choice: two cards side by side in the movie area.
#include "playback/playback_stage.h"

#include "media/blit.h"
#include "media/playback_layout.h"
#include "media/video_player.h"
#include "state/globvars.h"

#include <QPainter>
#include <algorithm>

namespace {
// Told apart by colour as well as by place, in colours that differ for
// every kind of colour sight; the learner's switches can be painted to match.
const QColor SideColours[] = {QColor(255, 200, 0), QColor(0, 120, 255)};
constexpr int PlainFrameWidth = 3;
constexpr int FramedWidth = 5;
}  // namespace

bool PlaybackStage::load_choice(int side, const QString& label, const QString& firstStill,
                                QString& unreadable)
{
    first_->hide();
    last_->hide();
    player_->set_visible(false);
    playerBox_->hide();  // its black would cover the cards
    offering_ = true;
    for (auto [image, path] :
         {std::pair(&choiceLabels_[side], label), std::pair(&choiceStills_[side], firstStill)})
        if (!image->load(path)) {
            unreadable = path;
            return false;
        }
    return true;
}

void PlaybackStage::show_choice(int side, CardLight light)
{
    const StageLayout now = layout();
    const ChoiceCard card =
        choice_cards(now.movie, choiceLabels_[0].size(), choiceLabels_[1].size())[size_t(side)];
    Picture& background = pictures_.Background.picture();
    background.edit(card.card, [&](QImage& image) {
        QPainter painter(&image);
        // The lit card's frame is wide and bright, the other's thin and dim:
        // which one a press takes is seen from across the room.
        const int width = light == CardLight::Lit ? ChoiceFrameWidth
            : light == CardLight::Framed          ? FramedWidth
                                                  : PlainFrameWidth;
        painter.fillRect(card.card,
                         light == CardLight::Plain ? SideColours[side].darker(160) : SideColours[side]);
        painter.fillRect(card.card.adjusted(width, width, -width, -width), Qt::black);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(card.label, choiceLabels_[side]);
        painter.drawImage(card.still, choiceStills_[side]);
    });
    pictures_.Background.repaint();  // now, before a spoken name holds the event loop
}

std::vector<QRect> PlaybackStage::dwell_targets() const
{
    const StageLayout now = layout();
    if (!offering_)
        return {now.movie};
    const std::array<ChoiceCard, 2> cards =
        choice_cards(now.movie, choiceLabels_[0].size(), choiceLabels_[1].size());
    return {cards[0].card, cards[1].card};
}

void PlaybackStage::move_hand_over_card(int side)
{
    const QRect card =
        choice_cards(layout().movie, choiceLabels_[0].size(), choiceLabels_[1].size())[size_t(side)].card;
    BlitRect& hand = pictures_.HandRect;
    // At rest the finger stands over the middle of the marker square; it
    // comes to stand over the middle of the card.
    const int finger = g_.MarkerLeft + MarkerSize / 2 - hand.x;
    const int x = std::clamp(card.center().x() - finger, 0, AreaWidth - HandWidth);
    Picture& background = pictures_.Background.picture();
    // The hand's box is black around it, as the space above the TV set and
    // the stage is.
    fill_box(background, QRect(hand.x, hand.y, hand.width, hand.height), qRgb(0, 0, 0));
    hand.x = int16_t(x);
    pictures_.HandMaskRect.x = hand.x;
    copy_rect(hand, pictures_.PB1, background);
    pictures_.Background.update();
}

#pragma once
// What the learner sees of a run, and the one place that draws it: the
// drawing area with its backdrop and hand, the label slots, the first and
// last stills, the blue cross, the sign of progress and the clip player. The
// turns and the calibration say what to show; the stage knows where.

#include "playback/playback_pictures.h"
#include "playback/services.h"
#include "playback/stage_layout.h"

#include <QRect>
#include <QString>
#include <array>
#include <memory>
#include <vector>

struct GlobVars;
class VideoPlayer;

class PlaybackStage {
public:
    // The drawing area and the player become children of window.
    PlaybackStage(QWidget& window, GlobVars& g, const Services& services);
    ~PlaybackStage();

    PlaybackPictures& pictures() { return pictures_; }
    VideoPlayer& player() { return *player_; }
    QWidget& player_box() { return *playerBox_; }
    // Where everything stands now, for the labels loaded.
    StageLayout layout() const;
    // The exit link's size, which the layout keeps clear of the labels and the hand.
    void set_exit_link_size(QSize size);
    // Everything placed again for the screen the window is on now, mid-clip
    // and mid-wait alike.
    void lay_out_again();

    // A black drawing area, centred on the screen.
    void clear();
    void draw_backdrop();

    // The label slots: a picture for each, wiped in, drawn with the backdrop.
    void set_label_count(int count);
    [[nodiscard]] bool load_label(int slot, const QString& path);
    void wipe_label_in(int slot);
    void wipe_card_in(const Picture& card, double count);  // the calibration's trial
    void draw_backdrop_and_labels();
    void blank_labels();
    // What a turn ended early leaves: no label, no sign of progress.
    void clear_after_skip();

    // The hand dips `distance` pixels and back at the calibrated pace, with
    // `sound` at its lowest point; press_hand_at with `delay` counts a frame.
    void press_hand(int16_t distance, const QString& sound);
    void press_hand_at(int16_t distance, double delay, const QString& sound);

    void show_cross();
    void hide_cross();
    void show_progress(int made, int count);
    void remove_progress();

    // The clip's first and last frames as stills in the movie area, the
    // first in front. False with the path of the one that could not be read.
    [[nodiscard]] bool stack_stills(const QString& first, const QString& last, QString& unreadable);
    void show_last_still();
    // The first still, scaled as the clip will be, stays in front until the
    // player's first frame is drawn over it: the area never goes black.
    void show_player_on_first_frame();
    void forget_first_frame();

    // The offer of a choice: each side's label and first still as a card in
    // the movie area (see choice_cards), framed in its side's colour, bold
    // where the light is. Loading hides the stills and the player, so the
    // cards show; false with the path of a picture that could not be read.
    enum class CardLight { Plain, Framed, Lit };
    [[nodiscard]] bool load_choice(int side, const QString& label, const QString& firstStill,
                                   QString& unreadable);
    void show_choice(int side, CardLight light);
    // Where a pointer's dwell is a press, in the stage's coordinates: each
    // card while a choice is offered (a dwell takes the card it rests on),
    // otherwise the movie area alone.
    std::vector<QRect> dwell_targets() const;
    // The hand moves to rest over the card taken, so that its press is seen
    // on the side chosen; the next backdrop puts it back in its place.
    void move_hand_over_card(int side);

    // The player at its normal place, or in the area the clip plays in.
    void place_player_normal();
    bool enlarges() const;  // the screen size plays the clip in a larger area
    bool enlarged() const { return enlarged_; }
    void enlarge_player();
    void restore_normal_layout();

private:
    static constexpr int MarkerSize = 100;  // the square the pressed finger touches

    double bounded_count(double calibration, int delays) const;
    QSize screen() const;
    // The first frame in `box` at `place`, fitted as the player fits the clip.
    void show_first_still(QRect place);
    void place_player(const QRect& place);
    void place_normal(const StageLayout& now);
    void place_enlarged(const StageLayout& now);

    QWidget& window_;
    GlobVars& g_;
    const Services& services_;
    PlaybackPictures pictures_;
    PictureBox* first_;
    PictureBox* last_;
    QWidget* playerBox_;
    std::unique_ptr<VideoPlayer> player_;
    std::vector<std::unique_ptr<Picture>> labels_;  // Picture cannot move
    QRect progressArea_;  // empty when no sign is shown
    Picture progressUnder_;  // what the sign covers
    QImage firstFrame_;  // the first still as loaded
    std::array<QImage, 2> choiceLabels_, choiceStills_;
    bool raiseOnFirstFrame_ = false;
    bool enlarged_ = false;
    bool offering_ = false;  // the cards of a choice are on show
    QSize exitLinkSize_;
};

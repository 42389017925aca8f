// Choosing one of two in the real program on a real X server, with real key
// presses and the screen read back: the offer at every screen size on both
// backdrops, a scan taken while its second side is lit, two switches, step
// scanning and a dwell of the pointer on a card. With FLICKERBOX_SHOT_DIR set, the offers are saved.

#include "program_test.h"
#include "media/picture_difference.h"
#include "playback/stage_layout.h"
#include "state/session_event.h"
#include "state/sessions_file.h"
#include "support/wait_until.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QThread>
#include <gtest/gtest.h>

namespace {

const QString& clip(int number)
{
    return ProgramDriver::clips()[number - 1];
}

class Choice : public ProgramTest {
public:
    std::unique_ptr<ProgramDriver> start(int method, int backdrop = 1, int size = 1)
    {
        auto d = std::make_unique<ProgramDriver>(PlaybackSettings{.device = 7,
                                                                  .size = size,
                                                                  .backdrop = backdrop,
                                                                  .playMode = 5,
                                                                  .choiceMethod = method,
                                                                  .scanTime = 1000});
        EXPECT_TRUE(d->start_playback());
        return d;
    }

    static ChoiceCard card(const ProgramDriver& d, int side)
    {
        return choice_cards(d.movie_area(), d.file(clip(1) + ".jpg").size(),
                            d.file(clip(2) + ".jpg").size())[size_t(side)];
    }

    // Both cards show their clip's label and first still.
    static bool offered(const ProgramDriver& d, const QImage& shot)
    {
        for (int side : {0, 1}) {
            const ChoiceCard c = card(d, side);
            const QImage label = d.file(clip(side + 1) + ".jpg").scaled(c.label.size());
            const QImage still = d.file(clip(side + 1) + "_first.jpg").scaled(c.still.size());
            if (mean_abs_difference(d.on_area(shot, c.label), label) > 12
                || mean_abs_difference(d.on_area(shot, c.still), still) > 12)
                return false;
        }
        return true;
    }

    // The side's frame is wide: lit. A plain frame is thinner than this.
    static bool lit(const ProgramDriver& d, const QImage& shot, int side)
    {
        const QRect frame = card(d, side).card;
        const QColor c = d.on_area(shot, QRect(frame.x() + 5, frame.center().y(), 1, 1)).pixelColor(0, 0);
        return side == 0 ? c.red() > 200 && c.blue() < 80 : c.blue() > 200 && c.red() < 80;
    }

    static QList<SessionEvent> choices(const ProgramDriver& d) { return events(d, SessionEventKind::Choice); }

    static QList<SessionEvent> events(const ProgramDriver& d, SessionEventKind kind)
    {
        const QString records = d.folder() + RecordsFolderName;
        QList<SessionEvent> found;
        for (const QString& name : QDir(records).entryList({QStringLiteral("20*_*.csv")}, QDir::Files)) {
            QFile file(records + name);
            if (file.open(QIODevice::ReadOnly))
                for (const SessionEvent& e : read_session_events(file.readAll()).events)
                    if (e.kind == kind)
                        found << e;
        }
        return found;
    }

    // The chosen clip plays in the movie area once the hand has pressed.
    static bool plays(const ProgramDriver& d, int number)
    {
        return d.wait_for_screen([&](const QImage& s) { return d.shows_still(s, clip(number), "_last"); },
                                 15000);
    }
};

TEST_F(Choice, TheOfferShowsBothCardsAtEverySizeOnBothBackdrops)
{
    for (int backdrop : {1, 2})
        for (int size : {1, 2, 3}) {
            SCOPED_TRACE(testing::Message() << "backdrop " << backdrop << ", size " << size);
            auto d = start(1, backdrop, size);
            EXPECT_TRUE(d->wait_for_screen([&](const QImage& s) { return offered(*d, s); }, 15000));
            const QImage shot = d->grab(QStringLiteral("choice_offer_%1_%2").arg(backdrop).arg(size));
            EXPECT_TRUE(d->shows_backdrop(shot));
            d->tap("Escape");
            EXPECT_TRUE(d->wait_for_screen([&](const QImage& s) { return d->shows_menu(s); }, 10000));
            EXPECT_TRUE(d->exit_from_menu());
        }
}

TEST_F(Choice, AScanTakesTheRightWhilePressedWithTheRightLit)
{
    auto d = start(2);
    ASSERT_TRUE(d->wait_for_screen([&](const QImage& s) { return offered(*d, s) && lit(*d, s, 0); }, 15000));
    ASSERT_TRUE(d->wait_for_screen([&](const QImage& s) { return lit(*d, s, 1) && !lit(*d, s, 0); }, 3000))
        << "the light did not move to the right";
    d->tap("space");
    EXPECT_TRUE(plays(*d, 2)) << "the right clip did not play";
    ASSERT_TRUE(wait_until([&] { return !choices(*d).isEmpty(); }, 5000));
    const SessionEvent choice = choices(*d).first();
    EXPECT_EQ(choice.side, "right");
    EXPECT_EQ(choice.clip, clip(2));
    EXPECT_EQ(choice.leftClip, clip(1));
    EXPECT_EQ(choice.rightClip, clip(2));
    EXPECT_GE(choice.fromCueMs.value_or(0), 1000) << "taken after the first move";
    d->tap("Escape");
    EXPECT_TRUE(d->wait_for_screen([&](const QImage& s) { return d->shows_menu(s); }, 10000));
}

// Once the names have been heard the cue-th wait has begun: a press before
// it is no choice.
bool cued(const ProgramDriver& d, int cue)
{
    return wait_until([&] { return Choice::events(d, SessionEventKind::Cue).size() >= cue; }, 8000);
}

// Enter is the keyboard's second switch.
bool enter_taken(ProgramDriver& d, int cue)
{
    if (!cued(d, cue))
        return false;
    d.tap("Return");
    return wait_until([&] { return !Choice::choices(d).isEmpty(); }, 4000);
}

TEST_F(Choice, TwoSwitchesSpaceTakesTheLeftAndEnterTheRight)
{
    auto d = start(1);
    ASSERT_TRUE(d->wait_for_screen([&](const QImage& s) { return offered(*d, s); }, 15000));
    ASSERT_TRUE(enter_taken(*d, 1));
    // The hand presses over the card taken, on the right.
    EXPECT_TRUE(d->wait_for_screen([&](const QImage& s) { return !d->hand_at_rest(s); }, 3000));
    d->grab(QStringLiteral("choice_hand_right"));
    EXPECT_TRUE(plays(*d, 2));
    EXPECT_EQ(choices(*d).first().side, "right");
    EXPECT_EQ(choices(*d).first().switchName, "2");
    ASSERT_TRUE(cued(*d, 2));  // the wait after the clip
    d->tap("space");  // on to the next pair
    ASSERT_TRUE(cued(*d, 3));
    d->tap("space");
    ASSERT_TRUE(wait_until([&] { return choices(*d).size() == 2; }, 8000));
    EXPECT_EQ(choices(*d).last().side, "left");
}

TEST_F(Choice, StepScanningSpaceMovesAndEnterTakes)
{
    auto d = start(3);
    ASSERT_TRUE(d->wait_for_screen([&](const QImage& s) { return offered(*d, s) && lit(*d, s, 0); }, 15000));
    ASSERT_TRUE(cued(*d, 1));
    d->tap("space");
    ASSERT_TRUE(d->wait_for_screen([&](const QImage& s) { return lit(*d, s, 1); }, 3000))
        << "space did not move the light";
    d->grab(QStringLiteral("choice_step_right_lit"));
    QThread::msleep(1500);  // no timing: the light stays
    EXPECT_TRUE(lit(*d, d->grab(), 1));
    ASSERT_TRUE(enter_taken(*d, 2));  // the move's press began a wait of its own
    EXPECT_TRUE(plays(*d, 2));
    EXPECT_EQ(choices(*d).first().side, "right");
}

// Resting on the left card for a while and then on the right takes the
// right, a whole dwell after the pointer came onto it.
TEST_F(Choice, ADwellTakesTheCardThePointerRestsOn)
{
    ProgramDriver d({.device = 6, .playMode = 5, .kind = 5, .dwellMs = 1000});
    ASSERT_TRUE(d.start_playback());
    d.move_to(d.area_origin() + QPoint(20, 470));  // clear of both cards
    ASSERT_TRUE(d.wait_for_screen([&](const QImage& s) { return offered(d, s); }, 15000));
    QThread::msleep(1500);  // the names are heard before a dwell counts
    d.move_to(d.area_origin() + card(d, 0).card.center());
    QThread::msleep(600);
    QElapsedTimer onTheRight;
    d.move_to(d.area_origin() + card(d, 1).card.center());
    onTheRight.start();
    ASSERT_TRUE(d.wait_for_screen([&](const QImage& s) { return !d.hand_at_rest(s); }, 5000))
        << "the dwell was not taken";
    EXPECT_GE(onTheRight.elapsed(), 950) << "the dwell on the left went on over the right";
    EXPECT_TRUE(plays(d, 2));
    ASSERT_TRUE(wait_until([&] { return !choices(d).isEmpty(); }, 5000));
    EXPECT_EQ(choices(d).first().side, "right");
    EXPECT_EQ(choices(d).first().switchName, "dwell");
    d.tap("Escape");
}

}  // namespace

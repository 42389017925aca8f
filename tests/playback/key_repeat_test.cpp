// Repeats of a held key against fresh presses, with the key events as X and
// other window systems deliver them.
#include "playback/key_repeat.h"

#include <QKeyEvent>
#include <gtest/gtest.h>

namespace {

bool is_repeat(const KeyRepeatFilter& filter, unsigned long time, bool flaggedRepeat)
{
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier, QString(), flaggedRepeat);
    press.setTimestamp(time);
    return filter.is_repeat(press);
}

void release(KeyRepeatFilter& filter, unsigned long time, bool flaggedRepeat)
{
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_Escape, Qt::NoModifier, QString(), flaggedRepeat);
    release.setTimestamp(time);
    filter.note_release(release);
}

TEST(KeyRepeat, OnXTheReleasePressPairsAreTheRepeatsWhateverTheFlagSays)
{
    KeyRepeatFilter filter(true);
    EXPECT_FALSE(is_repeat(filter, 100, false));
    release(filter, 600, true);
    EXPECT_TRUE(is_repeat(filter, 600, true));
    release(filter, 630, false);
    EXPECT_TRUE(is_repeat(filter, 630, false)) << "a pair Qt did not flag";
    // Let go while one window handed over to the next: the release reached
    // neither, and Qt flags the next real press as a repeat.
    EXPECT_FALSE(is_repeat(filter, 2500, true));
}

TEST(KeyRepeat, ElsewhereTheFlagIsTrusted)
{
    KeyRepeatFilter filter(false);
    EXPECT_TRUE(is_repeat(filter, 2500, true));
    EXPECT_FALSE(is_repeat(filter, 2600, false));
}

}  // namespace

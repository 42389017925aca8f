#include "playback/key_repeat.h"

#include <QKeyEvent>

bool KeyRepeatFilter::is_repeat(const QKeyEvent& press) const
{
    if (press.isAutoRepeat())
        return true;
    const auto last = lastRelease_.constFind(press.key());
    return last != lastRelease_.constEnd() && *last == press.timestamp() && press.timestamp() != 0;
}

void KeyRepeatFilter::note_release(const QKeyEvent& release)
{
    lastRelease_.insert(release.key(), release.timestamp());
}

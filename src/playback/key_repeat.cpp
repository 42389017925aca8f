#include "playback/key_repeat.h"

#include <QGuiApplication>
#include <QKeyEvent>

KeyRepeatFilter::KeyRepeatFilter()
    : KeyRepeatFilter(QGuiApplication::platformName() == QLatin1String("xcb"))
{
}

bool KeyRepeatFilter::is_repeat(const QKeyEvent& press) const
{
    const auto last = lastRelease_.constFind(press.key());
    if (last != lastRelease_.constEnd() && *last == press.timestamp() && press.timestamp() != 0)
        return true;
    // On X, Qt flags every press of a key as a repeat until it sees that key
    // let go. A key let go while one window hands over to the next sends its
    // release to neither, and the next real press would be taken for a repeat
    // and lost: there the timestamps above decide alone.
    return press.isAutoRepeat() && !repeatsComeInPairs_;
}

void KeyRepeatFilter::note_release(const QKeyEvent& release)
{
    lastRelease_.insert(release.key(), release.timestamp());
}

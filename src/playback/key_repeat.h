#pragma once
// Tells a held key's repeats from real presses. Qt flags most repeats, but
// X servers deliver some as a release and a press with the same timestamp,
// which Qt reports as a fresh press.

#include <QHash>

class QKeyEvent;

class KeyRepeatFilter {
public:
    // True for a press that only repeats a key already held.
    bool is_repeat(const QKeyEvent& press) const;
    // Call for every release, repeats included.
    void note_release(const QKeyEvent& release);

private:
    QHash<int, unsigned long> lastRelease_;  // key code -> timestamp of its last release
};

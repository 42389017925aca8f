#pragma once
// Tells a held key's repeats from real presses. An X server repeats a held
// key as a release and a press with the same timestamp; Qt flags most of those
// presses, but reports some as fresh ones.

#include <QHash>

class QKeyEvent;

class KeyRepeatFilter {
public:
    // repeatsComeInPairs: the window system repeats keys as release-press
    // pairs (X); by default, whether the application runs on X.
    KeyRepeatFilter();
    explicit KeyRepeatFilter(bool repeatsComeInPairs)
        : repeatsComeInPairs_(repeatsComeInPairs)
    {
    }

    // True for a press that only repeats a key already held.
    bool is_repeat(const QKeyEvent& press) const;
    // Call for every release, repeats included.
    void note_release(const QKeyEvent& release);

private:
    bool repeatsComeInPairs_;
    QHash<int, unsigned long> lastRelease_;  // key code -> timestamp of its last release
};

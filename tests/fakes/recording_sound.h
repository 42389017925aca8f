#pragma once
// A sound output that plays nothing and records what it was asked to play.

#include "media/sound.h"

#include <QFileInfo>
#include <QStringList>
#include <functional>

struct RecordingSound : SoundOutput {
    QStringList played;  // the paths as given
    bool looped = false;
    std::function<void()> onPlay;  // runs as each sound would play

    void play(const QString& wavPath, bool loop) override
    {
        played << wavPath;
        looped = looped || loop;
        if (onPlay)
            onPlay();
    }
    QStringList names() const
    {
        QStringList names;
        for (const QString& path : played)
            names << QFileInfo(path).fileName();
        return names;
    }
};

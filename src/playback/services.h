#pragma once
// The platform services of the program, made once at start-up and handed
// down to every window and run that uses one; tests hand in the fakes of
// tests/fakes/. No service is reached any other way.

#include "media/kill_time.h"

#include <functional>
#include <memory>
#include <vector>

class AdapterPorts;
class Dialogs;
class FolderFileSystem;
class MonotonicClock;
class QWidget;
class SoundOutput;
class TurnObserver;
class VersionQuery;
class VideoPlayer;

struct Services {
    Dialogs& dialogs;
    SoundOutput& sound;
    VersionQuery& version;
    const MonotonicClock& clock;
    AdapterPorts& ports;  // behind the switch adapters
    FolderFileSystem& files;  // where the folders are decided
    // Makes the clip player inside its container picMp1.
    std::function<std::unique_ptr<VideoPlayer>(QWidget* container)> make_player;
    // What the wipe and the hand call between frames: the counting delay, or
    // nothing in tests that need no pace.
    Pacer pace = kill_time;
    // Told of every check point of each playback run.
    std::vector<TurnObserver*> observers = {};
};

#pragma once
// One fake of every service, and the services struct that hands them down.

#include "fakes/fake_adapter_ports.h"
#include "fakes/fake_clock.h"
#include "fakes/fake_dialogs.h"
#include "fakes/fake_files.h"
#include "fakes/fake_player.h"
#include "fakes/fake_version.h"
#include "fakes/recording_sound.h"
#include "playback/services.h"

struct FakeServices {
    FakeDialogs dialogs;
    RecordingSound sound;
    FakeVersionQuery version;
    FakeClock clock;
    FakeAdapterPorts ports;
    FakeFiles files;
    // Every player made: "open <file>", "play", ... (the window deletes its player).
    std::shared_ptr<QStringList> playerCalls = std::make_shared<QStringList>();
    // Clips, by file name, that every player made fails with the given reason.
    std::shared_ptr<QMap<QString, QString>> playerFailures = std::make_shared<QMap<QString, QString>>();
    int playerClipMs = 30;
    Pacer pace = [](double) {};  // no pace: turns take milliseconds
    std::vector<TurnObserver*> observers;

    // others: adapter ports in place of the fake ones.
    Services services(AdapterPorts* others = nullptr)
    {
        return {dialogs,
                sound,
                version,
                clock,
                others ? *others : ports,
                files,
                [this](QWidget* container) -> std::unique_ptr<VideoPlayer> {
                    auto player = std::make_unique<FakePlayer>(container);
                    player->clipMs = playerClipMs;
                    player->calls = playerCalls;
                    player->failures = playerFailures;
                    return player;
                },
                pace,
                observers};
    }
};

#pragma once
// One turn of choosing one of two: both clips offered as cards side by side,
// each with its spoken name; the wait for the learner to take one, by two
// switches, by a scan that lights each side in turn, or by a step scan; then
// the clip taken plays as after a press. play_choices runs such turns over
// the run's clips, in pairs that keep both sides balanced.

#include "playback/playback_stage.h"
#include "playback/turn/choice_scan.h"
#include "playback/turn/turn_parts.h"
#include "state/choice_pairs.h"

#include <QString>
#include <QTimer>

class ChoiceTurn {
public:
    // stills: the clip taken shows its first and last frames as pictures.
    ChoiceTurn(const TurnParts& parts, bool stills);

    // Replay offers the same pair again; LeftOut names its clip in left_out_clip.
    TurnEnd play(const ClipPair& pair);
    const QString& left_out_clip() const { return leftOut_; }

private:
    QString file(int side, const QString& suffix) const;
    void speak(int side);
    // Both cards as the scan lights them now.
    void show_lights();
    // The scan's timer: the light moves on and its side's name is spoken.
    void scan_time();
    void start_scan_timer();

    TurnParts p_;
    const bool stills_;
    ClipPair pair_;
    ChoiceScan scan_;
    QTimer scanTimer_;
    std::optional<ChoiceSide> movedFrom_;  // the side lit before the scan's last move
    int64_t movedAtMs_ = 0;
    QString leftOut_;
};

// Offers pairs of the run's clips until leaving is asked for. Returns the
// message for the adult: "" or why the choices could not go on.
QString play_choices(const TurnParts& parts, bool stills);

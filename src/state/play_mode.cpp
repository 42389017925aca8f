#include "state/play_mode.h"

PlayModeChoice play_mode(const GlobVars& g)
{
    return {g.PlayMode, g.PlayModeNumber};
}

bool usable_play_mode(int16_t mode, int16_t number)
{
    switch (mode) {
    case PressAndLetGo:
    case PressAndHold: return true;  // the number is not theirs, and is dropped
    case TimedPlay: return number >= 1 && number <= MaxTimedPlaySeconds;
    case SeveralPresses: return number >= 2 && number <= MaxPressCount;
    default: return false;
    }
}

QString play_mode_name(int16_t mode)
{
    switch (mode) {
    case PressAndHold: return QStringLiteral("press and hold");
    case TimedPlay: return QStringLiteral("timed play");
    case SeveralPresses: return QStringLiteral("several presses");
    case ChooseOneOfTwo: return QStringLiteral("choose one of two");
    default: return QStringLiteral("press and let go");
    }
}

QString play_mode_words(const PlayModeChoice& choice)
{
    switch (choice.mode) {
    case TimedPlay: return QStringLiteral("timed play, %1 s").arg(choice.number);
    case SeveralPresses: return QStringLiteral("several presses, %1").arg(choice.number);
    default: return play_mode_name(choice.mode);
    }
}

bool usable_choice_method(int16_t method)
{
    return method >= ChooseByTwoSwitches && method <= ChooseByStepScanning;
}

bool usable_scan_time(int ms)
{
    return ms >= 500 && ms <= 30000;
}

#include "state/session.h"

#include "state/globvars.h"
#include "state/input_device.h"
#include "state/play_mode.h"

#include <algorithm>
#include <array>
#include <utility>

namespace {
constexpr std::array LevelNames{"", "independent", "gestural", "verbal", "physical"};
}

QString prompt_level_text(PromptLevel level)
{
    return QString::fromLatin1(LevelNames[size_t(level)]);
}

std::optional<PromptLevel> prompt_level_from(const QString& text)
{
    const QString wanted = text.trimmed().toLower();
    for (size_t i = 0; i < LevelNames.size(); ++i)
        if (wanted == QLatin1String(LevelNames[i]))
            return PromptLevel(i);
    return std::nullopt;
}

SessionOptions session_options(const GlobVars& g)
{
    SessionOptions options;
    if (g.InputDevice >= 1 && g.InputDevice <= 4)
        options.device = QStringLiteral("adapter on COM%1").arg(g.InputDevice);
    else if (g.InputDevice == 5)
        options.device = QStringLiteral("adapter in the joystick port");
    else if (g.InputDevice == 6)
        options.device = input_kind(g) == InputKind::PointerDwell ? QStringLiteral("pointer dwell")
                                                                  : QStringLiteral("mouse");
    else
        options.device = QStringLiteral("space bar");
    options.order = g.SequenceOrder == 1 ? QStringLiteral("random")
        : g.SequenceOrder == 2           ? QStringLiteral("by category")
                                         : QStringLiteral("alphabetical");
    options.screenSize = g.ScreenSize == 1 ? QStringLiteral("normal")
        : g.ScreenSize == 2                ? QStringLiteral("mid-sized")
                                           : QStringLiteral("full screen");
    options.promptSeconds = g.PromptInterval;
    options.switchTiming = g.AcceptanceTime == 0 && g.PostAcceptanceDelay == 0
        ? QStringLiteral("none")
        : QStringLiteral("held %1 ms, then %2 ms ignored").arg(g.AcceptanceTime).arg(g.PostAcceptanceDelay);
    const PlayModeChoice mode = play_mode(g);
    options.playMode = play_mode_name(mode.mode);
    options.modeNumber = mode.mode == TimedPlay || mode.mode == SeveralPresses ? mode.number : 0;
    return options;
}

void SessionTally::add(const SessionEvent& event)
{
    switch (event.kind) {
    case SessionEventKind::Cue:
        ++figures_.cues;
        promptedSinceCue_ = false;
        lastLeftOut_.reset();
        break;
    case SessionEventKind::Prompt: promptedSinceCue_ = true; break;
    case SessionEventKind::Response:
        ++figures_.responses;
        if (promptedSinceCue_)
            ++figures_.afterPrompt;
        if (event.fromCueMs) {
            responseMs_.push_back(*event.fromCueMs);
            if (*event.fromCueMs <= goalMs_)
                ++figures_.withinGoal;
        }
        break;
    case SessionEventKind::PressIgnored:
        if (event.phase.value_or(OutsideWaits) == OutsideWaits)
            ++figures_.ignoredOutsideWaits;
        break;
    case SessionEventKind::ClipStart: ++figures_.clips; break;
    case SessionEventKind::Skip: ++figures_.skips; break;
    case SessionEventKind::Choice:
        ++figures_.choices;
        ++(event.side == QLatin1String("left") ? figures_.leftChoices : figures_.rightChoices);
        break;
    case SessionEventKind::Replay: ++figures_.replays; break;
    case SessionEventKind::ClipLeftOut:
        // One clip may lack several files; it is one clip left out.
        if (std::exchange(lastLeftOut_, event.clip) != event.clip)
            ++figures_.leftOut;
        break;
    default: break;
    }
    figures_.durationMs = std::max(figures_.durationMs, event.ms);
}

Session SessionTally::figures() const
{
    Session session = figures_;
    if (responseMs_.empty())
        return session;
    session.medianMs = median_ms(responseMs_);
    session.fastestMs = *std::min_element(responseMs_.begin(), responseMs_.end());
    session.slowestMs = *std::max_element(responseMs_.begin(), responseMs_.end());
    return session;
}

QString session_event_file_name(const QDateTime& start)
{
    return start.toString(QStringLiteral("yyyy-MM-dd_HHmmss")) + QStringLiteral(".csv");
}

QString event_file_of(const Session& session)
{
    return session.eventFile.isEmpty() ? session_event_file_name(session.start) : session.eventFile;
}

QDateTime start_of_event_file(const QString& name)
{
    // A second session of the same second has "-2" and so on after the time.
    return QDateTime::fromString(name.left(17), QStringLiteral("yyyy-MM-dd_HHmmss"));
}

QString seconds_for_adult(int64_t ms)
{
    return QStringLiteral("%1 s").arg(double(ms) / 1000, 0, 'f', 1);
}

QString session_summary_text(const Session& session)
{
    const auto counted = [](int n, const char* one, const char* many) {
        return QStringLiteral("%1 %2").arg(n).arg(QLatin1String(n == 1 ? one : many));
    };
    QString text = counted(session.responses, "response", "responses");
    if (session.medianMs)
        text += QStringLiteral(", median %1 from the cue").arg(seconds_for_adult(*session.medianMs));
    return text + QStringLiteral(", ") + counted(session.ignoredOutsideWaits, "press", "presses")
        + QStringLiteral(" during clips and spoken names");
}

std::optional<int64_t> median_ms(std::vector<int64_t> values)
{
    if (values.empty())
        return std::nullopt;
    std::sort(values.begin(), values.end());
    const size_t middle = values.size() / 2;
    return values.size() % 2 == 1 ? values[middle] : (values[middle - 1] + values[middle] + 1) / 2;
}

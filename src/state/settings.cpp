#include "state/settings.h"

#include "state/display_number.h"
#include "state/input_device.h"
#include "state/play_mode.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringList>
#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstring>
#include <optional>
#include <unistd.h>

namespace {

constexpr int SettingsLines = 18;
constexpr int FirstCategoryLine = 8;
// Lines 19 and 20, after the eighteen: a program that reads only those still
// loads the file, and a file without them means no switch timing.
constexpr int TimingLines = 2;
// Lines 21 and 22, the play mode and its number, written only for a mode
// other than the default, with the timing lines before them.
constexpr int PlayModeLines = 2;
// Lines 23 and 24, the kind of input device and the dwell time, written only
// when either is not the default, with the lines before them.
constexpr int InputKindLines = 2;
// Lines 25 to 27: 5 when the learner chooses one of two, how they choose and
// the scan time, written only when any is not the default. An older copy
// rejects a play mode it does not know, so line 21 then holds press and let
// go, the mode it plays best in its place: one press, one clip.
constexpr int ChoiceLines = 3;
constexpr int FirstChoiceLine = SettingsLines + TimingLines + PlayModeLines + InputKindLines;
// Far more than 18 short lines; a wrong file put in its place is never read whole.
constexpr qint64 MaxSettingsBytes = 64 * 1024;

// Defaults for a missing or unusable value: the mouse works on every computer,
// calibration 0 makes the next playback measure this computer's speed.
constexpr int16_t DefaultInputDevice = 6;
constexpr int16_t DefaultScreenSize = 1;
constexpr int16_t DefaultPromptInterval = 0;
constexpr int16_t DefaultSequenceOrder = 2;
constexpr int16_t DefaultCurrentClip = 0;
constexpr int16_t DefaultBackgroundKind = 1;
constexpr int16_t DefaultCategoryEnabled = 1;

using Values = std::array<std::optional<double>,
                          SettingsLines + TimingLines + PlayModeLines + InputKindLines + ChoiceLines>;

bool is_blank(char c)
{
    return c == ' ' || c == '\t';
}

// One value per line, so a damaged line never shifts the fields after it.
// A value starts after leading blanks and ends at a blank, a comma or the line
// end; the rest of its line is ignored.
Values read_values(QByteArray content)
{
    if (content.startsWith("\xEF\xBB\xBF"))  // left by some text editors
        content.remove(0, 3);
    // CR LF, LF and CR alone all end a line.
    content.replace("\r\n", "\n").replace('\r', '\n');
    Values values;
    const QList<QByteArray> lines = content.split('\n');
    for (int i = 0; i < int(values.size()) && i < lines.size(); ++i) {
        const QByteArray& line = lines[i];
        qsizetype start = 0;
        while (start < line.size() && is_blank(line[start]))
            ++start;
        qsizetype end = start;
        while (end < line.size() && !is_blank(line[end]) && line[end] != ',')
            ++end;
        values[i] = parse_number(std::string_view(line.constData() + start, size_t(end - start)));
    }
    return values;
}

// Integer fields take the number rounded half to even (the default rounding
// mode), as long as it fits 16 bits.
std::optional<int16_t> as_integer(const std::optional<double>& value)
{
    if (!value)
        return std::nullopt;
    const double rounded = std::nearbyint(*value);
    if (!(rounded >= -32768 && rounded <= 32767))
        return std::nullopt;
    return int16_t(rounded);
}

bool is_calibration(const std::optional<double>& value)
{
    return value && std::isfinite(*value) && *value >= 0;
}

// Missing timing lines mean 0; a present value must be a time the timing
// dialog could have set. Both are cleared together when either is unusable.
bool apply_switch_timing(GlobVars& g, const Values& values)
{
    auto fits = [&values](int line, int16_t limit) {
        const std::optional<double>& value = values[size_t(SettingsLines + line)];
        const auto number = as_integer(value);
        return !value || (number && *number >= 0 && *number <= limit);
    };
    const bool usable = fits(0, MaxAcceptanceTime) && fits(1, MaxPostAcceptanceDelay);
    auto timing = [&](int line) {
        const std::optional<double>& value = values[size_t(SettingsLines + line)];
        return usable && value ? *as_integer(value) : int16_t(0);
    };
    g.AcceptanceTime = timing(0);
    g.PostAcceptanceDelay = timing(1);
    return usable;
}

// Missing mode lines mean the default; a mode or number that cannot be used
// (typed by hand) gives the default too, and is reported.
bool apply_play_mode(GlobVars& g, const Values& values)
{
    const std::optional<double>& modeValue = values[SettingsLines + TimingLines];
    const auto mode = as_integer(modeValue);
    const auto number = as_integer(values[SettingsLines + TimingLines + 1]);
    const bool usable = mode && usable_play_mode(*mode, number.value_or(0));
    const bool takesNumber = usable && (*mode == TimedPlay || *mode == SeveralPresses);
    g.PlayMode = usable ? *mode : int16_t(PressAndLetGo);
    g.PlayModeNumber = takesNumber ? *number : int16_t(0);
    return usable || !modeValue;
}

// A kind that disagrees with the device number of line 1 (typed by hand) is
// dropped, so the device of line 1 is used as an older copy would use it.
bool apply_input_kind(GlobVars& g, const Values& values)
{
    constexpr int First = SettingsLines + TimingLines + PlayModeLines;
    const std::optional<double>& kindValue = values[First];
    const auto kind = as_integer(kindValue);
    const bool dwell = kind == int16_t(InputKind::PointerDwell) && g.InputDevice == MouseDevice;
    g.PointerDwell = dwell ? 1 : 0;
    return !kindValue || dwell || kind == int16_t(device_kind(g.InputDevice));
}

// A line's number where it is usable, else the default; false when the line
// is there but unusable (typed by hand), so that the adult is told.
template <typename Usable>
bool number_or_default(const std::optional<double>& value, Usable usable, int16_t fallback, int16_t& into)
{
    const auto number = as_integer(value);
    const bool fits = number && usable(*number);
    into = fits ? *number : fallback;
    return fits || !value;
}

bool apply_dwell_time(GlobVars& g, const Values& values)
{
    return number_or_default(values[SettingsLines + TimingLines + PlayModeLines + 1], usable_dwell_time,
                             DefaultDwellTime, g.DwellTime);
}

// Line 25 chooses one of two over the mode of line 21; 0 or absent leaves it.
bool apply_choice(GlobVars& g, const Values& values, QStringList& reset)
{
    const std::optional<double>& modeValue = values[FirstChoiceLine];
    const auto mode = as_integer(modeValue);
    const bool modeUsable = !modeValue || mode == int16_t(0) || mode == int16_t(ChooseOneOfTwo);
    if (mode == int16_t(ChooseOneOfTwo)) {
        g.PlayMode = ChooseOneOfTwo;
        g.PlayModeNumber = 0;
    }
    if (!modeUsable)
        reset << QStringLiteral("play mode");
    if (!number_or_default(values[FirstChoiceLine + 1], usable_choice_method, ChooseByTwoSwitches,
                           g.ChoiceMethod))
        reset << QStringLiteral("how to choose");
    if (!number_or_default(values[FirstChoiceLine + 2], usable_scan_time, DefaultScanTime, g.ScanTime))
        reset << QStringLiteral("scan time");
    return modeUsable;
}

QString category_name(int index)
{
    QString name = QString::fromLatin1(CategoryKeys[size_t(index)]);
    name[0] = name[0].toUpper();
    return name;
}

// Stores every usable value in g and the default in every other field.
// Returns the options that got their default.
QStringList apply_values(GlobVars& g, const Values& values)
{
    QStringList reset;
    auto load = [&values](int line, int16_t& field, int16_t fallback, bool (*fits)(int16_t)) {
        const auto number = as_integer(values[size_t(line)]);
        const bool usable = number && fits(*number);
        field = usable ? *number : fallback;
        return usable;
    };
    // Values the program gives a meaning to (an unlisted prompt interval, a
    // sequence order of 4, a negative current clip, a category flag of 2,
    // which counts as off) are kept as stored.
    auto anyValue = [](int16_t) { return true; };
    auto isDevice = [](int16_t n) { return n >= 1 && n <= 7; };

    if (!load(0, g.InputDevice, DefaultInputDevice, isDevice))
        reset << QStringLiteral("input device");
    if (!load(1, g.ScreenSize, DefaultScreenSize, anyValue))
        reset << QStringLiteral("movie screen size");
    if (!load(2, g.PromptInterval, DefaultPromptInterval, anyValue))
        reset << QStringLiteral("auditory prompt");
    if (!load(3, g.SequenceOrder, DefaultSequenceOrder, anyValue))
        reset << QStringLiteral("movie clip sequence");
    if (!load(4, g.CurrentClip, DefaultCurrentClip, anyValue))
        reset << QStringLiteral("current clip");
    // The two delay counts are measured together; if either is unusable (or
    // missing) both are cleared so the next playback measures the pair again.
    if (is_calibration(values[5]) && is_calibration(values[6])) {
        g.PressCalibration = *values[5];
        g.WipeCalibration = *values[6];
    } else {
        g.PressCalibration = 0;
        g.WipeCalibration = 0;
        reset << QStringLiteral("speed calibration");
    }
    if (!load(7, g.BackgroundKind, DefaultBackgroundKind, anyValue))
        reset << QStringLiteral("background");
    // All flags 0 is kept: the category menu lets the adult switch one on.
    QStringList categories;
    for (int i = 0; i < CategoryCount; ++i) {
        if (!load(FirstCategoryLine + i, g.CategoryEnabled[size_t(i)], DefaultCategoryEnabled, anyValue))
            categories << category_name(i);
    }
    if (!categories.isEmpty())
        reset << (categories.size() == 1 ? QStringLiteral("category ") : QStringLiteral("categories "))
                + categories.join(QStringLiteral(", "));
    if (!apply_switch_timing(g, values))
        reset << QStringLiteral("switch timing");
    if (!apply_play_mode(g, values))
        reset << QStringLiteral("play mode");
    if (!apply_input_kind(g, values))
        reset << QStringLiteral("kind of input device");
    if (!apply_dwell_time(g, values))
        reset << QStringLiteral("dwell time");
    apply_choice(g, values, reset);
    return reset;
}

QString all_reset_message(const QString& path, const QString& cause)
{
    return QStringLiteral("The settings file \"%1\" %2. All options were set to their defaults; "
                          "a complete settings file will be written when the program is closed.")
        .arg(path, cause);
}

QString folder_in_place_message(const QString& path)
{
    return QStringLiteral("The settings file \"%1\" is a folder, so it cannot be read or written. "
                          "All options were set to their defaults, and the options chosen now "
                          "cannot be kept until that folder is renamed or removed.")
        .arg(path);
}

bool write_whole(QIODevice& file, const QByteArray& content)
{
    return file.write(content) == content.size();
}

QString save_failure(const QString& path, const QString& reason)
{
    return QStringLiteral("The settings could not be saved to \"%1\" (%2). "
                          "The options changed since the program started were not kept.")
        .arg(path, reason);
}

}  // namespace

SettingsLoadReport LoadSettings(GlobVars& g, const QString& program_folder)
{
    g.MovieSource = 1;
    g.ProgramFolder = program_folder;
    g.DataFolder = program_folder;

    const QString path = program_folder + SettingsFileName;
    QFile file(path);
    if (!file.exists()) {
        apply_values(g, Values{});
        return {all_reset_message(path, QStringLiteral("was not found"))};
    }
    if (QFileInfo(path).isDir()) {
        apply_values(g, Values{});
        return {folder_in_place_message(path)};
    }
    if (!file.open(QIODevice::ReadOnly)) {
        apply_values(g, Values{});
        return {all_reset_message(path, QStringLiteral("could not be read (%1)").arg(file.errorString()))};
    }
    const QByteArray content = file.read(MaxSettingsBytes);
    if (file.error() != QFileDevice::NoError) {
        apply_values(g, Values{});
        return {all_reset_message(path, QStringLiteral("could not be read (%1)").arg(file.errorString()))};
    }
    return apply_settings(g, content, path);
}

SettingsLoadReport apply_settings(GlobVars& g, const QByteArray& content, const QString& path)
{
    const Values values = read_values(content);
    const QStringList reset = apply_values(g, values);
    if (reset.isEmpty())
        return {};
    if (std::none_of(values.begin(), values.end(), [](const auto& v) { return v.has_value(); }))
        return {all_reset_message(path, QStringLiteral("holds no usable settings"))};
    return {QStringLiteral("Some values in the settings file \"%1\" were missing or not valid, "
                           "so these options were reset to their defaults: %2. A complete "
                           "settings file will be written when the program is closed.")
                .arg(path, reset.join(QStringLiteral(", ")))};
}

QByteArray format_settings(const GlobVars& g)
{
    QByteArray out;
    auto line = [&out](const QByteArray& number) { out += number + " \r\n"; };
    // A calibration that is not a finite number cannot be written; 0 makes
    // the next playback measure it again.
    auto calibration = [](double v) { return display_double(std::isfinite(v) ? v : 0); };

    line(display_integer(g.InputDevice));
    line(display_integer(g.ScreenSize));
    line(display_integer(g.PromptInterval));
    line(display_integer(g.SequenceOrder));
    line(display_integer(g.CurrentClip));
    line(calibration(g.PressCalibration));
    line(calibration(g.WipeCalibration));
    line(display_integer(g.BackgroundKind));
    for (int16_t flag : g.CategoryEnabled)
        line(display_integer(flag));
    const bool choosing = g.PlayMode == ChooseOneOfTwo;
    const bool choiceChosen =
        choosing || g.ChoiceMethod != ChooseByTwoSwitches || g.ScanTime != DefaultScanTime;
    const InputKind kind = input_kind(g);
    const bool kindChosen =
        kind == InputKind::PointerDwell || g.DwellTime != DefaultDwellTime || choiceChosen;
    const bool modeChosen = g.PlayMode != PressAndLetGo || kindChosen;
    if (g.AcceptanceTime != 0 || g.PostAcceptanceDelay != 0 || modeChosen) {
        line(display_integer(g.AcceptanceTime));
        line(display_integer(g.PostAcceptanceDelay));
    }
    if (modeChosen) {
        line(display_integer(choosing ? int16_t(PressAndLetGo) : g.PlayMode));
        line(display_integer(choosing ? int16_t(0) : g.PlayModeNumber));
    }
    if (kindChosen) {
        line(display_integer(int16_t(kind)));
        line(display_integer(g.DwellTime));
    }
    if (choiceChosen) {
        line(display_integer(choosing ? int16_t(ChooseOneOfTwo) : int16_t(0)));
        line(display_integer(g.ChoiceMethod));
        line(display_integer(g.ScanTime));
    }
    return out;
}

QString SaveSettings(const GlobVars& g)
{
    return SaveSettings(g, write_whole);
}

QString SaveSettings(const GlobVars& g, const SettingsWrite& write)
{
    const QString path = g.ProgramFolder + SettingsFileName;
    QSaveFile file(path);
    // A folder the user may not write in (installed by an administrator) can
    // still hold a settings file they may write: then it is written in place.
    file.setDirectWriteFallback(true);
    if (!file.open(QIODevice::WriteOnly))
        return save_failure(path, file.errorString());
    if (!write(file, format_settings(g))) {
        const QString reason = file.error() != QFileDevice::NoError
            ? file.errorString()
            : QStringLiteral("writing stopped part-way");
        file.cancelWriting();  // the old file stays as it was
        return save_failure(path, reason);
    }
    // The save file buffers what is written and replaces the old file even
    // when pushing it out failed (a full disk) or the disk did not confirm it:
    // both are checked here, while the old file can still be kept.
    if (!file.flush()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return save_failure(path, reason);
    }
    if (::fsync(file.handle()) != 0) {
        const QString reason = QString::fromLocal8Bit(std::strerror(errno));
        file.cancelWriting();
        return save_failure(path, reason);
    }
    if (!file.commit())
        return save_failure(path, file.errorString());
    return {};
}

#include "state/display_number.h"
#include "state/input_device.h"
#include "state/play_mode.h"
#include "state/settings.h"
#include "support/test_file.h"

#include <QDir>
#include <QFile>
#include <QIODevice>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>

#include <functional>

#include <cmath>
#include <limits>

namespace {

GlobVars sample_settings()
{
    GlobVars g;
    g.InputDevice = 7;
    g.ScreenSize = 3;
    g.PromptInterval = 15;
    g.SequenceOrder = 1;
    g.CurrentClip = -3;
    g.PressCalibration = 1234;
    g.WipeCalibration = 56789;
    g.BackgroundKind = 2;
    g.CategoryEnabled = {1, 0, 1, 0, 1, 0, 1, 0, 1, 0};
    return g;
}

class SettingsFile : public ::testing::Test {
protected:
    QString folder() const { return dir.path() + '/'; }
    QString path() const { return folder() + SettingsFileName; }

    void write_file(const QByteArray& content) const { write_test_file(path(), content); }
    QByteArray read_file() const { return read_test_file(path()); }

    // A sound file of sample_settings() with line `line` (0-based) replaced.
    QByteArray with_line(int line, const QByteArray& text) const
    {
        QList<QByteArray> lines = format_settings(sample_settings()).split('\n');
        lines[line] = text + '\r';
        return lines.join('\n');
    }

    SettingsLoadReport load(GlobVars& g) const { return LoadSettings(g, folder()); }

    // The sample settings on disk, and the same with one option changed, to save over them.
    GlobVars changed_over_sample_file() const
    {
        write_file(format_settings(sample_settings()));
        GlobVars g = sample_settings();
        g.ProgramFolder = folder();
        g.InputDevice = 6;
        return g;
    }

    QTemporaryDir dir;
};

// The Integer field stored on `line` (0-based) of the file.
int16_t& persisted_integer(GlobVars& g, int line)
{
    int16_t* fields[] = {&g.InputDevice, &g.ScreenSize, &g.PromptInterval, &g.SequenceOrder,
                         &g.CurrentClip, nullptr,       nullptr,           &g.BackgroundKind};
    return line < 8 ? *fields[line] : g.CategoryEnabled[size_t(line - 8)];
}

void expect_persisted_equal(const GlobVars& a, const GlobVars& b)
{
    EXPECT_EQ(a.InputDevice, b.InputDevice);
    EXPECT_EQ(a.ScreenSize, b.ScreenSize);
    EXPECT_EQ(a.PromptInterval, b.PromptInterval);
    EXPECT_EQ(a.SequenceOrder, b.SequenceOrder);
    EXPECT_EQ(a.CurrentClip, b.CurrentClip);
    EXPECT_EQ(a.PressCalibration, b.PressCalibration);
    EXPECT_EQ(a.WipeCalibration, b.WipeCalibration);
    EXPECT_EQ(a.BackgroundKind, b.BackgroundKind);
    EXPECT_EQ(a.CategoryEnabled, b.CategoryEnabled);
}

}  // namespace

TEST(DisplayNumber, IntegersCarryABlankOrMinusInPlaceOfTheSign)
{
    EXPECT_EQ(display_integer(0), " 0");
    EXPECT_EQ(display_integer(1), " 1");
    EXPECT_EQ(display_integer(-3), "-3");
    EXPECT_EQ(display_integer(32767), " 32767");
    EXPECT_EQ(display_integer(-32768), "-32768");
}

TEST(DisplayNumber, DoublesUseTheShortestTextOfFifteenDigits)
{
    EXPECT_EQ(display_double(0.0), " 0");
    EXPECT_EQ(display_double(-0.0), " 0");
    EXPECT_EQ(display_double(4711), " 4711");
    EXPECT_EQ(display_double(0.5), " .5");
    EXPECT_EQ(display_double(-0.5), "-.5");
    EXPECT_EQ(display_double(1.5), " 1.5");
    EXPECT_EQ(display_double(0.1), " .1");
    EXPECT_EQ(display_double(0.0001), " .0001");
    EXPECT_EQ(display_double(0.00001), " 1E-05");
    EXPECT_EQ(display_double(-2.5e-7), "-2.5E-07");
    EXPECT_EQ(display_double(123456789012345.0), " 123456789012345");
    EXPECT_EQ(display_double(1e15), " 1E+15");
    EXPECT_EQ(display_double(1.5e20), " 1.5E+20");
    EXPECT_EQ(display_double(1e100), " 1E+100");
    // Rounding to 15 digits carries into the next power of ten.
    EXPECT_EQ(display_double(999999999999999.9), " 1E+15");
    EXPECT_EQ(display_double(1.0 / 3), " .333333333333333");
    EXPECT_EQ(display_double(2.0 / 3), " .666666666666667");
}

TEST(DisplayNumber, ParsesOnlyWholeNumbers)
{
    EXPECT_EQ(parse_number("12"), 12.0);
    EXPECT_EQ(parse_number("+2"), 2.0);
    EXPECT_EQ(parse_number("-.5"), -0.5);
    EXPECT_EQ(parse_number("1E+15"), 1e15);
    EXPECT_EQ(parse_number("1.5e-3"), 1.5e-3);
    for (const char* bad : {"", "-", ".", "abc", "1x", "0x10", "inf", "-nan", "1e999", "1,5"})
        EXPECT_FALSE(parse_number(bad).has_value()) << bad;
}

TEST_F(SettingsFile, SavesTheExactBytesOfAKnownRecordAndANonFiniteCalibrationAsNotCalibrated)
{
    constexpr double Infinity = std::numeric_limits<double>::infinity();
    const struct {
        const char* name;
        double press, wipe;
        QByteArray calibrationLines;
    } rows[] = {
        {"a known record", 1234, 56789, " 1234 \r\n 56789 \r\n"},
        {"infinity and not-a-number", Infinity, std::numeric_limits<double>::quiet_NaN(), " 0 \r\n 0 \r\n"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        GlobVars g = sample_settings();
        g.ProgramFolder = folder();
        g.PressCalibration = row.press;
        g.WipeCalibration = row.wipe;
        ASSERT_EQ(SaveSettings(g), "");
        EXPECT_EQ(read_file(),
                  " 7 \r\n 3 \r\n 15 \r\n 1 \r\n-3 \r\n" + row.calibrationLines
                      + " 2 \r\n 1 \r\n 0 \r\n 1 \r\n 0 \r\n 1 \r\n 0 \r\n 1 \r\n 0 \r\n 1 \r\n 0 \r\n");
    }
}

TEST_F(SettingsFile, SaveThenLoadReproducesEveryField)
{
    GlobVars saved = sample_settings();
    saved.ProgramFolder = folder();
    for (auto [press, wipe] : {std::pair{0.0, 0.0}, {35.0, 120000.0}, {1e15, 1.5e20}}) {
        saved.PressCalibration = press;
        saved.WipeCalibration = wipe;
        ASSERT_EQ(SaveSettings(saved), "");
        GlobVars loaded;
        EXPECT_EQ(load(loaded).message, "") << press << ' ' << wipe;
        expect_persisted_equal(saved, loaded);
    }
    // Fractions survive the file's text form too.
    for (double v : {0.5, -0.5, 7e-9, 0.1, 123.25, -1.5e20})
        EXPECT_EQ(parse_number(display_double(v).trimmed().toStdString()), v) << v;
}

TEST_F(SettingsFile, ReadsValuesWhateverTheBlanksAndLineEnds)
{
    const QByteArray variants[] = {
        "7\r\n3\r\n15\r\n1\r\n-3\r\n1234\r\n56789\r\n2\r\n1\r\n0\r\n1\r\n0\r\n1\r\n0\r\n1\r\n0\r\n1\r\n0\r\n",
        "  7   \n\t3\n 15 \n1\n-3\n1234\n56789\n2\n1\n0\n1\n0\n1\n0\n1\n0\n1\n0",
        "7,x\r\n3 ,\r\n15, 99\r\n1 "
        "2\r\n-3\r\n1234\r\n56789\r\n2\r\n1\r\n0\r\n1\r\n0\r\n1\r\n0\r\n1\r\n0\r\n1\r\n0\r\n"
        "extra line\r\n",
        "\xEF\xBB\xBF 7 \r\n 3 \r\n 15 \r\n 1 \r\n-3 \r\n 1234 \r\n 56789 \r\n 2 \r\n 1 \r\n 0 \r\n 1 \r\n"
        " 0 \r\n 1 \r\n 0 \r\n 1 \r\n 0 \r\n 1 \r\n 0 \r\n",
        "7\r3\r15\r1\r-3\r1234\r56789\r2\r1\r0\r1\r0\r1\r0\r1\r0\r1\r0\r",
        "7\r3\n15\r\n1\r-3\n1234\r\n56789\r2\r1\r0\n1\n0\r\n1\r0\r1\r0\r1\r0",
    };
    for (const QByteArray& content : variants) {
        write_file(content);
        GlobVars g;
        EXPECT_EQ(load(g).message, "") << content.toStdString();
        expect_persisted_equal(g, sample_settings());
    }
}

TEST_F(SettingsFile, IntegerFieldsRoundHalfToEven)
{
    const struct {
        const char* name;
        int line;
        QByteArray text;
        int16_t loaded;
    } rows[] = {
        {"half down to even", 4, "2.5", 2},
        {"half up to even", 4, "3.5", 4},
        {"negative away from zero", 4, "-0.6", -1},
        {"just below the largest", 4, "32767.4", 32767},
        {"a category flag that rounds to 1", 9, "0.6", 1},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        write_file(with_line(row.line, row.text));
        GlobVars g;
        EXPECT_EQ(load(g).message, "");
        EXPECT_EQ(persisted_integer(g, row.line), row.loaded);
    }
}

TEST_F(SettingsFile, KeepsValuesTheProgramGivesAMeaningTo)
{
    QList<QByteArray> lines = format_settings(sample_settings()).split('\n');
    lines[1] = " 9 \r";  // screen size outside the menu: no movie
    lines[2] = " 4 \r";  // prompt interval outside the menu
    lines[3] = " 4 \r";  // sequence order: alphabetical
    lines[7] = " 7 \r";  // background: theater
    for (int i = 8; i < 18; ++i)
        lines[i] = " 0 \r";
    lines[9] = " 2 \r";  // category flags other than 1 are off, and kept
    lines[17] = "-1 \r";
    lines[5] = " .5 \r";  // calibrations are taken as they are, fractions too
    lines[6] = " 2.25 \r";
    write_file(lines.join('\n'));
    GlobVars g;
    EXPECT_EQ(load(g).message, "");
    EXPECT_EQ(g.ScreenSize, 9);
    EXPECT_EQ(g.PromptInterval, 4);
    EXPECT_EQ(g.SequenceOrder, 4);
    EXPECT_EQ(g.CurrentClip, -3);
    EXPECT_EQ(g.BackgroundKind, 7);
    EXPECT_EQ(g.CategoryEnabled, (std::array<int16_t, CategoryCount>{0, 2, 0, 0, 0, 0, 0, 0, 0, -1}));
    EXPECT_EQ(g.PressCalibration, 0.5);
    EXPECT_EQ(g.WipeCalibration, 2.25);
}

TEST_F(SettingsFile, MissingOrUnreadableFileGivesAllDefaults)
{
    GlobVars defaults;
    const SettingsLoadReport missing = load(defaults);
    EXPECT_TRUE(missing.message.contains(path()));
    EXPECT_TRUE(missing.message.contains("not found"));
    EXPECT_EQ(defaults.InputDevice, 6);
    EXPECT_EQ(defaults.ScreenSize, 1);
    EXPECT_EQ(defaults.PromptInterval, 0);
    EXPECT_EQ(defaults.SequenceOrder, 2);
    EXPECT_EQ(defaults.CurrentClip, 0);
    EXPECT_EQ(defaults.PressCalibration, 0);
    EXPECT_EQ(defaults.WipeCalibration, 0);
    EXPECT_EQ(defaults.BackgroundKind, 1);
    EXPECT_EQ(defaults.CategoryEnabled, (std::array<int16_t, CategoryCount>{1, 1, 1, 1, 1, 1, 1, 1, 1, 1}));
    EXPECT_EQ(defaults.ProgramFolder, folder());
    EXPECT_EQ(defaults.DataFolder, folder());
    EXPECT_EQ(defaults.MovieSource, 1);

    ASSERT_TRUE(QDir(folder()).mkdir(SettingsFileName));  // a folder in the file's place
    GlobVars g = sample_settings();
    const SettingsLoadReport folderInPlace = load(g);
    EXPECT_TRUE(folderInPlace.message.contains(path()));
    // A file can never be written there, so none is promised.
    EXPECT_TRUE(folderInPlace.message.contains("cannot be read or written"))
        << folderInPlace.message.toStdString();
    EXPECT_FALSE(folderInPlace.message.contains("will be written"));
    expect_persisted_equal(g, defaults);
}

TEST_F(SettingsFile, EmptyOrShortFileResetsExactlyTheMissingFields)
{
    write_file("");
    GlobVars g = sample_settings();
    const SettingsLoadReport empty = load(g);
    EXPECT_TRUE(empty.message.contains(path()));
    EXPECT_EQ(g.InputDevice, 6);
    EXPECT_EQ(g.CategoryEnabled[9], 1);

    // Eight lines: options present, every category flag missing.
    const QList<QByteArray> lines = format_settings(sample_settings()).split('\n');
    write_file(lines.mid(0, 8).join('\n') + '\n');
    GlobVars shortFile;
    const SettingsLoadReport report = load(shortFile);
    EXPECT_TRUE(report.message.contains(path()));
    EXPECT_TRUE(report.message.contains("categories Animals, Appliances, Clothing"));
    EXPECT_TRUE(report.message.contains("Vehicles"));
    EXPECT_FALSE(report.message.contains("input device"));
    EXPECT_EQ(shortFile.InputDevice, 7);
    EXPECT_EQ(shortFile.PressCalibration, 1234);
    EXPECT_EQ(shortFile.BackgroundKind, 2);
    EXPECT_EQ(shortFile.CategoryEnabled, (std::array<int16_t, CategoryCount>{1, 1, 1, 1, 1, 1, 1, 1, 1, 1}));
}

TEST_F(SettingsFile, ValueThatDoesNotFitResetsOnlyItsOwnField)
{
    struct Case {
        int line;
        QByteArray text;
        const char* option;
        int16_t fallback;
    };
    const Case cases[] = {
        {0, "mouse", "input device", 6},    {0, "0", "input device", 6},
        {0, "8", "input device", 6},        {1, "", "movie screen size", 1},
        {2, "32768", "auditory prompt", 0}, {3, "-40000", "movie clip sequence", 2},
        {4, "1e999", "current clip", 0},    {7, "TV", "background", 1},
        {8, "on", "category Animals", 1},   {17, "40000", "category Vehicles", 1},
        {12, "nan", "category Health", 1},
    };
    for (const Case& c : cases) {
        write_file(with_line(c.line, c.text));
        GlobVars g;
        const QString message = load(g).message;
        EXPECT_TRUE(message.contains(path())) << message.toStdString();
        EXPECT_TRUE(message.contains(c.option)) << message.toStdString();

        GlobVars expected = sample_settings();
        persisted_integer(expected, c.line) = c.fallback;
        expect_persisted_equal(g, expected);
    }
}

TEST_F(SettingsFile, UnusableCalibrationResetsBothValues)
{
    const QByteArray badValues[] = {"-1", "-0.5", "inf", "x", ""};
    for (int line : {5, 6}) {
        for (const QByteArray& bad : badValues) {
            write_file(with_line(line, bad));
            GlobVars g;
            const QString message = load(g).message;
            EXPECT_TRUE(message.contains("speed calibration")) << line << bad.toStdString();
            EXPECT_EQ(g.PressCalibration, 0);
            EXPECT_EQ(g.WipeCalibration, 0);
            EXPECT_EQ(g.InputDevice, 7);
            EXPECT_EQ(g.BackgroundKind, 2);
        }
    }
    // Six lines: the wipe count is missing, so the press count is measured again with it.
    write_file(" 7 \r\n 3 \r\n 15 \r\n 1 \r\n-3 \r\n 1234 \r\n");
    GlobVars g;
    load(g);
    EXPECT_EQ(g.PressCalibration, 0);
    EXPECT_EQ(g.WipeCalibration, 0);
}

TEST_F(SettingsFile, InterruptedSaveLeavesTheOldFileIntact)
{
    const QByteArray old = format_settings(sample_settings());
    const GlobVars g = changed_over_sample_file();
    // Half the content reaches the disk, then the write fails.
    const QString message = SaveSettings(g, [](QIODevice& file, const QByteArray& content) {
        file.write(content.left(content.size() / 2));
        return false;
    });
    EXPECT_TRUE(message.contains(path()));
    EXPECT_EQ(read_file(), old);
    EXPECT_EQ(QDir(folder()).entryList(QDir::Files), QStringList{SettingsFileName});
}

TEST_F(SettingsFile, SaveIntoAMissingFolderReportsThePath)
{
    GlobVars g = sample_settings();
    g.ProgramFolder = folder() + "no such folder/";
    const QString message = SaveSettings(g);
    EXPECT_TRUE(message.contains(g.ProgramFolder + SettingsFileName)) << message.toStdString();
}

// Runs `step` as an unprivileged user, for whom file permissions hold (they
// do not for root, which many build machines run as); true when it returned true.
bool run_unprivileged(const std::function<bool()>& step)
{
    if (geteuid() != 0)
        return step();
    const pid_t child = fork();
    if (child == 0) {
        const gid_t nogroup = 65534;
        const bool dropped = setgroups(0, nullptr) == 0 && setgid(nogroup) == 0 && setuid(65534) == 0;
        _exit(dropped && step() ? 0 : 1);
    }
    int status = 0;
    return child > 0 && waitpid(child, &status, 0) == child && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

// A school installation: the program folder is read-only for pupils while
// the settings file itself may be written.
TEST_F(SettingsFile, ReadOnlyFolderStillSavesIntoAWritableFile)
{
    const GlobVars g = changed_over_sample_file();
    const QFileDevice::Permissions readable = QFileDevice::ReadOwner | QFileDevice::ReadGroup
        | QFileDevice::ReadOther | QFileDevice::ExeOwner | QFileDevice::ExeGroup | QFileDevice::ExeOther;
    const QFileDevice::Permissions writable =
        readable | QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther;
    ASSERT_TRUE(QFile::setPermissions(path(), writable));
    ASSERT_TRUE(QFile::setPermissions(dir.path(), readable));

    EXPECT_TRUE(run_unprivileged([&] { return SaveSettings(g).isEmpty(); }));
    EXPECT_EQ(read_file(), format_settings(g));

    // Neither the folder nor the file: the save says so and the file is untouched.
    ASSERT_TRUE(QFile::setPermissions(path(), readable));
    GlobVars failing = sample_settings();
    failing.ProgramFolder = folder();
    EXPECT_TRUE(run_unprivileged([&] { return SaveSettings(failing).contains(path()); }));
    EXPECT_EQ(read_file(), format_settings(g));
    ASSERT_TRUE(QFile::setPermissions(dir.path(), writable));
}
namespace {

// Switch timing, play mode, how to choose and the kind of device each follow
// the eighteen lines an older copy knows, and only when not the default.
TEST_F(SettingsFile, LinesAfterTheEighteenAreWrittenOnlyWhenNotTheDefault)
{
    GlobVars g = sample_settings();
    const QByteArray eighteen = format_settings(g);
    ASSERT_EQ(eighteen.count('\n'), 18);
    g.AcceptanceTime = 300;
    EXPECT_EQ(format_settings(g), eighteen + " 300 \r\n 0 \r\n");
    g.AcceptanceTime = 0;
    g.PlayMode = PressAndLetGo;
    g.PlayModeNumber = 7;  // not the default mode's: still 18 lines
    EXPECT_EQ(format_settings(g), eighteen);
    g.PlayMode = TimedPlay;
    g.PlayModeNumber = 5;
    EXPECT_EQ(format_settings(g), eighteen + " 0 \r\n 0 \r\n 3 \r\n 5 \r\n");

    g = sample_settings();
    g.ChoiceMethod = ChooseByTwoSwitches;
    g.ScanTime = DefaultScanTime;
    EXPECT_EQ(format_settings(g), eighteen);
    g.PlayMode = ChooseOneOfTwo;
    g.ChoiceMethod = ChooseByScanning;
    g.ScanTime = 1500;
    const QByteArray choosing = format_settings(g);
    EXPECT_EQ(choosing, eighteen + " 0 \r\n 0 \r\n 1 \r\n 0 \r\n 4 \r\n 1000 \r\n 5 \r\n 2 \r\n 1500 \r\n")
        << "line 21 says press and let go";
    GlobVars older;  // what a copy that knows only lines 1 to 24 makes of it
    write_file(choosing.left(choosing.indexOf(" 5 \r\n 2 ")));
    EXPECT_TRUE(load(older).message.isEmpty());
    EXPECT_EQ(play_mode(older), (PlayModeChoice{PressAndLetGo, 0}));

    g = sample_settings();
    g.InputDevice = MouseDevice;
    const QByteArray mouse = format_settings(g);
    g.DwellTime = DefaultDwellTime;
    g.PointerDwell = 1;
    const QByteArray dwell = format_settings(g);
    EXPECT_EQ(dwell, mouse + " 0 \r\n 0 \r\n 1 \r\n 0 \r\n 5 \r\n 1000 \r\n")
        << "line 1 keeps the mouse for an older copy";
    g.PointerDwell = 0;
    g.DwellTime = 2000;
    EXPECT_EQ(format_settings(g), mouse + " 0 \r\n 0 \r\n 1 \r\n 0 \r\n 3 \r\n 2000 \r\n");

    for (const QByteArray& written : {choosing, dwell}) {
        write_file(written);
        GlobVars loaded;
        load(loaded);
        EXPECT_EQ(format_settings(loaded), written) << "read back as written";
    }
}

// Each row: the lines after the eighteen, over a keyboard's or a mouse's
// eighteen, and every option they load into options set otherwise; `told`
// names the option the message names, when there is one.
TEST_F(SettingsFile, LinesAfterTheEighteenLoadOnlyWhatIsSound)
{
    const QByteArray keyboard = format_settings(sample_settings());
    GlobVars mouseSettings = sample_settings();
    mouseSettings.InputDevice = MouseDevice;
    const QByteArray mouse = format_settings(mouseSettings);
    const QByteArray modeLines = " 0 \r\n 0 \r\n 1 \r\n 0 \r\n";
    const QByteArray choiceLines = modeLines + " 4 \r\n 1000 \r\n";
    const struct {
        const char* name;
        bool mouse = false;
        QByteArray extra;
        int16_t acceptance = 0, postAcceptance = 0;
        PlayModeChoice mode = {};
        int16_t method = ChooseByTwoSwitches, scanTime = DefaultScanTime;
        InputKind kind = InputKind::Keyboard;
        int16_t dwellTime = DefaultDwellTime;
        const char* told = nullptr;
    } rows[] = {
        // clang-format off
        {.name = "switch timing", .extra = " 300 \r\n 1500 \r\n", .acceptance = 300, .postAcceptance = 1500},
        {.name = "a file from before the timings", .extra = ""},
        {.name = "only the acceptance time", .extra = " 250\r\n", .acceptance = 250},
        {.name = "a negative acceptance time", .extra = " -5 \r\n 700 \r\n", .told = "switch timing"},
        {.name = "a delay too long", .extra = " 300 \r\n 99999 \r\n", .told = "switch timing"},
        {.name = "several presses", .extra = " 0 \r\n 0 \r\n 4 \r\n 3 \r\n", .mode = {SeveralPresses, 3}},
        {.name = "press and hold", .extra = " 0 \r\n 0 \r\n 2 \r\n", .mode = {PressAndHold, 0}},
        {.name = "a number press and hold takes none of", .extra = " 0 \r\n 0 \r\n 2 \r\n 9 \r\n",
         .mode = {PressAndHold, 0}},
        {.name = "timed play not offered, but sound", .extra = " 0 \r\n 0 \r\n 3 \r\n 4 \r\n",
         .mode = {TimedPlay, 4}},
        {.name = "timing only", .extra = " 300 \r\n 0 \r\n", .acceptance = 300},
        {.name = "the seconds of timed play missing", .extra = " 0 \r\n 0 \r\n 3 \r\n", .told = "play mode"},
        {.name = "timed play too long", .extra = " 0 \r\n 0 \r\n 3 \r\n 61 \r\n", .told = "play mode"},
        {.name = "one press is not several", .extra = " 0 \r\n 0 \r\n 4 \r\n 1 \r\n", .told = "play mode"},
        {.name = "no such play mode", .extra = " 0 \r\n 0 \r\n 5 \r\n 2 \r\n", .told = "play mode"},
        {.name = "no number: as if absent", .extra = " 0 \r\n 0 \r\n hold \r\n 3 \r\n"},
        {.name = "choosing by scanning", .extra = choiceLines + " 5 \r\n 2 \r\n 1500 \r\n",
         .mode = {ChooseOneOfTwo, 0},
         .method = ChooseByScanning, .scanTime = 1500},
        {.name = "a way to choose kept while not choosing", .extra = choiceLines + " 0 \r\n 3 \r\n",
         .method = ChooseByStepScanning},
        {.name = "choosing with no way given", .extra = choiceLines + " 5 \r\n", .mode = {ChooseOneOfTwo, 0}},
        {.name = "no such mode after the dwell time", .extra = choiceLines + " 7 \r\n 2 \r\n",
         .method = ChooseByScanning,
         .told = "play mode"},
        {.name = "no such way to choose", .extra = choiceLines + " 5 \r\n 4 \r\n 8000 \r\n",
         .mode = {ChooseOneOfTwo, 0},
         .scanTime = 8000, .told = "how to choose"},
        {.name = "a scan time too short", .extra = choiceLines + " 5 \r\n 3 \r\n 100 \r\n",
         .mode = {ChooseOneOfTwo, 0},
         .method = ChooseByStepScanning, .told = "scan time"},
        {.name = "a mouse from before the device kinds", .mouse = true, .extra = "",
         .kind = InputKind::Mouse},
        {.name = "pointer dwell", .mouse = true, .extra = modeLines + " 5 \r\n 1500 \r\n",
         .kind = InputKind::PointerDwell, .dwellTime = 1500},
        {.name = "pointer dwell with no time", .mouse = true, .extra = modeLines + " 5 \r\n",
         .kind = InputKind::PointerDwell},
        {.name = "a dwell too short", .mouse = true, .extra = modeLines + " 5 \r\n 50 \r\n",
         .kind = InputKind::PointerDwell,
         .told = "dwell time"},
        {.name = "a dwell too long", .mouse = true, .extra = modeLines + " 5 \r\n 20000 \r\n",
         .kind = InputKind::PointerDwell,
         .told = "dwell time"},
        {.name = "no such device kind", .mouse = true, .extra = modeLines + " 9 \r\n 500 \r\n",
         .kind = InputKind::Mouse, .dwellTime = 500,
         .told = "kind of input device"},
        {.name = "a keyboard kind for a mouse", .mouse = true, .extra = modeLines + " 4 \r\n",
         .kind = InputKind::Mouse,
         .told = "kind of input device"},
        {.name = "a dwell kind for a keyboard", .extra = modeLines + " 5 \r\n",
         .told = "kind of input device"},
        {.name = "a keyboard keeps a dwell time", .extra = modeLines + " 4 \r\n 3000 \r\n",
         .dwellTime = 3000},
        // clang-format on
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        write_file((row.mouse ? mouse : keyboard) + row.extra);
        GlobVars loaded;
        loaded.AcceptanceTime = loaded.PostAcceptanceDelay = 1;
        loaded.PlayMode = SeveralPresses;
        loaded.PlayModeNumber = 2;
        loaded.PointerDwell = 1;
        loaded.DwellTime = 2;
        const QString message = load(loaded).message;
        EXPECT_EQ(loaded.AcceptanceTime, row.acceptance);
        EXPECT_EQ(loaded.PostAcceptanceDelay, row.postAcceptance);
        EXPECT_EQ(play_mode(loaded), row.mode);
        EXPECT_EQ(loaded.PlayMode, row.mode.mode);
        EXPECT_EQ(loaded.ChoiceMethod, row.method);
        EXPECT_EQ(loaded.ScanTime, row.scanTime);
        EXPECT_EQ(input_kind(loaded), row.kind);
        EXPECT_EQ(loaded.DwellTime, row.dwellTime);
        EXPECT_EQ(message.isEmpty(), !row.told) << message.toStdString();
        if (row.told) {
            EXPECT_TRUE(message.contains(row.told)) << message.toStdString();
        }
        EXPECT_EQ(loaded.CategoryEnabled, sample_settings().CategoryEnabled) << "the eighteen load as before";
    }
}

}  // namespace

#include "playback/calibration_bounds.h"
#include "state/settings.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
constexpr double PassSeconds = 2e-6;

// The settings file after a start with `press` and `wipe` on lines 6 and 7,
// the start-up message, and the file as the program then saves it.
struct Start {
    GlobVars g;
    QString message;
    QList<QByteArray> saved;
};

Start start_with(const QByteArray& press, const QByteArray& wipe)
{
    QTemporaryDir dir;
    const QString folder = dir.path() + '/';
    QFile file(folder + SettingsFileName);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(" 6 \r\n 1 \r\n 0 \r\n 2 \r\n 0 \r\n " + press + " \r\n " + wipe + " \r\n 1 \r\n"
               + QByteArray(" 1 \r\n").repeated(10));
    file.close();
    Start s;
    SettingsLoadReport report = LoadSettings(s.g, folder);
    discard_overlong_calibration(s.g, PassSeconds, folder + SettingsFileName, report);
    s.message = report.message;
    EXPECT_EQ(SaveSettings(s.g), QString());
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    s.saved = file.readAll().split('\n');
    return s;
}
}  // namespace

TEST(CalibrationBounds, CountsThatWouldTakeLongerThanAFewSecondsAreMeasuredAgainAndNotSavedBack)
{
    // At 2 µs a pass, 21428 is the press's longest count (70 delays in 3 s)
    // and 12500 the wipe's (120 delays).
    const struct { QByteArray press, wipe; } overlong[] = {
        {"99999999999999999999999", "99999999999999999999999"}, {"2147483647", "2147483647"},
        {"7000", "2147483647"}, {"21500", "4000"}, {"7000", "12600"}};
    for (const auto& c : overlong) {
        const Start s = start_with(c.press, c.wipe);
        EXPECT_EQ(s.g.PressCalibration, 0) << c.press.data();
        EXPECT_EQ(s.g.WipeCalibration, 0) << c.wipe.data();
        EXPECT_TRUE(s.message.contains("The speed calibration in the settings file")) << s.message.toStdString();
        EXPECT_TRUE(s.message.contains("measured again the next time you choose \"Play Movies\""));
        EXPECT_EQ(s.saved.mid(5, 2), QList<QByteArray>({" 0 \r", " 0 \r"}));
    }
    const Start sound = start_with("21400", "12400");
    EXPECT_EQ(sound.g.PressCalibration, 21400);
    EXPECT_EQ(sound.g.WipeCalibration, 12400);
    EXPECT_EQ(sound.message, QString());
}

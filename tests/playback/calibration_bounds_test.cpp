#include "playback/calibration_bounds.h"
#include "state/settings.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// At 2 µs a pass the press's longest count is 21428 (70 delays in 3 s) and the
// wipe's 12500 (120 delays). Longer ones are named in the start-up message and
// saved back as 0, so that the next "Play Movies" measures again.
TEST(CalibrationBounds, CountsLastingLongerThanAFewSecondsAreMeasuredAgainAndNotSavedBack)
{
    const struct {
        QByteArray press, wipe;
        bool kept;
    } cases[] = {{"99999999999999999999999", "7000", false},
                 {"7000", "2147483647", false},
                 {"21500", "4000", false},
                 {"7000", "12600", false},
                 {"21400", "12400", true}};
    for (const auto& c : cases) {
        QTemporaryDir dir;
        QFile file(dir.filePath(SettingsFileName));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(" 6 \r\n 1 \r\n 0 \r\n 2 \r\n 0 \r\n " + c.press + " \r\n " + c.wipe + " \r\n"
                   + QByteArray(" 1 \r\n").repeated(11));
        file.close();
        GlobVars g;
        SettingsLoadReport report = LoadSettings(g, dir.path() + '/');
        discard_overlong_calibration(g, 2e-6, file.fileName(), report);
        EXPECT_EQ(report.message.contains("measured again the next time you choose \"Play Movies\""), !c.kept)
            << c.press.data() << " " << c.wipe.data();
        ASSERT_EQ(SaveSettings(g), QString());
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QList<QByteArray> saved = file.readAll().split('\n').mid(5, 2);
        const QList<QByteArray> expected = c.kept
            ? QList<QByteArray>{" " + c.press + " \r", " " + c.wipe + " \r"}
            : QList<QByteArray>{" 0 \r", " 0 \r"};
        EXPECT_EQ(saved, expected);
    }
}

#include "playback/calibration_bounds.h"

#include "state/globvars.h"
#include "state/settings.h"

#include <QDir>
#include <limits>

double longest_delay_count(int delays, double secondsPerPass)
{
    if (delays <= 0 || !(secondsPerPass > 0))
        return std::numeric_limits<double>::infinity();
    return LongestAnimationSeconds / (delays * secondsPerPass);
}

void discard_overlong_calibration(GlobVars& g, double secondsPerPass, const QString& settingsPath,
                                  SettingsLoadReport& report)
{
    const bool usable = g.PressCalibration <= longest_delay_count(PressDelays, secondsPerPass)
        && g.WipeCalibration <= longest_delay_count(WipeDelays, secondsPerPass);
    if (usable)
        return;
    g.PressCalibration = 0;
    g.WipeCalibration = 0;
    if (!report.message.isEmpty())
        report.message += QStringLiteral("\n\n");
    report.message +=
        QStringLiteral(
            "The speed calibration in the settings file \"%1\" would make the pressing hand and the "
            "pictures move far too slowly on this computer, so it was not used. The speed of this "
            "computer will be measured again the next time you choose \"Play Movies\".")
            .arg(QDir::toNativeSeparators(settingsPath));
}

#include "app/colour_depth.h"

#include "media/dialogs.h"

#include <cmath>

QString colour_depth_refusal(int bitsPerPixel)
{
    const double colours = std::pow(2.0, bitsPerPixel);
    if (colours >= 65536.0)
        return {};
    return QStringLiteral("Your screen settings are set to ") + QString::number(colours, 'f', 0)
        + QStringLiteral(" colors.\nThe program requires that your screen setting colors are set to at least 65,536 colors.");
}

bool check_colour_depth(int bitsPerPixel, Dialogs& dialogs)
{
    const QString refusal = colour_depth_refusal(bitsPerPixel);
    if (refusal.isEmpty())
        return true;
    dialogs.message(QStringLiteral("Flickerbox II"), Dialogs::Icon::Critical, refusal);
    return false;
}

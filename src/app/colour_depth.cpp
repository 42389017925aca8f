#include "app/colour_depth.h"

#include "media/dialogs.h"

#include <cmath>
#include <cstdio>

QString colour_depth_refusal(int bitsPerPixel)
{
    const double colours = std::pow(2.0, bitsPerPixel);
    if (colours >= 65536.0)
        return {};
    return QStringLiteral("Your screen settings are set to ") + QString::number(colours, 'f', 0)
        + QStringLiteral(" colors.\nThe program requires that your screen setting colors are set to at least "
                         "65,536 colors.");
}

bool check_colour_depth(int bitsPerPixel, Dialogs& dialogs)
{
    const QString refusal = colour_depth_refusal(bitsPerPixel);
    if (refusal.isEmpty())
        return true;
    // Also on standard error: at 8 bits Qt cannot paint the message box, so
    // a terminal or a log may be the only place the reason is seen.
    std::fprintf(stderr, "Flickerbox II: %s\n", qPrintable(refusal));
    dialogs.message(QStringLiteral("Flickerbox II"), Dialogs::Icon::Critical, refusal);
    return false;
}

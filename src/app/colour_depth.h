#pragma once
// The start-up refusal of screens that show too few colours for the clips.

#include <QString>

class Dialogs;

// "" when a screen with bitsPerPixel colour bits shows at least 65,536
// colours, else the message that tells the user why the program stops.
QString colour_depth_refusal(int bitsPerPixel);

// Shows the refusal (if any) in a critical message box and on standard error;
// true when the screen passes.
bool check_colour_depth(int bitsPerPixel, Dialogs& dialogs);

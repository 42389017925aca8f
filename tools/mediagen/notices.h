// Copies the notices about third-party ingredients into the program folder.
#pragma once

#include <QDir>

// Each "NOTICE-*.txt" in `sources` is written to `folder`; the font
// notices get the fonts' licence texts from the system appended.
void write_notices(const QDir& sources, const QDir& folder);

#pragma once
// Opens a clip in libmpv the way the player does and reports whether a
// picture comes out of it, for checking clips an adult copied in by hand.

#include <QString>

// "" when libmpv decoded a picture from the file; else why not, in plain words.
QString clip_picture_problem(const QString& path);

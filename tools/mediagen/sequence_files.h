// The three play orders of the demo library, written as sequence files.
#pragma once

#include "scene.h"

#include <QDir>

// Writes "aobj_sqr.seq" (a fixed shuffle), "aobj_sqc.seq" (grouped by
// category in the listing's category order) and "aobj_sqa.seq" (by title).
void write_sequence_files(const QList<ClipScene>& clips, const QDir& folder);

// The category keys in the order the program lists them.
const QStringList& category_order();

#pragma once
// "Show Clips by Category": the titles of the category-order sequence file
// under one heading per run of records with the same category key.

#include "state/sequence_file.h"

#include <QString>
#include <QStringList>

// The lines of the listing built from <sequenceFolder>aobj_sqc.seq.
QStringList clip_listing_lines(const QString& sequenceFolder);

// The lines of the listing built from the category-order file already read.
QStringList clip_listing_lines(const SequenceFile& file);

#pragma once
// The clip list of one playback run: the clips of the enabled categories, in
// the order of the sequence file chosen by SequenceOrder.

#include "state/globvars.h"
#include "state/sequence_file.h"

#include <QString>
#include <QStringList>
#include <cstdint>

// 1 "aobj_sqr.seq" (random), 2 "aobj_sqc.seq" (category), else "aobj_sqa.seq".
QString sequence_file_name(int16_t sequenceOrder);

// True when `name` stays inside the media folder once the media suffixes are
// appended: not empty, no folder separator, no "..", not absolute.
bool is_safe_clip_name(const QString& name);

// True when `category` is exactly one of the ten keys and its flag equals 1.
bool is_category_enabled(const GlobVars& g, const QString& category);

// Appends name to ClipList when its category is enabled, the name is safe and
// the list has room. True when stored.
bool AddClip(GlobVars& g, const QString& name, const QString& category);

struct ClipListBuild {
    QString message;  // "" when nothing needs telling; else one plain message for the adult
    bool fileRead = true;  // false: the sequence file could not be read at all (nothing to play)
};

// The path of fileName in the first of folders (each ending in '/') that
// holds it, else in the folder `otherwise`.
QString file_in_folders(const QStringList& folders, const QString& fileName, const QString& otherwise);

// The path of a clip's file: in the first of g.ClipFolders holding it, else
// in g.MediaFolder.
QString clip_file_path(const GlobVars& g, const QString& fileName);

// Rebuilds the list from count 0 out of g.MediaFolder + sequence_file_name(g.SequenceOrder).
ClipListBuild build_clip_list(GlobVars& g);

// The same from the file already read; path names it in the messages.
ClipListBuild build_clip_list(GlobVars& g, const SequenceFile& file, const QString& path);

#pragma once
// A folder of clips as the program reads it: five files a clip and three
// sequence files naming them. Adding and removing keep the folder whole:
// either the clip and its records are all there, or nothing changed.

#include "library/clip_encoding.h"
#include "library/folder_lock.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

struct NewClip {
    QString video;  // any file ffmpeg can read
    QString title;
    QString category;  // one of the ten keys
    QString labelPicture;  // "" for a card drawn from the title
    QString voiceRecording;  // "" to speak the title with the synthesiser
    ClipTrim trim;
};

struct AddedClip {
    QString name;  // "" when nothing was added
    QString problem;  // a plain message when nothing was added
    QStringList notes;  // things worth telling even though the clip was added
};

// step is a short description of the work under way; fraction runs 0..1.
using LibraryProgress = std::function<void(double fraction, const QString& step)>;

struct ListedClip {
    QString name, category, title;
};

// What follows a clip's name in its five files: the clip, its first and last
// stills, its label picture and its spoken name.
const QStringList& clip_file_suffixes();

bool is_category_key(const QString& key);

// The three sequence files, in the order random, category, alphabetical.
QStringList sequence_file_names();

// The clip is converted first; its name is chosen and its records written
// with the folder locked. `waiting` defaults to telling through progress.
AddedClip add_clip(const QString& folder, const NewClip& clip, const LibraryProgress& progress = {},
                   const FolderWait& waiting = {});

// "" when removed, else a plain message (nothing was then changed). Only a
// clip a clip list names is removed.
QString remove_clip(const QString& folder, const QString& name, const FolderWait& waiting = {});

// The clips in the order of the category file; problem is "" when it was read.
std::vector<ListedClip> list_clips(const QString& folder, QString* problem = nullptr);

#pragma once
// From the title an adult types to what the files can hold: the title as the
// 8-bit text of the sequence files, and a plain file name for the clip.

#include <QString>
#include <QStringList>
#include <functional>

struct TitleCheck {
    QString title;  // trimmed; only characters the sequence files can store
    QString problem;  // "" when the title can be used
};

TitleCheck check_title(const QString& typed);

// The program's own files, which are no clip's: its pictures, sounds, guide
// and the clip that times the computer, beside the clip lists.
const QStringList& program_file_names();
// Whether a clip name would be one of those files' names or pattern
// ("aobj_" starts each, "timer" is the timing clip).
bool is_program_name(const QString& name);

// Lower-case ASCII letters, digits and "_" made from the title ("Café au
// lait!" gives "cafe_au_lait"); never one of the program's own names.
// `taken` says whether a name is already in use; a number is then appended.
QString clip_name_for(const QString& title, const std::function<bool(const QString&)>& taken);

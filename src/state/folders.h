#pragma once
// Where the program reads and writes. A program folder that holds the
// program's files and may be written is used as it is (portable use); an
// installed program reads its files from <exe>/../share/flickerbox and writes
// into the user's own data folder, laid out like a program folder. A site
// library an administrator fills for every account sits between the two.

#include "state/globvars.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

// The few file system questions the decision needs, so tests can answer them.
class FolderFileSystem {
public:
    virtual ~FolderFileSystem() = default;
    virtual bool is_file(const QString& path) const = 0;
    virtual bool is_folder(const QString& path) const = 0;
    // A folder one may create files in, or a file one may write.
    virtual bool is_writable(const QString& path) const = 0;
    // The first bytes of a small text file; empty when it cannot be read.
    virtual QByteArray read_text(const QString& path) const = 0;
    virtual bool make_folder(const QString& path) = 0;
    // Replaces `to` with a copy of `from` that its owner may change.
    virtual bool copy_file(const QString& from, const QString& to) = 0;
};

class DiskFolderFileSystem final : public FolderFileSystem {
public:
    bool is_file(const QString& path) const override;
    bool is_folder(const QString& path) const override;
    bool is_writable(const QString& path) const override;
    QByteArray read_text(const QString& path) const override;
    bool make_folder(const QString& path) override;
    bool copy_file(const QString& from, const QString& to) override;
};

// Where to look; every folder ends with '/'.
struct FolderPlaces {
    QString executableFolder;
    QString userDataHome;  // $XDG_DATA_HOME, else ~/.local/share/
    QStringList configFolders;  // $XDG_CONFIG_DIRS, else /etc/xdg/

    static FolderPlaces of_this_process();
};

inline constexpr const char* DefaultSiteLibrary = "/usr/local/share/flickerbox/";

struct Folders {
    QString base;  // the program's own pictures, sounds and guide; read only
    QString writable;  // settings and the clips added for this account
    QString site;  // "" when there is no site library
    // Given defaults, so the folders above may still be listed alone.
    QString learner{};  // the chosen learner's own folder; "" when none is chosen
    QString learners{};  // where every learner's folder lies: writable + "learners/" unless configured

    bool portable() const { return writable == base; }
    // Where a clip's files are looked for: learner, writable, site, base, each once.
    QStringList clip_search_order() const;
};

Folders decide_folders(const FolderPlaces& places, const FolderFileSystem& files);

bool has_sequence_set(const QString& folder, const FolderFileSystem& files);

// The first folder of the clip search order holding all three sequence files,
// so a set is never mixed; the base folder when none does.
QString sequence_folder(const Folders& folders, const FolderFileSystem& files);

// Gives a new per-user folder the settings of the site library or, failing
// that, the base folder, so a first start shows no warning. A portable
// folder is left exactly as it is.
void provide_settings(const Folders& folders, FolderFileSystem& files);

// Before clips are added to or removed from `target`, one of the writable or
// site folders, gives it the sequence files it would otherwise hide from the
// folders after it in the search order, so their clips stay listed and a
// removed demo clip loses only its records. "" when done or not needed,
// else a plain message naming the folder.
QString provide_sequence_files(const QString& target, const Folders& folders, FolderFileSystem& files);

// Points g at the folders once the settings are loaded from the writable
// folder: the program's own files in the base folder, the clip list in the
// sequence folder, each clip's files along the search order.
void apply_folders(GlobVars& g, const Folders& folders, const FolderFileSystem& files);

// Folders for this process, with the settings provided.
Folders folders_of_this_process(FolderFileSystem& files);

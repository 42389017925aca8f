#pragma once
// Learners: each pupil's own options and clips. A learner is a folder
// learners/<folder name>/ under the account's writable folder (or in a shared
// folder the site configuration names), laid out like a program folder: its
// own settings file, optionally its own clip lists and clip files, and the
// learner's name as typed in a small UTF-8 file beside them. With no learner
// chosen the account's own files are used, exactly as before learners
// existed; nothing is written until the first one is made.

#include "state/folders.h"
#include "state/globvars.h"
#include "state/learner_lock.h"

#include <QList>
#include <QString>
#include <optional>

inline constexpr int MaxLearnerNameLength = 60;
inline constexpr const char* LearnerNameFile = "aobj_nam.txt";
// The account's small file remembering the learner chosen last.
inline constexpr const char* LearnerStateFile = "learners.ini";

struct Learner {
    QString name;  // as the adult typed it
    QString folder;  // absolute, ends with '/'

    bool operator==(const Learner&) const = default;
};

// The name as it is kept: whitespace runs (line breaks included) made one
// blank, ends trimmed, composed Unicode form.
QString tidy_learner_name(const QString& name);

// The folder name derived from a learner's name: letters, digits, '-', '_'
// and '.' kept, every other character made '_', no '_' or '.' at either end.
// "" when the name holds no letter or digit.
QString learner_folder_name(const QString& name);

// What the adult is told when removing: what goes with the learner.
struct LearnerContents {
    bool options = false;  // a settings file of their own
    bool clipLists = false;  // sequence files of their own
    int clips = 0;  // clips with a movie file of their own
    int sessions = 0;  // sessions recorded, each with its event file
    int files = 0;  // every file in the folder, these included
};

class Learners {
public:
    // account: the folders the program uses without a learner.
    explicit Learners(const Folders& account);
    // Gives back the current learner's lock.
    ~Learners();
    Learners(const Learners&) = delete;
    Learners& operator=(const Learners&) = delete;

    const QString& learners_folder() const { return learnersFolder_; }

    // Every learner in the learners folder, sorted by name. A folder without
    // a name file (copied in by hand) is listed under its folder name.
    QList<Learner> list() const;
    // By name (letter case ignored) or folder name; nullopt when none matches.
    std::optional<Learner> find(const QString& nameOrFolder) const;

    // "There is no learner called …", with the learners to choose from.
    QString unknown(const QString& asked) const;

    const std::optional<Learner>& current() const { return current_; }
    // The folders with the current learner's folder first in the clip search.
    Folders folders() const;
    // Where the current options are loaded from and saved to.
    QString settings_folder() const;

    // Chooses the learner to start with: the one asked for by name, else the
    // one chosen last. Returns "" or a plain message (an unknown name, with
    // the learners to choose from; a remembered learner that has gone).
    QString start(const QString& asked);

    // "" when name may be given to a learner (other than `except`), else
    // a plain message saying why not.
    QString check_name(const QString& name, const std::optional<Learner>& except = std::nullopt) const;

    // Makes a learner holding g's options. "" or a plain message; on failure
    // nothing is left behind.
    QString add(const QString& name, const GlobVars& g, Learner* made);

    // Gives a learner another name (and the folder derived from it); g's
    // folders follow when it is the current learner.
    QString rename(const Learner& learner, const QString& newName, GlobVars& g);

    LearnerContents contents(const Learner& learner) const;

    // Deletes the learner's folder. The current learner's options are not
    // saved; no learner is chosen instead. "" or a plain message.
    QString remove(const Learner& learner, GlobVars& g);

    // Saves g's options with the settings file's atomic save; a current
    // learner's folder deleted meanwhile is made again first, so nothing is
    // lost, and the adult is told. A learner another computer took over is
    // not written to: the options go to the folder kept aside, and the
    // notice says so.
    struct Saved {
        QString failure;  // "" or a plain message: the options were not saved
        QString notice;  // "" or a plain message: the learner's folder was made again
    };
    Saved save(const GlobVars& g) const;

    // Saves the current options (nothing changes when that fails), loads
    // `next`'s (nullopt: no learner) into g and points g at its folders. A
    // learner in use on another computer is taken over only when asked to.
    struct Switch {
        bool switched = false;
        QString message;  // "" or a plain message: why not, or what was reset on loading
        bool inUseElsewhere = false;
    };
    Switch switch_to(GlobVars& g, const std::optional<Learner>& next, bool takeOver = false);

    // Whether another computer took the current learner over.
    std::optional<TakenOver> taken_over() const;

private:
    Learner at(const QString& folderName) const;
    // Points g at `learner` (nullopt: no learner): loads its settings and its folders.
    QString load(GlobVars& g, const std::optional<Learner>& learner);
    QString remember(const std::optional<Learner>& learner) const;

    Folders account_;
    QString learnersFolder_;
    QString stateFile_;
    std::optional<Learner> current_;
};

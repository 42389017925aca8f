#pragma once
// The clips left out of a run and the files that made each unusable, told to
// the observers as they come and to the adult once, back in the menu.

#include <QString>
#include <QStringList>
#include <utility>
#include <vector>

struct GlobVars;
class TurnEvents;

class LeftOutClips {
public:
    explicit LeftOutClips(TurnEvents& events)
        : events_(events)
    {
    }

    // Whether every file the clip's turn reads is there and readable; each
    // one that is not is left out with its clip.
    bool files_usable(const GlobVars& g, const QString& clip, bool stills);
    // why: what is wrong with the file when it is there but cannot be used.
    void add(const QString& clip, const QString& file, const QString& why = {});
    // "" when no clip was left out.
    QString message(const QString& mediaFolder) const;

private:
    TurnEvents& events_;
    std::vector<std::pair<QString, QStringList>> clips_;
};

// A file that is there, may be read and is not empty.
bool readable_file(const QString& path);

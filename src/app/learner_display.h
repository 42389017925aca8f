#pragma once
// Which display the learner's window opens on: a projector or whiteboard
// beside the adult's laptop. Kept for the computer, since the displays belong
// to it and not to a learner; "" is the menu window's own display.

#include <QList>
#include <QObject>
#include <QSize>
#include <QString>

class Dialogs;
class QMenu;
class QMenuBar;
class QScreen;

struct DisplayPick {
    int index = -1;  // into the displays present
    QString problem;  // for the adult, when the chosen display is gone
};

// chosen among the displays present by name; menuIndex is the menu window's.
DisplayPick pick_display(const QString& chosen, const QStringList& present, int menuIndex);

// "HDMI-1 (1920 × 1080)": the name the desktop gives it and its size in pixels.
QString display_caption(const QString& name, QSize pixels);

QString read_learner_display(const QString& folder);
// "" or why it could not be kept.
QString write_learner_display(const QString& folder, const QString& name);

// The "Learner's Display" menu of the menu window, listed afresh each time it
// opens since displays come and go.
class LearnerDisplayMenu : public QObject {
    Q_OBJECT
public:
    // Until keep_in, the choice lasts for this run only.
    LearnerDisplayMenu(QMenuBar& menus, Dialogs& dialogs);
    // Reads the choice kept in folder, and keeps later ones there.
    void keep_in(const QString& folder);

    const QString& chosen() const { return chosen_; }
    // The screen for the learner's window; tells the adult when the chosen
    // one is gone and menuScreen is used.
    QScreen* screen_for_learner(QScreen* menuScreen) const;

private:
    void fill();
    void choose(const QString& name);

    QMenu* menu_;
    QString folder_;
    Dialogs& dialogs_;
    QString chosen_;
};

#pragma once
// The menu window's learner button, below "Play Movies" and "Exit": it shows
// the current learner and opens the list of learners, "New learner…",
// "Rename…" and "Remove…". Alt+L opens it from the keyboard.

#include "state/learners.h"

#include <QPushButton>
#include <optional>

struct GlobVars;
class Dialogs;
class LearnerQuestions;
class QMenu;

class LearnerControl : public QPushButton {
    Q_OBJECT
public:
    LearnerControl(Learners& learners, GlobVars& g, Dialogs& dialogs, LearnerQuestions& questions,
                   QWidget* parent = nullptr);

    QMenu& learner_menu() const { return *menu_; }

    // Saves the current learner's options and loads `learner`'s (nullopt: no learner).
    void choose(const std::optional<Learner>& learner);
    // Makes a learner with the options chosen now and chooses it.
    void new_learner();
    void rename_learner();
    void remove_learner();
    // Refreshes the current learner's lock (every LockRefreshSeconds, off the
    // window's thread); tells the adult, once and only at the menu window,
    // when another computer took the learner over.
    void refresh_lock();
    bool refreshing() const { return refreshing_; }

signals:
    // g holds another learner's options, or the current learner's new name.
    void learner_changed();

private:
    void fill_menu();
    void show_current();
    void tell(const QString& message);
    QString with_calibration_checked(const QString& message);
    void lock_refreshed(bool taken);

    Learners& learners_;
    GlobVars& g_;
    Dialogs& dialogs_;
    LearnerQuestions& questions_;
    QMenu* menu_;
    bool refreshing_ = false;
    QString toldLost_;  // the learner folder the adult was told was taken over
};

// The menu window's title for the current learner: "Options" without one.
QString options_title(const std::optional<Learner>& learner);

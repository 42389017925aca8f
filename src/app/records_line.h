#pragma once
// The menu window's line about records, under the learner button: whether
// this learner's sessions are recorded and the "Records…" button; after a
// session, its figures with an optional prompt level and note, kept with the
// session as soon as they are chosen. Nothing here must be answered.

#include "state/session.h"

#include <QWidget>
#include <optional>

struct GlobVars;
class Dialogs;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

class RecordsLine : public QWidget {
    Q_OBJECT
public:
    RecordsLine(const GlobVars& g, Dialogs& dialogs, QWidget* parent = nullptr);

    // Whether the current learner's sessions are recorded.
    void show_recording();
    // Another learner: their recording, and the last session's line goes.
    void show_learner();
    // The session just ended; kept: whether its line is in sessions.csv.
    void show_session(const Session& session, bool kept);

    QPushButton& records_button() const { return *records_; }
    QComboBox& prompt_level() const { return *level_; }
    QLineEdit& note() const { return *note_; }
    QLabel& figures() const { return *figures_; }
    QLabel& recording() const { return *recording_; }

signals:
    void records_requested();

private:
    QString records_folder() const;
    void keep_level_and_note();

    const GlobVars& g_;
    Dialogs& dialogs_;
    QLabel* recording_;
    QPushButton* records_;
    QLabel* figures_;
    QComboBox* level_;
    QLineEdit* note_;
    std::optional<Session> last_;
};

// The choices of a prompt-level box, PromptLevel's order, with "not noted" first.
void fill_prompt_levels(QComboBox& box);

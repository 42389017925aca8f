#pragma once
// The Preferences view of the records window: the clips ranked by the share
// of offers in which the learner chose them, and the side taken, over the
// sessions the adult selects and the dates chosen.

#include "state/preferences.h"
#include "state/session.h"
#include "state/session_choices.h"

#include <QHash>
#include <QWidget>

class QDateEdit;
class QLabel;
class QShowEvent;
class QTableWidget;

class PreferencesView : public QWidget {
    Q_OBJECT
public:
    explicit PreferencesView(QWidget* parent = nullptr);

    // All the learner's sessions, oldest first, their event files in folder
    // (ending with '/'). The dates are set to take them all in.
    void set_sessions(const QString& folder, const QList<Session>& sessions);
    // Narrows the view to these sessions; none selected shows them all.
    void set_selected(const QList<Session>& selected);

    // What the view shows, for the printed page and the export; brought up
    // to date first when the view was hidden since the last change.
    const Preferences& preferences();
    const QString& scope();

    QDateEdit& from() const { return *from_; }
    QDateEdit& to() const { return *to_; }
    QTableWidget& ranking() const { return *ranking_; }
    QLabel& side() const { return *side_; }
    QLabel& summary() const { return *summary_; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    // The event files are read only for a view on screen or a figure asked
    // for, so the records window opens without reading them.
    void changed();
    void refresh();
    const ChoicesRead& choices_of(const Session& session);

    QString folder_;
    QList<Session> sessions_;
    QList<Session> selected_;
    // Each event file is read once while the records stay as they are.
    QHash<QString, ChoicesRead> read_;
    bool stale_ = true;
    Preferences preferences_;
    QString scope_;
    QDateEdit* from_;
    QDateEdit* to_;
    QLabel* summary_;
    QTableWidget* ranking_;
    QLabel* side_;
    QLabel* problems_;
};

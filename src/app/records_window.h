#pragma once
// The records window of the current learner, opened from the menu window:
// the sessions newest first with their prompt level and note (both editable),
// the chart of median response times against the goal, the preferences shown
// by the choices of the sessions selected (all when none is), whether sessions are
// recorded, and deleting, exporting, printing and saving as PDF. A damaged
// sessions.csv is shown as far as it can be read and named, and rewritten
// only when the adult asks for the repair.

#include "app/records_page.h"
#include "state/records_options.h"
#include "state/session.h"

#include <QDialog>

class Dialogs;
class QChartView;
class QCheckBox;
class QDoubleSpinBox;
class QLabel;
class PreferencesView;
class QPushButton;
class QTableWidget;
class QTableWidgetItem;
class QTabWidget;
class RecordsQuestions;

class RecordsWindow : public QDialog {
    Q_OBJECT
public:
    // recordsFolder ends with '/'; learner is the name shown on the page.
    RecordsWindow(const QString& recordsFolder, const QString& learner, Dialogs& dialogs,
                  RecordsQuestions& questions, QWidget* parent = nullptr);

    enum Column {
        Start,
        Duration,
        Mode,
        Responses,
        WithinGoal,
        Median,
        Fastest,
        Slowest,
        AfterPrompt,
        DuringClips,
        OptionsChanged,
        Level,
        Note,
        ColumnCount
    };

    QTableWidget& table() const { return *table_; }
    QChartView& chart_view() const { return *chart_; }
    QTabWidget& views() const { return *views_; }
    PreferencesView& preferences_view() const { return *preferences_; }
    QLabel& damage() const { return *damage_; }
    QLabel& event_file_state() const { return *eventFile_; }
    QCheckBox& recording() const { return *recording_; }
    QDoubleSpinBox& goal() const { return *goal_; }
    // Oldest first, as the file holds them.
    const QList<Session>& sessions() const { return sessions_; }

    void delete_session();
    // Copies the records' files, and the preferences shown as preferences.csv.
    void export_records();
    void print_page();
    void save_pdf();
    void repair();

private:
    void load();
    void fill_table();
    void show_chart();
    void follow_selection();
    QList<int> selected_rows() const;
    void keep_edit(QTableWidgetItem* item);
    void keep_options();
    // The session a table row shows; rows are newest first.
    Session& session_of_row(int row) { return sessions_[sessions_.size() - 1 - row]; }
    void tell(const QString& failure);
    // The preferences the page shows: those of the view, when it has choices.
    std::optional<PagePreferences> page_preferences();

    QString folder_;
    Dialogs& dialogs_;
    RecordsQuestions& questions_;
    RecordsOptions options_;
    QList<Session> sessions_;
    QStringList damageFound_;
    QLabel* damage_;
    QPushButton* repair_;
    QCheckBox* recording_;
    QDoubleSpinBox* goal_;
    QChartView* chart_;
    PreferencesView* preferences_;
    QTabWidget* views_;
    QTableWidget* table_;
    QLabel* eventFile_;
    QPushButton* delete_;
    bool filling_ = false;
};

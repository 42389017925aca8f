#pragma once
// The clip library window for adults: the clips of the folder with their
// label pictures, titles and categories; adding, removing and checking.
// Long work runs beside the window, so it never stops answering.

#include "library/clip_folder.h"

#include <QTemporaryDir>
#include <QWidget>
#include <functional>

class QLabel;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QTableWidget;
class WindowDialogs;

class ClipLibraryWindow : public QWidget {
    Q_OBJECT
public:
    ClipLibraryWindow(const ClipFolder& folder, WindowDialogs& dialogs, QWidget* parent = nullptr);

    // Opens "Add clip…"; the clip is added when its dialog is saved.
    void add_chosen_clip();
    void remove_chosen_clip();
    void check_whole_library();
    // Lists the folder's clips again, with the clip `select` selected and in view.
    void reload(const QString& select = {});

    bool busy() const { return busy_; }

signals:
    // Added, removed or checked; whatever the outcome.
    void work_finished();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    // Runs work on another thread; then `done` on this one.
    void run_beside(const QString& step, std::function<void()> work, std::function<void()> done);
    void set_busy(bool busy, const QString& step = {});

    ClipFolder folder_;
    WindowDialogs& dialogs_;
    QTableWidget* table_;
    QPlainTextEdit* problems_;
    QLabel* status_;
    QProgressBar* progress_;
    QList<QPushButton*> buttons_;
    bool busy_ = false;
    // Names recorded in "Add clip…" stay here until their clip has been added.
    QTemporaryDir recordings_;
    int recordingsMade_ = 0;
};

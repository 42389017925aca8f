#include "clip_library_window.h"

#include "add_clip_dialog.h"
#include "library/clip_library.h"
#include "library/library_check.h"
#include "window_dialogs.h"

#include <QCloseEvent>
#include <QDir>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>
#include <QThread>
#include <QVBoxLayout>

ClipLibraryWindow::ClipLibraryWindow(const ClipFolder& folder, WindowDialogs& dialogs, QWidget* parent)
    : QWidget(parent)
    , folder_(folder)
    , dialogs_(dialogs)
{
    setWindowTitle(QStringLiteral("Flickerbox II – Clip library"));
    table_ = new QTableWidget(0, 3);
    table_->setHorizontalHeaderLabels(
        {QStringLiteral("Label"), QStringLiteral("Title"), QStringLiteral("Category")});
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setIconSize(QSize(60, 48));
    table_->verticalHeader()->hide();
    table_->verticalHeader()->setDefaultSectionSize(52);
    table_->horizontalHeader()->setStretchLastSection(true);
    table_->setColumnWidth(1, 260);
    // Tab leaves the list for the buttons: arrows move between its clips.
    table_->setTabKeyNavigation(false);

    auto* buttons = new QHBoxLayout;
    for (const QString& text :
         {QStringLiteral("&Add clip…"), QStringLiteral("&Remove"), QStringLiteral("&Check library")}) {
        auto* button = new QPushButton(text);
        buttons->addWidget(button);
        buttons_ << button;
    }
    buttons->addStretch();
    connect(buttons_[0], &QPushButton::clicked, this, &ClipLibraryWindow::add_chosen_clip);
    connect(buttons_[1], &QPushButton::clicked, this, &ClipLibraryWindow::remove_chosen_clip);
    connect(buttons_[2], &QPushButton::clicked, this, &ClipLibraryWindow::check_whole_library);

    status_ = new QLabel;
    status_->setObjectName(QStringLiteral("status"));
    status_->setWordWrap(true);
    progress_ = new QProgressBar;
    progress_->setRange(0, 100);
    progress_->hide();
    // Long findings wrap: the adult reads them without scrolling sideways.
    problems_ = new QPlainTextEdit;
    problems_->setObjectName(QStringLiteral("problems"));
    problems_->setReadOnly(true);
    problems_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    problems_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    problems_->setTabChangesFocus(true);
    problems_->hide();

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(table_, 3);
    layout->addWidget(status_);
    layout->addWidget(progress_);
    layout->addWidget(problems_, 1);
    resize(620, 560);
    reload();
}

void ClipLibraryWindow::closeEvent(QCloseEvent* event)
{
    // The work on the other thread must finish before the window may go.
    if (busy_) {
        dialogs_.tell(this, QStringLiteral("Please wait until the clip library has finished."));
        event->ignore();
    }
}

void ClipLibraryWindow::reload(const QString& select)
{
    QString problem;
    const std::vector<ListedClip> clips = list_clips(folder_.listing_folder(), &problem);
    table_->setRowCount(int(clips.size()));
    for (int row = 0; row < int(clips.size()); ++row) {
        const ListedClip& clip = clips[size_t(row)];
        auto* label = new QTableWidgetItem(QIcon(folder_.clip_file(clip.name + ".jpg")), QString());
        label->setData(Qt::UserRole, clip.name);
        table_->setItem(row, 0, label);
        table_->setItem(row, 1, new QTableWidgetItem(clip.title));
        table_->setItem(row, 2, new QTableWidgetItem(clip.category));
        if (clip.name == select) {
            table_->selectRow(row);
            table_->scrollToItem(label);
        }
    }
    status_->setText(problem.isEmpty()
                         ? QStringLiteral("%1 clips. %2").arg(clips.size()).arg(folder_.where_kept())
                         : problem);
}

void ClipLibraryWindow::set_busy(bool busy, const QString& step)
{
    busy_ = busy;
    for (QPushButton* button : buttons_)
        button->setEnabled(!busy);
    progress_->setVisible(busy);
    progress_->setValue(0);
    if (busy)
        status_->setText(step);
}

void ClipLibraryWindow::run_beside(const QString& step, std::function<void()> work,
                                   std::function<void()> done)
{
    set_busy(true, step);
    QThread* thread = QThread::create(std::move(work));
    connect(thread, &QThread::finished, this, [this, thread, done = std::move(done)] {
        thread->deleteLater();
        set_busy(false);
        done();
        emit work_finished();
    });
    thread->start();
}

void ClipLibraryWindow::add_chosen_clip()
{
    const QString recording = recordings_.filePath(QStringLiteral("name-%1.wav").arg(++recordingsMade_));
    auto* dialog = new AddClipDialog(dialogs_, recording, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QDialog::accepted, this, [this, dialog] {
        const NewClip clip = dialog->clip();
        auto added = std::make_shared<AddedClip>();
        QPointer<QProgressBar> bar = progress_;
        QPointer<QLabel> status = status_;
        run_beside(
            QStringLiteral("Adding \"%1\"…").arg(clip.title),
            [folder = folder_, clip, added, bar, status] {
                added->problem = folder.prepare_for_changes();
                if (!added->problem.isEmpty())
                    return;
                *added = add_clip(folder.path(), clip, [bar, status](double fraction, const QString& step) {
                    QMetaObject::invokeMethod(bar, [bar, status, fraction, step] {
                        if (bar)
                            bar->setValue(int(fraction * 100));
                        if (status)
                            status->setText(step + QStringLiteral("…"));
                    });
                });
            },
            [this, added] {
                reload(added->name);
                QStringList lines = added->notes;
                lines.prepend(added->name.isEmpty() ? added->problem : QStringLiteral("The clip was added."));
                status_->setText(lines.join(QLatin1Char(' ')));
                if (added->name.isEmpty())
                    dialogs_.tell(this, added->problem);
            });
    });
    dialog->open();
}

void ClipLibraryWindow::remove_chosen_clip()
{
    const int row = table_->currentRow();
    if (row < 0) {
        dialogs_.tell(this, QStringLiteral("Please click the clip to remove first."));
        return;
    }
    const QString name = table_->item(row, 0)->data(Qt::UserRole).toString();
    const QString title = table_->item(row, 1)->text();
    if (!dialogs_.confirm(this, QStringLiteral("Remove \"%1\" and its files from the library?").arg(title)))
        return;
    // Beside the window, as an add is: another tool's change in the folder
    // may take a while, and the status line says why nothing happens yet.
    auto problem = std::make_shared<QString>();
    QPointer<QLabel> status = status_;
    const FolderWait waiting = [status](const QString& message) {
        QMetaObject::invokeMethod(status, [status, message] {
            if (status)
                status->setText(message);
        });
    };
    run_beside(
        QStringLiteral("Removing \"%1\"…").arg(title),
        [folder = folder_, name, problem, waiting] {
            *problem = folder.prepare_for_changes(waiting);
            if (problem->isEmpty())
                *problem = remove_clip(folder.path(), name, waiting);
        },
        [this, problem, title] {
            reload();
            if (!problem->isEmpty())
                dialogs_.tell(this, *problem);
            else
                status_->setText(QStringLiteral("\"%1\" was removed.").arg(title));
        });
}

void ClipLibraryWindow::check_whole_library()
{
    auto problems = std::make_shared<QStringList>();
    QPointer<QProgressBar> bar = progress_;
    run_beside(
        QStringLiteral("Checking every clip…"),
        [folder = folder_, problems, bar] {
            *problems = check_library(
                folder.listing_folder(),
                [bar](double fraction) {
                    QMetaObject::invokeMethod(bar, [bar, fraction] {
                        if (bar)
                            bar->setValue(int(fraction * 100));
                    });
                },
                folder.more_folders(), folder.program_folder());
        },
        [this, problems] {
            problems_->clear();
            for (const QString& problem : *problems)
                problems_->appendPlainText(problem);
            problems_->setVisible(!problems->isEmpty());
            status_->setText(
                problems->isEmpty() ? QStringLiteral(
                    "The library is in good order: every clip has its files and they all play.")
                                    : QStringLiteral("%1 problems found:").arg(problems->size()));
        });
}

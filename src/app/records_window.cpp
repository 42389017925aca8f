#include "app/records_window.h"

#include "app/preferences_view.h"
#include "app/records_chart.h"
#include "app/records_line.h"
#include "app/records_page.h"
#include "app/records_questions.h"
#include "media/dialogs.h"
#include "state/preferences_report.h"
#include "state/records_summary.h"
#include "state/sessions_file.h"

#include <QChartView>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QDoubleSpinBox>
#include <QFile>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPdfWriter>
#include <QPrinter>
#include <QPushButton>
#include <QSaveFile>
#include <QStyledItemDelegate>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

// Edits a prompt level with the same choices as the menu window's line.
class PromptLevelDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex&) const override
    {
        auto* box = new QComboBox(parent);
        fill_prompt_levels(*box);
        return box;
    }
    void setEditorData(QWidget* editor, const QModelIndex& index) const override
    {
        const PromptLevel level = prompt_level_from(index.data().toString()).value_or(PromptLevel::NotNoted);
        static_cast<QComboBox*>(editor)->setCurrentIndex(int(level));
    }
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override
    {
        model->setData(index,
                       prompt_level_text(PromptLevel(static_cast<QComboBox*>(editor)->currentIndex())));
    }
};

QTableWidgetItem* fixed_item(const QString& text)
{
    auto* item = new QTableWidgetItem(text);
    item->setFlags(item->flags() & ~Qt::ItemIsEditable);
    return item;
}

}  // namespace

RecordsWindow::RecordsWindow(const QString& recordsFolder, const QString& learner, Dialogs& dialogs,
                             RecordsQuestions& questions, QWidget* parent)
    : QDialog(parent)
    , folder_(recordsFolder)
    , dialogs_(dialogs)
    , questions_(questions)
    , options_(load_records_options(recordsFolder))
{
    setObjectName(QStringLiteral("RecordsWindow"));
    setWindowTitle(learner.isEmpty() ? QStringLiteral("Records") : QStringLiteral("Records of ") + learner);

    damage_ = new QLabel(this);
    damage_->setObjectName(QStringLiteral("RecordsDamage"));
    damage_->setWordWrap(true);
    damage_->setStyleSheet(QStringLiteral("color: #a00000"));
    repair_ = new QPushButton(QStringLiteral("Re&pair sessions.csv\u2026"), this);
    recording_ = new QCheckBox(QStringLiteral("Re&cord this learner's sessions"), this);
    recording_->setChecked(options_.recording);
    goal_ = new QDoubleSpinBox(this);
    goal_->setRange(0.5, 600);
    goal_->setDecimals(1);
    goal_->setSingleStep(0.5);
    goal_->setSuffix(QStringLiteral(" s"));
    goal_->setValue(options_.goalSeconds);
    auto* goalLabel = new QLabel(QStringLiteral("&Goal: a response within"), this);
    goalLabel->setBuddy(goal_);
    chart_ = new QChartView(this);
    chart_->setRenderHint(QPainter::Antialiasing);
    chart_->setMinimumHeight(260);
    preferences_ = new PreferencesView(this);
    views_ = new QTabWidget(this);
    views_->addTab(chart_, QStringLiteral("Response t&imes"));
    views_->addTab(preferences_, QStringLiteral("Prefere&nces"));
    table_ = new QTableWidget(this);
    table_->setColumnCount(ColumnCount);
    table_->setHorizontalHeaderLabels(
        {QStringLiteral("Start"), QStringLiteral("Duration"), QStringLiteral("Play mode"),
         QStringLiteral("Responses"), QStringLiteral("Within goal"), QStringLiteral("Median"),
         QStringLiteral("Fastest"), QStringLiteral("Slowest"), QStringLiteral("After a prompt"),
         QStringLiteral("Presses during clips and names"), QStringLiteral("Options changed"),
         QStringLiteral("Prompt level"), QStringLiteral("Note")});
    table_->setItemDelegateForColumn(Level, new PromptLevelDelegate(table_));
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    // Several rows narrow the preferences to those sessions.
    table_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    table_->verticalHeader()->hide();
    table_->horizontalHeader()->setStretchLastSection(true);
    eventFile_ = new QLabel(this);
    delete_ = new QPushButton(QStringLiteral("&Delete session"), this);
    auto* exportButton = new QPushButton(QStringLiteral("&Export\u2026"), this);
    auto* printButton = new QPushButton(QStringLiteral("P&rint\u2026"), this);
    auto* pdfButton = new QPushButton(QStringLiteral("Save as PD&F\u2026"), this);
    auto* closeButton = new QPushButton(QStringLiteral("Close"), this);

    auto* layout = new QVBoxLayout(this);
    auto* damageRow = new QHBoxLayout;
    damageRow->addWidget(damage_, 1);
    damageRow->addWidget(repair_);
    layout->addLayout(damageRow);
    auto* optionsRow = new QHBoxLayout;
    optionsRow->addWidget(recording_);
    optionsRow->addStretch();
    optionsRow->addWidget(goalLabel);
    optionsRow->addWidget(goal_);
    layout->addLayout(optionsRow);
    layout->addWidget(views_, 2);
    layout->addWidget(table_, 3);
    layout->addWidget(eventFile_);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* button : {delete_, exportButton, printButton, pdfButton})
        buttons->addWidget(button);
    buttons->addStretch();
    buttons->addWidget(closeButton);
    layout->addLayout(buttons);

    connect(repair_, &QPushButton::clicked, this, &RecordsWindow::repair);
    connect(recording_, &QCheckBox::toggled, this, &RecordsWindow::keep_options);
    connect(goal_, &QDoubleSpinBox::editingFinished, this, &RecordsWindow::keep_options);
    connect(table_, &QTableWidget::itemChanged, this, &RecordsWindow::keep_edit);
    connect(table_, &QTableWidget::itemSelectionChanged, this, &RecordsWindow::follow_selection);
    connect(delete_, &QPushButton::clicked, this, &RecordsWindow::delete_session);
    connect(exportButton, &QPushButton::clicked, this, &RecordsWindow::export_records);
    connect(printButton, &QPushButton::clicked, this, &RecordsWindow::print_page);
    connect(pdfButton, &QPushButton::clicked, this, &RecordsWindow::save_pdf);
    connect(closeButton, &QPushButton::clicked, this, &QDialog::accept);
    load();
}

void RecordsWindow::load()
{
    // A session stopped since the menu window looked, or whose line could
    // not be written then, gets its line before the records are shown.
    tell(recover_unfinished_sessions(folder_, options_.goal_ms()).problem);
    QFile file(folder_ + QLatin1String(SessionsFileName));
    SessionsRead read;
    if (file.open(QIODevice::ReadOnly))
        read = read_sessions(file.readAll());
    else if (file.exists())
        read.damage << QStringLiteral("sessions.csv cannot be read: ") + file.errorString();
    sessions_ = read.sessions;
    std::stable_sort(sessions_.begin(), sessions_.end(),
                     [](const Session& a, const Session& b) { return a.start < b.start; });
    damageFound_ = read.damage;
    damage_->setText(damageFound_.isEmpty()
                         ? QString()
                         : QStringLiteral("Only part of the records can be read, and nothing is changed in "
                                          "them until they are repaired:\n")
                             + damageFound_.join(u'\n'));
    damage_->setVisible(!damageFound_.isEmpty());
    repair_->setVisible(!damageFound_.isEmpty() && file.exists());
    table_->setEditTriggers(damageFound_.isEmpty() ? QAbstractItemView::DoubleClicked
                                    | QAbstractItemView::EditKeyPressed | QAbstractItemView::SelectedClicked
                                                   : QAbstractItemView::NoEditTriggers);
    fill_table();
    show_chart();
    preferences_->set_sessions(folder_, sessions_);
    follow_selection();
}

void RecordsWindow::fill_table()
{
    filling_ = true;
    table_->setUpdatesEnabled(false);
    table_->clearContents();
    table_->setRowCount(int(sessions_.size()));
    for (int row = 0; row < table_->rowCount(); ++row) {
        const qsizetype index = sessions_.size() - 1 - row;
        const Session& s = sessions_[index];
        const QStringList changes =
            index > 0 ? options_changes(sessions_[index - 1].options, s.options) : QStringList();
        const QStringList cells =
            QStringList{s.start.toString(QStringLiteral("yyyy-MM-dd HH:mm")),
                        QStringLiteral("%1 min").arg(double(s.durationMs) / 60000, 0, 'f', 1)
                            + (s.endedUnexpectedly ? QStringLiteral(", ended unexpectedly") : QString()),
                        session_mode_text(s.options)}
            + session_figure_texts(s) + QStringList{changes.join(QStringLiteral(", "))};
        for (int column = 0; column < cells.size(); ++column)
            table_->setItem(row, column, fixed_item(cells[column]));
        table_->setItem(row, Level, new QTableWidgetItem(prompt_level_text(s.promptLevel)));
        table_->setItem(row, Note, new QTableWidgetItem(s.note));
    }
    table_->resizeColumnsToContents();
    table_->setUpdatesEnabled(true);
    filling_ = false;
}

void RecordsWindow::show_chart()
{
    QChart* old = chart_->chart();
    chart_->setChart(records_chart(sessions_, goal_->value()));
    delete old;
}

QList<int> RecordsWindow::selected_rows() const
{
    QList<int> rows;
    for (const QModelIndex& index : table_->selectionModel()->selectedRows())
        rows << index.row();
    std::sort(rows.begin(), rows.end());
    return rows;
}

void RecordsWindow::follow_selection()
{
    const QList<int> rows = selected_rows();
    delete_->setEnabled(damageFound_.isEmpty() && rows.size() == 1);
    QList<Session> selected;
    for (auto row = rows.crbegin(); row != rows.crend(); ++row)
        selected << session_of_row(*row);
    preferences_->set_selected(selected);
    if (sessions_.isEmpty())
        return eventFile_->setText(QStringLiteral("No session has been recorded yet."));
    if (rows.size() != 1)
        return eventFile_->setText(
            rows.isEmpty() ? QStringLiteral("Select a session to see its event file, or several to see the "
                                            "preferences of those sessions alone.")
                           : QStringLiteral("%1 sessions selected.").arg(rows.size()));
    const QString name = event_file_of(selected.first());
    QFile file(folder_ + name);
    if (!file.open(QIODevice::ReadOnly))
        return eventFile_->setText(QStringLiteral("The event file %1 is missing.").arg(name));
    const SessionEventsRead read = read_session_events(file.readAll());
    eventFile_->setText(
        QStringLiteral("Event file %1: %2 events. %3").arg(name).arg(read.events.size()).arg(read.damage));
}

void RecordsWindow::keep_edit(QTableWidgetItem* item)
{
    if (filling_ || (item->column() != Level && item->column() != Note))
        return;
    Session& session = session_of_row(item->row());
    session.promptLevel =
        prompt_level_from(table_->item(item->row(), Level)->text()).value_or(PromptLevel::NotNoted);
    session.note = table_->item(item->row(), Note)->text().simplified();
    tell(change_sessions(folder_, [&session](QList<Session>& sessions) {
        if (Session* kept = session_at(sessions, session)) {
            kept->promptLevel = session.promptLevel;
            kept->note = session.note;
        }
    }));
}

void RecordsWindow::keep_options()
{
    const RecordsOptions chosen{recording_->isChecked(), goal_->value()};
    if (chosen.recording == options_.recording && chosen.goalSeconds == options_.goalSeconds)
        return;
    const bool goalChanged = chosen.goalSeconds != options_.goalSeconds;
    options_ = chosen;
    tell(save_records_options(folder_, options_));
    if (goalChanged)
        show_chart();
}

void RecordsWindow::delete_session()
{
    const QList<int> rows = selected_rows();
    if (rows.size() != 1 || !damageFound_.isEmpty())
        return;
    const Session chosen = session_of_row(rows.first());
    if (!questions_.confirm(
            QStringLiteral("Delete the session of %1? Its line in sessions.csv and its event file "
                           "are deleted; this cannot be undone.")
                .arg(chosen.start.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")))))
        return;
    const QString failed = change_sessions(folder_, [&chosen](QList<Session>& sessions) {
        sessions.removeIf([&chosen](const Session& s) {
            return s.start == chosen.start && event_file_of(s) == event_file_of(chosen);
        });
    });
    if (failed.isEmpty())
        QFile::remove(folder_ + event_file_of(chosen));
    tell(failed);
    load();
}

void RecordsWindow::export_records()
{
    const QString chosen = questions_.export_folder();
    if (chosen.isEmpty())
        return;
    // A folder of their own, named so that a name with a slash makes no deeper folder.
    QString name = windowTitle() + u' ' + QDate::currentDate().toString(Qt::ISODate);
    const QString target = QDir(chosen).filePath(name.replace(u'/', u'_').replace(u'\\', u'_'));
    QStringList failed;
    if (!QDir().mkpath(target))
        failed << target;
    const QStringList files = QDir(folder_).entryList({QStringLiteral("*.csv")}, QDir::Files, QDir::Name);
    for (const QString& name : files) {
        const QString copy = QDir(target).filePath(name);
        QFile::remove(copy);
        if (!QFile::copy(folder_ + name, copy))
            failed << name;
    }
    // The preferences as the view shows them, since they are figures made
    // from the event files, not a file of the records.
    const Preferences& shown = preferences_->preferences();
    QString preferencesSaved;
    if (shown.choices > 0) {
        QSaveFile file(QDir(target).filePath(QLatin1String(PreferencesFileName)));
        if (file.open(QIODevice::WriteOnly) && file.write(preferences_csv(shown, preferences_->scope())) >= 0
            && file.commit())
            preferencesSaved =
                QStringLiteral(" The preferences shown are in %1.").arg(QLatin1String(PreferencesFileName));
        else
            failed << QLatin1String(PreferencesFileName);
    }
    if (failed.isEmpty())
        dialogs_.message(QStringLiteral("Flickerbox II"), Dialogs::Icon::Information,
                         QStringLiteral("%1 files were copied into %2.")
                                 .arg(files.size())
                                 .arg(QDir::toNativeSeparators(target))
                             + preferencesSaved);
    else
        tell(QStringLiteral("These could not be copied into %1:\n%2")
                 .arg(QDir::toNativeSeparators(target), failed.join(u'\n')));
}

std::optional<PagePreferences> RecordsWindow::page_preferences()
{
    if (preferences_->preferences().choices == 0)
        return std::nullopt;
    return PagePreferences{preferences_->preferences(), preferences_->scope()};
}

void RecordsWindow::print_page()
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(windowTitle());
    if (questions_.print_setup(printer))
        paint_records_page(printer, windowTitle(), sessions_, goal_->value(), page_preferences());
}

void RecordsWindow::save_pdf()
{
    const QString path = questions_.pdf_file(QDir::home().filePath(windowTitle() + QStringLiteral(".pdf")));
    if (path.isEmpty())
        return;
    {
        QPdfWriter writer(path);
        writer.setTitle(windowTitle());
        paint_records_page(writer, windowTitle(), sessions_, goal_->value(), page_preferences());
    }
    if (QFileInfo(path).size() == 0)
        tell(QStringLiteral("The page could not be saved as %1.").arg(QDir::toNativeSeparators(path)));
}

void RecordsWindow::repair()
{
    const QString path = folder_ + QLatin1String(SessionsFileName);
    const QString kept = folder_
        + QStringLiteral("sessions (damaged %1).csv")
              .arg(QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HHmmss")));
    if (!questions_.confirm(
            QStringLiteral("sessions.csv is written again with the %1 sessions that can be read. "
                           "The damaged file is kept as \"%2\".")
                .arg(sessions_.size())
                .arg(QFileInfo(kept).fileName())))
        return;
    if (!QFile::copy(path, kept))
        return tell(QStringLiteral("The damaged file could not be kept as %1, so it was not repaired.")
                        .arg(QDir::toNativeSeparators(kept)));
    tell(save_sessions(folder_, sessions_));
    load();
}

void RecordsWindow::tell(const QString& failure)
{
    if (!failure.isEmpty())
        dialogs_.message(QStringLiteral("Flickerbox II"), Dialogs::Icon::Warning, failure);
}

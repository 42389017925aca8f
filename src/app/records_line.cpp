#include "app/records_line.h"

#include "media/dialogs.h"
#include "state/globvars.h"
#include "state/records_options.h"
#include "state/sessions_file.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {
constexpr int NoteLength = 200;
constexpr int NoteWidth = 260;
}  // namespace

void fill_prompt_levels(QComboBox& box)
{
    box.addItem(QStringLiteral("not noted"));
    for (int level = 1; level < PromptLevelCount; ++level)
        box.addItem(prompt_level_text(PromptLevel(level)));
}

RecordsLine::RecordsLine(const GlobVars& g, Dialogs& dialogs, QWidget* parent)
    : QWidget(parent)
    , g_(g)
    , dialogs_(dialogs)
{
    setObjectName(QStringLiteral("RecordsLine"));
    recording_ = new QLabel(this);
    records_ = new QPushButton(QStringLiteral("&Records\u2026"), this);
    records_->setObjectName(QStringLiteral("RecordsButton"));
    figures_ = new QLabel(this);
    figures_->setObjectName(QStringLiteral("SessionFigures"));
    level_ = new QComboBox(this);
    level_->setObjectName(QStringLiteral("PromptLevel"));
    level_->setToolTip(QStringLiteral("How much help the learner had (optional)"));
    fill_prompt_levels(*level_);
    note_ = new QLineEdit(this);
    note_->setObjectName(QStringLiteral("SessionNote"));
    note_->setPlaceholderText(QStringLiteral("Note (optional)"));
    note_->setMaxLength(NoteLength);
    note_->setMinimumWidth(NoteWidth);

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(recording_, 0, 0, 1, 2);
    grid->addWidget(records_, 0, 2, Qt::AlignRight);
    // The figures have a row of their own, so the whole sentence shows at any
    // window width; the optional answers sit under it.
    figures_->setWordWrap(true);
    grid->addWidget(figures_, 1, 0, 1, 3);
    grid->addWidget(level_, 2, 1);
    grid->addWidget(note_, 2, 2);
    grid->setColumnStretch(0, 1);

    connect(records_, &QPushButton::clicked, this, &RecordsLine::records_requested);
    connect(level_, &QComboBox::activated, this, &RecordsLine::keep_level_and_note);
    connect(note_, &QLineEdit::editingFinished, this, &RecordsLine::keep_level_and_note);
    show_learner();
}

QString RecordsLine::records_folder() const
{
    return g_.ProgramFolder + QLatin1String(RecordsFolderName);
}

void RecordsLine::show_recording()
{
    const bool on = load_records_options(records_folder()).recording;
    recording_->setText(on ? QStringLiteral("\u25CF Recording on: each session's responses are kept")
                           : QStringLiteral("Recording off"));
}

void RecordsLine::show_learner()
{
    show_recording();
    last_.reset();
    for (QWidget* sessionPart : std::initializer_list<QWidget*>{figures_, level_, note_})
        sessionPart->hide();
    // Sessions the program was stopped in are told once: their lines are
    // there from now on.
    const RecoveredSessions recovered =
        recover_unfinished_sessions(records_folder(), load_records_options(records_folder()).goal_ms());
    if (recovered.sessions.isEmpty())
        return;
    const qsizetype count = recovered.sessions.size();
    figures_->setText(
        (count == 1 ? QStringLiteral("A session of %1 ended unexpectedly (the program was stopped); its "
                                     "figures were added to the records from its events.")
                          .arg(recovered.sessions.first().start.toString(QStringLiteral("d MMM HH:mm")))
                    : QStringLiteral("%1 sessions ended unexpectedly (the program was stopped); their "
                                     "figures were added to the records from their events.")
                          .arg(count)));
    figures_->show();
}

void RecordsLine::show_session(const Session& session, bool kept)
{
    last_ = kept ? std::optional(session) : std::nullopt;
    figures_->setText(QStringLiteral("Last session: ") + session_summary_text(session));
    figures_->show();
    level_->setCurrentIndex(0);
    note_->clear();
    level_->setVisible(kept);
    note_->setVisible(kept);
}

void RecordsLine::keep_level_and_note()
{
    if (!last_)
        return;
    const PromptLevel level = PromptLevel(level_->currentIndex());
    const QString note = note_->text().simplified();
    if (level == last_->promptLevel && note == last_->note)
        return;
    last_->promptLevel = level;
    last_->note = note;
    const QString failed = change_sessions(records_folder(), [this](QList<Session>& sessions) {
        if (Session* kept = session_at(sessions, *last_)) {
            kept->promptLevel = last_->promptLevel;
            kept->note = last_->note;
        }
    });
    if (!failed.isEmpty()) {
        last_.reset();  // told once; the line stays as typed
        dialogs_.message(QStringLiteral("Flickerbox II"), Dialogs::Icon::Warning, failed);
    }
}

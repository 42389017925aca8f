#include "app/learner_control.h"

#include "app/learner_questions.h"
#include "media/dialogs.h"
#include "media/kill_time.h"
#include "playback/calibration_bounds.h"
#include "state/globvars.h"
#include "state/settings.h"

#include <QActionGroup>
#include <QApplication>
#include <QMenu>
#include <QPointer>
#include <QThreadPool>
#include <QTimer>

namespace {

// A name is shown as typed: '&' would otherwise mark an access letter.
QString shown(const QString& name)
{
    return QString(name).replace(u'&', QStringLiteral("&&"));
}

QString removal_text(const Learner& learner, const LearnerContents& contents)
{
    QStringList goes;
    if (contents.options)
        goes << QStringLiteral("their options");
    if (contents.clipLists)
        goes << QStringLiteral("their own clip lists");
    if (contents.clips > 0)
        goes << (contents.clips == 1 ? QStringLiteral("their own clip")
                                     : QStringLiteral("their %1 own clips").arg(contents.clips));
    if (contents.sessions > 0)
        goes << (contents.sessions == 1
                     ? QStringLiteral("the record of their session")
                     : QStringLiteral("the records of their %1 sessions").arg(contents.sessions));
    const QString last = QStringLiteral("everything else kept for them");
    return QStringLiteral("Remove the learner \"%1\"?\n\nThis deletes %2%3: %4 file%5 in \"%6\". "
                          "It cannot be undone.\n\nThe program then goes on with no learner chosen.")
        .arg(learner.name, goes.join(QStringLiteral(", ")),
             (goes.isEmpty() ? QString() : QStringLiteral(" and ")) + last, QString::number(contents.files),
             contents.files == 1 ? QString() : QStringLiteral("s"), learner.folder);
}

}  // namespace

QString options_title(const std::optional<Learner>& learner)
{
    return learner ? QStringLiteral("Options \u2013 ") + learner->name : QStringLiteral("Options");
}

LearnerControl::LearnerControl(Learners& learners, GlobVars& g, Dialogs& dialogs, LearnerQuestions& questions,
                               QWidget* parent)
    : QPushButton(parent)
    , learners_(learners)
    , g_(g)
    , dialogs_(dialogs)
    , questions_(questions)
{
    setObjectName(QStringLiteral("LearnerButton"));
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(11.25);
    setFont(font);
    menu_ = new QMenu(this);
    menu_->setObjectName(QStringLiteral("LearnerMenu"));
    // Read when opened, so a start-up does not read every learner's name.
    connect(menu_, &QMenu::aboutToShow, this, &LearnerControl::fill_menu);
    setMenu(menu_);
    // Keeps the lock fresh, so the other computers see it is in use, and
    // finds out when one of them took the learner over.
    auto* refresh = new QTimer(this);
    refresh->setInterval(LockRefreshSeconds * 1000);
    connect(refresh, &QTimer::timeout, this, &LearnerControl::refresh_lock);
    refresh->start();
    show_current();
}

void LearnerControl::refresh_lock()
{
    // Beside the window, so a slow file server never holds up a press; one
    // at a time, so a server that does not answer gathers no more.
    const std::optional<Learner>& current = learners_.current();
    if (!current || refreshing_)
        return;
    refreshing_ = true;
    QPointer<LearnerControl> control(this);
    QThreadPool::globalInstance()->start([control, folder = current->folder] {
        const bool lost = ::refresh_lock(folder).has_value();
        QMetaObject::invokeMethod(
            qApp, [control, lost] { control ? control->lock_refreshed(lost) : void(); },
            Qt::QueuedConnection);
    });
}

void LearnerControl::lock_refreshed(bool taken)
{
    refreshing_ = false;
    // Known once found: no file is read here.
    const std::optional<TakenOver> lost = taken ? learners_.taken_over() : std::nullopt;
    if (!lost || toldLost_ == lost->folder)
        return;
    show_current();
    // Never over the learner's screen: told at the next refresh after the
    // menu window is back.
    if (!window()->isVisible())
        return;
    toldLost_ = lost->folder;
    tell(lost->text());
}

void LearnerControl::show_current()
{
    const std::optional<Learner>& current = learners_.current();
    setText(QStringLiteral("&Learner: ") + (current ? shown(current->name) : QStringLiteral("none chosen"))
            + (learners_.taken_over() ? QStringLiteral(" (taken over by another computer)") : QString()));
}

void LearnerControl::tell(const QString& message)
{
    if (!message.isEmpty())
        dialogs_.message(QStringLiteral("Flickerbox II"), Dialogs::Icon::Warning, message);
}

// Another learner's settings are judged as those loaded at start-up: a
// calibration far too slow for this computer would keep Esc from working.
QString LearnerControl::with_calibration_checked(const QString& message)
{
    SettingsLoadReport report{message};
    discard_overlong_calibration(g_, kill_time_seconds_per_pass(),
                                 learners_.settings_folder() + QLatin1String(SettingsFileName), report);
    return report.message;
}

void LearnerControl::fill_menu()
{
    menu_->clear();
    auto* group = new QActionGroup(menu_);
    const std::optional<Learner>& current = learners_.current();
    auto addChoice = [&](const QString& text, const std::optional<Learner>& learner) {
        QAction* action = menu_->addAction(text, this, [this, learner] { choose(learner); });
        action->setCheckable(true);
        action->setChecked(learner == current);
        group->addAction(action);
    };
    addChoice(QStringLiteral("No learner"), std::nullopt);
    for (const Learner& learner : learners_.list())
        addChoice(shown(learner.name), learner);
    menu_->addSeparator();
    menu_->addAction(QStringLiteral("&New learner\u2026"), this, &LearnerControl::new_learner);
    menu_->addAction(QStringLiteral("&Rename\u2026"), this, &LearnerControl::rename_learner)
        ->setEnabled(current.has_value());
    menu_->addAction(QStringLiteral("Re&move\u2026"), this, &LearnerControl::remove_learner)
        ->setEnabled(current.has_value());
}

void LearnerControl::choose(const std::optional<Learner>& learner)
{
    // A learner taken over elsewhere may be chosen again, to take them back.
    if (learner == learners_.current() && !learners_.taken_over())
        return;
    Learners::Switch result = learners_.switch_to(g_, learner);
    if (result.inUseElsewhere) {
        if (!questions_.take_over(
                result.message
                + QStringLiteral("\n\nTake over only when the program is no longer open there, "
                                 "for instance after that computer stopped. Options changed "
                                 "there and not yet saved would be lost.")))
            return;
        result = learners_.switch_to(g_, learner, true);
    }
    tell(with_calibration_checked(result.message));
    if (!result.switched)
        return;
    toldLost_.clear();
    show_current();
    emit learner_changed();
}

void LearnerControl::new_learner()
{
    const std::optional<QString> name =
        questions_.name(QStringLiteral("New learner"),
                        QStringLiteral("The new learner's name. They start with the options chosen now; "
                                       "change them in the menus once the learner is chosen."),
                        {}, [this](const QString& typed) { return learners_.check_name(typed); });
    if (!name)
        return;
    Learner made;
    if (const QString failure = learners_.add(*name, g_, &made); !failure.isEmpty()) {
        tell(failure);
        return;
    }
    choose(made);
}

void LearnerControl::rename_learner()
{
    const std::optional<Learner> current = learners_.current();
    if (!current)
        return;
    const std::optional<QString> name = questions_.name(
        QStringLiteral("Rename learner"), QStringLiteral("The new name of \"%1\":").arg(current->name),
        current->name,
        [this, current](const QString& typed) { return learners_.check_name(typed, current); });
    if (!name)
        return;
    tell(learners_.rename(*current, *name, g_));
    show_current();
    emit learner_changed();
}

void LearnerControl::remove_learner()
{
    const std::optional<Learner> current = learners_.current();
    if (!current || !questions_.confirm_removal(removal_text(*current, learners_.contents(*current))))
        return;
    tell(with_calibration_checked(learners_.remove(*current, g_)));
    show_current();
    emit learner_changed();
}

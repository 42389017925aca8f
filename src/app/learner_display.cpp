#include "app/learner_display.h"

#include "library/file_swap.h"
#include "media/dialogs.h"

#include <QActionGroup>
#include <QFile>
#include <QGuiApplication>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>

namespace {

constexpr char FileName[] = "learner_display.txt";

}  // namespace

DisplayPick pick_display(const QString& chosen, const QStringList& present, int menuIndex)
{
    if (chosen.isEmpty())
        return {menuIndex, {}};
    const int index = int(present.indexOf(chosen));
    if (index >= 0)
        return {index, {}};
    return {menuIndex,
            QStringLiteral("The display chosen for the learner's window, %1, is not connected.\n"
                           "The learner's window opens on the menu window's display instead.")
                .arg(chosen)};
}

QString display_caption(const QString& name, QSize pixels)
{
    return QStringLiteral("%1 (%2 \u00D7 %3)").arg(name).arg(pixels.width()).arg(pixels.height());
}

QString read_learner_display(const QString& folder)
{
    QFile file(folder + QLatin1String(FileName));
    if (folder.isEmpty() || !file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.read(1000)).trimmed();
}

QString write_learner_display(const QString& folder, const QString& name)
{
    return write_durably(folder + QLatin1String(FileName), name.toUtf8() + '\n');
}

LearnerDisplayMenu::LearnerDisplayMenu(QMenuBar& menus, Dialogs& dialogs)
    : QObject(&menus)
    , menu_(menus.addMenu(QStringLiteral("Learner's &Display")))
    , dialogs_(dialogs)
{
    menu_->setObjectName(QStringLiteral("learner_display"));
    connect(menu_, &QMenu::aboutToShow, this, &LearnerDisplayMenu::fill);
    fill();
}

void LearnerDisplayMenu::keep_in(const QString& folder)
{
    folder_ = folder;
    chosen_ = read_learner_display(folder);
    fill();
}

void LearnerDisplayMenu::fill()
{
    menu_->clear();
    auto* group = new QActionGroup(menu_);
    const auto add = [&](const QString& caption, const QString& name) {
        QAction* item = menu_->addAction(caption, this, [this, name] { choose(name); });
        item->setCheckable(true);
        item->setChecked(name == chosen_);
        item->setActionGroup(group);
        return item;
    };
    add(QStringLiteral("Same as This Window"), QString());
    menu_->addSeparator();
    bool chosenPresent = chosen_.isEmpty();
    for (const QScreen* screen : QGuiApplication::screens()) {
        add(display_caption(screen->name(), screen->geometry().size() * screen->devicePixelRatio()),
            screen->name());
        chosenPresent = chosenPresent || screen->name() == chosen_;
    }
    // A projector unplugged for now stays chosen until the adult picks another.
    if (!chosenPresent)
        add(chosen_ + QStringLiteral(" (not connected)"), chosen_)->setEnabled(false);
}

void LearnerDisplayMenu::choose(const QString& name)
{
    if (name == chosen_)
        return;
    chosen_ = name;
    if (folder_.isEmpty())
        return;
    const QString failed = write_learner_display(folder_, name);
    if (!failed.isEmpty())
        dialogs_.message(QStringLiteral("Flickerbox II"), Dialogs::Icon::Warning,
                         QStringLiteral("The choice of display could not be kept for the next start.\n")
                             + failed);
}

QScreen* LearnerDisplayMenu::screen_for_learner(QScreen* menuScreen) const
{
    const QList<QScreen*> screens = QGuiApplication::screens();
    QStringList names;
    for (const QScreen* screen : screens)
        names << screen->name();
    const DisplayPick pick = pick_display(chosen_, names, int(screens.indexOf(menuScreen)));
    if (!pick.problem.isEmpty())
        dialogs_.message(QStringLiteral("Flickerbox II"), Dialogs::Icon::Information, pick.problem);
    return pick.index >= 0 ? screens[pick.index] : menuScreen;
}

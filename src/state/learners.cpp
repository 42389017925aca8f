#include "state/learners.h"

#include "state/learner_lock.h"
#include "state/sessions_file.h"
#include "state/settings.h"

#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QSettings>
#include <algorithm>

namespace {

constexpr const char* CurrentKey = "learner";
// A learner being removed is first renamed to this, so a removal that fails
// part-way never leaves a half-deleted learner in the list.
constexpr const char* RemovingPrefix = ".removing-";

QString without_slash(const QString& folder)
{
    return folder.endsWith(u'/') ? folder.chopped(1) : folder;
}

QString folder_name_of(const Learner& learner)
{
    return QFileInfo(without_slash(learner.folder)).fileName();
}

bool keeps_character(char32_t c)
{
    return QChar::isLetterOrNumber(c) || c == U'-' || c == U'_' || c == U'.';
}

// A folder name from the list, the state file or a command line must stay
// inside the learners folder.
bool is_plain_folder_name(const QString& name)
{
    return !name.isEmpty() && !name.startsWith(u'.') && !name.contains(u'/') && !name.contains(u'\\');
}

QString write_name(const Learner& learner)
{
    const QString path = learner.folder + QLatin1String(LearnerNameFile);
    QSaveFile file(path);
    const QByteArray bytes = learner.name.toUtf8() + '\n';
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        return QStringLiteral("The learner's name could not be written to \"%1\" (%2).")
            .arg(path, file.errorString());
    return {};
}

QString read_name(const QString& folder)
{
    QFile file(folder + QLatin1String(LearnerNameFile));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return tidy_learner_name(QString::fromUtf8(file.read(4 * MaxLearnerNameLength + 8)))
        .left(MaxLearnerNameLength);
}

QString names_of(const QList<Learner>& learners)
{
    QStringList names;
    for (const Learner& learner : learners)
        names << learner.name;
    return names.join(QStringLiteral(", "));
}

}  // namespace

QString tidy_learner_name(const QString& name)
{
    return name.simplified().normalized(QString::NormalizationForm_C);
}

QString learner_folder_name(const QString& name)
{
    QString folder;
    bool hasLetterOrDigit = false;
    for (char32_t c : tidy_learner_name(name).toUcs4()) {
        if (keeps_character(c)) {
            folder += QString::fromUcs4(&c, 1);
            hasLetterOrDigit = hasLetterOrDigit || QChar::isLetterOrNumber(c);
        } else if (!folder.endsWith(u'_')) {
            folder += u'_';
        }
    }
    if (!hasLetterOrDigit)
        return {};
    // No hidden folder, no "." or "..", nothing that looks cut off.
    auto trimmed = [](QChar c) { return c == u'_' || c == u'.'; };
    while (trimmed(folder.front()))
        folder.remove(0, 1);
    while (trimmed(folder.back()))
        folder.chop(1);
    return folder;
}

Learners::Learners(const Folders& account)
    : account_(account)
    , learnersFolder_(account.learners.isEmpty() ? account.writable + QStringLiteral("learners/")
                                                 : account.learners)
    , stateFile_(account.writable + QLatin1String(LearnerStateFile))
{
}

Learners::~Learners()
{
    if (current_)
        release_lock(current_->folder);
}

Learner Learners::at(const QString& folderName) const
{
    const QString folder = learnersFolder_ + folderName + u'/';
    const QString name = read_name(folder);
    return {name.isEmpty() ? folderName : name, folder};
}

QList<Learner> Learners::list() const
{
    QList<Learner> learners;
    const QStringList folders = QDir(learnersFolder_).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString& folder : folders)
        if (is_plain_folder_name(folder))
            learners << at(folder);
    std::sort(learners.begin(), learners.end(), [](const Learner& a, const Learner& b) {
        const int order = QString::localeAwareCompare(a.name.toCaseFolded(), b.name.toCaseFolded());
        return order != 0 ? order < 0 : a.folder < b.folder;
    });
    return learners;
}

std::optional<Learner> Learners::find(const QString& nameOrFolder) const
{
    const QString name = tidy_learner_name(nameOrFolder);
    const QList<Learner> learners = list();
    for (const Learner& learner : learners)
        if (learner.name.compare(name, Qt::CaseInsensitive) == 0)
            return learner;
    for (const Learner& learner : learners)
        if (folder_name_of(learner) == nameOrFolder)
            return learner;
    return std::nullopt;
}

Folders Learners::folders() const
{
    Folders folders = account_;
    if (current_)
        folders.learner = current_->folder;
    return folders;
}

QString Learners::settings_folder() const
{
    return current_ ? current_->folder : account_.writable;
}

QString Learners::unknown(const QString& asked) const
{
    const QList<Learner> learners = list();
    if (learners.isEmpty())
        return QStringLiteral("There is no learner called \"%1\": no learner has been made yet.").arg(asked);
    return QStringLiteral("There is no learner called \"%1\". The learners are: %2.")
        .arg(asked, names_of(learners));
}

QString Learners::start(const QString& asked)
{
    QStringList messages;
    if (!asked.isEmpty()) {
        current_ = find(asked);
        if (!current_)
            messages << unknown(asked);
    }
    const bool chosenNow = current_.has_value();
    // No state file: no learner was ever chosen, and nothing more is read.
    if (!current_ && QFileInfo::exists(stateFile_)) {
        const QString folder = QSettings(stateFile_, QSettings::IniFormat).value(CurrentKey).toString();
        if (is_plain_folder_name(folder) && QFileInfo(learnersFolder_ + folder).isDir())
            current_ = at(folder);
        else if (!folder.isEmpty())
            messages << QStringLiteral("The learner chosen last, in the folder \"%1\", is no longer there.")
                            .arg(learnersFolder_ + folder);
    }
    if (current_) {
        if (const std::optional<LockHolder> holder = other_holder(current_->folder)) {
            messages << QStringLiteral("The learner \"%1\" is in use %2. To take over, choose them with the "
                                       "learner button.")
                            .arg(current_->name, holder->where());
            current_.reset();
        } else {
            messages << take_lock(current_->folder, current_->name)
                     << (chosenNow ? remember(current_) : QString());
        }
    }
    messages.removeAll(QString());
    if (!messages.isEmpty())
        messages << (current_ ? QStringLiteral("The program starts with the learner %1.").arg(current_->name)
                              : QStringLiteral("The program starts with no learner chosen."));
    return messages.join(u'\n');
}

QString Learners::check_name(const QString& name, const std::optional<Learner>& except) const
{
    const QString tidy = tidy_learner_name(name);
    if (tidy.isEmpty())
        return QStringLiteral("Type the learner's name.");
    if (tidy.size() > MaxLearnerNameLength)
        return QStringLiteral("A learner's name can have at most %1 characters; this one has %2.")
            .arg(MaxLearnerNameLength)
            .arg(tidy.size());
    const QString folder = learner_folder_name(tidy);
    if (folder.isEmpty())
        return QStringLiteral("A learner's name needs at least one letter or digit.");
    for (const Learner& other : list()) {
        if (except && other.folder == except->folder)
            continue;
        if (other.name.compare(tidy, Qt::CaseInsensitive) == 0)
            return QStringLiteral("There is already a learner called \"%1\".").arg(other.name);
        // Letter case too: a school's file server may not tell "Anna" from "anna".
        if (folder_name_of(other).compare(folder, Qt::CaseInsensitive) == 0)
            return QStringLiteral("The name \"%1\" is too close to the learner \"%2\": both would be kept in "
                                  "the folder \"%3\". Choose a name that differs in its letters or digits.")
                .arg(tidy, other.name, folder);
    }
    return {};
}

QString Learners::add(const QString& name, const GlobVars& g, Learner* made)
{
    if (const QString problem = check_name(name); !problem.isEmpty())
        return problem;
    const Learner learner{tidy_learner_name(name), learnersFolder_ + learner_folder_name(name) + u'/'};
    if (QFileInfo::exists(without_slash(learner.folder)))
        return QStringLiteral(
                   "The learner \"%1\" could not be made: \"%2\" is already there and is not a learner.")
            .arg(learner.name, without_slash(learner.folder));
    if (!QDir().mkpath(learner.folder))
        return QStringLiteral("The learner \"%1\" could not be made: the folder \"%2\" could not be created.")
            .arg(learner.name, learner.folder);
    QString failure = write_name(learner);
    if (failure.isEmpty()) {
        GlobVars options = g;
        options.ProgramFolder = learner.folder;
        failure = SaveSettings(options);
    }
    if (!failure.isEmpty()) {
        QDir(learner.folder).removeRecursively();
        return QStringLiteral("The learner \"%1\" could not be made.\n").arg(learner.name) + failure;
    }
    *made = learner;
    return {};
}

QString Learners::rename(const Learner& learner, const QString& newName, GlobVars& g)
{
    if (const QString problem = check_name(newName, learner); !problem.isEmpty())
        return problem;
    const Learner renamed{tidy_learner_name(newName), learnersFolder_ + learner_folder_name(newName) + u'/'};
    const bool moves = renamed.folder != learner.folder;
    if (moves && !QDir().rename(without_slash(learner.folder), without_slash(renamed.folder)))
        return QStringLiteral(
                   "\"%1\" could not be renamed: its folder \"%2\" could not be renamed to \"%3\". "
                   "Nothing was changed.")
            .arg(learner.name, learner.folder, folder_name_of(renamed));
    if (const QString failure = write_name(renamed); !failure.isEmpty()) {
        if (moves)
            QDir().rename(without_slash(renamed.folder), without_slash(learner.folder));
        return failure + QStringLiteral(" Nothing was changed.");
    }
    if (current_ && current_->folder == learner.folder) {
        current_ = renamed;
        take_lock(renamed.folder, renamed.name);  // moved with the folder
        g.ProgramFolder = renamed.folder;
        apply_folders(g, folders(), DiskFolderFileSystem());
        return remember(current_);
    }
    return {};
}

LearnerContents Learners::contents(const Learner& learner) const
{
    LearnerContents contents;
    DiskFolderFileSystem files;
    contents.options = files.is_file(learner.folder + QLatin1String(SettingsFileName));
    contents.clipLists = has_sequence_set(learner.folder, files);
    contents.clips = int(QDir(learner.folder).entryList({QStringLiteral("*.mpg")}, QDir::Files).size());
    contents.sessions = int(QDir(learner.folder + QLatin1String(RecordsFolderName))
                                .entryList({QStringLiteral("[0-9]*-*-*_*.csv")}, QDir::Files)
                                .size());
    // The lock goes too, but it is the program's, not the learner's.
    for (QDirIterator it(learner.folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
         it.hasNext();)
        contents.files += it.next() != learner.folder + QLatin1String(LearnerLockFile);
    return contents;
}

QString Learners::remove(const Learner& learner, GlobVars& g)
{
    const QString removing = learnersFolder_ + QLatin1String(RemovingPrefix) + folder_name_of(learner) + u'-'
        + QString::number(QDateTime::currentMSecsSinceEpoch());
    if (!QDir().rename(without_slash(learner.folder), removing))
        return QStringLiteral("\"%1\" could not be removed: the folder \"%2\" could not be changed. "
                              "Nothing was removed.")
            .arg(learner.name, learner.folder);
    QString message;
    if (current_ && current_->folder == learner.folder) {
        message = load(g, std::nullopt);
        current_.reset();
        const QString notRemembered = remember(current_);
        message +=
            (message.isEmpty() || notRemembered.isEmpty() ? QString() : QStringLiteral("\n")) + notRemembered;
    }
    if (!QDir(removing).removeRecursively())
        message += (message.isEmpty() ? QString() : QStringLiteral("\n"))
            + QStringLiteral("Some of the files of \"%1\" could not be deleted; they are in \"%2\".")
                  .arg(learner.name, removing);
    return message;
}

Learners::Saved Learners::save(const GlobVars& g) const
{
    Saved saved;
    if (const std::optional<TakenOver> lost = current_ ? ::taken_over(current_->folder) : std::nullopt) {
        GlobVars aside = g;
        aside.ProgramFolder = lost->keptAside;
        saved.failure = QDir().mkpath(lost->keptAside)
            ? SaveSettings(aside)
            : QStringLiteral("\"%1\" could not be made.").arg(QDir::toNativeSeparators(lost->keptAside));
        saved.notice = lost->text();
        if (!saved.failure.isEmpty())
            saved.failure = saved.notice + u'\n' + saved.failure;
        return saved;
    }
    if (current_ && !QFileInfo(without_slash(current_->folder)).isDir()) {
        if (QDir().mkpath(current_->folder) && write_name(*current_).isEmpty())
            saved.notice =
                QStringLiteral("The folder of the learner \"%1\" had gone; it was made again at \"%2\" "
                               "to keep their options.")
                    .arg(current_->name, current_->folder);
    }
    saved.failure = SaveSettings(g);
    return saved;
}

Learners::Switch Learners::switch_to(GlobVars& g, const std::optional<Learner>& next, bool takeOver)
{
    if (next && !QFileInfo(next->folder).isDir())
        return {
            false,
            QStringLiteral("The learner \"%1\" is no longer in \"%2\".").arg(next->name, learnersFolder_)};
    const std::optional<LockHolder> holder = next ? other_holder(next->folder) : std::nullopt;
    if (holder && !takeOver)
        return {false, QStringLiteral("The learner \"%1\" is in use %2.").arg(next->name, holder->where()),
                true};
    const bool takenFromRunning = holder.has_value();
    const Saved saved = save(g);
    if (!saved.failure.isEmpty())
        return {false, saved.failure + QStringLiteral("\nThe learner was not changed.")};
    QStringList messages;
    for (const QString& message : {saved.notice, load(g, next)})
        if (!message.isEmpty())
            messages << message;
    if (current_)
        release_lock(current_->folder);
    current_ = next;
    for (const QString& message :
         {current_ ? take_lock(current_->folder, current_->name, takenFromRunning) : QString(),
          remember(current_)})
        if (!message.isEmpty())
            messages << message;
    return {true, messages.join(u'\n')};
}

std::optional<TakenOver> Learners::taken_over() const
{
    return current_ ? ::taken_over(current_->folder) : std::nullopt;
}

QString Learners::load(GlobVars& g, const std::optional<Learner>& learner)
{
    Folders folders = account_;
    if (learner)
        folders.learner = learner->folder;
    const SettingsLoadReport report = LoadSettings(g, learner ? learner->folder : account_.writable);
    apply_folders(g, folders, DiskFolderFileSystem());
    return report.message;
}

QString Learners::remember(const std::optional<Learner>& learner) const
{
    QSettings state(stateFile_, QSettings::IniFormat);
    state.setValue(CurrentKey, learner ? folder_name_of(*learner) : QString());
    state.sync();
    if (state.status() != QSettings::NoError)
        return QStringLiteral(
                   "The learner chosen could not be remembered for the next start: \"%1\" could not be "
                   "written.")
            .arg(stateFile_);
    return {};
}

#include "state/folders.h"

#include "state/clip_list.h"
#include "state/settings.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>

namespace {

// A folder holding this picture holds the program's files.
constexpr const char* ProgramFileMarker = "aobj_log.jpg";
constexpr const char* ConfigFile = "flickerbox/flickerbox.conf";
constexpr const char* SiteLibraryKey = "site-library";
// A school's shared folder on its file server, so learners move between laptops.
constexpr const char* LearnersFolderKey = "learners-folder";
// The three sequence files: random, category, alphabetical.
const QStringList& sequence_names()
{
    static const QStringList names{sequence_file_name(1), sequence_file_name(2), sequence_file_name(3)};
    return names;
}

QString with_slash(QString folder)
{
    if (!folder.endsWith(u'/'))
        folder += u'/';
    return folder;
}

// "site-library = /srv/pupils" (for key "site-library") in the first
// configuration file found; blank lines and lines starting with '#' are skipped.
QString configured_folder(const QStringList& configFolders, const FolderFileSystem& files, const char* key)
{
    for (const QString& folder : configFolders) {
        const QString path = folder + QLatin1String(ConfigFile);
        if (!files.is_file(path))
            continue;
        for (const QByteArray& raw : files.read_text(path).split('\n')) {
            const QString line = QString::fromUtf8(raw).trimmed();
            const qsizetype equals = line.indexOf(u'=');
            if (line.startsWith(u'#') || equals < 0)
                continue;
            const QString value = line.mid(equals + 1).trimmed();
            if (line.left(equals).trimmed() == QLatin1String(key) && QDir::isAbsolutePath(value))
                return with_slash(QDir::cleanPath(value));
        }
        return {};  // the first file found is the one that counts
    }
    return {};
}

}  // namespace

bool has_sequence_set(const QString& folder, const FolderFileSystem& files)
{
    return std::all_of(sequence_names().begin(), sequence_names().end(),
                       [&](const QString& name) { return files.is_file(folder + name); });
}

bool DiskFolderFileSystem::is_file(const QString& path) const
{
    return QFileInfo(path).isFile();
}

bool DiskFolderFileSystem::is_folder(const QString& path) const
{
    return QFileInfo(path).isDir();
}

bool DiskFolderFileSystem::is_writable(const QString& path) const
{
    return QFileInfo(path).isWritable();
}

QByteArray DiskFolderFileSystem::read_text(const QString& path) const
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.read(64 * 1024);  // a configuration file is a few lines
}

bool DiskFolderFileSystem::make_folder(const QString& path)
{
    return QDir().mkpath(path);
}

bool DiskFolderFileSystem::copy_file(const QString& from, const QString& to)
{
    if (QFileInfo::exists(to) && !QFile::remove(to))
        return false;
    if (!QFile::copy(from, to))
        return false;
    // Copies of read-only installed files must be the user's to change.
    QFile::setPermissions(to, QFile::permissions(to) | QFile::WriteOwner | QFile::ReadOwner);
    return true;
}

FolderPlaces FolderPlaces::of_this_process()
{
    FolderPlaces places;
    places.executableFolder = with_slash(QCoreApplication::applicationDirPath());
    // Relative entries are to be ignored, as the base directory rules say.
    const QString dataHome = qEnvironmentVariable("XDG_DATA_HOME");
    places.userDataHome = with_slash(
        QDir::isAbsolutePath(dataHome) ? dataHome : QDir::homePath() + QStringLiteral("/.local/share"));
    for (const QString& folder : qEnvironmentVariable("XDG_CONFIG_DIRS").split(u':', Qt::SkipEmptyParts))
        if (QDir::isAbsolutePath(folder))
            places.configFolders << with_slash(folder);
    if (places.configFolders.isEmpty())
        places.configFolders << QStringLiteral("/etc/xdg/");
    return places;
}

QStringList Folders::clip_search_order() const
{
    QStringList order;
    for (const QString& folder : {learner, writable, site, base})
        if (!folder.isEmpty() && !order.contains(folder))
            order << folder;
    return order;
}

Folders decide_folders(const FolderPlaces& places, const FolderFileSystem& files)
{
    Folders folders;
    const QString exe = places.executableFolder;
    const QString installed = with_slash(QDir::cleanPath(exe + QStringLiteral("../share/flickerbox")));
    const bool isInstalled = !files.is_file(exe + QLatin1String(ProgramFileMarker))
        && files.is_file(installed + QLatin1String(ProgramFileMarker));
    folders.base = isInstalled ? installed : exe;

    // A read-only program folder whose settings file may be written keeps
    // its settings in place.
    const QString settings = folders.base + QLatin1String(SettingsFileName);
    const bool keepsSettings =
        files.is_writable(folders.base) || (files.is_file(settings) && files.is_writable(settings));
    folders.writable =
        !isInstalled && keepsSettings ? folders.base : places.userDataHome + QStringLiteral("flickerbox/");

    const QString configured = configured_folder(places.configFolders, files, SiteLibraryKey);
    const QString site = configured.isEmpty() ? QString::fromLatin1(DefaultSiteLibrary) : configured;
    if (files.is_folder(site))
        folders.site = site;
    const QString learners = configured_folder(places.configFolders, files, LearnersFolderKey);
    folders.learners = learners.isEmpty() ? folders.writable + QStringLiteral("learners/") : learners;
    return folders;
}

QString sequence_folder(const Folders& folders, const FolderFileSystem& files)
{
    for (const QString& folder : folders.clip_search_order())
        if (has_sequence_set(folder, files))
            return folder;
    return folders.base;
}

void provide_settings(const Folders& folders, FolderFileSystem& files)
{
    const QString name = QLatin1String(SettingsFileName);
    if (folders.portable() || files.is_file(folders.writable + name) || !files.make_folder(folders.writable))
        return;
    for (const QString& source : {folders.site, folders.base})
        if (!source.isEmpty() && files.is_file(source + name)
            && files.copy_file(source + name, folders.writable + name))
            return;
}

QString provide_sequence_files(const QString& target, const Folders& folders, FolderFileSystem& files)
{
    const QStringList order = folders.clip_search_order();
    const qsizetype at = order.indexOf(target);
    if (at < 0 || target == folders.base || has_sequence_set(target, files))
        return {};
    const auto source = std::find_if(order.begin() + at + 1, order.end(),
                                     [&](const QString& folder) { return has_sequence_set(folder, files); });
    if (source == order.end())
        return {};
    if (!files.make_folder(target))
        return QStringLiteral("The folder \"%1\" could not be created.").arg(target);
    // A partial set left in the target is replaced as a whole.
    for (const QString& name : sequence_names())
        if (!files.copy_file(*source + name, target + name))
            return QStringLiteral("The clip list \"%1\" could not be copied into \"%2\".")
                .arg(*source + name, target);
    return {};
}

void apply_folders(GlobVars& g, const Folders& folders, const FolderFileSystem& files)
{
    g.DataFolder = folders.base;
    g.MediaFolder = sequence_folder(folders, files);
    g.ClipFolders = folders.clip_search_order();
}

Folders folders_of_this_process(FolderFileSystem& files)
{
    const Folders folders = decide_folders(FolderPlaces::of_this_process(), files);
    provide_settings(folders, files);
    return folders;
}

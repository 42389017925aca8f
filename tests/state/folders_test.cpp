#include "state/folders.h"

#include <gtest/gtest.h>
#include <map>
#include <set>

namespace {

// Paths ending in '/' are folders; the rest are files with their bytes.
struct FakeFiles final : FolderFileSystem {
    std::map<QString, QByteArray> files;
    std::set<QString> folders, writable;
    bool canMakeFolders = true;

    bool is_file(const QString& path) const override { return files.count(path) != 0; }
    bool is_folder(const QString& path) const override { return folders.count(path) != 0; }
    bool is_writable(const QString& path) const override { return writable.count(path) != 0; }
    QByteArray read_text(const QString& path) const override { return is_file(path) ? files.at(path) : QByteArray(); }
    bool make_folder(const QString& path) override
    {
        if (canMakeFolders)
            folders.insert(path);
        return canMakeFolders;
    }
    bool copy_file(const QString& from, const QString& to) override
    {
        if (!is_file(from))
            return false;
        files[to] = files[from];
        return true;
    }
    void add(const QString& folder, const QStringList& names, const QByteArray& bytes = "x")
    {
        folders.insert(folder);
        for (const QString& name : names)
            files[folder + name] = bytes;
    }
};

const QStringList ProgramFiles{"aobj_log.jpg", "aobj_gid.txt", "aobj_se1.cfg"};
const QStringList SequenceSet{"aobj_sqr.seq", "aobj_sqc.seq", "aobj_sqa.seq"};
const QString Usr = "/usr/share/flickerbox/";
const QString Home = "/home/pupil/.local/share/flickerbox/";

FolderPlaces places(const QString& exe)
{
    return {exe, "/home/pupil/.local/share/", {"/etc/xdg/"}};
}

TEST(Folders, PortableFolderIsUsedAsItIsWhenWritable)
{
    FakeFiles fs;
    fs.add("/media/stick/fb/", ProgramFiles + SequenceSet);
    fs.writable.insert("/media/stick/fb/");
    const Folders f = decide_folders(places("/media/stick/fb/"), fs);
    EXPECT_EQ(f.base, "/media/stick/fb/");
    EXPECT_TRUE(f.portable());
    EXPECT_EQ(f.site, "");
    EXPECT_EQ(sequence_folder(f, fs), "/media/stick/fb/");

    provide_settings(f, fs);  // a portable folder is never given settings from elsewhere
    fs.files.erase("/media/stick/fb/aobj_se1.cfg");
    provide_settings(f, fs);
    EXPECT_FALSE(fs.is_file("/media/stick/fb/aobj_se1.cfg"));
}

TEST(Folders, ReadOnlyPortableFolderKeepsAWritableSettingsFileElseMovesToTheUser)
{
    FakeFiles fs;
    fs.add("/srv/fb/", ProgramFiles + SequenceSet);
    fs.writable.insert("/srv/fb/aobj_se1.cfg");
    EXPECT_EQ(decide_folders(places("/srv/fb/"), fs).writable, "/srv/fb/");

    fs.writable.clear();
    const Folders f = decide_folders(places("/srv/fb/"), fs);
    EXPECT_EQ(f.base, "/srv/fb/");
    EXPECT_EQ(f.writable, Home);
}

TEST(Folders, InstalledProgramReadsTheShareFolderAndWritesForTheUser)
{
    FakeFiles fs;
    fs.add("/usr/bin/", {"flickerbox"});
    fs.add(Usr, ProgramFiles + SequenceSet, "defaults");
    const Folders f = decide_folders(places("/usr/bin/"), fs);
    EXPECT_EQ(f.base, Usr);
    EXPECT_EQ(f.writable, Home);
    EXPECT_FALSE(f.portable());

    provide_settings(f, fs);
    EXPECT_EQ(fs.read_text(Home + "aobj_se1.cfg"), "defaults");
    fs.files[Home + "aobj_se1.cfg"] = "mine";
    provide_settings(f, fs);  // the user's own settings are never replaced
    EXPECT_EQ(fs.read_text(Home + "aobj_se1.cfg"), "mine");

    fs.files.erase(Home + "aobj_se1.cfg");
    fs.canMakeFolders = false;  // a home folder that is full or read-only
    provide_settings(f, fs);
    EXPECT_FALSE(fs.is_file(Home + "aobj_se1.cfg"));
    EXPECT_NE(provide_sequence_files(Home, f, fs).indexOf(Home), -1);
}

TEST(Folders, ExecutableFolderWithoutProgramFilesStaysTheBaseWhenNothingIsInstalled)
{
    FakeFiles fs;
    fs.add("/tmp/fb/", {"flickerbox"});
    fs.writable.insert("/tmp/fb/");
    const Folders f = decide_folders(places("/tmp/fb/"), fs);
    EXPECT_EQ(f.base, "/tmp/fb/");  // its messages name the folder the adult copied
    EXPECT_TRUE(f.portable());
}

TEST(Folders, SiteLibraryFromTheConfigurationFileOrTheDefaultFolder)
{
    FakeFiles fs;
    fs.add(Usr, ProgramFiles);
    EXPECT_EQ(decide_folders(places("/usr/bin/"), fs).site, "");

    fs.add(DefaultSiteLibrary, {});
    EXPECT_EQ(decide_folders(places("/usr/bin/"), fs).site, DefaultSiteLibrary);

    fs.add("/srv/pupils/", {});
    fs.add("/etc/xdg/flickerbox/", {"flickerbox.conf"},
           "# clips for every pupil\n  site-library = /srv/pupils/../pupils \nother=1\n");
    EXPECT_EQ(decide_folders(places("/usr/bin/"), fs).site, "/srv/pupils/");

    fs.files["/etc/xdg/flickerbox/flickerbox.conf"] = "site-library=/srv/missing\n";
    EXPECT_EQ(decide_folders(places("/usr/bin/"), fs).site, "");  // a named folder that is not there

    fs.files["/etc/xdg/flickerbox/flickerbox.conf"] = "site-library=relative/path\n";
    EXPECT_EQ(decide_folders(places("/usr/bin/"), fs).site, DefaultSiteLibrary);
}

TEST(Folders, SiteSettingsWinOverTheBaseOnAFirstStart)
{
    FakeFiles fs;
    fs.add(Usr, ProgramFiles, "base");
    fs.add(DefaultSiteLibrary, {"aobj_se1.cfg"}, "site");
    provide_settings(decide_folders(places("/usr/bin/"), fs), fs);
    EXPECT_EQ(fs.read_text(Home + "aobj_se1.cfg"), "site");
}

TEST(Folders, SequenceSetComesWholeFromTheFirstFolderHoldingIt)
{
    FakeFiles fs;
    fs.add(Usr, ProgramFiles + SequenceSet);
    fs.add(DefaultSiteLibrary, SequenceSet);
    fs.add(Home, {"aobj_sqc.seq", "aobj_sqa.seq"});  // a set missing one file is not used
    const Folders f = decide_folders(places("/usr/bin/"), fs);
    EXPECT_EQ(f.clip_search_order(), QStringList({Home, DefaultSiteLibrary, Usr}));
    EXPECT_EQ(sequence_folder(f, fs), DefaultSiteLibrary);

    fs.files[QString(DefaultSiteLibrary) + "aobj_sqr.seq"] = "site set";
    EXPECT_EQ(provide_sequence_files(Home, f, fs), "");
    EXPECT_EQ(fs.read_text(Home + "aobj_sqr.seq"), "site set");
    EXPECT_EQ(sequence_folder(f, fs), Home);

    fs.files.clear();  // an administrator fills an empty site library: it gets the demo list first
    fs.add(Usr, ProgramFiles + SequenceSet, "base set");
    EXPECT_EQ(provide_sequence_files(DefaultSiteLibrary, f, fs), "");
    EXPECT_EQ(fs.read_text(QString(DefaultSiteLibrary) + "aobj_sqa.seq"), "base set");
    EXPECT_EQ(provide_sequence_files("/elsewhere/", f, fs), "");  // a folder of no installation is left as it is
    EXPECT_FALSE(fs.is_file("/elsewhere/aobj_sqa.seq"));
}

TEST(Folders, AppliedFoldersPointEachFileKindAtItsPlace)
{
    FakeFiles fs;
    fs.add(Usr, ProgramFiles + SequenceSet);
    const Folders f = decide_folders(places("/usr/bin/"), fs);
    GlobVars g;
    g.ProgramFolder = f.writable;
    apply_folders(g, f, fs);
    EXPECT_EQ(g.ProgramFolder, Home);  // settings
    EXPECT_EQ(g.DataFolder, Usr);      // pictures, sounds, guide
    EXPECT_EQ(g.MediaFolder, Usr);     // sequence files
    EXPECT_EQ(g.ClipFolders, QStringList({Home, Usr}));
}

}  // namespace

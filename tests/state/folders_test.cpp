#include "fakes/fake_files.h"
#include "state/folders.h"

#include <gtest/gtest.h>
#include <map>
#include <set>

namespace {

const QStringList ProgramFiles{"aobj_log.jpg", "aobj_gid.txt", "aobj_se1.cfg"};
const QStringList SequenceSet{"aobj_sqr.seq", "aobj_sqc.seq", "aobj_sqa.seq"};
const QString Usr = "/usr/share/flickerbox/", Home = "/home/pupil/.local/share/flickerbox/",
              Site = DefaultSiteLibrary;

Folders decide(const FakeFiles& fs, const QString& exe = "/usr/bin/")
{
    return decide_folders({exe, "/home/pupil/.local/share/", {"/etc/xdg/"}}, fs);
}

TEST(Folders, ProgramFolderStaysPortableWhileItOrItsSettingsFileMayBeWritten)
{
    FakeFiles fs;
    fs.add("/stick/fb/", ProgramFiles + SequenceSet);
    fs.writable.insert("/stick/fb/");
    Folders f = decide(fs, "/stick/fb/");
    EXPECT_EQ(f.base, "/stick/fb/");
    EXPECT_TRUE(f.portable());
    fs.files.erase("/stick/fb/aobj_se1.cfg");
    provide_settings(f, fs);  // a portable folder is never given settings from elsewhere
    EXPECT_FALSE(fs.is_file("/stick/fb/aobj_se1.cfg"));

    fs.writable = {"/stick/fb/aobj_se1.cfg"};  // read-only folder, writable file: written in place
    fs.files["/stick/fb/aobj_se1.cfg"] = "x";
    EXPECT_TRUE(decide(fs, "/stick/fb/").portable());
    fs.writable.clear();
    f = decide(fs, "/stick/fb/");
    EXPECT_EQ(f.base, "/stick/fb/");
    EXPECT_EQ(f.writable, Home);

    FakeFiles bare;  // no program files anywhere: its messages name the folder the adult copied
    bare.add("/tmp/fb/", {"flickerbox"});
    bare.writable.insert("/tmp/fb/");
    EXPECT_EQ(decide(bare, "/tmp/fb/").base, "/tmp/fb/");
}

TEST(Folders, InstalledProgramReadsItsShareFolderAndGivesEachUserSettingsOnce)
{
    FakeFiles fs;
    fs.add("/usr/bin/", {"flickerbox"});
    fs.add(Usr, ProgramFiles + SequenceSet, "base");
    const Folders f = decide(fs);
    EXPECT_EQ(f.base, Usr);
    EXPECT_EQ(f.writable, Home);
    GlobVars g;
    apply_folders(g, f, fs);
    EXPECT_EQ(g.DataFolder, Usr);
    EXPECT_EQ(g.MediaFolder, Usr);
    EXPECT_EQ(g.ClipFolders, QStringList({Home, Usr}));

    provide_settings(f, fs);
    EXPECT_EQ(fs.read_text(Home + "aobj_se1.cfg"), "base");
    fs.files[Home + "aobj_se1.cfg"] = "mine";
    fs.add(Site, {"aobj_se1.cfg"}, "site");
    provide_settings(decide(fs), fs);  // the user's own settings are never replaced
    EXPECT_EQ(fs.read_text(Home + "aobj_se1.cfg"), "mine");
    fs.files.erase(Home + "aobj_se1.cfg");
    provide_settings(decide(fs), fs);  // the school's options win over the program's
    EXPECT_EQ(fs.read_text(Home + "aobj_se1.cfg"), "site");

    fs.files.erase(Home + "aobj_se1.cfg");
    fs.canMakeFolders = false;  // a home folder that is full or read-only
    provide_settings(decide(fs), fs);
    EXPECT_FALSE(fs.is_file(Home + "aobj_se1.cfg"));
    EXPECT_NE(provide_sequence_files(Home, decide(fs), fs).indexOf(Home), -1);
}

TEST(Folders, SiteLibraryFromTheConfigurationFileOrTheDefaultFolder)
{
    FakeFiles fs;
    fs.add(Usr, ProgramFiles);
    EXPECT_EQ(decide(fs).site, "");
    fs.add(Site, {});
    EXPECT_EQ(decide(fs).site, Site);

    fs.add("/srv/pupils/", {});
    fs.add("/etc/xdg/flickerbox/", {"flickerbox.conf"},
           "# for every pupil\n  site-library = /srv/x/../pupils \n");
    EXPECT_EQ(decide(fs).site, "/srv/pupils/");
    fs.files["/etc/xdg/flickerbox/flickerbox.conf"] = "site-library=/srv/missing\n";
    EXPECT_EQ(decide(fs).site, "");
    fs.files["/etc/xdg/flickerbox/flickerbox.conf"] = "site-library=relative/path\n";
    EXPECT_EQ(decide(fs).site, Site);

    EXPECT_EQ(decide(fs).learners, Home + "learners/");
    fs.files["/etc/xdg/flickerbox/flickerbox.conf"] =
        "site-library = /srv/pupils\nlearners-folder = /srv/flickerbox/learners\n";
    EXPECT_EQ(decide(fs).site, "/srv/pupils/");
    EXPECT_EQ(decide(fs).learners, "/srv/flickerbox/learners/");
}

TEST(Folders, SequenceSetComesWholeFromTheFirstFolderHoldingIt)
{
    FakeFiles fs;
    fs.add(Usr, ProgramFiles + SequenceSet, "base set");
    fs.add(Site, SequenceSet, "site set");
    fs.add(Home, {"aobj_sqc.seq", "aobj_sqa.seq"});  // a set missing one file is not used
    const Folders f = decide(fs);
    EXPECT_EQ(f.clip_search_order(), QStringList({Home, Site, Usr}));
    EXPECT_EQ(sequence_folder(f, fs), Site);
    EXPECT_EQ(provide_sequence_files(Home, f, fs), "");
    EXPECT_EQ(fs.read_text(Home + "aobj_sqa.seq"), "site set");
    EXPECT_EQ(sequence_folder(f, fs), Home);

    fs.files.clear();  // an administrator fills an empty site library: it gets the demo list first
    fs.add(Usr, ProgramFiles + SequenceSet, "base set");
    EXPECT_EQ(provide_sequence_files(Site, f, fs), "");
    EXPECT_EQ(fs.read_text(Site + "aobj_sqa.seq"), "base set");
    EXPECT_EQ(provide_sequence_files("/elsewhere/", f, fs), "");  // no folder of the installation
    EXPECT_FALSE(fs.is_file("/elsewhere/aobj_sqa.seq"));
}

}  // namespace

#include "library/clip_folder.h"
#include "library/unfinished_change.h"
#include "support/test_file.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

TEST(ClipFolder, AccountFolderGetsItsOwnListBeforeTheFirstChange)
{
    QTemporaryDir scratch;
    const QString base = scratch.filePath("share/"), user = scratch.filePath("home/flickerbox/");
    QDir().mkpath(base);
    for (const char* name : {"aobj_sqr.seq", "aobj_sqc.seq", "aobj_sqa.seq"})
        write_test_file(base + name, "dog,animals,Dog,,\r\n");
    write_test_file(base + "dog.jpg", "label");
    const Folders folders{base, user, ""};

    const ClipFolder mine(QString(), folders);
    EXPECT_EQ(mine.path(), user);
    EXPECT_EQ(mine.listing_folder(), base);  // nothing of its own yet: the demo list shows
    EXPECT_EQ(mine.clip_file("dog.jpg"), base + "dog.jpg");
    EXPECT_TRUE(mine.where_kept().contains("for this account")) << mine.where_kept().toStdString();
    EXPECT_TRUE(mine.where_kept().contains(user));

    EXPECT_EQ(mine.prepare_for_changes(), "");
    EXPECT_EQ(mine.listing_folder(), user);
    QFile copied(user + "aobj_sqc.seq");
    ASSERT_TRUE(copied.open(QIODevice::ReadOnly));
    EXPECT_EQ(copied.readAll(), "dog,animals,Dog,,\r\n");
    EXPECT_TRUE(copied.permissions() & QFile::WriteOwner);
}

// As the program finds folders at start-up: a list set aside whose
// replacement never arrived comes back; one replaced stays new; a change
// its journal shows unfinished is undone whole.
TEST(UnfinishedChange, ListsLeftHalfChangedArePutBack)
{
    QTemporaryDir scratch;
    const QDir folder(scratch.path());
    write_test_file(folder.filePath("aobj_sqr.seq.replaced"), "old r");
    write_test_file(folder.filePath("aobj_sqc.seq"), "new c");
    write_test_file(folder.filePath("aobj_sqc.seq.replaced"), "old c");
    write_test_file(folder.filePath("aobj_sqa.seq"), "old a");
    undo_unfinished_changes({scratch.path() + '/'});
    EXPECT_EQ(read_test_file(folder.filePath("aobj_sqr.seq")), "old r");
    EXPECT_EQ(read_test_file(folder.filePath("aobj_sqc.seq")), "new c");
    EXPECT_EQ(folder.entryList(QDir::Files | QDir::Hidden).join(' '),
              "aobj_sqa.seq aobj_sqc.seq aobj_sqr.seq");

    write_test_file(folder.filePath("aobj_sqc.seq.replaced"), "old c");
    write_test_file(folder.filePath("dog.mpg"), "clip");
    write_test_file(change_journal(folder.path()), "+ dog.mpg\n= aobj_sqc.seq\n= aobj_sqa.seq\n");
    undo_unfinished_changes({scratch.path() + '/'});
    EXPECT_EQ(read_test_file(folder.filePath("aobj_sqc.seq")), "old c");
    EXPECT_EQ(folder.entryList(QDir::Files | QDir::Hidden).join(' '),
              "aobj_sqa.seq aobj_sqc.seq aobj_sqr.seq");
}

}  // namespace

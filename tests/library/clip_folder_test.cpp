#include "library/clip_folder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

void write(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

TEST(ClipFolder, AccountFolderGetsItsOwnListBeforeTheFirstChange)
{
    QTemporaryDir scratch;
    const QString base = scratch.filePath("share/"), user = scratch.filePath("home/flickerbox/");
    QDir().mkpath(base);
    for (const char* name : {"aobj_sqr.seq", "aobj_sqc.seq", "aobj_sqa.seq"})
        write(base + name, "dog,animals,Dog,,\r\n");
    write(base + "dog.jpg", "label");
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

}  // namespace

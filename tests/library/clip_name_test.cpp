// Titles become storable text and plain, safe, unused file names.
#include "library/clip_name.h"
#include "state/clip_list.h"

#include <QStringList>
#include <gtest/gtest.h>

namespace {

QString name_of(const QString& title, const QStringList& taken = {})
{
    return clip_name_for(title, [&](const QString& n) { return taken.contains(n); });
}

TEST(ClipName, PlainAsciiFromAnyTitle)
{
    EXPECT_EQ(name_of("Grandma waving!"), "grandma_waving");
    EXPECT_EQ(name_of("Café au lait, très chaud"), "cafe_au_lait_tres_chaud");
    EXPECT_EQ(name_of("Straße & Æble"), "strasse_aeble");
    EXPECT_EQ(name_of("../../etc/passwd"), "etc_passwd");
    for (const QString title : {"../..", "Ça ?", "  x  ", "A/B\\C"})
        EXPECT_TRUE(is_safe_clip_name(name_of(title))) << title.toStdString();
}

TEST(ClipName, NeverTakenNorTheProgramsOwn)
{
    EXPECT_EQ(name_of("Dog", {"dog", "dog_2"}), "dog_3");
    EXPECT_EQ(name_of("Timer"), "timer_2");
    EXPECT_EQ(name_of("aobj gong"), "clip_aobj_gong");
    EXPECT_EQ(name_of("«»"), "clip");
    EXPECT_LE(name_of(QString(100, 'x')).size(), 40);
}

TEST(ClipName, TitlesTheFilesCannotHoldAreRefused)
{
    EXPECT_FALSE(check_title("").problem.isEmpty());
    EXPECT_FALSE(check_title(" ?!, ").problem.isEmpty());
    EXPECT_FALSE(check_title("Собака").problem.isEmpty());
    EXPECT_FALSE(check_title(QString(81, 'a')).problem.isEmpty());
    const TitleCheck curly = check_title("  The \u201Cbig\u201D  dog\u2019s bowl ");
    EXPECT_TRUE(curly.problem.isEmpty());
    EXPECT_EQ(curly.title, "The \"big\" dog's bowl");
    EXPECT_TRUE(check_title("Crème brûlée").problem.isEmpty());
}

}  // namespace

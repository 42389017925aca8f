#include "library/learner_clip_folder.h"

#include "state/clip_list.h"
#include "state/learners.h"
#include "state/settings.h"
#include "support/test_file.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

TEST(LearnerClipFolder, ClipAddedForALearnerIsListedForThemOnly)
{
    QTemporaryDir scratch;
    const QString base = scratch.path() + u'/';
    for (const char* name : {"aobj_sqr.seq", "aobj_sqc.seq", "aobj_sqa.seq"})
        write_test_file(base + name, "dog,animals,Dog,,\r\n", QIODevice::Append);
    const Folders account{base, base, ""};
    GlobVars g;
    g.SequenceOrder = 2;
    g.CategoryEnabled.fill(1);
    g.ProgramFolder = base;
    Learners learners(account);
    Learner anna, ben;
    ASSERT_EQ(learners.add("Anna", g, &anna), "");
    ASSERT_EQ(learners.add("Ben", g, &ben), "");

    EXPECT_EQ(choose_clip_folder("", "Chloe", account).problem,
              "There is no learner called \"Chloe\". The learners are: Anna, Ben.");
    EXPECT_FALSE(choose_clip_folder(base, "Anna", account).folder);
    const ChosenClipFolder chosen = choose_clip_folder("", "anna", account);
    ASSERT_TRUE(chosen.folder);
    EXPECT_EQ(chosen.folder->path(), anna.folder);
    EXPECT_EQ(chosen.folder->more_folders(), QStringList{base});
    EXPECT_EQ(chosen.folder->prepare_for_changes(), "");
    // What adding a clip does to the lists of the folder it is added to.
    for (const char* name : {"aobj_sqr.seq", "aobj_sqc.seq", "aobj_sqa.seq"})
        write_test_file(chosen.folder->path() + name, "kite,outside,Kite,,\r\n", QIODevice::Append);

    for (const auto& [learner, clips] :
         {std::pair{std::optional(anna), 2}, {std::optional(ben), 1}, {std::nullopt, 1}}) {
        ASSERT_TRUE(learners.switch_to(g, learner).switched);
        build_clip_list(g);
        EXPECT_EQ(g.ClipCount, clips) << (learner ? learner->name.toStdString() : "no learner");
    }
}

}  // namespace

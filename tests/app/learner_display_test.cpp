// The learner's display: the one chosen when present, else the menu window's,
// with a word to the adult; the choice kept in a file of the computer's.

#include "app/learner_display.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

TEST(LearnerDisplay, ChosenWhenPresentElseTheMenuWindowsWithAWord)
{
    const QStringList present{QStringLiteral("laptop"), QStringLiteral("projector")};
    const struct {
        const char* chosen;
        int menu;
        int picked;
        bool told;
    } rows[] = {
        {"", 1, 1, false},  // the default: the menu window's display
        {"laptop", 1, 0, false},    {"projector", 0, 1, false},
        {"whiteboard", 1, 1, true},  // unplugged since it was chosen
        {"Laptop", 0, 0, true},  // names are the desktop's, exactly
    };
    for (const auto& row : rows) {
        const DisplayPick pick = pick_display(QString::fromUtf8(row.chosen), present, row.menu);
        EXPECT_EQ(pick.index, row.picked) << row.chosen;
        EXPECT_EQ(!pick.problem.isEmpty(), row.told) << row.chosen;
        if (row.told) {
            EXPECT_TRUE(pick.problem.contains(QString::fromUtf8(row.chosen))) << pick.problem.toStdString();
        }
    }
    EXPECT_EQ(display_caption(QStringLiteral("HDMI-1"), {1920, 1080}),
              QStringLiteral("HDMI-1 (1920 \u00D7 1080)"));
}

TEST(LearnerDisplay, KeptAcrossStartsAndEmptyWhenNeverChosen)
{
    QTemporaryDir dir;
    const QString folder = dir.path() + u'/';
    EXPECT_EQ(read_learner_display(folder), QString());
    EXPECT_EQ(write_learner_display(folder, QStringLiteral("DP-2")), QString());
    EXPECT_EQ(read_learner_display(folder), QStringLiteral("DP-2"));
    EXPECT_NE(write_learner_display(folder + QStringLiteral("gone/"), QStringLiteral("DP-2")), QString());
}

}  // namespace

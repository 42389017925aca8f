// The pairs a choice turn offers, and the preferences read from the choices.

#include "state/choice_pairs.h"
#include "state/preferences.h"

#include <QSet>
#include <gtest/gtest.h>
#include <map>

namespace {

QStringList clips(int count)
{
    QStringList names;
    for (int i = 0; i < count; ++i)
        names << QString("clip%1").arg(i);
    return names;
}

QString unordered(const ClipPair& pair)
{
    return pair.left < pair.right ? pair.left + '|' + pair.right : pair.right + '|' + pair.left;
}

TEST(ChoicePairs, OffersEveryPairOnceThenSwapsSidesSoEachClipIsLeftAsOftenAsRight)
{
    for (int count = 2; count <= 9; ++count) {
        SCOPED_TRACE(count);
        ChoicePairs pairs(clips(count));
        const int distinct = count * (count - 1) / 2;
        QSet<QString> seen;
        std::map<QString, int> leftMinusRight;
        for (int i = 0; i < 2 * distinct; ++i) {
            const auto pair = pairs.next();
            ASSERT_TRUE(pair);
            ASSERT_NE(pair->left, pair->right);
            if (i < distinct)
                EXPECT_FALSE(seen.contains(unordered(*pair))) << "repeated before all were offered";
            seen.insert(unordered(*pair));
            ++leftMinusRight[pair->left];
            --leftMinusRight[pair->right];
        }
        EXPECT_EQ(seen.size(), distinct);
        for (const auto& [clip, balance] : leftMinusRight)
            EXPECT_EQ(balance, 0) << qPrintable(clip);
    }
}

TEST(ChoicePairs, FirstRoundOffersTheClipsInTheRunsOrderAndEachOnce)
{
    ChoicePairs pairs({"a", "b", "c", "d", "e"});
    EXPECT_EQ(pairs.next(), (ClipPair{"a", "b"}));
    EXPECT_EQ(pairs.next(), (ClipPair{"c", "d"}));
    // "e" sat out with the odd seat; the next round offers it.
    QSet<QString> offered;
    for (int i = 0; i < 2; ++i) {
        const auto pair = pairs.next();
        offered << pair->left << pair->right;
    }
    EXPECT_TRUE(offered.contains("e"));
}

TEST(ChoicePairs, ClipsLeftOutAreNoMoreOfferedAndTooFewEndTheOffers)
{
    EXPECT_FALSE(ChoicePairs({}).next());
    EXPECT_FALSE(ChoicePairs({"only"}).next());
    EXPECT_FALSE(ChoicePairs({"same", "same"}).next());

    ChoicePairs pairs({"a", "b", "c", "d"});
    pairs.leave_out("b");
    pairs.leave_out("c");
    EXPECT_EQ(pairs.offerable(), 2);
    int aLeft = 0;
    for (int i = 0; i < 4; ++i) {
        const auto pair = pairs.next();
        ASSERT_TRUE(pair);
        EXPECT_EQ(unordered(*pair), "a|d");
        aLeft += pair->left == "a";
    }
    EXPECT_EQ(aLeft, 2);
    pairs.leave_out("d");
    EXPECT_FALSE(pairs.next());
}

TEST(Preferences, RanksByShareChosenWithCountsAndFlagsASideTakenAlmostAlways)
{
    using S = ChoiceSide;
    const QList<ChoiceMade> choices = {
        {"dog", "bus", S::Left}, {"bus", "dog", S::Right}, {"cup", "dog", S::Right},
        {"bus", "cup", S::Left}, {"dog", "cup", S::Left},
    };
    const Preferences made = preferences(choices);
    ASSERT_EQ(made.ranking.size(), 3);
    EXPECT_EQ(made.ranking[0], (ClipPreference{"dog", 4, 4}));
    EXPECT_EQ(made.ranking[1], (ClipPreference{"bus", 1, 3}));
    EXPECT_EQ(made.ranking[2], (ClipPreference{"cup", 0, 3}));
    EXPECT_EQ(made.choices, 5);
    EXPECT_DOUBLE_EQ(*made.left_share(), 0.6);
    EXPECT_FALSE(made.side_bias());

    const struct {
        int left;
        int right;
        bool flagged;
    } sides[] = {{8, 2, false}, {9, 1, true}, {2, 8, false}, {1, 9, true}, {0, 0, false}};
    for (const auto& row : sides) {
        QList<ChoiceMade> taken;
        for (int i = 0; i < row.left; ++i)
            taken.append({"a", "b", S::Left});
        for (int i = 0; i < row.right; ++i)
            taken.append({"a", "b", S::Right});
        EXPECT_EQ(preferences(taken).side_bias(), row.flagged)
            << row.left << " left, " << row.right << " right";
    }
}

TEST(Preferences, EqualSharesRankTheMoreChosenFirstThenByName)
{
    using S = ChoiceSide;
    const Preferences made = preferences({{"b", "a", S::Left},
                                          {"c", "d", S::Left},
                                          {"c", "d", S::Left},
                                          {"e", "c", S::Left},
                                          {"e", "d", S::Left}});
    // c 2/3, e 2/2, b 1/1, a 0/1, d 0/3
    QStringList order;
    for (const auto& row : made.ranking)
        order << row.clip;
    EXPECT_EQ(order, (QStringList{"e", "b", "c", "a", "d"}));
}

}  // namespace

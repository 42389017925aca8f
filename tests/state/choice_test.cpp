// The pairs a choice turn offers, and the preferences read from the choices.

#include "state/choice_pairs.h"
#include "state/preferences.h"
#include "state/preferences_report.h"
#include "state/csv_text.h"
#include "state/session_choices.h"
#include "state/sessions_file.h"
#include "support/choice_records.h"

#include <QTemporaryDir>

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

using S = ChoiceSide;

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
            if (i < distinct) {
                EXPECT_FALSE(seen.contains(unordered(*pair))) << "repeated before all were offered";
            }
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

TEST(PreferencesReport, TheSideSentenceSaysWhichWayItIsFlaggedAndDatesMayBeLeftOpen)
{
    const struct {
        int left, right;
        const char* text;
    } rows[] = {
        {0, 0, ""},
        {1, 0,
         "The left side was taken in 1 of 1 choice (100 %). That is more than 80 %: the learner may "
         "not be choosing, but taking one side whatever it offers."},
        {1, 4, "The left side was taken in 1 of 5 choices (20 %)."},
        {201, 49,
         "The left side was taken in 201 of 250 choices (81 %). That is more than 80 %: the "
         "learner may not be choosing, but taking one side whatever it offers."},
        {1, 5,
         "The left side was taken in 1 of 6 choices (17 %). That is less than 20 %: the learner may "
         "not be choosing, but taking one side whatever it offers."},
    };
    for (const auto& row : rows) {
        QList<ChoiceMade> taken;
        for (int i = 0; i < row.left + row.right; ++i)
            taken.append({"a", "b", i < row.left ? S::Left : S::Right});
        EXPECT_EQ(side_bias_text(preferences(taken)), row.text);
    }

    QList<Session> days(3);
    for (int day = 0; day < 3; ++day)
        days[day].start = QDateTime(QDate(2026, 3, day + 1), QTime(23, 59));
    const auto kept = [&](QDate from, QDate to) {
        QList<int> list;
        for (const Session& s : sessions_between(days, from, to))
            list << s.start.date().day();
        return list;
    };
    EXPECT_EQ(kept({2026, 3, 2}, {2026, 3, 2}), (QList<int>{2})) << "both days included";
    EXPECT_EQ(kept({}, {2026, 3, 2}), (QList<int>{1, 2}));
    EXPECT_EQ(kept({2026, 3, 2}, {}), (QList<int>{2, 3}));
    EXPECT_EQ(kept({2026, 3, 3}, {2026, 3, 1}), (QList<int>{}));
}

}  // namespace

// A session of known choices, written and read back through the real files.
TEST(SessionChoices, ASessionOfKnownChoicesRanksTheClipsAndShowsTheSideThroughTheFiles)
{
    QTemporaryDir dir;
    const QString folder = dir.path() + "/";
    const QDateTime start = QDateTime::fromString("2026-03-02T10:00:00", Qt::ISODate);
    // Ball is taken 3 of 3, Dog 1 of 3, Car 0 of 2; the left side 3 of 4.
    const Session session =
        choice_session(folder, start, {"Ball Dog left", "Dog Ball right", "Ball Car left", "Dog Car left"});
    ASSERT_EQ(append_session(folder, session), "");

    QFile sessionsFile(folder + SessionsFileName);
    ASSERT_TRUE(sessionsFile.open(QIODevice::ReadOnly));
    const SessionsRead sessions = read_sessions(sessionsFile.readAll());
    ASSERT_EQ(sessions.sessions.size(), 1);
    EXPECT_EQ(sessions.sessions[0].choices, 4);
    EXPECT_EQ(sessions.sessions[0].leftChoices, 3);
    EXPECT_EQ(sessions.sessions[0].rightChoices, 1);

    const ChoicesRead read = read_choices(folder, sessions.sessions);
    EXPECT_TRUE(read.problems.isEmpty());
    const Preferences found = preferences(read.choices);
    const QList<ClipPreference> ranking = {{"Ball", 3, 3}, {"Dog", 1, 3}, {"Car", 0, 2}};
    EXPECT_EQ(found.ranking, ranking);
    EXPECT_EQ(found.left_share(), 0.75);
    EXPECT_FALSE(found.side_bias());
}

// Choice columns come after every column an older copy knows, so its header
// is the start of ours, and an older event file still reads.
TEST(SessionChoices, NewColumnsOnlyFollowTheOlderOnes)
{
    const QStringList olderSessionColumns = session_columns().mid(0, 25);
    EXPECT_EQ(olderSessionColumns.last(), "ended");
    EXPECT_EQ(session_event_columns().mid(0, RequiredEventColumns).last(), "played (ms)");

    const QStringList olderEventColumns = session_event_columns().mid(0, RequiredEventColumns);
    const SessionEventsRead read = read_session_events(csv_file_start(olderEventColumns)
                                                       + "0,session start,,,,,,\r\n5,session end,,,,,,\r\n");
    EXPECT_EQ(read.damage, "");
    EXPECT_EQ(read.events.size(), 2);

    // The switch column was first headed "chosen by".
    QStringList firstSwitchColumns =
        session_event_columns().mid(0, session_event_columns().indexOf("switch") + 1);
    firstSwitchColumns.last() = "chosen by";
    EXPECT_EQ(read_session_events(csv_file_start(firstSwitchColumns) + "0,session end,,,,,,\r\n").damage, "");

    Session older;
    older.start = QDateTime::fromString("2026-03-02T10:00:00", Qt::ISODate);
    QStringList olderLine = session_fields(older);
    olderLine = olderLine.mid(0, 25);
    const SessionsRead sessions =
        read_sessions(csv_file_start(olderSessionColumns) + csv_line(olderLine).toUtf8() + "\r\n");
    ASSERT_EQ(sessions.sessions.size(), 1) << sessions.damage.join(" ").toStdString();
    EXPECT_EQ(sessions.sessions[0].choices, 0);
}

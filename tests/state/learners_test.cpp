#include "state/learners.h"
#include "state/play_mode.h"

#include "state/learner_lock.h"
#include "state/records_options.h"
#include "state/sessions_file.h"
#include "state/settings.h"
#include "support/test_file.h"

#include <QDir>
#include <QSysInfo>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class LearnersTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        account.base = account.writable = dir.path() + u'/';
        g.InputDevice = 7;
        g.ScreenSize = 1;
        g.SequenceOrder = 2;
        g.BackgroundKind = 1;
        g.CategoryEnabled.fill(1);
        g.ProgramFolder = account.writable;
        ASSERT_EQ(SaveSettings(g), "");
    }
    Learner make(Learners& learners, const QString& name)
    {
        Learner made;
        EXPECT_EQ(learners.add(name, g, &made), "");
        return made;
    }

    QTemporaryDir dir;
    Folders account;
    GlobVars g;
};

TEST(LearnerFolderName, KeepsLettersAndDigitsAndNeverLeavesTheLearnersFolder)
{
    EXPECT_EQ(learner_folder_name("Anna B."), "Anna_B");
    EXPECT_EQ(learner_folder_name("  Zoë   /  Ng "), "Zoë_Ng");
    EXPECT_EQ(learner_folder_name("Zoe\u0308"), "Zoë");  // decomposed and composed are one learner
    EXPECT_EQ(learner_folder_name("../../etc/passwd"), "etc_passwd");
    EXPECT_EQ(learner_folder_name(".hidden"), "hidden");
    for (const char* unusable : {"", "   ", "...", "//", "./..\\", "\u2603"})
        EXPECT_EQ(learner_folder_name(QString::fromUtf8(unusable)), "") << unusable;
}

TEST_F(LearnersTest, NoLearnerReadsAndWritesOnlyTheAccountsFiles)
{
    const QStringList before = QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    Learners learners(account);
    EXPECT_EQ(learners.start(""), "");
    EXPECT_FALSE(learners.current());
    EXPECT_EQ(learners.settings_folder(), account.writable);
    EXPECT_EQ(learners.folders().clip_search_order(), QStringList{account.writable});
    EXPECT_EQ(learners.save(g).failure, "");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), before);
}

TEST_F(LearnersTest, BadNamesAreRefusedWithAPlainReason)
{
    Learners learners(account);
    make(learners, "Anna B");
    EXPECT_EQ(learners.check_name(" "), "Type the learner's name.");
    EXPECT_EQ(learners.check_name("../.."), "A learner's name needs at least one letter or digit.");
    EXPECT_TRUE(learners.check_name(QString(200, u'x')).contains("at most 60 characters; this one has 200"));
    EXPECT_TRUE(learners.check_name("anna  b").contains("already a learner called \"Anna B\""));
    EXPECT_TRUE(learners.check_name("anna/b").contains("both would be kept in the folder \"anna_b\""));
    EXPECT_EQ(learners.check_name("Anna B", learners.list()[0]), "");  // renaming to itself
    Learner unused;
    EXPECT_NE(learners.add("anna_b", g, &unused), "");
    EXPECT_EQ(learners.list().size(), 1);
}

TEST_F(LearnersTest, FirstLearnerStartsFromTheCurrentOptionsInTheSameFileFormat)
{
    Learners learners(account);
    g.ScreenSize = 3;
    const Learner anna = make(learners, "Anna Björk");
    EXPECT_EQ(anna.folder, account.writable + "learners/Anna_Björk/");
    EXPECT_EQ(read_test_file(anna.folder + SettingsFileName), format_settings(g));
    EXPECT_EQ(read_test_file(anna.folder + LearnerNameFile), "Anna Björk\n");
    EXPECT_EQ(learners.find("anna björk"), anna);
    EXPECT_EQ(learners.find("Anna_Björk"), anna);
}

TEST_F(LearnersTest, SwitchingKeepsEachLearnersOptionsInTheirOwnFile)
{
    Learners learners(account);
    const Learner anna = make(learners, "Anna"), ben = make(learners, "Ben");
    const QByteArray bensFile = read_test_file(ben.folder + SettingsFileName);
    ASSERT_TRUE(learners.switch_to(g, anna).switched);
    EXPECT_EQ(g.ProgramFolder, anna.folder);
    EXPECT_EQ(g.ClipFolders.first(), anna.folder);
    g.ScreenSize = 3;
    g.AcceptanceTime = 500;
    g.PlayMode = SeveralPresses;
    g.PlayModeNumber = 4;
    ASSERT_TRUE(learners.switch_to(g, ben).switched);
    EXPECT_EQ(g.ScreenSize, 1);
    EXPECT_EQ(g.AcceptanceTime, 0);
    EXPECT_EQ(play_mode(g), PlayModeChoice());
    EXPECT_EQ(read_test_file(ben.folder + SettingsFileName), bensFile);
    ASSERT_TRUE(learners.switch_to(g, anna).switched);
    EXPECT_EQ(g.ScreenSize, 3);
    EXPECT_EQ(g.AcceptanceTime, 500);
    EXPECT_EQ(play_mode(g), PlayModeChoice({SeveralPresses, 4}));

    // The next start finds the learner chosen last.
    Learners again(account);
    EXPECT_EQ(again.start(""), "");
    EXPECT_EQ(again.current(), anna);
}

TEST_F(LearnersTest, FailedSaveLeavesTheLearnerAsItWas)
{
    Learners learners(account);
    const Learner anna = make(learners, "Anna");
    ASSERT_TRUE(learners.switch_to(g, anna).switched);
    QFile::remove(anna.folder + SettingsFileName);
    QDir().mkpath(anna.folder + SettingsFileName);  // a folder where the file must go
    g.ScreenSize = 2;
    const Learners::Switch result = learners.switch_to(g, std::nullopt);
    EXPECT_FALSE(result.switched);
    EXPECT_TRUE(result.message.contains("The learner was not changed")) << result.message.toStdString();
    EXPECT_EQ(learners.current(), anna);
    EXPECT_EQ(g.ScreenSize, 2);
}

TEST_F(LearnersTest, FolderDeletedWhileRunningIsMadeAgainOnSaving)
{
    Learners learners(account);
    const Learner anna = make(learners, "Anna");
    ASSERT_TRUE(learners.switch_to(g, anna).switched);
    ASSERT_TRUE(QDir(anna.folder).removeRecursively());
    g.ScreenSize = 2;
    const Learners::Saved saved = learners.save(g);
    EXPECT_EQ(saved.failure, "");
    EXPECT_TRUE(saved.notice.contains("made again")) << saved.notice.toStdString();
    EXPECT_EQ(read_test_file(anna.folder + SettingsFileName), format_settings(g));
    EXPECT_EQ(learners.find("Anna"), anna);
}

TEST_F(LearnersTest, DamagedLearnerFileLoadsDefaultsAndSaysSo)
{
    Learners learners(account);
    const Learner anna = make(learners, "Anna");
    write_test_file(anna.folder + SettingsFileName, "\x01\x02garbage");
    const Learners::Switch result = learners.switch_to(g, anna);
    EXPECT_TRUE(result.switched);
    EXPECT_TRUE(result.message.contains(anna.folder + SettingsFileName)) << result.message.toStdString();
    EXPECT_EQ(g.InputDevice, 6);
}

TEST_F(LearnersTest, UnknownOrVanishedLearnerAtStartIsToldWithTheList)
{
    Learners learners(account);
    const Learner anna = make(learners, "Anna");
    make(learners, "Ben");
    ASSERT_TRUE(learners.switch_to(g, anna).switched);

    Learners asked(account);
    const QString message = asked.start("Chloe");
    EXPECT_TRUE(message.contains("no learner called \"Chloe\". The learners are: Anna, Ben."))
        << message.toStdString();
    EXPECT_EQ(asked.current(), anna);

    ASSERT_TRUE(QDir(anna.folder).removeRecursively());
    Learners vanished(account);
    EXPECT_TRUE(vanished.start("").contains("no longer there"));
    EXPECT_FALSE(vanished.current());
}

TEST_F(LearnersTest, RenameMovesTheFolderAndRemoveDeletesIt)
{
    Learners learners(account);
    const Learner anna = make(learners, "Anna");
    ASSERT_TRUE(learners.switch_to(g, anna).switched);
    EXPECT_EQ(learners.rename(anna, "Anna Smith", g), "");
    const Learner renamed = *learners.current();
    EXPECT_EQ(renamed.folder, account.writable + "learners/Anna_Smith/");
    EXPECT_EQ(g.ProgramFolder, renamed.folder);
    EXPECT_FALSE(QFileInfo::exists(anna.folder));

    g.ScreenSize = 3;
    EXPECT_EQ(learners.remove(renamed, g), "");
    EXPECT_FALSE(QFileInfo::exists(renamed.folder));
    EXPECT_FALSE(learners.current());
    EXPECT_EQ(g.ProgramFolder, account.writable);
    EXPECT_EQ(g.ScreenSize, 1);  // the account's own options again
    EXPECT_TRUE(learners.list().isEmpty());
}

TEST_F(LearnersTest, LearnerInUseOnAnotherComputerIsTakenOverOnlyWhenAsked)
{
    Learners learners(account);
    const Learner anna = make(learners, "Anna");
    auto lockBy = [&](const QByteArray& host, qint64 process) {
        write_test_file(anna.folder + LearnerLockFile,
                        host + "\n" + QByteArray::number(process) + "\n2026-12-08T09:12:00Z\n");
    };
    lockBy("laptop-3", 4242);
    const Learners::Switch refused = learners.switch_to(g, anna);
    EXPECT_FALSE(refused.switched);
    EXPECT_TRUE(refused.inUseElsewhere);
    EXPECT_TRUE(refused.message.contains("in use on the computer \"laptop-3\" since"))
        << refused.message.toStdString();
    Learners elsewhere(account);
    EXPECT_TRUE(elsewhere.start("Anna").contains("in use on the computer \"laptop-3\""));
    EXPECT_FALSE(elsewhere.current());

    EXPECT_TRUE(learners.switch_to(g, anna, true).switched);
    EXPECT_TRUE(read_test_file(anna.folder + LearnerLockFile)
                    .startsWith(QSysInfo::machineHostName().toUtf8() + "\n"));
    // Left by a program on this computer that has ended: no question.
    lockBy(QSysInfo::machineHostName().toUtf8(), 999999999);
    Learners restarted(account);
    EXPECT_EQ(restarted.start("Anna"), "");
    EXPECT_EQ(restarted.current(), anna);
}

// A lock as another run writes it: host, process, since, token, refreshed.
void write_lock(const QString& folder, const QByteArray& host, qint64 process, const QByteArray& token,
                const QDateTime& refreshed, const QDateTime& written)
{
    QFile file(folder + LearnerLockFile);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(host + "\n" + QByteArray::number(process) + "\n2026-12-08T09:12:00Z\n" + token + "\n"
               + refreshed.toString(Qt::ISODate).toLatin1() + "\n");
    file.close();
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_TRUE(file.setFileTime(written, QFileDevice::FileModificationTime));
}

TEST(LearnerLock, TellsAHolderThatRunsFromOneThatStoppedAcrossComputers)
{
    QTemporaryDir dir;
    const QString folder = dir.path() + '/';
    const QByteArray here = QSysInfo::machineHostName().toUtf8();
    const QDateTime now = QDateTime::currentDateTimeUtc();
    const QDateTime old = now.addSecs(-3600);
    const struct {
        const char* what;
        QByteArray host;
        qint64 process;
        QByteArray token;
        QDateTime refreshed, written;
        bool held;
    } cases[] = {
        {"an imaged laptop of the same name, its process unseen here", here, 999999999, "b7e1", now, now,
         true},
        {"stopped: refreshed long ago", "laptop-3", 4242, "b7e1", old, old, false},
        {"its clock an hour behind, its file fresh on the server", "laptop-3", 4242, "b7e1", old, now, true},
        {"this run's own", here, 1, lock_token().toLatin1(), now, now, false},
        {"an older version's on another computer", "laptop-3", 4242, "", {}, old, true},
        {"an older version's here, its process ended", here, 999999999, "", {}, now, false},
    };
    for (const auto& c : cases) {
        write_lock(folder, c.host, c.process, c.token, c.refreshed, c.written);
        EXPECT_EQ(other_holder(folder, now).has_value(), c.held) << c.what;
    }
}

TEST_F(LearnersTest, ALearnerTakenOverElsewhereIsNeverWrittenToAgainAndTheUnsavedIsKeptAside)
{
    Learners learners(account);
    const Learner anna = make(learners, "Anna");
    ASSERT_TRUE(learners.switch_to(g, anna).switched);
    const QString records = anna.folder + RecordsFolderName;
    QFile events;
    ASSERT_EQ(start_event_file(events, records, QDateTime(QDate(2026, 12, 8), QTime(15, 40, 12))), "");
    EXPECT_FALSE(refresh_lock(anna.folder));

    // Laptop 2 takes her over and saves her options.
    const QDateTime now = QDateTime::currentDateTimeUtc();
    write_lock(anna.folder, "laptop-2", 77, "c0ffee", now, now);
    const QByteArray lock = read_test_file(anna.folder + LearnerLockFile);
    const QByteArray theirs = "saved by laptop 2";
    write_test_file(anna.folder + SettingsFileName, theirs);

    g.ScreenSize = 3;
    const Learners::Saved saved = learners.save(g);
    EXPECT_EQ(saved.failure, "");
    EXPECT_TRUE(
        saved.notice.startsWith("Another computer took over the learner \"Anna\": they are now in use on "
                                "the computer \"laptop-2\""))
        << saved.notice.toStdString();
    ASSERT_TRUE(learners.taken_over());
    const QString aside = learners.taken_over()->keptAside;
    EXPECT_TRUE(saved.notice.contains(QDir::toNativeSeparators(aside)));
    EXPECT_TRUE(aside.startsWith(anna.folder + "Not saved here - taken over "));
    EXPECT_EQ(read_test_file(anna.folder + SettingsFileName), theirs);
    EXPECT_TRUE(QFileInfo::exists(aside + SettingsFileName));

    Session session;
    session.start = QDateTime(QDate(2026, 12, 8), QTime(15, 40, 12));
    session.eventFile = QFileInfo(events).fileName();
    const QString kept = append_session(records, session);
    EXPECT_TRUE(kept.contains("not added to the learner's records")) << kept.toStdString();
    EXPECT_FALSE(QFileInfo::exists(records + SessionsFileName));
    EXPECT_EQ(read_sessions(read_test_file(aside + RecordsFolderName + SessionsFileName)).sessions,
              QList{session});
    EXPECT_TRUE(QFileInfo::exists(aside + RecordsFolderName + session.eventFile)) << "the events go with it";
    EXPECT_NE(change_sessions(records, [](QList<Session>&) {}), "");
    EXPECT_NE(save_records_options(records, {}), "");
    QFile another;
    EXPECT_NE(start_event_file(another, records, session.start), "");
    EXPECT_TRUE(refresh_lock(anna.folder));
    EXPECT_EQ(read_test_file(anna.folder + LearnerLockFile), lock);

    // Going on with no learner leaves her lock and files to laptop 2.
    EXPECT_TRUE(learners.switch_to(g, std::nullopt).switched);
    EXPECT_EQ(read_test_file(anna.folder + LearnerLockFile), lock);
    EXPECT_EQ(read_test_file(anna.folder + SettingsFileName), theirs);
}

}  // namespace

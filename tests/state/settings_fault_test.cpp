// A settings save that the system fails or stops from outside: a child
// process saves under strace, which fails one system call with the error a
// full disk gives, or kills the child before one call. The file must then
// hold the whole old record or the whole new one, and a failure must say so.

#include "settings_record.h"
#include "state/settings.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

constexpr int OldSize = 1, NewSize = 3;

class SettingsSaveFault : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (missing("strace"))
            GTEST_SKIP() << "strace is not installed";
        write_old();
    }

    static bool missing(const char* program)
    {
        QProcess probe;
        probe.start(QString::fromLatin1(program), {QStringLiteral("-V")});
        return !probe.waitForFinished(10000) || probe.exitCode() != 0;
    }

    QString folder() const { return dir.path() + '/'; }
    QByteArray record(int size) const { return format_settings(settings_record(int16_t(size), folder())); }

    void write_old() const
    {
        QFile file(folder() + SettingsFileName);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(record(OldSize));
    }

    QByteArray on_disk() const
    {
        QFile file(folder() + SettingsFileName);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(no file)");
    }

    struct Outcome {
        bool finished = false;  // ended by itself, not killed
        int exitCode = -1;
        QString message;
    };

    // Saves the new record in a child process under strace with `faults`.
    Outcome save_under(const QStringList& faults) const
    {
        QProcess child;
        child.start(QStringLiteral("strace"),
                    QStringList{"-f", "-qq", "-o", "/dev/null"} + faults
                        + QStringList{SETTINGS_SAVE_CHILD, folder(), QString::number(NewSize)});
        Outcome outcome;
        if (!child.waitForFinished(30000)) {
            child.kill();
            child.waitForFinished();
            return outcome;
        }
        outcome.finished = child.exitStatus() == QProcess::NormalExit;
        outcome.exitCode = child.exitCode();
        outcome.message = QString::fromLocal8Bit(child.readAllStandardOutput());
        return outcome;
    }

    QTemporaryDir dir;
};

TEST_F(SettingsSaveFault, FullDiskKeepsTheOldFileAndTellsTheAdult)
{
    for (const char* call : {"write", "fsync"}) {
        const QString fault = QStringLiteral("%1:error=ENOSPC:when=1").arg(QLatin1String(call));
        const Outcome outcome = save_under({"-e", QStringLiteral("trace=%1").arg(QLatin1String(call)), "-e",
                                            QStringLiteral("inject=") + fault});
        SCOPED_TRACE(fault.toStdString());
        ASSERT_TRUE(outcome.finished);
        EXPECT_EQ(outcome.exitCode, 1);
        EXPECT_TRUE(outcome.message.contains(folder() + SettingsFileName)
                    && outcome.message.contains(QStringLiteral("No space left on device")))
            << outcome.message.toStdString();
        EXPECT_EQ(on_disk(), record(OldSize));
        EXPECT_EQ(QDir(folder()).entryList(QDir::Files), QStringList{SettingsFileName})
            << "a part-written file was left";
    }
}

// Killed before each call of each kind that a save makes, one run a point:
// every run leaves a whole record, and the runs span both sides of the save.
TEST_F(SettingsSaveFault, KilledAtAnyPointOfASaveLeavesTheOldOrTheNewFileWhole)
{
    int killed = 0, oldKept = 0, newWritten = 0;
    for (const char* call : {"openat", "write", "fsync", "fdatasync", "ftruncate", "rename", "renameat2",
                             "close", "exit_group"}) {
        for (int n = 1; n < 500; ++n) {
            write_old();
            const Outcome outcome =
                save_under({"-e", QStringLiteral("trace=%1").arg(QLatin1String(call)), "-e",
                            QStringLiteral("inject=%1:signal=KILL:when=%2").arg(QLatin1String(call)).arg(n)});
            if (outcome.finished) {
                ASSERT_EQ(outcome.exitCode, 0) << outcome.message.toStdString();
                EXPECT_EQ(on_disk(), record(NewSize));
                break;
            }
            ++killed;
            const QByteArray left = on_disk();
            ASSERT_TRUE(left == record(OldSize) || left == record(NewSize))
                << "killed before " << call << " number " << n << ", the file holds:\n"
                << left.toStdString();
            oldKept += left == record(OldSize);
            newWritten += left == record(NewSize);
        }
    }
    EXPECT_GT(oldKept, 0);
    EXPECT_GT(newWritten, 0) << "no kill fell after the new file was in place";
    std::printf("%d kill points: %d left the old record, %d the new one\n", killed, oldKept, newWritten);
}

}  // namespace

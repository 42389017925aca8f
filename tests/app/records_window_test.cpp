// The records window and the menu window's line after a session: what they
// show of sessions.csv, what they keep of the adult's edits, and that a
// damaged file is shown but never rewritten unless the adult asks.

#include "app/records_line.h"
#include "app/records_questions.h"
#include "app/records_window.h"
#include "fakes/fake_dialogs.h"
#include "state/globvars.h"
#include "state/sessions_file.h"

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct FakeRecordsQuestions : RecordsQuestions {
    QString pdf;
    bool yes = true;
    QStringList asked;
    QString export_folder() override { return {}; }
    QString pdf_file(const QString&) override { return pdf; }
    bool print_setup(QPrinter&) override { return false; }
    bool confirm(const QString& text) override
    {
        asked << text;
        return yes;
    }
};

class Records : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder = dir.path() + "/records/";
        QDir().mkpath(folder);
        for (int day = 1; day <= 12; ++day) {
            Session s;
            s.start = QDateTime(QDate(2026, 11, day), QTime(9, 0, 0));
            s.options = {"mouse", "random", "normal", day > 6 ? 5 : 0, "none"};
            s.responses = day;
            s.withinGoal = day / 2;
            s.medianMs = 6000 - 300 * day;
            sessions << s;
        }
    }
    QByteArray bytes() const
    {
        QFile file(folder + SessionsFileName);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    void write(const QByteArray& bytes)
    {
        QFile file(folder + SessionsFileName);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    QTemporaryDir dir;
    QString folder;
    QList<Session> sessions;
    FakeDialogs dialogs;
    FakeRecordsQuestions questions;
};

TEST_F(Records, ShowNewestFirstWithChangesMarkedAndKeepEditsAndDeletions)
{
    write(sessions_file_bytes(sessions));
    RecordsWindow window(folder, "Anna", dialogs, questions);
    QTableWidget& table = window.table();
    ASSERT_EQ(table.rowCount(), 12);
    EXPECT_EQ(table.item(0, RecordsWindow::Start)->text(), "2026-11-12 09:00");
    EXPECT_EQ(table.item(0, RecordsWindow::WithinGoal)->text(), "50 %");
    EXPECT_EQ(table.item(0, RecordsWindow::Median)->text(), "2.4 s");
    EXPECT_EQ(table.item(5, RecordsWindow::OptionsChanged)->text(), "prompt interval");
    EXPECT_EQ(table.item(4, RecordsWindow::OptionsChanged)->text(), "");
    EXPECT_TRUE(window.damage().isHidden());

    table.item(1, RecordsWindow::Note)->setText("tired, \"sleepy\"");
    EXPECT_EQ(read_sessions(bytes()).sessions[10].note, "tired, \"sleepy\"");

    table.selectRow(0);
    window.delete_session();
    const SessionsRead after = read_sessions(bytes());
    ASSERT_EQ(after.sessions.size(), 11);
    EXPECT_EQ(after.sessions.last().start.date(), QDate(2026, 11, 11));
    EXPECT_EQ(table.rowCount(), 11);

    questions.pdf = dir.path() + "/page.pdf";
    window.save_pdf();
    QFile pdf(questions.pdf);
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_EQ(pdf.readAll().count("/Type /Page\n"), 1) << "one page";
}

TEST_F(Records, ADamagedFileIsShownAsFarAsItCanBeReadAndRewrittenOnlyWhenRepaired)
{
    const QByteArray damaged = sessions_file_bytes(sessions).replace("2026-11-05T09:00:00", "5.11.26 9:00");
    write(damaged);
    RecordsWindow window(folder, "Anna", dialogs, questions);
    EXPECT_EQ(window.table().rowCount(), 11);
    EXPECT_TRUE(window.damage().text().contains("Line 6 of sessions.csv cannot be read."));
    EXPECT_EQ(window.table().editTriggers(), QAbstractItemView::NoEditTriggers);
    window.table().item(0, RecordsWindow::Note)->setText("typed anyway");
    window.delete_session();
    EXPECT_EQ(bytes(), damaged);

    questions.yes = false;
    window.repair();
    EXPECT_EQ(bytes(), damaged);
    questions.yes = true;
    window.repair();
    EXPECT_EQ(read_sessions(bytes()).sessions.size(), 11);
    EXPECT_EQ(read_sessions(bytes()).damage, QStringList());
    EXPECT_TRUE(window.damage().isHidden());
    EXPECT_EQ(QDir(folder).entryList({"sessions (damaged*"}).size(), 1) << "the damaged file is kept";
}

TEST_F(Records, TheMenuLineKeepsThePromptLevelAndNoteWithTheSessionJustEnded)
{
    write(sessions_file_bytes(sessions));
    GlobVars g;
    g.ProgramFolder = dir.path() + '/';
    RecordsLine line(g, dialogs);
    line.show_session(sessions.last(), true);
    EXPECT_EQ(line.figures().text(),
              "Last session: 12 responses, median 2.4 s from the cue, 0 presses during clips");
    line.prompt_level().setCurrentIndex(int(PromptLevel::Gestural));
    emit line.prompt_level().activated(int(PromptLevel::Gestural));
    line.note().setText("  good   day ");
    emit line.note().editingFinished();
    const Session kept = read_sessions(bytes()).sessions.last();
    EXPECT_EQ(kept.promptLevel, PromptLevel::Gestural);
    EXPECT_EQ(kept.note, "good day");
    EXPECT_EQ(read_sessions(bytes()).sessions.first().note, "");
}

}  // namespace

// The records window and the menu window's line after a session: what they
// show of sessions.csv, what they keep of the adult's edits, and that a
// damaged file is shown but never rewritten unless the adult asks.

#include "app/records_line.h"
#include "app/records_questions.h"
#include "app/records_chart.h"
#include "app/preferences_view.h"
#include "app/records_window.h"
#include "fakes/fake_dialogs.h"
#include "support/choice_records.h"
#include "support/test_file.h"
#include "state/globvars.h"
#include "state/sessions_file.h"

#include <QChart>
#include <QComboBox>
#include <QDateEdit>
#include <QGraphicsScene>
#include <QLocale>
#include <QPainter>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>
#include <QTabWidget>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct FakeRecordsQuestions : RecordsQuestions {
    QString pdf;
    QString exportTo;
    bool yes = true;
    QStringList asked;
    QString export_folder() override { return exportTo; }
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
            s.options = {.device = "mouse",
                         .order = "random",
                         .screenSize = "normal",
                         .promptSeconds = day > 6 ? 5 : 0,
                         .switchTiming = "none",
                         .playMode = {}};
            s.responses = day;
            s.withinGoal = day / 2;
            s.medianMs = 6000 - 300 * day;
            sessions << s;
        }
    }
    QByteArray bytes() const { return read_test_file(folder + SessionsFileName); }
    void write(const QByteArray& bytes) { write_test_file(folder + SessionsFileName, bytes); }
    QTemporaryDir dir;
    QString folder;
    QList<Session> sessions;
    FakeDialogs dialogs;
    FakeRecordsQuestions questions;
};

TEST_F(Records, ShowNewestFirstWithChangesMarkedAndKeepEditsAndDeletions)
{
    sessions.last().options.playMode = "timed play";
    sessions.last().options.modeNumber = 5;
    write(sessions_file_bytes(sessions));
    RecordsWindow window(folder, "Anna", dialogs, questions);
    QTableWidget& table = window.table();
    ASSERT_EQ(table.rowCount(), 12);
    EXPECT_EQ(table.item(0, RecordsWindow::Start)->text(), "2026-11-12 09:00");
    EXPECT_EQ(table.item(0, RecordsWindow::WithinGoal)->text(), "50 %");
    EXPECT_EQ(table.item(0, RecordsWindow::Median)->text(), "2.4 s");
    EXPECT_EQ(table.item(0, RecordsWindow::Mode)->text(), "timed play, 5 s");
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
    EXPECT_EQ(
        line.figures().text(),
        "Last session: 12 responses, median 2.4 s from the cue, 0 presses during clips and spoken names");
    line.prompt_level().setCurrentIndex(int(PromptLevel::Gestural));
    emit line.prompt_level().activated(int(PromptLevel::Gestural));
    line.note().setText("  good   day ");
    emit line.note().editingFinished();
    const Session kept = read_sessions(bytes()).sessions.last();
    EXPECT_EQ(kept.promptLevel, PromptLevel::Gestural);
    EXPECT_EQ(kept.note, "good day");
    EXPECT_EQ(read_sessions(bytes()).sessions.first().note, "");
}

TEST_F(Records, ASessionThatWasStoppedIsToldOnceInTheMenuLineAndMarkedInTheWindow)
{
    write(sessions_file_bytes(sessions));
    QFile events;
    ASSERT_EQ(start_event_file(events, folder, QDateTime(QDate(2026, 12, 8), QTime(15, 40, 12))), "");
    events.write("0,session start,,,,,,\r\n1200,cue,dog,,,wait before clip,,\r\n");
    events.close();
    GlobVars g;
    g.ProgramFolder = dir.path() + '/';
    RecordsLine line(g, dialogs);
    EXPECT_TRUE(line.figures().isVisibleTo(&line));
    EXPECT_EQ(line.figures().text(),
              "A session of 8 Dec 15:40 ended unexpectedly (the program was stopped); its "
              "figures were added to the records from its events.");
    RecordsLine next(g, dialogs);
    EXPECT_FALSE(next.figures().isVisibleTo(&next));

    RecordsWindow window(folder, "Anna", dialogs, questions);
    ASSERT_EQ(window.table().rowCount(), 13);
    EXPECT_EQ(window.table().item(0, RecordsWindow::Duration)->text(), "0.0 min, ended unexpectedly");
}

// The chart's pixels of one colour, give or take the antialiasing.
int pixels_of(const QImage& image, QColor colour)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            count += std::abs(c.red() - colour.red()) + std::abs(c.green() - colour.green())
                    + std::abs(c.blue() - colour.blue())
                < 40;
        }
    return count;
}

TEST_F(Records, TheChartIsReadableWithOneSessionFiveOfOneDayAndForty)
{
    QList<Session> one{sessions.first()};
    one.first().withinGoal = 1;
    QGraphicsScene scene;
    QChart* chart = records_chart(one, 5);
    scene.addItem(chart);
    chart->resize(600, 300);
    QImage image(600, 300, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    scene.render(&painter);
    painter.end();
    EXPECT_GT(pixels_of(image, QColor(0, 150, 60)), 200) << "the goal line across the chart";
    EXPECT_GT(pixels_of(image, QColor(230, 140, 0)), 10) << "the one session's share within the goal";

    const auto texts = [](const QList<SessionLabel>& labels) {
        QStringList list;
        for (const SessionLabel& label : labels)
            list << QStringLiteral("%1 %2").arg(label.index).arg(label.text);
        return list;
    };
    QList<Session> morning;
    for (int i = 0; i < 5; ++i) {
        morning << sessions.first();
        morning.last().start = QDateTime(QDate(2026, 12, 8), QTime(9, 5 + 10 * i));
    }
    EXPECT_EQ(texts(session_labels(morning, 8)),
              (QStringList{"0 09:05", "1 09:15", "2 09:25", "3 09:35", "4 09:45"}));
    EXPECT_EQ(sessions_axis_title(morning), "Sessions of 8 December 2026");
    QList<Session> twoADay = morning.mid(0, 2);
    twoADay << sessions.first();
    EXPECT_EQ(texts(session_labels(twoADay, 8)), (QStringList{"0 8 Dec 09:05", "1 8 Dec 09:15", "2 1 Nov"}));
    QList<Session> term;
    for (int i = 0; i < 40; ++i) {
        term << sessions.first();
        term.last().start = QDateTime(QDate(2026, 9, 1).addDays(i * 2), QTime(9, 0));
    }
    const QList<SessionLabel> labels = session_labels(term, 8);
    EXPECT_EQ(labels.size(), 8);
    EXPECT_EQ(labels[1].index, 5);
    EXPECT_EQ(labels[1].text, QLocale().toString(QDate(2026, 9, 11), "d MMM"))
        << "no time on a day of one session";
    EXPECT_EQ(sessions_axis_title(term), "Session");
}

QStringList ranking_of(const PreferencesView& view)
{
    QStringList rows;
    for (int row = 0; row < view.ranking().rowCount(); ++row)
        rows << view.ranking().item(row, 0)->text() + ' ' + view.ranking().item(row, 1)->text() + ' '
                + view.ranking().item(row, 2)->text();
    return rows;
}

TEST_F(Records, PreferencesFollowTheSelectedSessionsAndDatesIntoThePageAndTheExport)
{
    sessions = {choice_session(folder, QDateTime(QDate(2026, 11, 2), QTime(9, 0)),
                               {"Ball Dog left", "Dog Ball right", "Car Ball right", "Dog Car left"}),
                choice_session(folder, QDateTime(QDate(2026, 11, 3), QTime(9, 0)),
                               {"Ball Car left", "Car Dog left", "Dog Ball left", "Car Ball left"}),
                sessions.first()};
    sessions.last().start = QDateTime(QDate(2026, 11, 4), QTime(9, 0));
    write(sessions_file_bytes(sessions));
    RecordsWindow window(folder, "Anna", dialogs, questions);
    PreferencesView& view = window.preferences_view();
    window.views().setCurrentWidget(&view);
    window.show();
    const auto nov = [](int day) { return QLocale().toString(QDate(2026, 11, day), "d MMM yyyy"); };
    const QString NoChoices = "Choices are recorded when the learner plays in \"Choose One of Two\".";
    EXPECT_EQ(ranking_of(view), (QStringList{"Ball 4 / 6 67 %", "Car 2 / 5 40 %", "Dog 2 / 5 40 %"}))
        << "all sessions when none is selected";
    EXPECT_EQ(view.side().text(), "The left side was taken in 6 of 8 choices (75 %).");

    const struct {
        QList<int> rows;  // newest first
        QDate from, to;
        QStringList ranking;
        bool sideFlagged;
        QString summary;
    } cases[] = {
        // clang-format off
        {{2}, {2026, 11, 1}, {2026, 11, 4}, {"Ball 3 / 3 100 %", "Dog 1 / 3 33 %", "Car 0 / 2 0 %"}, false,
         "4 choices in 1 session on " + nov(2) + "."},
        {{}, {2026, 11, 3}, {2026, 11, 4}, {"Car 2 / 3 67 %", "Dog 1 / 2 50 %", "Ball 1 / 3 33 %"}, true,
         QString("4 choices in 1 of the 2 sessions from %1 to %2.").arg(nov(3), nov(4))},
        {{0}, {2026, 11, 1}, {2026, 11, 4}, {}, false, "The 1 session shown holds no choices. " + NoChoices},
        {{1, 2}, {2026, 11, 5}, {2026, 11, 9}, {}, false, "No session is in these dates. " + NoChoices},
        // clang-format on
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.summary.toStdString());
        window.table().clearSelection();
        for (int row : c.rows)
            window.table().selectionModel()->select(window.table().model()->index(row, 0),
                                                    QItemSelectionModel::Select | QItemSelectionModel::Rows);
        view.from().setDate(c.from);
        view.to().setDate(c.to);
        EXPECT_EQ(ranking_of(view), c.ranking);
        EXPECT_EQ(view.summary().text(), c.summary);
        EXPECT_EQ(view.ranking().isVisibleTo(&view), !c.ranking.isEmpty());
        EXPECT_EQ(view.side().text().contains("may not be choosing"), c.sideFlagged);
    }

    // The page and the export take the view's figures, even while the chart
    // hides it: here the flagged second session.
    window.views().setCurrentIndex(0);
    window.table().clearSelection();
    view.from().setDate({2026, 11, 3});
    questions.pdf = dir.path() + "/page.pdf";
    window.save_pdf();
    EXPECT_GT(QFileInfo(questions.pdf).size(), 0);
    questions.exportTo = dir.path() + "/out";
    window.export_records();
    const QStringList copied = QDir(questions.exportTo).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    ASSERT_EQ(copied.size(), 1);
    QFile csv(questions.exportTo + '/' + copied.first() + "/preferences.csv");
    ASSERT_TRUE(csv.open(QIODevice::ReadOnly));
    EXPECT_EQ(
        csv.readAll(),
        "\xEF\xBB\xBF"
        "clip,chosen,offered,share chosen (%)\r\n"
        "Car,2,3,67\r\nDog,1,2,50\r\nBall,1,3,33\r\n(the left side),4,4,100\r\n"
            + QString("4 choices in 1 of the 2 sessions from %1 to %2.\r\n").arg(nov(3), nov(4)).toUtf8());
}

}  // namespace

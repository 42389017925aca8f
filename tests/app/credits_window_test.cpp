// The credits window: panel placement and every way of leaving it.

#include "app/credits_window.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace {

QFrame* panel(CreditsWindow& window)
{
    return window.findChild<QFrame*>("Frame1");
}

TEST(CreditsWindow, PanelIsCentredOnTheScreen)
{
    CreditsWindow window;
    window.centre_panel({1024, 768});
    EXPECT_EQ(panel(window)->geometry(), QRect(192, 144, 640, 480));
    window.centre_panel({640, 480});
    EXPECT_EQ(panel(window)->pos(), QPoint(0, 0));

    // Showing it centres it on the screen it is on.
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    const QSize screen = window.screen()->geometry().size();
    EXPECT_EQ(panel(window)->pos(), QPoint((screen.width() - 640) / 2, (screen.height() - 480) / 2));
}

TEST(CreditsWindow, QuitEscAndClosingAllEndTheRun)
{
    CreditsWindow window;
    QSignalSpy quit(&window, &CreditsWindow::quit_requested);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));

    window.findChild<QPushButton*>("Command1")->click();
    EXPECT_EQ(quit.count(), 1);

    // Esc counts while the Quit button holds the focus.
    auto* button = window.findChild<QPushButton*>("Command1");
    button->setFocus();
    QTest::simulateEvent(button, true, Qt::Key_Escape, Qt::NoModifier, QString(), true);
    EXPECT_EQ(quit.count(), 1) << "a repeat of an Esc held down elsewhere";
    QTest::keyClick(button, Qt::Key_Escape);
    EXPECT_EQ(quit.count(), 2);

    window.close();
    EXPECT_EQ(quit.count(), 3);
}

TEST(CreditsWindow, NoticeStatesTheLicenceInFullView)
{
    CreditsWindow window;
    QString notice;
    for (int index : {4, 2, 5, 6}) {
        const auto* line = window.findChild<QLabel*>(QStringLiteral("Text1_%1").arg(index));
        ASSERT_NE(line, nullptr);
        EXPECT_LE(line->fontMetrics().horizontalAdvance(line->text()), line->width())
            << line->text().toStdString();
        notice += line->text() + u' ';
    }
    EXPECT_TRUE(notice.contains("GNU General Public License, version 3 or later")) << notice.toStdString();
    EXPECT_TRUE(notice.contains("copy")) << "the licence lets everyone copy it";
    EXPECT_FALSE(notice.contains("prohibited", Qt::CaseInsensitive)) << notice.toStdString();
    EXPECT_FALSE(notice.contains("All rights reserved", Qt::CaseInsensitive)) << notice.toStdString();
}

}  // namespace

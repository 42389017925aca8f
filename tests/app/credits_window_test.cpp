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

TEST(CreditsWindow, ControlsSitInTheirContainers)
{
    CreditsWindow window;
    auto* frame2 = window.findChild<QFrame*>("Frame2");
    ASSERT_NE(frame2, nullptr);
    EXPECT_EQ(frame2->parentWidget(), panel(window));
    EXPECT_EQ(window.findChild<QLabel*>("Label1")->parentWidget(), frame2);
    EXPECT_EQ(window.findChild<QLabel*>("Text1_12")->parentWidget(), frame2);
    EXPECT_EQ(window.findChild<QLabel*>("Text1_12")->geometry(), QRect(80, 106, 399, 28));
    EXPECT_EQ(window.findChild<QLabel*>("Text1_6")->geometry(), QRect(168, 432, 302, 13));
    EXPECT_EQ(window.findChild<QLabel*>("Text1_10"), nullptr);
    auto* quit = window.findChild<QPushButton*>("Command1");
    EXPECT_EQ(quit->text(), "Quit");
    EXPECT_EQ(quit->geometry(), QRect(520, 16, 97, 25));
    EXPECT_EQ(window.windowTitle(), "Credits");
}

TEST(CreditsWindow, QuitEscAndClosingAllEndTheRun)
{
    CreditsWindow window;
    QSignalSpy quit(&window, &CreditsWindow::quitRequested);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));

    window.findChild<QPushButton*>("Command1")->click();
    EXPECT_EQ(quit.count(), 1);

    // Esc counts while the Quit button holds the focus.
    auto* button = window.findChild<QPushButton*>("Command1");
    button->setFocus();
    QTest::keyClick(button, Qt::Key_Escape);
    EXPECT_EQ(quit.count(), 2);

    window.close();
    EXPECT_EQ(quit.count(), 3);
}

}  // namespace

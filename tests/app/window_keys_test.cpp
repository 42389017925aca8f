// Esc, Return and Enter of a window, and the repeats of a held key as X
// delivers them: flagged, or as a release and a press with one timestamp.
#include "app/window_keys.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <gtest/gtest.h>

namespace {

void send(QWidget* to, QEvent::Type type, Qt::Key key, unsigned long time, bool flaggedRepeat = false)
{
    QKeyEvent event(type, key, Qt::NoModifier, QString(), flaggedRepeat);
    event.setTimestamp(time);
    QApplication::sendEvent(to, &event);
}

class WindowKeysTest : public ::testing::Test {
protected:
    WindowKeysTest()
    {
        button->setGeometry(0, 0, 80, 30);
        edit->setGeometry(0, 40, 80, 30);
        window.show();
        button->setFocus();
    }
    QWidget window;
    QPushButton* button = new QPushButton("Exit", &window);
    QLineEdit* edit = new QLineEdit(&window);
    WindowKeys* keys = new WindowKeys(window);
    QSignalSpy escapes{keys, &WindowKeys::escape_pressed};
    QSignalSpy clicks{button, &QPushButton::clicked};
};

TEST_F(WindowKeysTest, HeldEscCountsOnce)
{
    send(button, QEvent::KeyPress, Qt::Key_Escape, 100);
    EXPECT_EQ(escapes.count(), 1);
    send(button, QEvent::KeyRelease, Qt::Key_Escape, 600);
    send(edit, QEvent::KeyPress, Qt::Key_Escape, 600);
    send(button, QEvent::KeyPress, Qt::Key_Escape, 630, true);
    EXPECT_EQ(escapes.count(), 1) << "repeats of the held key";

    send(button, QEvent::KeyRelease, Qt::Key_Escape, 700);
    send(button, QEvent::KeyRelease, Qt::Key_Return, 800);  // another key's release says nothing
    send(button, QEvent::KeyPress, Qt::Key_Escape, 800);
    EXPECT_EQ(escapes.count(), 2) << "a new press after the release";
}

TEST_F(WindowKeysTest, ReturnAndEnterPressTheFocusedButtonOnly)
{
    send(button, QEvent::KeyPress, Qt::Key_Return, 100);
    send(button, QEvent::KeyRelease, Qt::Key_Return, 150);
    send(button, QEvent::KeyPress, Qt::Key_Enter, 200);
    EXPECT_EQ(clicks.count(), 2);
    send(button, QEvent::KeyPress, Qt::Key_Enter, 250, true);
    EXPECT_EQ(clicks.count(), 2) << "a held Enter";

    edit->setFocus();
    send(edit, QEvent::KeyPress, Qt::Key_Return, 300);
    button->setFocus();
    button->setEnabled(false);
    send(button, QEvent::KeyPress, Qt::Key_Return, 400);
    EXPECT_EQ(clicks.count(), 2);

    // Keys of another window are that window's business.
    QWidget other;
    auto* otherButton = new QPushButton(&other);
    button->setEnabled(true);
    send(otherButton, QEvent::KeyPress, Qt::Key_Escape, 500);
    send(otherButton, QEvent::KeyPress, Qt::Key_Return, 500);
    EXPECT_EQ(escapes.count(), 0);
    EXPECT_EQ(clicks.count(), 2);
}

}  // namespace

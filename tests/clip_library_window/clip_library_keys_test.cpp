// The clip library window with the keyboard alone, through real X key
// events on the display the test runs on: Tab and Shift+Tab go round every
// control, the list included, and Space presses the button in focus.
#include "clip_library_window.h"
#include "fake_window_dialogs.h"
#include "library/test_videos.h"
#include "support/wait_until.h"

#include <QApplication>
#include <QDialog>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <gtest/gtest.h>
// Last: X11 defines macros (None, Bool) that clash with the headers above.
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

namespace {

class XKeyboard {
public:
    XKeyboard()
        : display_(XOpenDisplay(nullptr))
    {
    }
    ~XKeyboard()
    {
        if (display_)
            XCloseDisplay(display_);
    }
    bool open() const { return display_ != nullptr; }
    void tap(KeySym key, bool shift = false)
    {
        if (shift)
            send(XK_Shift_L, true);
        send(key, true);
        send(key, false);
        if (shift)
            send(XK_Shift_L, false);
        wait_until([] { return false; }, 150);  // the window takes the key
    }

private:
    void send(KeySym key, bool down)
    {
        XTestFakeKeyEvent(display_, XKeysymToKeycode(display_, key), down, CurrentTime);
        XSync(display_, False);
    }
    Display* display_;
};

QString focused()
{
    QWidget* w = QApplication::focusWidget();
    if (auto* button = qobject_cast<QPushButton*>(w))
        return button->text().remove('&');
    return w ? QString::fromLatin1(w->metaObject()->className()) : QString();
}

// Presses the key until `control` has the focus, at most twice round the window.
bool move_focus_to(XKeyboard& keys, const QString& control, bool backwards)
{
    for (int i = 0; i < 10 && focused() != control; ++i)
        keys.tap(XK_Tab, backwards);
    return focused() == control;
}

TEST(ClipLibraryKeys, TabAndShiftTabReachEveryControlAndSpacePressesIt)
{
    ASSERT_EQ(QGuiApplication::platformName(), "xcb") << "needs a real X display";
    XKeyboard keys;
    ASSERT_TRUE(keys.open());
    QTemporaryDir dir;
    write_clip_lists(QDir(dir.path()), {"bus_road", "cat_sleeping", "duck_pond"});
    FakeWindowDialogs dialogs;
    ClipLibraryWindow window{ClipFolder(dir.path()), dialogs};
    window.show();
    window.activateWindow();
    ASSERT_TRUE(wait_until([&] { return window.isActiveWindow(); }, 5000));
    auto* table = window.findChild<QTableWidget*>();

    // Forwards into the list, on to its second clip, and out again to Remove.
    ASSERT_TRUE(move_focus_to(keys, "QTableWidget", false));
    keys.tap(XK_Down);
    ASSERT_TRUE(move_focus_to(keys, "Remove", false)) << "Tab stays in the list: " << focused().toStdString();
    keys.tap(XK_space);
    ASSERT_EQ(dialogs.asked.size(), 1);
    EXPECT_TRUE(dialogs.asked[0].contains("cat_sleeping title")) << dialogs.asked[0].toStdString();
    // The remove runs beside the window; a busy computer finishes it later.
    EXPECT_TRUE(wait_until([&] { return table->rowCount() == 2; }, 10000)) << table->rowCount();

    // Backwards through the list to Check library.
    ASSERT_TRUE(move_focus_to(keys, "QTableWidget", true));
    ASSERT_TRUE(move_focus_to(keys, "Check library", true)) << "Shift+Tab stays in the list";
    QObject::connect(&window, &ClipLibraryWindow::work_finished, &window,
                     [&] { window.setProperty("checked", true); });
    keys.tap(XK_space);
    EXPECT_TRUE(wait_until([&] { return window.property("checked").toBool(); }, 60000));
    ASSERT_TRUE(move_focus_to(keys, "Add clip…", true));
    keys.tap(XK_space);
    EXPECT_TRUE(wait_until([&] { return window.findChild<QDialog*>() != nullptr; }, 5000))
        << "Add clip did not open";
}

}  // namespace

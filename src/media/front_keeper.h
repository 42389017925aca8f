#pragma once
// Keeps a window in front of the desktop's other windows, with the keyboard
// focus, while it is up: a keyboard switch is lost to any window that takes
// the focus, and a notification over the screen hides what a press plays.
// The program's own dialogs are the exception: they go in front of it and
// keep the focus until they close.

#include <QObject>
#include <QTimer>

class QWidget;
class QWindow;

class FrontKeeper : public QObject {
    Q_OBJECT
public:
    // Owned by window; call before the window is shown.
    explicit FrontKeeper(QWidget& window);

    // How often the focus was taken back; for the tests.
    int focus_taken_back() const { return takenBack_; }

private:
    void focus_changed(QWindow* focused);
    void take_back();
    void set_above(bool above);

    QWidget& window_;
    // The desktop hands the focus over in steps (out, then to the other
    // window); taking it back once they settle avoids a tug of war.
    QTimer settle_;
    bool above_ = false;
    int takenBack_ = 0;
};

#pragma once
// The closing window: who made the program, the rights notice and how to
// reach the makers, on a 640 x 480 panel centred on a dark green screen.

#include <QWidget>

class QFrame;

class CreditsWindow : public QWidget {
    Q_OBJECT
public:
    explicit CreditsWindow(QWidget* parent = nullptr);

    // Puts the panel in the middle of a screen of `screen` pixels.
    void centre_panel(QSize screen);

signals:
    // "Quit", Esc or closing the window: the program should end now.
    void quit_requested();

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    QFrame* frame1_;
};

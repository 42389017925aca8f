#pragma once
// The exit link in the screen's top right corner: a double click (or a double
// tap on a touch screen) asks to leave playback. Single presses on it are
// swallowed, so they never count as the learner's response.

#include <QLabel>
#include <functional>

class ExitLink : public QLabel {
    Q_OBJECT
public:
    ExitLink(QWidget* parent, std::function<void()> doubleClicked);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    std::function<void()> doubleClicked_;
};

#pragma once
// Esc, Return and Enter for one top-level window, whichever of its controls
// has the focus, with the repeats of a held key left out: a held Esc must end
// one window, not run on through the next ones.

#include "playback/key_repeat.h"

#include <QObject>

class QWidget;

class WindowKeys : public QObject {
    Q_OBJECT
public:
    // Watches every key event of the application; owned by `window`.
    explicit WindowKeys(QWidget& window);

signals:
    void escape_pressed();

protected:
    // Return and Enter press the focused button, as Space does.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget& window_;
    KeyRepeatFilter repeats_;
};

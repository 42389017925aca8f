#pragma once
// A line along the bottom of the menu window on which the adult tests the
// wiring before the learner sits down: the chosen device, the port or
// joystick behind it, and whether each of its two switches is pressed right
// now. With pointer dwell, resting the pointer on the line fills its lamp as a
// dwell on the learner's picture would. It also leads to the switch timing
// dialog.

#include "switch/dwell_detector.h"

#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>
#include <array>
#include <memory>

struct GlobVars;
class QLabel;
class QMenuBar;
class QPushButton;
class SwitchSetup;

class SwitchTestLine : public QWidget {
    Q_OBJECT
public:
    // Sits at the bottom of parent, across its whole width. switches may be
    // nullptr (no adapter support).
    SwitchTestLine(GlobVars& g, SwitchSetup* switches, const QMenuBar& menus, QWidget& parent);

    // switchNumber 1 or 2; with pointer dwell, 1 once a dwell has completed.
    bool shows_pressed(int switchNumber = 1) const { return pressed_[switchNumber == 2 ? 1 : 0]; }
    // How far a dwell on the line has come, 0..1.
    double shows_dwell() const { return dwellShown_; }
    QString text() const;
    void open_timing_dialog();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    bool switch_down(int switchNumber);
    void refresh();
    void show_lamp(QLabel* lamp, bool pressed, const QString& name);
    void show_dwell();
    bool is_switch_key(const QEvent* event) const;
    void pointer_event(const QEvent* event);

    GlobVars& g_;
    SwitchSetup* switches_;
    const QMenuBar& menus_;
    QLabel* device_;
    QLabel* lamp_;
    QLabel* lamp2_;
    QPushButton* timing_;
    QTimer poll_;
    std::array<bool, 2> keyDown_{};
    std::array<bool, 2> pressed_{};
    // Pointer dwell on the line itself, made for the dwell time chosen.
    std::unique_ptr<DwellDetector> dwell_;
    int dwellMs_ = 0;
    QElapsedTimer clock_;
    bool dwellSpent_ = false;  // a dwell completed and the pointer has not moved on
    double dwellShown_ = -1;
};

#pragma once
// A line along the bottom of the menu window on which the adult tests the
// wiring before the learner sits down: the chosen device, the port or
// joystick behind it, and whether the switch is pressed right now. It also
// leads to the switch timing dialog.

#include <QTimer>
#include <QWidget>

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

    bool shows_pressed() const { return pressed_; }
    QString text() const;
    void open_timing_dialog();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    bool switch_down();
    void refresh();
    bool is_switch_key(const QEvent* event) const;

    GlobVars& g_;
    SwitchSetup* switches_;
    const QMenuBar& menus_;
    QLabel* device_;
    QLabel* lamp_;
    QPushButton* timing_;
    QTimer poll_;
    bool keyDown_ = false;
    bool pressed_ = false;
};

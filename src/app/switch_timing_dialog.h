#pragma once
// Where the adult sets the switch timing: how long a press must be held
// before it counts, and how long presses are ignored after a response.

#include <QDialog>

struct GlobVars;
class QDoubleSpinBox;

class SwitchTimingDialog : public QDialog {
    Q_OBJECT
public:
    SwitchTimingDialog(GlobVars& g, QWidget* parent = nullptr);

    // Stores both times in g (OK).
    void accept() override;

private:
    GlobVars& g_;
    QDoubleSpinBox* acceptance_;
    QDoubleSpinBox* postAcceptance_;
};

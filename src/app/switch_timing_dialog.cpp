#include "app/switch_timing_dialog.h"

#include "state/globvars.h"
#include "state/settings.h"

#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace {

QDoubleSpinBox* seconds_box(int ms, int maxMs, QWidget* parent)
{
    auto* box = new QDoubleSpinBox(parent);
    box->setDecimals(1);
    box->setSingleStep(0.1);
    box->setRange(0, maxMs / 1000.0);
    box->setSuffix(QStringLiteral(" s"));
    box->setValue(ms / 1000.0);
    return box;
}

}  // namespace

SwitchTimingDialog::SwitchTimingDialog(GlobVars& g, QWidget* parent)
    : QDialog(parent)
    , g_(g)
{
    setWindowTitle(QStringLiteral("Switch timing"));
    auto* intro = new QLabel(
        QStringLiteral("For a learner whose switch presses are very short by accident, or who presses "
                       "several times in a row, the program can wait before it counts a press. "
                       "0 s for both is the usual setting: every press counts at once."),
        this);
    intro->setWordWrap(true);
    acceptance_ = seconds_box(g.AcceptanceTime, MaxAcceptanceTime, this);
    postAcceptance_ = seconds_box(g.PostAcceptanceDelay, MaxPostAcceptanceDelay, this);
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("A press counts once it has been held for:"), acceptance_);
    form->addRow(QStringLiteral("After a press has counted, ignore presses for:"), postAcceptance_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &SwitchTimingDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &SwitchTimingDialog::reject);
    auto* column = new QVBoxLayout(this);
    column->addWidget(intro);
    column->addLayout(form);
    column->addWidget(buttons);
    setMinimumWidth(520);
}

void SwitchTimingDialog::accept()
{
    g_.AcceptanceTime = int16_t(qRound(acceptance_->value() * 1000));
    g_.PostAcceptanceDelay = int16_t(qRound(postAcceptance_->value() * 1000));
    QDialog::accept();
}

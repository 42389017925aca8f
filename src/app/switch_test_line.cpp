#include "app/switch_test_line.h"

#include "app/menu_tree.h"
#include "app/switch_timing_dialog.h"
#include "state/globvars.h"
#include "switch/switch_setup.h"

#include <QAbstractSpinBox>
#include <QAction>
#include <QComboBox>
#include <QApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>

namespace {

constexpr int LineHeight = 32;
// Fast enough that a tap of the switch always lights the lamp.
constexpr int PollMs = 20;

// Where the adult types (a note, a name) every key is a character, Space too.
bool takes_typing(const QWidget& widget)
{
    return widget.testAttribute(Qt::WA_InputMethodEnabled) || qobject_cast<const QAbstractSpinBox*>(&widget)
        || qobject_cast<const QComboBox*>(&widget);
}

QString seconds(int ms)
{
    return QString::number(ms / 1000.0, 'f', 1) + QStringLiteral(" s");
}

}  // namespace

SwitchTestLine::SwitchTestLine(GlobVars& g, SwitchSetup* switches, const QMenuBar& menus, QWidget& parent)
    : QWidget(&parent)
    , g_(g)
    , switches_(switches)
    , menus_(menus)
{
    setObjectName(QStringLiteral("SwitchTestLine"));
    setAutoFillBackground(true);
    setFixedHeight(LineHeight);
    device_ = new QLabel(this);
    lamp_ = new QLabel(this);
    lamp_->setAlignment(Qt::AlignCenter);
    lamp_->setMinimumWidth(110);
    timing_ = new QPushButton(this);
    timing_->setObjectName(QStringLiteral("SwitchTimingButton"));
    timing_->setFocusPolicy(Qt::NoFocus);  // keeps the keyboard on the menu window's own buttons
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(8, 2, 8, 2);
    row->addWidget(device_, 1);
    row->addWidget(lamp_);
    row->addWidget(timing_);

    connect(timing_, &QPushButton::clicked, this, &SwitchTestLine::open_timing_dialog);
    connect(&poll_, &QTimer::timeout, this, &SwitchTestLine::refresh);
    poll_.setInterval(PollMs);
    parent.installEventFilter(this);
    qApp->installEventFilter(this);
    refresh();
}

QString SwitchTestLine::text() const
{
    return device_->text() + u' ' + lamp_->text();
}

void SwitchTestLine::open_timing_dialog()
{
    SwitchTimingDialog dialog(g_, window());
    dialog.exec();
    refresh();
}

bool SwitchTestLine::is_switch_key(const QEvent* event) const
{
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease)
        return false;
    const int key = static_cast<const QKeyEvent*>(event)->key();
    return g_.InputDevice == 7 && (key == Qt::Key_Space || key == Qt::Key_2);
}

bool SwitchTestLine::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == parentWidget() && event->type() == QEvent::Resize) {
        setGeometry(0, parentWidget()->height() - LineHeight, parentWidget()->width(), LineHeight);
        return false;
    }
    // With the space bar as the switch, its presses on this window are
    // switch tests only: they must not click the focused button.
    auto* target = qobject_cast<QWidget*>(watched);
    if (target && target->window() == window() && is_switch_key(event) && !takes_typing(*target)) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (!key->isAutoRepeat()) {
            keyDown_ = event->type() == QEvent::KeyPress;
            refresh();
        }
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void SwitchTestLine::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    refresh();
    poll_.start();
}

void SwitchTestLine::hideEvent(QHideEvent* event)
{
    // Nothing polls the adapter while playback runs: the playback window does.
    poll_.stop();
    QWidget::hideEvent(event);
}

bool SwitchTestLine::switch_down()
{
    switch (g_.InputDevice) {
    case 6: return QGuiApplication::mouseButtons() != Qt::NoButton;
    case 7: return keyDown_;
    default: return switches_ && switches_->pressed_now(g_.InputDevice) == 1;
    }
}

void SwitchTestLine::refresh()
{
    const QAction* item = menu_action(menus_, QStringLiteral("dev%1").arg(g_.InputDevice));
    QString device =
        QStringLiteral("Switch test: ") + (item ? item->text() : QStringLiteral("no input device chosen"));
    const QString where = switches_ ? switches_->location(g_.InputDevice) : QString();
    if (g_.InputDevice >= 1 && g_.InputDevice <= 5)
        device += where.isEmpty() ? QStringLiteral(" (not connected)") : QStringLiteral(" on ") + where;
    if (device_->text() != device)
        device_->setText(device);

    const bool pressed = item && switch_down();
    if (pressed != pressed_ || lamp_->text().isEmpty()) {
        pressed_ = pressed;
        lamp_->setText(pressed ? QStringLiteral("PRESSED") : QStringLiteral("not pressed"));
        lamp_->setStyleSheet(pressed ? QStringLiteral("background: #1a9e1a; color: white; font-weight: bold;")
                                     : QStringLiteral("background: #d8d8d8; color: black;"));
    }

    const QString timing = g_.AcceptanceTime == 0 && g_.PostAcceptanceDelay == 0
        ? QStringLiteral("Switch timing: off")
        : QStringLiteral("Switch timing: hold %1, pause %2")
              .arg(seconds(g_.AcceptanceTime), seconds(g_.PostAcceptanceDelay));
    if (timing_->text() != timing)
        timing_->setText(timing);
}

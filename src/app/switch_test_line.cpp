#include "app/switch_test_line.h"

#include "app/menu_tree.h"
#include "app/switch_timing_dialog.h"
#include "state/globvars.h"
#include "state/input_device.h"
#include "switch/switch_setup.h"

#include <QAbstractSpinBox>
#include <QAction>
#include <QComboBox>
#include <QApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QCursor>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <algorithm>

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

const QString PressedStyle = QStringLiteral("background: #1a9e1a; color: white; font-weight: bold;");
const QString ReleasedStyle = QStringLiteral("background: #d8d8d8; color: black;");

// What makes each switch on each kind of device, for the lamps' tips.
QString switch_source(InputKind kind, int switchNumber)
{
    const bool first = switchNumber == 1;
    switch (kind) {
    case InputKind::Serial:
        return first ? QStringLiteral("RTS closed to carrier detect (DCD)")
                     : QStringLiteral("RTS closed to clear to send (CTS)");
    case InputKind::Joystick: return first ? QStringLiteral("button 1") : QStringLiteral("button 2");
    case InputKind::Keyboard: return first ? QStringLiteral("Space or 2") : QStringLiteral("Enter");
    case InputKind::Mouse: return first ? QStringLiteral("left button") : QStringLiteral("right button");
    case InputKind::PointerDwell: break;
    }
    return QStringLiteral("resting the pointer on this line");
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
    lamp_->setMinimumWidth(150);
    lamp2_ = new QLabel(this);
    lamp2_->setAlignment(Qt::AlignCenter);
    lamp2_->setMinimumWidth(150);
    timing_ = new QPushButton(this);
    timing_->setObjectName(QStringLiteral("SwitchTimingButton"));
    timing_->setFocusPolicy(Qt::NoFocus);  // keeps the keyboard on the menu window's own buttons
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(8, 2, 8, 2);
    row->addWidget(device_, 1);
    row->addWidget(lamp_);
    row->addWidget(lamp2_);
    row->addWidget(timing_);
    // Pointer dwell is tested by resting the pointer here, so the line must
    // see the pointer move over any of its parts.
    setMouseTracking(true);
    for (QWidget* part : {static_cast<QWidget*>(device_), static_cast<QWidget*>(lamp_),
                          static_cast<QWidget*>(lamp2_), static_cast<QWidget*>(timing_)})
        part->setMouseTracking(true);
    clock_.start();

    connect(timing_, &QPushButton::clicked, this, &SwitchTestLine::open_timing_dialog);
    connect(&poll_, &QTimer::timeout, this, &SwitchTestLine::refresh);
    poll_.setInterval(PollMs);
    parent.installEventFilter(this);
    qApp->installEventFilter(this);
    refresh();
}

QString SwitchTestLine::text() const
{
    QString text = device_->text() + u' ' + lamp_->text();
    if (lamp2_->isVisibleTo(this))
        text += u' ' + lamp2_->text();
    return text;
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
    return g_.InputDevice == 7
        && (key == Qt::Key_Space || key == Qt::Key_2 || key == Qt::Key_Return || key == Qt::Key_Enter);
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
            const bool second = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
            keyDown_[second ? 1 : 0] = event->type() == QEvent::KeyPress;
            refresh();
        }
        return true;
    }
    if (target && (target == this || isAncestorOf(target)))
        pointer_event(event);
    return QWidget::eventFilter(watched, event);
}

void SwitchTestLine::pointer_event(const QEvent* event)
{
    if (!dwell_)
        return;
    if (event->type() == QEvent::MouseMove) {
        const QPoint at = mapFromGlobal(static_cast<const QMouseEvent*>(event)->globalPosition().toPoint());
        if (dwell_->pointer_at(at, clock_.elapsed()))
            dwellSpent_ = true;
        else if (dwell_->dwelling() || !rect().contains(at))
            dwellSpent_ = false;
        show_dwell();
    } else if (event->type() == QEvent::Leave && !rect().contains(mapFromGlobal(QCursor::pos()))) {
        dwell_->pointer_left();
        dwellSpent_ = false;
        show_dwell();
    }
}

void SwitchTestLine::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    // Installed again to be asked first: with the keyboard as the switch,
    // Enter is switch 2's test here and must not click the focused button.
    qApp->installEventFilter(this);
    refresh();
    poll_.start();
}

void SwitchTestLine::hideEvent(QHideEvent* event)
{
    // Nothing polls the adapter while playback runs: the playback window does.
    poll_.stop();
    QWidget::hideEvent(event);
}

bool SwitchTestLine::switch_down(int switchNumber)
{
    switch (g_.InputDevice) {
    case 6: return QGuiApplication::mouseButtons() & (switchNumber == 2 ? Qt::RightButton : Qt::LeftButton);
    case 7: return keyDown_[switchNumber - 1];
    default: return switches_ && switches_->levels_now(g_.InputDevice).down(switchNumber);
    }
}

void SwitchTestLine::show_lamp(QLabel* lamp, bool pressed, const QString& name)
{
    const QString text = name + (pressed ? QStringLiteral(": PRESSED") : QStringLiteral(": not pressed"));
    if (lamp->text() == text)
        return;
    lamp->setText(text);
    lamp->setStyleSheet(pressed ? PressedStyle : ReleasedStyle);
}

void SwitchTestLine::show_dwell()
{
    const double progress = dwell_->progress(clock_.elapsed());
    pressed_ = {dwellSpent_, false};
    dwellShown_ = progress;
    QString text = QStringLiteral("Dwell: PRESSED");
    QString style = PressedStyle;
    if (!dwellSpent_ && progress == 0) {
        text = QStringLiteral("Dwell: rest here");
        style = ReleasedStyle;
    } else if (!dwellSpent_) {
        // The lamp fills from the left as the dwell comes on.
        text = QStringLiteral("Dwell: %1 %").arg(int(progress * 100));
        style = QStringLiteral("color: black; background: qlineargradient(x1:0, y1:0, x2:1, y2:0, "
                               "stop:0 #7fd07f, stop:%1 #7fd07f, stop:%2 #d8d8d8, stop:1 #d8d8d8);")
                    .arg(QString::number(progress, 'f', 3),
                         QString::number(std::min(progress + 0.001, 1.0), 'f', 3));
    }
    if (lamp_->text() != text)
        lamp_->setText(text);
    if (lamp_->styleSheet() != style)
        lamp_->setStyleSheet(style);
}

void SwitchTestLine::refresh()
{
    const InputKind kind = input_kind(g_);
    const bool dwell = kind == InputKind::PointerDwell;
    const QAction* item = menu_action(
        menus_, dwell ? QStringLiteral("pointer_dwell") : QStringLiteral("dev%1").arg(g_.InputDevice));
    QString device =
        QStringLiteral("Switch test: ") + (item ? item->text() : QStringLiteral("no input device chosen"));
    const QString where = switches_ ? switches_->location(g_.InputDevice) : QString();
    if (g_.InputDevice >= 1 && g_.InputDevice <= 5)
        device += where.isEmpty() ? QStringLiteral(" (not connected)") : QStringLiteral(" on ") + where;
    if (dwell)
        device += QStringLiteral(", %1").arg(seconds(g_.DwellTime));
    if (device_->text() != device)
        device_->setText(device);
    lamp_->setToolTip(switch_source(kind, 1));
    lamp2_->setToolTip(switch_source(kind, 2));
    lamp2_->setVisible(!dwell);

    if (dwell) {
        if (!dwell_ || dwellMs_ != g_.DwellTime) {
            const QScreen* screen = this->screen();
            dwellMs_ = g_.DwellTime;
            dwell_ = std::make_unique<DwellDetector>(
                dwellMs_, dwell_wobble_distance(screen ? screen->size() : QSize(1024, 768)));
            dwellSpent_ = false;
        }
        dwell_->set_target(rect());
        dwell_->set_excluded(timing_->geometry());
        if (dwell_->tick(clock_.elapsed()))
            dwellSpent_ = true;
        show_dwell();
    } else {
        dwell_.reset();
        dwellShown_ = -1;
        pressed_ = {item && switch_down(1), item && switch_down(2)};
        show_lamp(lamp_, pressed_[0], QStringLiteral("Switch 1"));
        show_lamp(lamp2_, pressed_[1], QStringLiteral("Switch 2"));
    }

    const QString timing = g_.AcceptanceTime == 0 && g_.PostAcceptanceDelay == 0
        ? QStringLiteral("Switch timing: off")
        : QStringLiteral("Switch timing: hold %1, pause %2")
              .arg(seconds(g_.AcceptanceTime), seconds(g_.PostAcceptanceDelay));
    if (timing_->text() != timing)
        timing_->setText(timing);
}

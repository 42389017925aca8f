#include "switch/platform_adapter_ports.h"

#include "media/monotonic_clock.h"

#include <QStringList>
#include <unistd.h>

namespace {

constexpr int64_t RetryMs = 1000;
constexpr int16_t Released = 0x00;
constexpr int16_t GamePortIdle = 0xFF;  // every button up, active low

QString com_caption(int n)
{
    return QStringLiteral("\"Adapter in COM %1\"").arg(n + 1);
}

QString user_name()
{
    const QByteArray name = qgetenv("USER");
    return name.isEmpty() ? QStringLiteral("$USER") : QString::fromLocal8Bit(name);
}

QString open_problem(int n, SerialLine::Outcome outcome, const SerialLine& line)
{
    const QString where = QStringLiteral("The serial port %1 for %2").arg(line.path(), com_caption(n));
    switch (outcome) {
    case SerialLine::Outcome::NotAllowed:
        return QStringLiteral("%1 may not be used by this user. To allow it, type this command in a "
                              "terminal, then log out and log in again:\n\n    sudo adduser %2 %3")
            .arg(where, user_name(), device_group(line.path()));
    case SerialLine::Outcome::InUse:
        return QStringLiteral("%1 is in use by another program. Close that program; the switch "
                              "then works without restarting Flickerbox II.")
            .arg(where);
    case SerialLine::Outcome::NotFound:
    case SerialLine::Outcome::Failed:
    case SerialLine::Outcome::Opened: break;
    }
    return QStringLiteral("%1 could not be opened (%2). Check that the adapter is plugged in; it is "
                          "tried again every second.")
        .arg(where, line.failure());
}

}  // namespace

PlatformAdapterPorts::PlatformAdapterPorts(const MonotonicClock& clock, PortLister listPorts)
    : clock_(clock)
    , listPorts_(std::move(listPorts))
{
    look_for_adapters();
}

PlatformAdapterPorts::~PlatformAdapterPorts() = default;

void PlatformAdapterPorts::look_for_adapters()
{
    ports_ = listPorts_();
    // SDL starts on the first look, not at construction, so a broken
    // joystick service cannot stop the serial adapters from working.
    if (!joystick_) {
        joystick_ = std::make_unique<SdlJoystick>();
        if (!joystick_->failure().isEmpty())
            problems_ << QStringLiteral("Joysticks cannot be used on this computer (%1).")
                             .arg(joystick_->failure());
    }
    joystick_->update();
    joystickName_ = joystick_->name();
}

bool PlatformAdapterPorts::present(int16_t device) const
{
    return !location(device).isEmpty();
}

QString PlatformAdapterPorts::location(int16_t device) const
{
    if (device >= 1 && device <= 4)
        return ports_.value(device - 1);
    if (device == 5)
        return joystickName_;
    return {};
}

void PlatformAdapterPorts::agOutp(uint16_t address, int16_t value)
{
    if (address == GamePort) {
        joystick_->update();
        if (joystick_->take_unplugged())
            joystickLost_ = true;
        return;
    }
    for (int n = 0; n < 4; ++n) {
        if (address != ComBase[n] + ModemControlOffset)
            continue;
        com_[n].control = int16_t(value & 0xFF);
        if (com_[n].line.is_open())
            com_[n].line.set_lines(value & 0x01, value & 0x02);
        else
            open(n, true);
    }
}

int16_t PlatformAdapterPorts::agInp(uint16_t address)
{
    if (address == GamePort) {
        int16_t buttons = GamePortIdle;
        if (joystick_->button(1))
            buttons &= ~FirstButton;
        if (joystick_->button(2))
            buttons &= ~SecondButton;
        return buttons;
    }
    for (int n = 0; n < 4; ++n)
        if (address == ComBase[n] + ModemStatusOffset)
            return modem_status(n);
    return GamePortIdle;  // nothing at that address: an open bus reads all ones
}

bool PlatformAdapterPorts::open(int n, bool tellFailure)
{
    ComPort& port = com_[n];
    port.lastAttempt = clock_.now_ms();
    // Looked up again at every try: an adapter plugged back in may come back
    // under another name.
    const QString path = listPorts_().value(n);
    const SerialLine::Outcome outcome = path.isEmpty() ? SerialLine::Outcome::NotFound : port.line.open(path);
    if (outcome == SerialLine::Outcome::Opened) {
        port.line.set_lines(port.control & 0x01, port.control & 0x02);
        return true;
    }
    if (tellFailure && !path.isEmpty())
        problems_ << open_problem(n, outcome, port.line);
    else if (tellFailure)
        problems_ << QStringLiteral("No serial port is connected for %1. Plug in the adapter; it is used "
                                    "as soon as it appears.")
                         .arg(com_caption(n));
    return false;
}

int16_t PlatformAdapterPorts::modem_status(int n)
{
    ComPort& port = com_[n];
    if (!port.line.is_open()) {
        if (port.control < 0 || clock_.now_ms() - port.lastAttempt < RetryMs || !open(n, false))
            return Released;
    }
    if (const auto status = port.line.modem_status())
        return *status;
    lose(n);
    return Released;
}

void PlatformAdapterPorts::lose(int n)
{
    // Closed at once, so the port is free for the adapter's return and the
    // switch reads as released meanwhile, never as held.
    com_[n].line.close();
    com_[n].lost = true;
    com_[n].lastAttempt = clock_.now_ms();
}

QString PlatformAdapterPorts::take_problems()
{
    for (int n = 0; n < 4; ++n) {
        ComPort& port = com_[n];
        if (!std::exchange(port.lost, false))
            continue;
        problems_ << (port.line.is_open()
                          ? QStringLiteral("The switch adapter for %1 (%2) was disconnected for a while; "
                                           "it works again now.")
                                .arg(com_caption(n), port.line.path())
                          : QStringLiteral("The switch adapter for %1 (%2) was disconnected and is "
                                           "still missing. Until it is plugged in again "
                                           "the switch reads as not pressed.")
                                .arg(com_caption(n), port.line.path()));
    }
    if (std::exchange(joystickLost_, false))
        problems_ << (joystick_->connected()
                          ? QStringLiteral("The joystick was disconnected for a while; it works again now.")
                          : QStringLiteral("The joystick was disconnected and is still missing. Until it is "
                                           "plugged in again the switch reads as not "
                                           "pressed."));
    const QString text = problems_.join(QStringLiteral("\n\n"));
    problems_.clear();
    return text;
}

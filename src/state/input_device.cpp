#include "state/input_device.h"

InputKind device_kind(int16_t device)
{
    if (device >= 1 && device <= 4)
        return InputKind::Serial;
    if (device == 5)
        return InputKind::Joystick;
    if (device == 7)
        return InputKind::Keyboard;
    return InputKind::Mouse;
}

InputKind input_kind(const GlobVars& g)
{
    if (g.PointerDwell == 1 && g.InputDevice == MouseDevice)
        return InputKind::PointerDwell;
    return device_kind(g.InputDevice);
}

bool usable_dwell_time(int ms)
{
    return ms >= MinDwellTime && ms <= MaxDwellTime;
}

QString input_kind_name(InputKind kind)
{
    switch (kind) {
    case InputKind::Serial: return QStringLiteral("serial adapter");
    case InputKind::Joystick: return QStringLiteral("joystick");
    case InputKind::Keyboard: return QStringLiteral("keyboard");
    case InputKind::PointerDwell: return QStringLiteral("pointer dwell");
    case InputKind::Mouse: break;
    }
    return QStringLiteral("mouse");
}

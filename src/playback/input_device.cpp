#include "playback/input_device.h"

#include "state/input_device.h"

const InputDevice& input_device(const GlobVars& g)
{
    static const InputDevice dwell{InputDevice::Reads::PointerDwell, false, false, true,
                                   QStringLiteral("Pointer Dwell (Head or Eye Pointer)")};
    return input_kind(g) == InputKind::PointerDwell ? dwell : input_device(g.InputDevice);
}

const InputDevice& input_device(int16_t number)
{
    using R = InputDevice::Reads;
    static const InputDevice devices[] = {
        {R::Nothing, false, false, false, QStringLiteral("no device")},
        {R::Adapter, true, false, false, QStringLiteral("Adapter in COM 1")},
        {R::Adapter, true, false, false, QStringLiteral("Adapter in COM 2")},
        {R::Adapter, true, false, false, QStringLiteral("Adapter in COM 3")},
        {R::Adapter, true, false, false, QStringLiteral("Adapter in COM 4")},
        {R::Adapter, true, false, false, QStringLiteral("Adapter in Joystick (game) port")},
        {R::MouseButton, false, false, false, QStringLiteral("Mouse Click")},
        {R::Keys, false, true, false, QStringLiteral("Keyboard Space Bar")},
    };
    return number >= 1 && number <= 7 ? devices[number] : devices[0];
}

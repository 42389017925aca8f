#include "playback/input_device.h"

const InputDevice& input_device(int16_t number)
{
    using R = InputDevice::Reads;
    static const InputDevice devices[] = {
        {R::Nothing, false, false, 1, QStringLiteral("no device")},
        {R::Adapter, true, false, 1, QStringLiteral("Adapter in COM 1")},
        {R::Adapter, true, false, 1, QStringLiteral("Adapter in COM 2")},
        {R::Adapter, true, false, 1, QStringLiteral("Adapter in COM 3")},
        {R::Adapter, true, false, 1, QStringLiteral("Adapter in COM 4")},
        {R::Adapter, true, false, 1, QStringLiteral("Adapter in Joystick (game) port")},
        {R::MouseButton, false, false, 1, QStringLiteral("Mouse Click")},
        {R::Keys, false, true, 1, QStringLiteral("Keyboard Space Bar")},
    };
    return number >= 1 && number <= 7 ? devices[number] : devices[0];
}

#include "switch/sdl_joystick.h"

#include <SDL.h>
#include <utility>

SdlJoystick::SdlJoystick()
{
    // SDL would otherwise take over SIGINT and SIGTERM, and see no joystick
    // input while another window has the focus.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
    if (SDL_InitSubSystem(SDL_INIT_JOYSTICK) != 0) {
        failure_ = QString::fromUtf8(SDL_GetError());
        return;
    }
    // Nothing pumps SDL's event queue; the state is read directly instead.
    SDL_JoystickEventState(SDL_IGNORE);
}

SdlJoystick::~SdlJoystick()
{
    if (!failure_.isEmpty())
        return;
    if (joystick_)
        SDL_JoystickClose(joystick_);
    SDL_QuitSubSystem(SDL_INIT_JOYSTICK);
}

void SdlJoystick::update()
{
    if (!failure_.isEmpty())
        return;
    SDL_JoystickUpdate();
    if (joystick_ && !SDL_JoystickGetAttached(joystick_)) {
        SDL_JoystickClose(joystick_);
        joystick_ = nullptr;
        unplugged_ = true;
    }
    if (!joystick_ && SDL_NumJoysticks() > 0)
        joystick_ = SDL_JoystickOpen(0);
}

bool SdlJoystick::connected() const
{
    return failure_.isEmpty() && SDL_NumJoysticks() > 0;
}

QString SdlJoystick::name() const
{
    if (!connected())
        return {};
    const char* name = SDL_JoystickNameForIndex(0);
    return name ? QString::fromUtf8(name) : QStringLiteral("joystick");
}

bool SdlJoystick::button(int number) const
{
    return joystick_ && SDL_JoystickGetButton(joystick_, number - 1) == SDL_PRESSED;
}

bool SdlJoystick::take_unplugged()
{
    return std::exchange(unplugged_, false);
}

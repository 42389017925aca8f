#pragma once
// A game controller with four buttons on SDL's virtual joystick, as an
// adaptive controller presents itself: plugged in while it lives, its first
// button switch 1 and its second switch 2.

#include <SDL.h>

class VirtualJoystick {
public:
    VirtualJoystick()
    {
        index_ = SDL_JoystickAttachVirtual(SDL_JOYSTICK_TYPE_GAMECONTROLLER, 0, 4, 0);
        handle_ = SDL_JoystickOpen(index_);
    }
    ~VirtualJoystick() { unplug(); }
    VirtualJoystick(const VirtualJoystick&) = delete;
    VirtualJoystick& operator=(const VirtualJoystick&) = delete;

    bool ok() const { return handle_ != nullptr; }
    void press(bool down, int button = 1)
    {
        SDL_JoystickSetVirtualButton(handle_, button - 1, down ? SDL_PRESSED : SDL_RELEASED);
    }
    void unplug()
    {
        if (!handle_)
            return;
        SDL_JoystickClose(handle_);
        SDL_JoystickDetachVirtual(index_);
        handle_ = nullptr;
    }

private:
    int index_ = -1;
    SDL_Joystick* handle_ = nullptr;
};

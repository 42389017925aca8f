#pragma once
// The first joystick or game controller, read through SDL: the only file that
// talks to SDL. Adaptive controllers present their switch jacks as buttons.

#include <QString>

struct _SDL_Joystick;

class SdlJoystick {
public:
    SdlJoystick();
    ~SdlJoystick();
    SdlJoystick(const SdlJoystick&) = delete;
    SdlJoystick& operator=(const SdlJoystick&) = delete;

    // "" when SDL's joystick service started; else why not.
    QString failure() const { return failure_; }

    // Takes in the joysticks' state and any plugging or unplugging since the
    // last call; opens the first joystick when none is open.
    void update();
    bool connected() const;
    QString name() const;  // of the first joystick; "" when there is none
    // Button 1 or 2 of the open joystick; false when it has no such button.
    bool button(int number) const;
    // True once after the open joystick was unplugged.
    bool take_unplugged();

private:
    _SDL_Joystick* joystick_ = nullptr;
    QString failure_;
    bool unplugged_ = false;
};

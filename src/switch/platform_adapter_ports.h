#pragma once
// The adapters' I/O addresses mapped onto this computer: the modem control
// and status registers of COM1..COM4 onto serial ports, the game port onto
// the first joystick. A port that cannot be used reads as released and is
// tried again about once a second, so plugging an adapter back in is enough.

#include "switch/adapter_ports.h"
#include "switch/sdl_joystick.h"
#include "switch/serial_line.h"

#include <QStringList>
#include <array>
#include <functional>
#include <memory>

class MonotonicClock;

class PlatformAdapterPorts : public AdapterPorts {
public:
    // listPorts gives the serial ports in COM order.
    using PortLister = std::function<QStringList()>;
    PlatformAdapterPorts(const MonotonicClock& clock, PortLister listPorts);
    ~PlatformAdapterPorts() override;

    int16_t agInp(uint16_t address) override;
    void agOutp(uint16_t address, int16_t value) override;

    void look_for_adapters() override;
    bool present(int16_t device) const override;
    QString location(int16_t device) const override;
    QString take_problems() override;

private:
    struct ComPort {
        SerialLine line;
        int16_t control = -1;  // modem control value written; -1 before set-up
        int64_t lastAttempt = 0;
        bool lost = false;  // failed while in use, not yet told
    };

    bool open(int n, bool tellFailure);
    int16_t modem_status(int n);
    void lose(int n);

    const MonotonicClock& clock_;
    PortLister listPorts_;
    QStringList ports_;  // as found by the last look
    std::array<ComPort, 4> com_;
    std::unique_ptr<SdlJoystick> joystick_;
    QString joystickName_;
    bool joystickLost_ = false;
    QStringList problems_;
};

#pragma once
// Byte-wide port input and output at the adapters' I/O addresses. The switch
// operations are written against these two calls only, so the bit rules stay
// exactly those of the hardware; an implementation maps the addresses onto
// the platform's serial-line and joystick services.

#include <cstdint>

// I/O base of the serial ports COM1..COM4 and the game port.
inline constexpr uint16_t ComBase[4] = {0x3F8, 0x2F8, 0x1F8, 0x0F8};
inline constexpr uint16_t ModemControlOffset = 4;
inline constexpr uint16_t ModemStatusOffset = 6;
inline constexpr uint16_t GamePort = 0x201;

inline constexpr uint8_t RtsOnly = 0x02;  // modem control: RTS up, DTR and the rest down
inline constexpr uint8_t CarrierDetect = 0x80;  // modem status bit switch 1 closes
inline constexpr uint8_t ClearToSend = 0x10;  // modem status bit switch 2 closes
inline constexpr uint8_t FirstButton = 0x10;  // game port, active low
inline constexpr uint8_t SecondButton = 0x20;  // game port, active low

class PortIo {
public:
    virtual ~PortIo() = default;
    // The byte at address; callers use only the low 8 bits.
    virtual int16_t agInp(uint16_t address) = 0;
    virtual void agOutp(uint16_t address, int16_t value) = 0;
};

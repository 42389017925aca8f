#pragma once
// A pseudo-terminal stands in for a USB-serial adapter. It has no modem
// lines, so an executable that links modem_line_double.cpp answers the
// modem-line requests on pseudo-terminals itself: RTS and DTR as the port
// sets them, carrier detect while switch 1 closes RTS to it and clear to
// send while switch 2 does. Every
// other request, and every request once the terminal has been hung up (as
// an unplugged adapter is), goes to the real call. The executable must
// export its symbols (ENABLE_EXPORTS) so the serial library calls the double.

#include <QString>
#include <atomic>

struct ModemLines {
    std::atomic<int> lines{0};  // TIOCM_* bits set by the port
    std::atomic<bool> switchClosed{false};
    std::atomic<bool> switch2Closed{false};
};
extern ModemLines modem;

struct Pty {
    Pty();
    ~Pty() { hang_up(); }
    void hang_up();  // closes the master side: the adapter is unplugged
    int master = -1;
    QString slave;
};

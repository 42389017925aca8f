#include "modem_line_double.h"

#include <cstdarg>
#include <cstdlib>
#include <dlfcn.h>
#include <fcntl.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

ModemLines modem;

namespace {

bool is_pty_slave(int fd)
{
    struct stat info { };
    return ::fstat(fd, &info) == 0 && S_ISCHR(info.st_mode) && major(info.st_rdev) >= 136
        && major(info.st_rdev) <= 143;
}

}  // namespace

extern "C" int ioctl(int fd, unsigned long request, ...)
{
    va_list args;
    va_start(args, request);
    void* arg = va_arg(args, void*);
    va_end(args);
    using Ioctl = int (*)(int, unsigned long, void*);
    static const auto real = reinterpret_cast<Ioctl>(::dlsym(RTLD_NEXT, "ioctl"));
    const bool modemRequest =
        request == TIOCMGET || request == TIOCMSET || request == TIOCMBIS || request == TIOCMBIC;
    if (!modemRequest || !is_pty_slave(fd))
        return real(fd, request, arg);
    winsize size{};
    if (real(fd, TIOCGWINSZ, &size) == -1)
        return -1;  // hung up: the real call's error, as an unplugged adapter gives
    int& value = *static_cast<int*>(arg);
    switch (request) {
    case TIOCMGET: {
        const bool rts = modem.lines & TIOCM_RTS;
        value = modem.lines | (modem.switchClosed && rts ? TIOCM_CAR : 0)
            | (modem.switch2Closed && rts ? TIOCM_CTS : 0);
        break;
    }
    case TIOCMSET: modem.lines = value; break;
    case TIOCMBIS: modem.lines |= value; break;
    case TIOCMBIC: modem.lines &= ~value; break;
    }
    return 0;
}

Pty::Pty()
{
    master = ::posix_openpt(O_RDWR | O_NOCTTY);
    ::grantpt(master);
    ::unlockpt(master);
    slave = QString::fromLocal8Bit(::ptsname(master));
}

void Pty::hang_up()
{
    if (master >= 0)
        ::close(master);
    master = -1;
}

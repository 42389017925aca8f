// Saves one settings record and prints the save's message, for the tests that
// kill or fail a save from outside the process.
// Usage: settings_save_child <folder ending in /> <screen size>
#include "settings_record.h"
#include "state/settings.h"

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv)
{
    if (argc != 3)
        return 2;
    const QString message =
        SaveSettings(settings_record(int16_t(std::atoi(argv[2])), QString::fromLocal8Bit(argv[1])));
    std::fputs(message.toLocal8Bit().constData(), stdout);
    return message.isEmpty() ? 0 : 1;
}

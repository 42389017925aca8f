// The user's guide text, in whatever encoding an editor saved it.
#include "state/users_guide.h"
#include "fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QStringList lines = users_guide_lines(fuzz_bytes(data, size));
    // Each list line holds one line of the file.
    for (const QString& line : lines)
        FUZZ_CHECK(!line.contains(u'\n'));
    return 0;
}

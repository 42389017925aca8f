// The settings file as an adult's editor or a damaged disk may leave it.
#include "fuzz_check.h"
#include "state/settings.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    GlobVars read;
    apply_settings(read, fuzz_bytes(data, size), QStringLiteral("aobj_se1.cfg"));
    // Whatever was kept must be saved in a form that reads back whole and the same.
    const QByteArray saved = format_settings(read);
    GlobVars reread;
    const SettingsLoadReport report = apply_settings(reread, saved, QStringLiteral("aobj_se1.cfg"));
    FUZZ_CHECK(report.message.isEmpty());
    FUZZ_CHECK(format_settings(reread) == saved);
    return 0;
}

// A sound the adult hands the clip library tool.
#include "fuzz_check.h"
#include "library/wav_check.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes = fuzz_bytes(data, size);
    if (wav_problem(bytes).isEmpty())
        FUZZ_CHECK(bytes.startsWith("RIFF")
                   && bytes.size() >= 45);  // headers, a 16-byte format, one sample byte
    return 0;
}

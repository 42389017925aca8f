#pragma once
// What every harness shares: the input as bytes, and a check that stops the
// run (a crash to the fuzzer, a failure to the corpus replay) when a reader
// breaks one of its own promises.

#include <QByteArray>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

// Not copied and not terminated, so a read past the end is caught.
inline QByteArray fuzz_bytes(const uint8_t* data, size_t size)
{
    return QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
}

#define FUZZ_CHECK(condition)                                                                                \
    do {                                                                                                     \
        if (!(condition)) {                                                                                  \
            std::fprintf(stderr, "%s:%d: broken: %s\n", __FILE__, __LINE__, #condition);                     \
            std::abort();                                                                                    \
        }                                                                                                    \
    } while (false)

// A screen-sized picture freed must go back to the system, however often
// pictures of that size come and go.
#include "app/memory_use.h"

#include <cstdlib>
#include <cstring>
#include <gtest/gtest.h>
#if defined(__GLIBC__)
#include <malloc.h>
#endif

// The C library's allocator is the one in use: AddressSanitizer brings its
// own (GCC tells with __SANITIZE_ADDRESS__, clang with __has_feature).
#if defined(__GLIBC__) && !defined(__SANITIZE_ADDRESS__)
#define GLIBC_ALLOCATOR 1
#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#undef GLIBC_ALLOCATOR
#endif
#endif
#endif

namespace {

#ifdef GLIBC_ALLOCATOR
// Bytes the C library holds in mappings of their own while a buffer of
// `bytes` is allocated.
size_t mapped_while_holding(size_t bytes)
{
    void* volatile buffer = std::malloc(bytes);
    std::memset(buffer, 1, bytes);
    const size_t mapped = mallinfo2().hblkhd;
    std::free(buffer);
    return mapped;
}
#endif

TEST(MemoryUse, LargeBuffersKeepTheirOwnMappingAfterOneIsFreed)
{
#ifdef GLIBC_ALLOCATOR
    return_large_buffers_to_the_system();
    constexpr size_t ScreenPicture = 1920 * 1080 * 4;
    for (int round = 0; round < 3; ++round)
        EXPECT_GE(mapped_while_holding(ScreenPicture), ScreenPicture) << "round " << round;
#else
    GTEST_SKIP() << "only the GNU C library's own allocator is tuned";
#endif
}

}  // namespace

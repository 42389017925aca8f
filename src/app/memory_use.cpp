#include "app/memory_use.h"

#include <cstdlib>  // defines __GLIBC__ on the GNU C library

#if defined(__GLIBC__)
#include <malloc.h>
#endif

void return_large_buffers_to_the_system()
{
#if defined(__GLIBC__)
    // Frames, stills and screen-sized pictures come and go with every clip
    // and every change of screen size. glibc's default raises its threshold
    // for giving such buffers their own mapping each time one is freed, after
    // which they are carved from the heap and the heap's high-water mark stays
    // resident: over a school day that grew to several hundred megabytes. A
    // fixed threshold keeps each large buffer in its own mapping, handed back
    // when it is freed; a long run of turns then stays near its first size.
    // Below a frame of the smallest clip size (352 x 240, 338 KB): at 1 MB
    // those frames still crept up by some 6 MB every 100 turns.
    constexpr int OwnMappingFromBytes = 256 * 1024;
    mallopt(M_MMAP_THRESHOLD, OwnMappingFromBytes);
#endif
}

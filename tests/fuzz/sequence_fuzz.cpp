// A sequence file as the playback clip list and "Show Clips by Category" read it.
#include "state/clip_listing.h"
#include "fuzz_check.h"
#include "state/clip_list.h"
#include "state/sequence_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const SequenceFile file = parse_sequence(fuzz_bytes(data, size));

    GlobVars g;
    g.CategoryEnabled.fill(1);
    build_clip_list(g, file, QStringLiteral("aobj_sqc.seq"));
    // The list never overflows, and no name leads out of the media folder.
    FUZZ_CHECK(g.ClipCount >= 0 && g.ClipCount <= MaxClips);
    for (int i = 1; i <= g.ClipCount; ++i)
        FUZZ_CHECK(is_safe_clip_name(g.ClipList[size_t(i)]));

    clip_listing_lines(file);
    return 0;
}

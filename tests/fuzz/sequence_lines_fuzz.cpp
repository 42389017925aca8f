// A sequence file as the clip library tool edits it: every byte it does not
// add or remove stays as it was.
#include "fuzz_check.h"
#include "library/sequence_lines.h"

namespace {

const QString NewName = QStringLiteral("fuzzed_clip");

// Adds the clip at `at`, writes and reads the file back, removes the clip again.
QByteArray added_and_removed(const QByteArray& original, size_t at)
{
    SequenceLines lines = split_sequence(original);
    insert_record(lines, at,
                  sequence_record(NewName, QStringLiteral("food"), QStringLiteral("A \"new\" clip"), 7));
    SequenceLines written = split_sequence(join_sequence(lines));
    FUZZ_CHECK(remove_records(written, NewName) == 1);
    return join_sequence(written);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray original = fuzz_bytes(data, size);
    SequenceLines lines = split_sequence(original);
    FUZZ_CHECK(join_sequence(lines) == original);

    std::mt19937 random{uint32_t(size)};
    const size_t places[] = {category_place(lines, QStringLiteral("food")),
                             title_place(lines, QStringLiteral("A \"new\" clip")),
                             random_place(lines, random)};
    for (size_t at : places)
        FUZZ_CHECK(at <= lines.size());

    SequenceLines copy = lines;
    if (remove_records(copy, NewName) > 0)
        return 0;  // the clip is there already: adding and removing it is not the identity
    for (size_t at : places)
        FUZZ_CHECK(added_and_removed(original, at) == original);
    return 0;
}

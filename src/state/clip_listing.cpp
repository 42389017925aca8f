#include "state/clip_listing.h"

#include "state/globvars.h"
#include "state/sequence_file.h"

#include <array>

namespace {

constexpr std::array<const char*, CategoryCount> Headings = {
    "Animals", "Appliances", "Clothing", "Food", "Health", "House", "Jobs", "Kitchen", "Outside", "Vehicles"};

// Keys are compared exactly. A key outside the ten is shown as it stands, so
// the adult can see which records carry it; an empty one gets a visible label.
QString heading_for(const QString& key)
{
    for (int i = 0; i < CategoryCount; ++i)
        if (key == QLatin1String(CategoryKeys[i]))
            return QLatin1String(Headings[i]);
    return key.isEmpty() ? QStringLiteral("(no category)") : key;
}

}  // namespace

QStringList clip_listing_lines(const QString& sequenceFolder)
{
    return clip_listing_lines(read_sequence_file(sequenceFolder + QStringLiteral("aobj_sqc.seq")));
}

QStringList clip_listing_lines(const SequenceFile& file)
{
    const QString blank = QStringLiteral(" ");
    QStringList lines = {
        blank, QStringLiteral("    Movie Clips by Category"), QString(34, u'_'), blank, blank, blank};

    // The list is only 200 pixels wide: short explanations that name the file.
    if (!file.error.isEmpty()) {
        lines << QStringLiteral("Cannot read aobj_sqc.seq");
        return lines;
    }
    QString previousKey;
    for (const SequenceRecord& record : file.records) {
        const QString& key = record.fields[1];
        if (key != previousKey)
            lines << blank << blank << heading_for(key) << QString(32, u'-');
        previousKey = key;
        lines << record.fields[2];
    }
    if (file.truncated)
        lines << blank << QStringLiteral("aobj_sqc.seq: last entry cut");
    if (file.cut)
        lines << blank << QStringLiteral("aobj_sqc.seq: long entries cut");
    if (file.tooManyRecords)
        lines << blank << QStringLiteral("aobj_sqc.seq: only %1 entries shown").arg(MaxRecords);
    return lines;
}

// A press must be answered at once: in every clip something large happens
// within the first second, and the last picture shows how it ended.
#include "library_files.h"
#include "mpv_frames.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

namespace {

// Well above the codec's noise on a still picture, well below any real change.
constexpr int ChannelStep = 40;
constexpr double OpeningChange = 0.05;
constexpr double OutcomeChange = 0.03;

// The share of pixels where some colour channel differs by more than ChannelStep.
double changed_share(const QImage& a, const QImage& b)
{
    if (a.size() != b.size() || a.isNull())
        return 0;
    const QImage x = a.convertToFormat(QImage::Format_RGB888);
    const QImage y = b.convertToFormat(QImage::Format_RGB888);
    qint64 changed = 0;
    for (int row = 0; row < x.height(); ++row) {
        const uchar* p = x.constScanLine(row);
        const uchar* q = y.constScanLine(row);
        for (int i = 0; i < x.width(); ++i, p += 3, q += 3)
            if (std::abs(p[0] - q[0]) > ChannelStep || std::abs(p[1] - q[1]) > ChannelStep
                || std::abs(p[2] - q[2]) > ChannelStep)
                ++changed;
    }
    return double(changed) / (qint64(x.width()) * x.height());
}

TEST(ClipEvent, ChangedShareCountsOnlyClearChanges)
{
    QImage a(10, 10, QImage::Format_RGB888);
    a.fill(QColor(100, 100, 100));
    QImage b = a;
    for (int x = 0; x < 10; ++x)
        b.setPixelColor(x, 0, QColor(100, 100, 100 + ChannelStep + 1));  // one row: clear
    for (int x = 0; x < 10; ++x)
        b.setPixelColor(x, 1, QColor(100 + ChannelStep, 100, 100));  // one row: codec-sized
    EXPECT_DOUBLE_EQ(changed_share(a, b), 0.1);
    EXPECT_DOUBLE_EQ(changed_share(a, a), 0.0);
    EXPECT_DOUBLE_EQ(changed_share(a, QImage()), 0.0);
}

TEST(ClipEvent, EveryClipChangesClearlyInItsFirstSecondAndEndsOnItsOutcome)
{
    const QList<QStringList> records = read_sequence_file(program_folder().filePath("aobj_sqc.seq")).records;
    ASSERT_FALSE(records.isEmpty());
    std::printf("%-18s %9s %9s\n", "clip", "first 1 s", "last");
    for (const QStringList& record : records) {
        const QString clip = record.value(0);
        SCOPED_TRACE(clip.toStdString());
        const ClipEnds frames = decode_clip_ends(program_folder().filePath(clip + ".mpg"));
        ASSERT_FALSE(frames.last.isNull()) << frames.error.toStdString();
        // At 25 frames a second; a few short would mean frames were skipped.
        EXPECT_GE(frames.opening.size(), 24);
        double opening = 0;
        for (const QImage& frame : frames.opening)
            opening = std::max(opening, changed_share(frames.first, frame));
        const double outcome = changed_share(frames.first, frames.last);
        std::printf("%-18s %8.1f%% %8.1f%%\n", qPrintable(clip), 100 * opening, 100 * outcome);
        EXPECT_GE(opening, OpeningChange) << "too little happens in the first second";
        EXPECT_GE(outcome, OutcomeChange) << "the last picture looks like the first";
    }
}

}  // namespace

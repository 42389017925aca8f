#include "playback/stage_layout.h"

#include "media/playback_layout.h"

#include <QtMath>

namespace {
constexpr int LabelTop = 20;
constexpr int LabelGap = 10;
constexpr int LabelLeft = 10;  // on the theater, at the left
constexpr int LabelRight = 600;  // on the TV set, the labels end here
}  // namespace

StageLayout stage_layout(QSize screen, int16_t screenSize, int16_t backgroundKind,
                         const std::vector<QSize>& labels)
{
    StageLayout layout;
    const QPoint centred(qRound((screen.width() - AreaWidth) / 2.0f),
                         qRound((screen.height() - AreaHeight) / 2.0f));
    layout.area = QRect(centred, QSize(AreaWidth, AreaHeight));
    layout.movie = (backgroundKind == 1 ? TvPlace : TheaterPlace).movie_area;
    switch (screenSize) {
    case 3:  // the drawing area moves to the screen's corner and covers it
        layout.areaWhilePlaying = QRect(QPoint(0, 0), screen);
        layout.playerWhilePlaying = QRect(QPoint(0, 0), screen);
        break;
    case 2:
        layout.areaWhilePlaying = layout.area;
        layout.playerWhilePlaying = QRect(0, 0, AreaWidth, AreaHeight);
        break;
    default: layout.areaWhilePlaying = layout.area; layout.playerWhilePlaying = layout.movie;
    }
    int top = LabelTop;
    for (const QSize& label : labels) {
        const int left = backgroundKind == 1 ? LabelRight - label.width() : LabelLeft;
        layout.labels.emplace_back(QPoint(left, top), label);
        top += label.height() + LabelGap;
    }
    return layout;
}

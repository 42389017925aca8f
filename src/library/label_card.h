#pragma once
// The label picture shown beside a clip: a white card with a dark rounded
// border, like the demo library's, holding the adult's picture above the
// title, or the title alone in large letters when there is no picture.

#include <QImage>
#include <QString>

inline constexpr int LabelWidth = 120;
// Low enough to sit above both backdrops at the top of the screen.
inline constexpr int LabelHeight = 96;

// picture may be null.
QImage make_label_card(const QString& title, const QImage& picture);

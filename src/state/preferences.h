#pragma once
// What a learner prefers, from the choices of the sessions the adult picks:
// clips ranked by the share of offers in which they were chosen, and how
// often the left side was taken, since a learner who nearly always takes one
// side may be pressing without choosing.

#include <QList>
#include <QString>
#include <optional>

enum class ChoiceSide { Left, Right };

struct ChoiceMade {
    QString left;
    QString right;
    ChoiceSide chosen = ChoiceSide::Left;
};

struct ClipPreference {
    QString clip;
    int chosen = 0;
    int offered = 0;

    double share() const { return offered == 0 ? 0.0 : double(chosen) / offered; }
    bool operator==(const ClipPreference&) const = default;
};

// Above this share of left choices, or below 1 minus it, the side is flagged.
inline constexpr double SideBiasLimit = 0.8;

struct Preferences {
    QList<ClipPreference> ranking;  // the most chosen share first
    int choices = 0;
    int leftChoices = 0;

    // The share of choices taken on the left; none without a choice.
    std::optional<double> left_share() const;
    // Whether the side, not the clip, may have decided.
    bool side_bias() const;
};

Preferences preferences(const QList<ChoiceMade>& choices);

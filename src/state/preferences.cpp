#include "state/preferences.h"

#include <QHash>
#include <algorithm>

std::optional<double> Preferences::left_share() const
{
    if (choices == 0)
        return std::nullopt;
    return double(leftChoices) / choices;
}

bool Preferences::side_bias() const
{
    const auto share = left_share();
    return share && (*share > SideBiasLimit || *share < 1.0 - SideBiasLimit);
}

Preferences preferences(const QList<ChoiceMade>& choices)
{
    Preferences result;
    QHash<QString, qsizetype> rowOf;
    const auto row = [&](const QString& clip) -> ClipPreference& {
        auto it = rowOf.find(clip);
        if (it == rowOf.end()) {
            it = rowOf.insert(clip, result.ranking.size());
            result.ranking.append(ClipPreference{clip});
        }
        return result.ranking[*it];
    };
    for (const ChoiceMade& choice : choices) {
        ++row(choice.left).offered;
        ++row(choice.right).offered;
        const bool left = choice.chosen == ChoiceSide::Left;
        ++row(left ? choice.left : choice.right).chosen;
        ++result.choices;
        result.leftChoices += left;
    }
    // Equal shares: the one chosen more often is the surer, then by name so
    // the order never changes between two looks at the same records.
    std::stable_sort(result.ranking.begin(), result.ranking.end(),
                     [](const ClipPreference& a, const ClipPreference& b) {
                         // Compared as cross products so 1/3 and 2/6 are equal.
                         const long lhs = long(a.chosen) * b.offered;
                         const long rhs = long(b.chosen) * a.offered;
                         if (lhs != rhs)
                             return lhs > rhs;
                         if (a.chosen != b.chosen)
                             return a.chosen > b.chosen;
                         return a.clip < b.clip;
                     });
    return result;
}

#pragma once
// The pairs a choice turn offers, from the clips of a run in the run's order.
// Pairs are laid out as a round robin: each round offers every clip once, no
// pair comes again before every pair has been offered, and the second time
// round every pair comes with its sides swapped, so over a whole cycle each
// clip stands on the left exactly as often as on the right. Sides also swap
// from one round to the next, so a short session stays close to balanced.

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

struct ClipPair {
    QString left;
    QString right;

    bool operator==(const ClipPair&) const = default;
};

class ChoicePairs {
public:
    // clips: the run's clips in its order. The first round pairs neighbours
    // (1st with 2nd, 3rd with 4th…), so the chosen order is what the learner
    // sees first.
    explicit ChoicePairs(const QStringList& clips);

    // The next pair; nullopt when fewer than two offerable clips are left.
    std::optional<ClipPair> next();

    // A clip that cannot be played is offered no more; pairs holding it are
    // passed over.
    void leave_out(const QString& clip);

    // How many clips can still be offered.
    int offerable() const;

private:
    std::optional<ClipPair> pair_at(long index) const;
    long pairs_in_cycle() const;

    std::vector<QString> seats_;  // by round-robin seat; an empty name sits out
    QStringList leftOut_;
    long nextIndex_ = 0;
};

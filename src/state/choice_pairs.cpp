#include "state/choice_pairs.h"

namespace {

// The circle method: seat n-1 stays, the others turn one place a round.
// Returns the seats of pair `k` of round `r` among n seats (n even).
std::pair<int, int> seats_of(int n, int r, int k)
{
    const int turning = n - 1;
    if (k == 0)
        return {turning, r % turning};
    return {(r + k) % turning, (r - k + turning) % turning};
}

}  // namespace

ChoicePairs::ChoicePairs(const QStringList& listed)
{
    // A clip listed twice could be offered against itself, which is no choice.
    QStringList clips = listed;
    clips.removeDuplicates();
    const int count = static_cast<int>(clips.size());
    const int n = count + count % 2;  // an odd count gets an empty seat that sits out
    seats_.assign(static_cast<size_t>(n), QString());
    // Round 0's pair k holds seats {n-1, 0}, {1, n-2}, {2, n-3}…; give those
    // seats the clips in order so round 0 offers them as listed.
    for (int k = 0; k < n / 2; ++k) {
        const auto [a, b] = seats_of(n, 0, k);
        if (2 * k < count)
            seats_[static_cast<size_t>(a)] = clips[2 * k];
        if (2 * k + 1 < count)
            seats_[static_cast<size_t>(b)] = clips[2 * k + 1];
    }
}

long ChoicePairs::pairs_in_cycle() const
{
    const long n = static_cast<long>(seats_.size());
    return n < 2 ? 0 : 2 * (n - 1) * (n / 2);
}

std::optional<ClipPair> ChoicePairs::pair_at(long index) const
{
    const int n = static_cast<int>(seats_.size());
    const long perRound = n / 2;
    const long round = index / perRound;
    const int r = static_cast<int>(round % (n - 1));
    const auto [a, b] = seats_of(n, r, static_cast<int>(index % perRound));
    ClipPair pair{seats_[static_cast<size_t>(a)], seats_[static_cast<size_t>(b)]};
    if (pair.left.isEmpty() || pair.right.isEmpty() || leftOut_.contains(pair.left)
        || leftOut_.contains(pair.right))
        return std::nullopt;
    // Odd rounds swap, and the second half of the cycle swaps what the first had.
    const bool secondHalf = round / (n - 1) % 2 == 1;
    if ((r % 2 == 1) != secondHalf)
        std::swap(pair.left, pair.right);
    return pair;
}

std::optional<ClipPair> ChoicePairs::next()
{
    if (offerable() < 2)
        return std::nullopt;
    // With two clips left every cycle still holds their pair, so this ends.
    for (;;) {
        const long index = nextIndex_;
        nextIndex_ = (nextIndex_ + 1) % pairs_in_cycle();
        if (auto pair = pair_at(index))
            return pair;
    }
}

void ChoicePairs::leave_out(const QString& clip)
{
    if (!leftOut_.contains(clip))
        leftOut_.append(clip);
}

int ChoicePairs::offerable() const
{
    int count = 0;
    for (const QString& clip : seats_)
        count += !clip.isEmpty() && !leftOut_.contains(clip);
    return count;
}

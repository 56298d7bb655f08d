// Positions of live slots in a numbered sequence, in logarithmic time.
#pragma once

#include <cstdint>
#include <vector>

namespace vz {

// Counts the live slots before a slot and finds the slot at a position, both
// in O(log n), over a fixed number of slots (a Fenwick tree of live marks).
class PositionTree {
public:
    // `live[i]` tells whether slot i is live.
    void build(const std::vector<bool>& live);
    std::size_t capacity() const { return tree_.empty() ? 0 : tree_.size() - 1; }
    void markLive(std::size_t slot) { add(slot, 1); }
    void markDead(std::size_t slot) { add(slot, -1); }
    // The number of live slots below `slot`.
    std::size_t before(std::size_t slot) const;
    // The live slot that has `position` live slots below it.
    std::size_t slotAt(std::size_t position) const;

private:
    void add(std::size_t slot, int delta);

    std::vector<std::int32_t> tree_; // 1-based partial sums
};

} // namespace vz

// Positions of live slots in a numbered sequence, in logarithmic time.
#include "windows/position_tree.h"

namespace vz {

void PositionTree::build(const std::vector<bool>& live) {
    tree_.assign(live.size() + 1, 0);
    for (std::size_t i = 1; i < tree_.size(); ++i) {
        tree_[i] += live[i - 1] ? 1 : 0;
        const std::size_t parent = i + (i & (~i + 1));
        if (parent < tree_.size())
            tree_[parent] += tree_[i];
    }
}

void PositionTree::add(std::size_t slot, int delta) {
    for (std::size_t i = slot + 1; i < tree_.size(); i += i & (~i + 1))
        tree_[i] += delta;
}

std::size_t PositionTree::before(std::size_t slot) const {
    std::int64_t sum = 0;
    for (std::size_t i = slot; i > 0; i -= i & (~i + 1))
        sum += tree_[i];
    return static_cast<std::size_t>(sum);
}

std::size_t PositionTree::slotAt(std::size_t position) const {
    std::size_t step = 1;
    while (step * 2 < tree_.size())
        step *= 2;
    std::size_t at = 0;
    auto left = static_cast<std::int64_t>(position);
    for (; step > 0; step /= 2)
        if (at + step < tree_.size() && tree_[at + step] <= left) {
            at += step;
            left -= tree_[at];
        }
    return at;
}

} // namespace vz

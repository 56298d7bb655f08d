// A list in arrival order that finds the first item under a name quickly.
#pragma once

#include "text/case_fold.h"
#include "windows/position_tree.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace vz {

// Items in arrival order, duplicates allowed, each named by NameOf. Finds the
// first item whose name equals a text exactly or ignoring case in O(1) on
// average (plus the items that share the name ignoring case), and converts
// between an item and its position in O(log n). An item keeps its place when
// it is replaced; removal closes the gap.
template <typename T, std::string (*NameOf)(const T&)> class FirstMatchList {
public:
    using Id = std::uint32_t;

    std::size_t size() const { return live_; }
    bool empty() const { return live_ == 0; }

    // Forgets every item and gives their memory back.
    void clear() {
        slots_ = {};
        heads_ = {};
        positions_.build({});
        live_ = 0;
    }

    Id append(T item) {
        if (slots_.size() == positions_.capacity())
            makeRoom();
        const auto id = static_cast<Id>(slots_.size());
        slots_.push_back(Slot{std::move(item), None, true});
        link(id);
        positions_.markLive(id);
        ++live_;
        return id;
    }

    std::optional<Id> findExact(std::string_view name) const {
        for (Id id = head(foldCase(name)); id != None; id = slots_[id].next)
            if (NameOf(slots_[id].item) == name)
                return id;
        return std::nullopt;
    }

    std::optional<Id> findIgnoringCase(std::string_view name) const {
        const Id id = head(foldCase(name));
        return id == None ? std::nullopt : std::optional<Id>(id);
    }

    const T& at(Id id) const { return slots_[id].item; }

    // Changes an item in place; its name may change.
    void replace(Id id, T item) {
        unlink(id);
        slots_[id].item = std::move(item);
        link(id);
    }

    void erase(Id id) {
        unlink(id);
        slots_[id] = Slot{};
        positions_.markDead(id);
        --live_;
    }

    std::size_t positionOf(Id id) const { return positions_.before(id); }
    const T& operator[](std::size_t position) const {
        return slots_[positions_.slotAt(position)].item;
    }

private:
    static constexpr Id None = UINT32_MAX;
    struct Slot {
        T item{};
        Id next = None; // the next item whose name folds the same way
        bool live = false;
    };
    // Hashing that accepts a string_view, so lookups build no string.
    struct NameHash {
        using is_transparent = void;
        std::size_t operator()(std::string_view s) const {
            return std::hash<std::string_view>{}(s);
        }
    };

    Id head(const std::string& folded) const {
        const auto found = heads_.find(folded);
        return found == heads_.end() ? None : found->second;
    }

    // Threads the item into the chain of its folded name, kept in slot order.
    void link(Id id) {
        const auto [found, added] = heads_.try_emplace(foldCase(NameOf(slots_[id].item)), id);
        if (added)
            return;
        Id* at = &found->second;
        while (*at != None && *at < id)
            at = &slots_[*at].next;
        slots_[id].next = *at;
        *at = id;
    }

    void unlink(Id id) {
        const auto found = heads_.find(foldCase(NameOf(slots_[id].item)));
        Id* at = &found->second;
        while (*at != id)
            at = &slots_[*at].next;
        *at = slots_[id].next;
        slots_[id].next = None;
        if (found->second == None)
            heads_.erase(found);
    }

    // Drops the slots of removed items, renumbering the rest in order, and
    // leaves room for as many more.
    void makeRoom() {
        std::vector<Slot> kept;
        kept.reserve(live_);
        for (Slot& slot : slots_)
            if (slot.live)
                kept.push_back(Slot{std::move(slot.item), None, true});
        slots_ = std::move(kept);
        heads_.clear();
        for (Id id = 0; id < slots_.size(); ++id)
            link(id);
        std::vector<bool> live(std::max<std::size_t>(16, slots_.size() * 2), false);
        std::fill(live.begin(), live.begin() + static_cast<std::ptrdiff_t>(slots_.size()), true);
        positions_.build(live);
        slots_.reserve(live.size());
    }

    std::vector<Slot> slots_;
    std::unordered_map<std::string, Id, NameHash, std::equal_to<>> heads_;
    PositionTree positions_;
    std::size_t live_ = 0;
};

} // namespace vz

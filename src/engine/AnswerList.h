// The candidate records of one table walk, from which one is drawn at random.
#pragma once

#include <cstdint>
#include <vector>

namespace kiova {

class TAnswerList {
public:
    // The items array grows by `growth_step` entries at a time (at least one).
    explicit TAnswerList(int growth_step);

    void Add(int32_t record_index);
    // Empties the list, keeping its room.
    void Clear() { items_.clear(); }
    int Count() const { return static_cast<int>(items_.size()); }
    // Reseeds the generator from the clock and returns a uniformly drawn item; 0 when empty.
    int32_t Choose() const;

private:
    int growth_step_;
    std::vector<int32_t> items_;
};

}  // namespace kiova

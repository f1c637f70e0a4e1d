// The candidate records of one table walk, from which one is drawn at random.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace kiova {

class TAnswerList {
public:
    // The items array grows by `growth_step` entries at a time (at least one).
    explicit TAnswerList(int growth_step);

    // Inline and without a reallocation path of its own: a plain table's walk adds every record.
    void Add(int32_t record_index) {
        if (count_ == items_.size()) Grow();
        items_[count_++] = record_index;
    }
    // Empties the list, keeping its room.
    void Clear() { count_ = 0; }
    int Count() const { return static_cast<int>(count_); }
    // Reseeds the generator from the clock and returns a uniformly drawn item; 0 when empty.
    int32_t Choose() const;

private:
    void Grow();

    int growth_step_;
    std::vector<int32_t> items_;  // the room; the first count_ are the list
    std::size_t count_ = 0;
};

}  // namespace kiova

#include "AnswerList.h"

#include <algorithm>

#include "Random.h"

namespace kiova {

TAnswerList::TAnswerList(int growth_step) : growth_step_(std::max(growth_step, 1)) {
    items_.reserve(static_cast<size_t>(growth_step_));
}

void TAnswerList::Add(int32_t record_index) {
    if (items_.size() == items_.capacity())
        items_.reserve(items_.size() + static_cast<size_t>(growth_step_));
    items_.push_back(record_index);
}

int32_t TAnswerList::Choose() const {
    if (items_.empty()) return 0;
    Randomize();
    return items_[static_cast<size_t>(Random(Count()))];
}

}  // namespace kiova

#include "AnswerList.h"

#include <algorithm>

#include "Random.h"

namespace kiova {

TAnswerList::TAnswerList(int growth_step)
    : growth_step_(std::max(growth_step, 1)), items_(static_cast<size_t>(growth_step_)) {}

void TAnswerList::Grow() {
    items_.resize(items_.size() + static_cast<size_t>(growth_step_));
}

int32_t TAnswerList::Choose() const {
    if (count_ == 0) return 0;
    Randomize();
    return items_[static_cast<size_t>(Random(Count()))];
}

}  // namespace kiova

#include <gtest/gtest.h>

#include <memory>
#include <set>

#include "AnswerList.h"
#include "Clock.h"

namespace kiova {
namespace {

// What Choose gives over many reseeds (one per millisecond of the day).
std::set<int32_t> Drawn(const TAnswerList& list) {
    std::set<int32_t> drawn;
    const TDateTime noon = *EncodeDateTime({2004, 2, 29, 12, 0, 0, 0});
    for (int ms = 0; ms < 200; ++ms) {
        const TDateTime now = noon + ms / 86400000.0;
        SetClock(std::make_shared<TFixedClock>(now, now));
        drawn.insert(list.Choose());
    }
    SetClock(nullptr);
    return drawn;
}

TEST(AnswerList, GrowsKeepingItsItemsAndDrawsOnlyFromTheListAfterClear) {
    TAnswerList list(2);
    for (int32_t record : {10, 11, 12, 13, 14}) list.Add(record);  // past the room twice
    EXPECT_EQ(list.Count(), 5);
    EXPECT_EQ(Drawn(list), (std::set<int32_t>{10, 11, 12, 13, 14}));

    // The room keeps the old items; only the new ones are the list.
    list.Clear();
    EXPECT_EQ(list.Count(), 0);
    EXPECT_EQ(list.Choose(), 0);
    list.Add(7);
    list.Add(8);
    EXPECT_EQ(list.Count(), 2);
    EXPECT_EQ(Drawn(list), (std::set<int32_t>{7, 8}));
}

}  // namespace
}  // namespace kiova

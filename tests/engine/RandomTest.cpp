#include <gtest/gtest.h>

#include <memory>

#include "Clock.h"
#include "Random.h"

namespace kiova {
namespace {

class RandomTest : public ::testing::Test {
protected:
    void TearDown() override { SetClock(nullptr); }
};

TEST_F(RandomTest, ReseedsFromTheUtcTimeOfDayOnly) {
    // The local time differs from UTC by nine hours; only the UTC time of day counts.
    const TDateTime utc = *EncodeDateTime({2004, 2, 29, 12, 34, 56, 789});
    SetClock(std::make_shared<TFixedClock>(utc + 9.0 / 24, utc));
    Randomize();
    EXPECT_EQ(RandomSeed(), 45296789u);

    SetClock(std::make_shared<TFixedClock>(utc, utc + 3));  // another day, same time of day
    Randomize();
    EXPECT_EQ(RandomSeed(), 45296789u);
}

TEST_F(RandomTest, DrawsFollowTheLinearCongruentialSequence) {
    SetRandomSeed(45296789u);
    EXPECT_EQ(Random(1000), 488);
    EXPECT_EQ(Random(1000), 270);
    EXPECT_EQ(Random(7), 2);
    EXPECT_EQ(Random(2147483647), 51191856);
    EXPECT_DOUBLE_EQ(RandomFloat(), 2998748646.0 / 4294967296.0);
    EXPECT_EQ(RandomSeed(), 2998748646u);

    SetRandomSeed(0);
    EXPECT_EQ(Random(0), 0);  // no range: nothing to draw, but the state steps
    EXPECT_EQ(RandomSeed(), 1u);
}

}  // namespace
}  // namespace kiova

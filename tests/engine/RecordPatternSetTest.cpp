// A table column's pattern set against testing its records one by one, on generated keys of
// every shape authors write, many of them repeated.
#include <gtest/gtest.h>

#include <random>

#include "RecordPattern.h"
#include "RecordPatternSet.h"
#include "bmRESearchText.h"

namespace kiova {
namespace {

const std::vector<std::string> kWords = {"HI", "CAT", "DOG", "RAIN", "SUN", "TEA", "GO", "NO"};

std::string GeneratedKey(std::mt19937& random) {
    const auto word = [&] { return kWords[random() % kWords.size()]; };
    switch (random() % 10) {
        case 0:
            return word();
        case 1:
            return "(" + word() + "|" + word() + ")";
        case 2:
            return word() + ".*" + word();
        case 3:
            return word() + "[0-9]";
        case 4:
            return word() + "[ ,]" + word();
        case 5:
            return "^" + word() + "(!|\\?)?";
        case 6:
            return "^" + word() + " " + word() + " .+$";
        case 7:
            return word() + "$";
        case 8:
            return "^" + word() + " .*";
        default:
            return word() + ".+";
    }
}

std::string GeneratedMessage(std::mt19937& random) {
    std::string message;
    for (std::size_t n = 1 + random() % 6; n > 0; --n) {
        message += kWords[random() % kWords.size()];
        message += " , 7?!\n"[random() % 7];
    }
    return message.substr(0, message.size() - random() % 2);
}

TEST(RecordPatternSet, FindsExactlyTheRecordsThatTestingOneByOneFinds) {
    std::mt19937 random(29);
    std::vector<TRecordPattern> patterns;
    for (int i = 0; i < 400; ++i) patterns.emplace_back(GeneratedKey(random));
    std::vector<TRecordPattern*> all;
    for (TRecordPattern& pattern : patterns) all.push_back(&pattern);
    PrepareAll(all);
    TRecordPatternSet set;
    for (std::uint32_t r = 0; r < patterns.size(); ++r) set.Add(r, patterns[r]);

    std::vector<std::uint32_t> found;
    for (int m = 0; m < 500; ++m) {
        const TbmRESearchText message(GeneratedMessage(random));
        std::vector<std::uint32_t> expected;
        for (std::uint32_t r = 0; r < patterns.size(); ++r) {
            if (patterns[r].FoundIn(message)) expected.push_back(r);
        }
        ASSERT_TRUE(set.FindIn(message, found));
        ASSERT_EQ(found, expected) << testing::PrintToString(std::string(message.Bytes()));
    }
}

}  // namespace
}  // namespace kiova

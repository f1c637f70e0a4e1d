#include "ConditionTags.h"

namespace kiova {
namespace {

// The truth values of key[first .. first+3] and key[bar+1 .. bar+4].
std::pair<bool, bool> TruthOperands(const TTag& tag, int first) {
    return {IsTrueText(tag.Key(first, first + 3)),
            IsTrueText(tag.Key(tag.Bar() + 1, tag.Bar() + 4))};
}

}  // namespace

std::u16string IfTrueTag(const TTag& tag) {
    return std::u16string(tag.Raw(7, tag.Bar() - 1));
}

std::u16string IfFalseTag(const TTag& tag) {
    return std::u16string(tag.RawFrom(tag.Bar() + 1));
}

std::u16string NotTag(bool operand) {
    return TruthResult(!operand);
}

std::u16string AndTag(const TTag& tag) {
    auto [a, b] = TruthOperands(tag, 4);
    return TruthResult(a && b);
}

std::u16string OrTag(const TTag& tag) {
    auto [a, b] = TruthOperands(tag, 3);
    return TruthResult(a || b);
}

std::u16string XorTag(const TTag& tag) {
    auto [a, b] = TruthOperands(tag, 4);
    return TruthResult(a != b);
}

std::u16string TextEqualTag(const TTag& tag, bool equal) {
    return TruthResult((tag.FirstOperand(2) == tag.SecondOperand()) == equal);
}

std::u16string CompareTag(const TTag& tag, int name_length, TComparison comparison) {
    const double a = ToFloat(tag.FirstOperand(name_length));
    const double b = ToFloat(tag.SecondOperand());
    switch (comparison) {
        case TComparison::Equal:
            return TruthResult(a == b);
        case TComparison::NotEqual:
            return TruthResult(a != b);
        case TComparison::Greater:
            return TruthResult(a > b);
        case TComparison::GreaterOrEqual:
            return TruthResult(a >= b);
        case TComparison::Less:
            return TruthResult(a < b);
        case TComparison::LessOrEqual:
            return TruthResult(a <= b);
    }
    return {};
}

}  // namespace kiova

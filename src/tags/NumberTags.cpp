#include "NumberTags.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "Random.h"

namespace kiova {
namespace {

// a^n by squaring: as exact as repeated multiplication, in 31 steps at most.
double IntegerPower(double a, int64_t n) {
    double result = 1;
    for (double base = a; n > 0; n >>= 1, base *= base)
        if (n & 1) result *= base;
    return result;
}

// The integers a and b of an integer operator; b = 0 fails.
std::pair<int64_t, int64_t> IntegerOperands(const TTag& tag) {
    const int64_t a = ToInt(tag.FirstOperand(1));
    const int64_t b = ToInt(tag.SecondOperand());
    if (b == 0) throw ETagFailed();
    return {a, b};
}

double Function(TFunction function, double x) {
    switch (function) {
        case TFunction::Abs:
            return std::fabs(x);
        case TFunction::Sqr:
            return x * x;
        case TFunction::Sqrt:
            return std::sqrt(x);  // NaN below 0, which fails
        case TFunction::Exp:
            return std::exp(x);
        case TFunction::Sin:
            return std::sin(x);
        case TFunction::Cos:
            return std::cos(x);
        case TFunction::Tan:
            return std::tan(x);
        case TFunction::ArcSin:
            return std::atan2(x, std::sqrt(1 - x * x));
        case TFunction::ArcCos:
            return std::atan2(std::sqrt(1 - x * x), x);
        case TFunction::ArcTan:
            return std::atan(x);
        case TFunction::Ceil:
            return std::ceil(x);
        case TFunction::Floor:
            return std::floor(x);
        case TFunction::Trunc:
            return std::trunc(x);
        case TFunction::Round:
            return x >= 0 ? std::trunc(x + 0.5) : std::trunc(x - 0.5);
    }
    return NAN;
}

}  // namespace

double Power(double a, double b) {
    if (b == 0) return 1;
    if (a == 0 && b > 0) return 0;
    if (b == std::trunc(b) && std::fabs(b) <= 2147483647.0) {
        const double magnitude = IntegerPower(a, static_cast<int64_t>(std::fabs(b)));
        return b > 0 ? magnitude : 1 / magnitude;
    }
    if (a < 0) return NAN;
    // In extended precision, so that the result is right to the 15 digits it is written with
    // (2 to the power 0.5 gives 1.4142135623731, not 1.41421356237309).
    const long double wide_a = a, wide_b = b;
    return static_cast<double>(std::exp(wide_b * std::log(wide_a)));
}

std::u16string ArithmeticTag(const TTag& tag) {
    const char16_t op = tag.KeyAt(1);
    if (op == u'\\' || op == u'%') {
        // In 64 bits, so that -2147483648 \ -1 is no overflow.
        auto [a, b] = IntegerOperands(tag);
        return IntResult(op == u'\\' ? a / b : a % b);
    }
    const double a = ToFloat(tag.FirstOperand(1));
    const double b = ToFloat(tag.SecondOperand());
    switch (op) {
        case u'+':
            return FloatResult(a + b);
        case u'-':
            return FloatResult(a - b);
        case u'*':
            return FloatResult(a * b);
        case u'/':
            if (b == 0) throw ETagFailed();
            return FloatResult(a / b);
        case u'^':
            return FloatResult(Power(a, b));
    }
    return {};
}

std::u16string MaxTag(const TTag& tag) {
    return FloatResult(std::max(ToFloat(tag.FirstOperand(3)), ToFloat(tag.SecondOperand())));
}

std::u16string MinTag(const TTag& tag) {
    return FloatResult(std::min(ToFloat(tag.FirstOperand(3)), ToFloat(tag.SecondOperand())));
}

std::u16string LogTag(const TTag& tag) {
    const double base = ToFloat(tag.FirstOperand(3));
    const double x = ToFloat(tag.SecondOperand());
    // Logarithms of 0 or below, and a base whose logarithm is 0, give no finite result.
    return FloatResult(std::log(x) / std::log(base));
}

std::u16string FunctionTag(const TTag& tag, int name_length, TFunction function) {
    const double y = Function(function, ToFloat(tag.KeyFrom(name_length + 1)));
    switch (function) {
        case TFunction::Ceil:
        case TFunction::Floor:
            return IntResult(CheckedInt32(y));
        case TFunction::Trunc:
        case TFunction::Round:
            return IntResult(CheckedInt64(y));
        default:
            return FloatResult(y);
    }
}

std::u16string PiTag() {
    return FloatResult(std::numbers::pi);
}

std::u16string RandomTag(const TTag& tag) {
    Randomize();
    const char16_t kind = tag.KeyAt(7);
    if (kind == u'B') {
        const int32_t percent = ToInt(tag.KeyFrom(9));
        return TruthResult(Random(100) < percent);
    }
    if (kind == u'V') {
        const int32_t range = ToInt(tag.KeyFrom(9));
        if (range < 1) throw ETagFailed();
        return IntResult(Random(range));
    }
    return {};
}

}  // namespace kiova

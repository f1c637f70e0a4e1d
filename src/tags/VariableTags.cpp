#include "VariableTags.h"

#include <cmath>

#include "CodePage.h"

namespace kiova {
namespace {

// The index in key[first .. first+1].
int VariableIndex(const TTag& tag, int first) {
    const int32_t index = ToInt(tag.Key(first, first + 1));
    if (index < 0 || index >= TCharacterVariables::kCount) throw ETagFailed();
    return index;
}

}  // namespace

std::u16string MemoTag(const TTag& tag, TCharacterVariables& variables, int code_page) {
    std::string& memo = variables.strings[VariableIndex(tag, 5)];
    const char16_t action = tag.KeyAt(7);
    if (tag.N() == 6) return AnsiToUtf16(memo, code_page);
    if (action == u':') {
        memo = Utf16ToAnsi(tag.RawFrom(8), code_page);
    } else if (action == u'+') {
        memo += Utf16ToAnsi(tag.RawFrom(8), code_page);
    } else if (tag.N() == 7 && action == u'C') {
        memo.clear();
    }
    return {};
}

std::u16string CountTag(const TTag& tag, TCharacterVariables& variables) {
    double& count = variables.numbers[VariableIndex(tag, 6)];
    const char16_t action = tag.KeyAt(8);
    if (tag.N() == 7) return FloatResult(count);
    double updated = count;
    if (tag.N() == 9 && action == u'+' && tag.KeyAt(9) == u'+') {
        updated += 1;
    } else if (tag.N() == 9 && action == u'-' && tag.KeyAt(9) == u'-') {
        updated -= 1;
    } else if (action == u'+') {
        updated += ToFloat(tag.KeyFrom(9));
    } else if (action == u'-') {
        updated -= ToFloat(tag.KeyFrom(9));
    } else if (action == u':') {
        updated = ToFloat(tag.KeyFrom(9));
    }
    // An overflow fails like any other arithmetic and leaves the variable as it was.
    if (!std::isfinite(updated)) throw ETagFailed();
    count = updated;
    return {};
}

std::u16string FlagTag(const TTag& tag, TCharacterVariables& variables) {
    bool& flag = variables.flags[VariableIndex(tag, 5)];
    const char16_t action = tag.KeyAt(7);
    if (tag.N() == 6) return TruthResult(flag);
    if (action == u'!') {
        flag = !flag;
    } else if (action == u':') {
        const std::u16string_view value = tag.KeyFrom(8);
        if (value == u"TRUE") flag = true;
        if (value == u"FALSE") flag = false;
    }
    return {};
}

}  // namespace kiova

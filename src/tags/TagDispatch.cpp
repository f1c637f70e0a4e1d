// The dispatch table of the tag language.
//
// In:  one tag (its key, raw text, length and bar) and the context of the evaluation.
// Out: the text of the first row whose test holds, or empty text.
// Always: rows are tried in the order of the table and only within the group of the key's first
// character; the order decides between rows whose names share a prefix ("MINUTE" after "MIN").
#include "TagDispatch.h"

#include <algorithm>

#include "Character.h"
#include "CodePage.h"
#include "ConditionTags.h"
#include "DateTags.h"
#include "Delegation.h"
#include "NumberTags.h"
#include "TextTags.h"
#include "VariableTags.h"

namespace kiova {
namespace {

enum class TMatch { Exact, Prefix };

struct TRow {
    // In a name, "?" stands for any one character.
    std::u16string_view name;
    TMatch match;
    bool needs_bar = false;
    int min_length = 0;
    std::u16string (*run)(const TTag&, TTagContext&) = nullptr;
};

using TContext = TTagContext;
constexpr TMatch kExact = TMatch::Exact;
constexpr TMatch kPrefix = TMatch::Prefix;
constexpr bool kBar = true;
constexpr bool kNoBar = false;

std::u16string CharacterText(const TTagContext& context, const std::string& text) {
    return AnsiToUtf16(text, context.character.CodePage());
}

// The user's profile, as the settings hold it.
std::u16string Profile(const std::string& text) {
    return Utf8ToUtf16(text);
}

std::u16string Function(const TTag& tag, std::u16string_view name, TFunction function) {
    return FunctionTag(tag, static_cast<int>(name.size()), function);
}

const TRow kRows[] = {
    {u"IFTRUE", kPrefix, kBar, 0, [](const TTag& t, TContext&) { return IfTrueTag(t); }},
    {u"IFFALSE", kPrefix, kBar, 0, [](const TTag& t, TContext&) { return IfFalseTag(t); }},
    {u"ISSAMED", kPrefix, kBar, 8, [](const TTag& t, TContext&) { return IsSameDayTag(t); }},

    {u"MEMO", kPrefix, kNoBar, 6,
     [](const TTag& t, TContext& c) {
         return MemoTag(t, c.character.Variables(), c.character.CodePage());
     }},
    {u"MAX", kPrefix, kBar, 0, [](const TTag& t, TContext&) { return MaxTag(t); }},
    {u"MIN", kPrefix, kBar, 0, [](const TTag& t, TContext&) { return MinTag(t); }},
    {u"MID", kPrefix, kBar, 0, [](const TTag& t, TContext&) { return MidTag(t); }},
    {u"MONTH", kExact, kNoBar, 0, [](const TTag&, TContext& c) { return DateTimeTag("m", c.now); }},
    {u"MINUTE", kExact, kNoBar, 0,
     [](const TTag&, TContext& c) { return DateTimeTag("n", c.now); }},
    {u"MYOJI", kExact, kNoBar, 0,
     [](const TTag&, TContext& c) { return Profile(c.character.User().Myoji); }},

    {u"COUNT", kPrefix, kNoBar, 7,
     [](const TTag& t, TContext& c) { return CountTag(t, c.character.Variables()); }},
    {u"CHOICE", kPrefix, kNoBar, 0, [](const TTag& t, TContext&) { return ChoiceTag(t); }},
    {u"COS:", kPrefix, kNoBar, 0,
     [](const TTag& t, TContext&) { return Function(t, u"COS:", TFunction::Cos); }},
    {u"CEIL:", kPrefix, kNoBar, 0,
     [](const TTag& t, TContext&) { return Function(t, u"CEIL:", TFunction::Ceil); }},

    {u"NOW", kExact, kNoBar, 0,
     [](const TTag&, TContext& c) { return DateTimeTag("yyyy/mm/dd hh:nn:ss", c.now); }},
    {u"NAMAE", kExact, kNoBar, 0,
     [](const TTag&, TContext& c) { return Profile(c.character.User().Namae); }},
    {u"NICKNAME", kExact, kNoBar, 0,
     [](const TTag&, TContext& c) { return Profile(c.character.User().NickName); }},
    {u"NOT:TRUE", kExact, kNoBar, 0, [](const TTag&, TContext&) { return NotTag(true); }},
    {u"NOT:FALSE", kExact, kNoBar, 0, [](const TTag&, TContext&) { return NotTag(false); }},
    {u"NE", kPrefix, kBar, 0, [](const TTag& t, TContext&) { return TextEqualTag(t, false); }},

    {u"OPERATEMESSAGE", kExact, kNoBar, 0,
     [](const TTag&, TContext& c) { return CharacterText(c, c.character.OperateMessage()); }},
    {u"OR", kPrefix, kBar, 0, [](const TTag& t, TContext&) { return OrTag(t); }},

    {u"POS", kPrefix, kBar, 0, [](const TTag& t, TContext&) { return PosTag(t); }},
    {u"PREV", kExact, kNoBar, 0,
     [](const TTag&, TContext& c) { return CharacterText(c, c.character.CurrentInput()); }},
    {u"PREVANSWER", kExact, kNoBar, 0,
     [](const TTag&, TContext& c) { return CharacterText(c, c.character.PreviousAnswer()); }},
    {u"PI", kExact, kNoBar, 0, [](const TTag&, TContext&) { return PiTag(); }},

    {u"DATE", kExact, kNoBar, 0,
     [](const TTag&, TContext& c) { return DateTimeTag("yyyy/mm/dd", c.now); }},
    {u"DAY", kExact, kNoBar, 0, [](const TTag&, TContext& c) { return DateTimeTag("d", c.now); }},
    {u"DATEDIFF", kPrefix, kBar, 0, [](const TTag& t, TContext&) { return DateDiffTag(t); }},

    {u"TIME", kExact, kNoBar, 0,
     [](const TTag&, TContext& c) { return DateTimeTag("hh:nn:ss", c.now); }},
    {u"TURN", kExact, kNoBar, 0,
     [](const TTag&, TContext& c) { return IntResult(c.character.TurnCount()); }},
    {u"TRUNC:", kPrefix, kNoBar, 0,
     [](const TTag& t, TContext&) { return Function(t, u"TRUNC:", TFunction::Trunc); }},
    {u"TAN:", kPrefix, kNoBar, 0,
     [](const TTag& t, TContext&) { return Function(t, u"TAN:", TFunction::Tan); }},

    {u"YEAR", kExact, kNoBar, 0,
     [](const TTag&, TContext& c) { return DateTimeTag("yyyy", c.now); }},
    {u"YOUBI", kExact, kNoBar, 0, [](const TTag&, TContext& c) { return WeekdayTag(c.now); }},

    {u"HOUR", kExact, kNoBar, 0, [](const TTag&, TContext& c) { return DateTimeTag("h", c.now); }},
    {u"HN", kExact, kNoBar, 0,
     [](const TTag&, TContext& c) { return Profile(c.character.User().HandleName); }},

    {u"SCRIPTIZE:", kPrefix, kNoBar, 0, [](const TTag& t, TContext&) { return ScriptizeTag(t); }},
    {u"SIN:", kPrefix, kNoBar, 0,
     [](const TTag& t, TContext&) { return Function(t, u"SIN:", TFunction::Sin); }},
    {u"SQRT:", kPrefix, kNoBar, 0,
     [](const TTag& t, TContext&) { return Function(t, u"SQRT:", TFunction::Sqrt); }},
    {u"SQR:", kPrefix, kNoBar, 0,
     [](const TTag& t, TContext&) { return Function(t, u"SQR:", TFunction::Sqr); }},
    {u"SECOND", kExact, kNoBar, 0,
     [](const TTag&, TContext& c) { return DateTimeTag("s", c.now); }},
    {u"SEX", kExact, kNoBar, 0,
     [](const TTag&, TContext& c) { return TruthResult(c.character.User().Male); }},
    {u"SHELL:", kPrefix, kNoBar, 0,
     [](const TTag& t, TContext& c) { return TruthResult(c.delegation.Shell(t.RawFrom(7))); }},

    {u"AND", kPrefix, kBar, 0, [](const TTag& t, TContext&) { return AndTag(t); }},
    {u"ALLOWEXECUTE", kExact, kNoBar, 0,
     [](const TTag&, TContext& c) { return TruthResult(c.character.AllowExecute()); }},
    {u"ABS:", kPrefix, kNoBar, 0,
     [](const TTag& t, TContext&) { return Function(t, u"ABS:", TFunction::Abs); }},
    {u"ARCCOS:", kPrefix, kNoBar, 0,
     [](const TTag& t, TContext&) { return Function(t, u"ARCCOS:", TFunction::ArcCos); }},
    {u"ARCSIN:", kPrefix, kNoBar, 0,
     [](const TTag& t, TContext&) { return Function(t, u"ARCSIN:", TFunction::ArcSin); }},
    {u"ARCTAN:", kPrefix, kNoBar, 0,
     [](const TTag& t, TContext&) { return Function(t, u"ARCTAN:", TFunction::ArcTan); }},

    {u"EQ", kPrefix, kBar, 0, [](const TTag& t, TContext&) { return TextEqualTag(t, true); }},
    {u"ENDENTRUST", kExact, kNoBar, 0,
     [](const TTag&, TContext& c) { return TruthResult(c.character.TakeEntrustFinished()); }},
    {u"ENTRUST", kPrefix, kBar, 0,
     [](const TTag& t, TContext& c) {
         return TruthResult(c.delegation.Entrust(t.Raw(8, t.Bar() - 1), t.RawFrom(t.Bar() + 1)));
     }},
    {u"EXP:", kPrefix, kNoBar, 0,
     [](const TTag& t, TContext&) { return Function(t, u"EXP:", TFunction::Exp); }},

    {u"BIRTHDAY", kExact, kNoBar, 0,
     [](const TTag&,
        TContext& c) { return DateTimeTag("yyyy/mm/dd", c.character.User().Birthday); }},
    {u"BR", kExact, kNoBar, 0, [](const TTag&, TContext&) { return LineBreakTag(); }},

    {u"RANDOM?:", kPrefix, kNoBar, 0, [](const TTag& t, TContext&) { return RandomTag(t); }},
    {u"RIGHT", kPrefix, kBar, 0, [](const TTag& t, TContext&) { return RightTag(t); }},
    {u"ROUND:", kPrefix, kNoBar, 0,
     [](const TTag& t, TContext&) { return Function(t, u"ROUND:", TFunction::Round); }},
    {u"RESULT", kExact, kNoBar, 0,
     [](const TTag&, TContext& c) { return c.delegation.TakeResult(); }},

    {u"LIKE", kPrefix, kBar, 0,
     [](const TTag& t, TContext& c) { return LikeTag(t, c.character.CodePage()); }},
    {u"LENGTH:", kPrefix, kNoBar, 0, [](const TTag& t, TContext&) { return LengthTag(t); }},
    {u"LEFT", kPrefix, kBar, 0, [](const TTag& t, TContext&) { return LeftTag(t); }},
    {u"LOG", kPrefix, kBar, 0, [](const TTag& t, TContext&) { return LogTag(t); }},

    {u"XOR", kPrefix, kBar, 0, [](const TTag& t, TContext&) { return XorTag(t); }},

    {u"FLAG", kPrefix, kNoBar, 6,
     [](const TTag& t, TContext& c) { return FlagTag(t, c.character.Variables()); }},
    {u"FLOOR:", kPrefix, kNoBar, 0,
     [](const TTag& t, TContext&) { return Function(t, u"FLOOR:", TFunction::Floor); }},
    {u"FULLNAME", kExact, kNoBar, 0,
     [](const TTag&,
        TContext& c) { return Profile(c.character.User().Myoji + c.character.User().Namae); }},

    {u"WORK", kExact, kNoBar, 0,
     [](const TTag&, TContext& c) { return WorkTag(c.now, c.character.CreationTime()); }},

    {u"==", kPrefix, kBar, 0,
     [](const TTag& t, TContext&) { return CompareTag(t, 2, TComparison::Equal); }},
    {u"!=", kPrefix, kBar, 0,
     [](const TTag& t, TContext&) { return CompareTag(t, 2, TComparison::NotEqual); }},
    {u">=", kPrefix, kBar, 0,
     [](const TTag& t, TContext&) { return CompareTag(t, 2, TComparison::GreaterOrEqual); }},
    {u">", kPrefix, kBar, 0,
     [](const TTag& t, TContext&) { return CompareTag(t, 1, TComparison::Greater); }},
    {u"<=", kPrefix, kBar, 0,
     [](const TTag& t, TContext&) { return CompareTag(t, 2, TComparison::LessOrEqual); }},
    {u"<", kPrefix, kBar, 0,
     [](const TTag& t, TContext&) { return CompareTag(t, 1, TComparison::Less); }},

    {u"+", kPrefix, kBar, 0, [](const TTag& t, TContext&) { return ArithmeticTag(t); }},
    {u"-", kPrefix, kBar, 0, [](const TTag& t, TContext&) { return ArithmeticTag(t); }},
    {u"*", kPrefix, kBar, 0, [](const TTag& t, TContext&) { return ArithmeticTag(t); }},
    {u"/", kPrefix, kBar, 0, [](const TTag& t, TContext&) { return ArithmeticTag(t); }},
    {u"\\", kPrefix, kBar, 0, [](const TTag& t, TContext&) { return ArithmeticTag(t); }},
    {u"%", kPrefix, kBar, 0, [](const TTag& t, TContext&) { return ArithmeticTag(t); }},
    {u"^", kPrefix, kBar, 0, [](const TTag& t, TContext&) { return ArithmeticTag(t); }},
};

bool NameMatches(std::u16string_view name, std::u16string_view key, TMatch match) {
    if (key.size() < name.size() || (match == TMatch::Exact && key.size() != name.size()))
        return false;
    for (size_t i = 0; i < name.size(); ++i)
        if (name[i] != u'?' && name[i] != key[i]) return false;
    return true;
}

bool RowHolds(const TRow& row, const TTag& tag) {
    return NameMatches(row.name, tag.Key(), row.match) && (!row.needs_bar || tag.Bar() > 0) &&
           tag.N() >= row.min_length;
}

}  // namespace

bool IsLanguageTag(const TTag& tag) {
    if (tag.N() == 0) return false;
    for (const TRow& row : kRows)
        if (RowHolds(row, tag)) return true;
    return false;
}

bool MayBecomeLanguageTag(std::u16string_view head) {
    for (const TRow& row : kRows) {
        const size_t common = std::min(head.size(), row.name.size());
        if (NameMatches(row.name.substr(0, common), head.substr(0, common), TMatch::Prefix))
            return true;
    }
    return false;
}

std::u16string RunTag(const TTag& tag, TTagContext& context) {
    if (tag.N() == 0) return {};
    const char16_t group = tag.Key()[0];
    for (const TRow& row : kRows) {
        if (row.name[0] != group || !RowHolds(row, tag)) continue;
        return row.run(tag, context);
    }
    return {};
}

}  // namespace kiova

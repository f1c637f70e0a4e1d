#include "Dumps.h"

#include <cstdio>

#include "bmREScanner.h"
#include "bmRETokens.h"

namespace kiova::test {

std::string CharText(std::int32_t c) {
    switch (c) {
        case bmreLineHead:
            return "HEAD";
        case bmreEndMarker:
            return "END";
        case bmreLineTail:
            return "TAIL";
        default:
            break;
    }
    if (c > ' ' && c < 127) return std::string(1, static_cast<char>(c));
    char text[16];
    std::snprintf(text, sizeof text, "0x%X", static_cast<unsigned>(c));
    return text;
}

namespace {

std::string RangeText(std::int32_t lo, std::int32_t hi) {
    return lo == hi ? "[" + CharText(lo) + "]" : "[" + CharText(lo) + "-" + CharText(hi) + "]";
}

std::string NodeText(const TbmRENode& node) {
    if (auto* cat = dynamic_cast<const TbmRECatNode*>(&node)) {
        return "Cat(" + NodeText(cat->A()) + "," + NodeText(cat->B()) + ")";
    }
    if (auto* alt = dynamic_cast<const TbmREUnionNode*>(&node)) {
        return "Union(" + NodeText(alt->A()) + "," + NodeText(alt->B()) + ")";
    }
    if (auto* closure = dynamic_cast<const TbmREClosureNode*>(&node)) {
        return "Closure(" + NodeText(closure->A()) + ")";
    }
    if (dynamic_cast<const TbmREEpsilonNode*>(&node)) return "eps";
    const auto& leaf = dynamic_cast<const TbmRELeafNode&>(node);
    return RangeText(leaf.Lo(), leaf.Hi());
}

}  // namespace

std::string DumpTokens(const TbmRETokens& tokens) {
    std::string text;
    for (const TbmRETokenRec& token : tokens) {
        text += std::string(bmRETokenKindName(token.Kind)) + " " + CharText(token.Lo) + " " +
                CharText(token.Hi) + " " + std::to_string(token.StartPos) + " " +
                std::to_string(token.EndPos) + "\n";
    }
    return text;
}

std::string DumpRanges(const TbmREWchRanges& ranges) {
    std::string text;
    for (const TbmREWchRange& range : ranges) {
        if (!text.empty()) text += " ";
        text += RangeText(range.Lo, range.Hi);
    }
    return text;
}

std::string DumpTree(const TbmRETree& tree) {
    return NodeText(tree.Root());
}

std::string DumpDFA(const TbmREDFATable& dfa) {
    std::string text;
    if (dfa.LineHead()) text += "head\n";
    if (dfa.LineTail()) text += "tail\n";
    for (TbmREStateIndex state = 0; state < dfa.StateCount(); ++state) {
        text += std::to_string(state) + ":";
        for (const TbmRETransition& t : dfa.Transitions(state)) {
            text += " " + RangeText(t.Lo, t.Hi) + "->" + std::to_string(t.Target);
        }
        if (dfa.Accepting(state)) text += " accept";
        text += "\n";
    }
    return text;
}

TbmRETokens TokensOf(std::string_view pattern, TbmCharCode code) {
    TbmREScanner scanner;
    scanner.SetCharCode(code);
    scanner.SetText(pattern);
    TbmRETokens tokens;
    Tokenize(tokens, scanner);
    return tokens;
}

std::string DumpStandardized(std::string_view pattern, TbmCharCode code) {
    TbmRETokens tokens = TokensOf(pattern, code);
    TbmREWchRanges partition;
    Standardize(tokens, partition, bmreMaxCharOf(code));
    return DumpTokens(tokens) + DumpRanges(partition);
}

namespace {

struct Compiled {
    TbmREWchRanges partition;
    TbmREBudget budget;
    TbmRETree tree;
};

void BuildTree(std::string_view pattern, TbmCharCode code, Compiled& compiled) {
    TbmRETokens tokens = TokensOf(pattern, code);
    Standardize(tokens, compiled.partition, bmreMaxCharOf(code));
    compiled.tree.Build(tokens, compiled.partition, compiled.budget, bmreMaxCharOf(code));
}

}  // namespace

std::string TreeOf(std::string_view pattern, TbmCharCode code) {
    Compiled compiled;
    BuildTree(pattern, code, compiled);
    return DumpTree(compiled.tree);
}

std::string DfaOf(std::string_view pattern, TbmCharCode code) {
    Compiled compiled;
    BuildTree(pattern, code, compiled);
    TbmREDFATable dfa;
    dfa.Build(compiled.tree, compiled.partition, compiled.budget);
    return DumpDFA(dfa);
}

}  // namespace kiova::test

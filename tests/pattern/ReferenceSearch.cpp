// Search: text bytes, a start offset and an automaton in; the leftmost match start and its
// longest length out. The automaton is restarted at every character boundary from the start
// offset on, including the position just after the last character, until one run accepts.
// A second run, started from the state after a line head, covers starts that follow a line
// break (or the text start); both runs share the length, which ends as the longest either
// accepted. What always holds: a match lies inside the text (offset + length <= size).
#include "ReferenceSearch.h"

#include <algorithm>
#include <stdexcept>

#include "bmWchReader.h"

namespace kiova::test {
namespace {

constexpr std::int32_t kLF = 10;
constexpr std::int32_t kCR = 13;

template <class Reader, class... ReaderArgs>
int Search(std::string_view text, int start, const TbmREDFATable& dfa, int& length,
           ReaderArgs... readerArgs) {
    if (text.size() > static_cast<std::size_t>(INT32_MAX / 2)) {  // positions are ints
        length = 0;
        return -1;
    }
    const int size = static_cast<int>(text.size());
    if (start < 0 || start > size) {
        length = 0;
        return -1;
    }
    Reader scan(readerArgs...);      // reads one attempt from its start position
    Reader position(readerArgs...);  // steps over the start positions
    const TbmREStateIndex afterLineHead = dfa.Lookup(0, bmreLineHead);
    const bool lineHead = dfa.LineHead();
    const bool lineTail = dfa.LineTail();
    position.SetTextBuff(text);
    position.SetPos(start);

    // The run from the state after a line head, when the current start follows a line break.
    TbmREStateIndex lineRun = bmreNoState;
    if (lineHead) {
        if (start == 0) {
            lineRun = afterLineHead;
        } else {
            position.UnreadChar();
            const std::int32_t before = position.ReadChar();
            position.SetPos(start);
            if (before == kLF || (before == kCR && position.ReadChar() != kLF)) {
                lineRun = afterLineHead;
            }
            position.SetPos(start);
        }
    }

    int longest = -1;
    // One step of a run: record where it accepts, then move it on `c`.
    const auto step = [&](TbmREStateIndex& state, std::int32_t c, int consumed) {
        if (state == bmreNoState) return;
        if (dfa.Accepting(state)) longest = consumed;
        if (lineTail && (c < 0 || c == kLF || c == kCR) &&
            dfa.Lookup(state, bmreLineTail) != bmreNoState) {
            longest = consumed;
        }
        state = dfa.Lookup(state, c);
    };
    for (;;) {
        // A lead byte at the very end pairs with a byte past the text: stop at the end.
        const int from = std::min(position.GetPos(), size);
        position.SetPos(from);
        // The first character of an attempt is also the step to the next start, so most
        // starts are decided without a second reader.
        const std::int32_t first = position.ReadChar();
        TbmREStateIndex run = 0;
        step(run, first, 0);
        step(lineRun, first, 0);
        if (run != bmreNoState || lineRun != bmreNoState) {
            const int available = size - from;
            scan.SetTextBuff(text.substr(static_cast<std::size_t>(from)));
            scan.SetPos(position.GetPos() - from);
            while (run != bmreNoState || lineRun != bmreNoState) {
                const int consumed = std::min(scan.GetPos(), available);
                const std::int32_t c = scan.ReadChar();
                step(run, c, consumed);
                step(lineRun, c, consumed);
            }
        }
        if (longest != -1) {
            length = longest;
            return from;
        }

        if (lineHead) {
            if (first == kLF) {
                lineRun = afterLineHead;
            } else if (first == kCR) {
                if (position.ReadChar() != kLF) lineRun = afterLineHead;
                position.UnreadChar();
            }
        }
        if (first < 0) break;
    }
    length = 0;
    return -1;
}

}  // namespace

int ReferenceSearchDFA(std::string_view text, int start, TbmCharCode code, const TbmREDFATable& dfa,
                       int& length) {
    switch (code) {
        case TbmCharCode::ShiftJIS:
        case TbmCharCode::JapaneseEUC:
            return Search<TbmMBCSReader>(text, start, dfa, length, code);
        case TbmCharCode::Western:
            return Search<TbmSBCSReader>(text, start, dfa, length);
        case TbmCharCode::UniCode:
            return Search<TbmUniCodeReader>(text, start, dfa, length);
        default:
            throw std::invalid_argument("ReferenceSearchDFA: no reader for this character code");
    }
}

}  // namespace kiova::test

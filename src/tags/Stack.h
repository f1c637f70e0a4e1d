// TIntStack and TStrStack: the last-in-first-out stacks of the tag scan, one cell per open "{".
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace kiova {

template <typename T>
class TStack {
public:
    void Push(T value) { cells_.push_back(std::move(value)); }
    // The top value, removed. The stack must not be empty.
    T Pop() {
        T value = std::move(cells_.back());
        cells_.pop_back();
        return value;
    }
    const T& Peek() const { return cells_.back(); }
    int Count() const { return static_cast<int>(cells_.size()); }

private:
    std::vector<T> cells_;
};

using TIntStack = TStack<int32_t>;
// Holds code-page text: its entries have been through the program's code page, so a character
// the code page cannot hold is already '?' (see ScanTags).
using TStrStack = TStack<std::u16string>;

}  // namespace kiova

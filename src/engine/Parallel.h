// Work over many independent items spread across the machine's cores.
#pragma once

#include <cstddef>
#include <functional>

namespace kiova {

// Calls `body(i)` once for each i in [0, count), on several threads when the count is large
// enough to pay for them; calls for different i must not touch the same data. Returns when every
// call has returned; rethrows the first exception a call threw (the other calls still run).
void ForEachInParallel(std::size_t count, const std::function<void(std::size_t)>& body);

}  // namespace kiova

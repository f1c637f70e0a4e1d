#include "Parallel.h"

#include <algorithm>
#include <exception>
#include <mutex>
#include <system_error>
#include <thread>
#include <vector>

namespace kiova {
namespace {

// Below this many items a thread costs more than it saves (a pattern compiles in microseconds).
constexpr std::size_t kItemsPerThread = 1024;

}  // namespace

void ForEachInParallel(std::size_t count, const std::function<void(std::size_t)>& body) {
    const std::size_t threads = std::min<std::size_t>(
        std::max(1u, std::thread::hardware_concurrency()), count / kItemsPerThread);
    if (threads <= 1) {
        for (std::size_t i = 0; i < count; ++i) body(i);
        return;
    }
    std::exception_ptr first_error;
    std::mutex error_lock;
    auto run_slice = [&](std::size_t begin, std::size_t end) {
        for (std::size_t i = begin; i < end; ++i) {
            try {
                body(i);
            } catch (...) {
                const std::lock_guard lock(error_lock);
                if (!first_error) first_error = std::current_exception();
            }
        }
    };
    // Contiguous slices: neighbouring items share cache lines and the slices stay even.
    std::vector<std::jthread> workers;
    const std::size_t slice = (count + threads - 1) / threads;
    for (std::size_t begin = slice; begin < count; begin += slice) {
        const std::size_t end = std::min(count, begin + slice);
        try {
            workers.emplace_back(run_slice, begin, end);
        } catch (const std::system_error&) {  // no thread to be had: this one does the slice
            run_slice(begin, end);
        }
    }
    run_slice(0, std::min(count, slice));
    workers.clear();  // joins
    if (first_error) std::rethrow_exception(first_error);
}

}  // namespace kiova

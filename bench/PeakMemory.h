// What an operation adds to the process's peak resident set, for benchmarks of memory.
//
//   TPeakMemory peak;                      // resets the peak
//   ... the operation ...
//   state.counters["peak_MB"] = peak.AddedMegabytes();
#pragma once

#include <malloc.h>

#include <fstream>
#include <string>
#include <string_view>

namespace kiova::bench {

class TPeakMemory {
public:
    TPeakMemory() {
        // Memory freed earlier stays resident in the allocator's free lists, and an operation
        // that reuses it would add nothing to the peak: hand it back to the system first.
        malloc_trim(0);
        std::ofstream("/proc/self/clear_refs") << "5";  // the peak starts again from here
        before_ = StatusKilobytes("VmRSS");
    }
    // The peak resident set since construction, above the resident set then.
    double AddedMegabytes() const {
        return static_cast<double>(StatusKilobytes("VmHWM") - before_) / 1024;
    }

private:
    static long StatusKilobytes(std::string_view field) {
        std::ifstream status("/proc/self/status");
        for (std::string line; std::getline(status, line);) {
            if (line.starts_with(field) && line.size() > field.size() && line[field.size()] == ':')
                return std::stol(line.substr(field.size() + 1));
        }
        return 0;
    }

    long before_;
};

}  // namespace kiova::bench

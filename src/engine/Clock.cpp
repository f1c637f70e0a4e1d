#include "Clock.h"

#include <algorithm>
#include <chrono>
#include <ctime>

namespace kiova {
namespace {

TDateTime FromTm(const std::tm& tm, int millisecond) {
    DateTimeParts parts{tm.tm_year + 1900, tm.tm_mon + 1,           tm.tm_mday, tm.tm_hour,
                        tm.tm_min,         std::min(tm.tm_sec, 59), millisecond};
    return EncodeDateTime(parts).value_or(0.0);
}

template <bool Local>
TDateTime ReadSystemTime() {
    auto now = std::chrono::system_clock::now();
    std::time_t seconds = std::chrono::system_clock::to_time_t(now);
    auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(now.time_since_epoch()) % 1000;
    std::tm tm{};
    if constexpr (Local)
        localtime_r(&seconds, &tm);
    else
        gmtime_r(&seconds, &tm);
    return FromTm(tm, static_cast<int>(ms.count()));
}

std::shared_ptr<const TClock>& InstalledClock() {
    static std::shared_ptr<const TClock> clock = std::make_shared<TSystemClock>();
    return clock;
}

}  // namespace

TDateTime TSystemClock::Now() const {
    return ReadSystemTime<true>();
}
TDateTime TSystemClock::NowUtc() const {
    return ReadSystemTime<false>();
}

std::shared_ptr<const TClock> CurrentClock() {
    return InstalledClock();
}

void SetClock(std::shared_ptr<const TClock> clock) {
    InstalledClock() = clock ? std::move(clock) : std::make_shared<TSystemClock>();
}

}  // namespace kiova

// The one source of "now" for the whole program. Tests and `kiova-tool --now` install a fixed
// clock; everything else reads the system clock.
#pragma once

#include <memory>

#include "DateTime.h"

namespace kiova {

class TClock {
public:
    virtual ~TClock() = default;
    virtual TDateTime Now() const = 0;     // local time
    virtual TDateTime NowUtc() const = 0;  // the same instant in UTC
};

class TSystemClock final : public TClock {
public:
    TDateTime Now() const override;
    TDateTime NowUtc() const override;
};

// A clock that stands still at the instant it was given.
class TFixedClock final : public TClock {
public:
    TFixedClock(TDateTime local, TDateTime utc) : local_(local), utc_(utc) {}
    TDateTime Now() const override { return local_; }
    TDateTime NowUtc() const override { return utc_; }

private:
    TDateTime local_;
    TDateTime utc_;
};

std::shared_ptr<const TClock> CurrentClock();
// Installs `clock` for every later read; nullptr restores the system clock.
void SetClock(std::shared_ptr<const TClock> clock);

}  // namespace kiova

#pragma once

#include <cstdint>

namespace tp {

struct LocalDateTime {
    int year = 1970;
    int month = 1; // 1..12
    int day = 1;
    int hour = 0;
    int minute = 0;
    int second = 0;
};

// "Now", injected so that tests can set the date.
class Clock {
  public:
    virtual ~Clock() = default;
    virtual LocalDateTime now() const = 0;
    // The same moment as seconds since 1970-01-01 00:00 UTC, for time stamps.
    virtual std::int64_t secondsSinceEpoch() const = 0;
};

class SystemClock final : public Clock {
  public:
    LocalDateTime now() const override;
    std::int64_t secondsSinceEpoch() const override;
};

// A clock that stands still; its local time counts as UTC.
class FixedClock final : public Clock {
  public:
    explicit FixedClock(LocalDateTime fixed) : fixed_(fixed) {}
    LocalDateTime now() const override { return fixed_; }
    std::int64_t secondsSinceEpoch() const override;

  private:
    LocalDateTime fixed_;
};

} // namespace tp

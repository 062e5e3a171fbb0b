#pragma once

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
};

class SystemClock final : public Clock {
  public:
    LocalDateTime now() const override;
};

class FixedClock final : public Clock {
  public:
    explicit FixedClock(LocalDateTime fixed) : fixed_(fixed) {}
    LocalDateTime now() const override { return fixed_; }

  private:
    LocalDateTime fixed_;
};

} // namespace tp

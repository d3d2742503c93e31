// Time for the whole program: the performance counter, the millisecond tick and the engine's
// timer all read one clock, which is real time or the virtual time of a scripted run.
#pragma once

#include <cstdint>
#include <memory>

namespace rt {

class Clock {
 public:
  virtual ~Clock() = default;
  virtual std::int64_t counter() const = 0;
  virtual std::int64_t frequency() const = 0;
  // Called once a frame has been shown: the real clock sleeps until the next 13 ms slot is due
  // (never spinning); the virtual clock does nothing, its owner advances it.
  virtual void pace() = 0;

  // Milliseconds since the clock started (wraps like a 32-bit tick count).
  std::uint32_t ticks() const { return static_cast<std::uint32_t>(counter() * 1000 / frequency()); }
  double seconds() const { return static_cast<double>(counter()) / frequency(); }
};

// Real time with frame pacing.
std::unique_ptr<Clock> makeRealClock();

// Time that moves only when told, in microseconds.
class VirtualClock final : public Clock {
 public:
  std::int64_t counter() const override { return micros_; }
  std::int64_t frequency() const override { return 1000000; }
  void pace() override {}
  void advanceMillis(double ms) { micros_ += static_cast<std::int64_t>(ms * 1000.0); }

 private:
  std::int64_t micros_ = 1000000;  // starts at one second so no tick difference is negative
};

}  // namespace rt

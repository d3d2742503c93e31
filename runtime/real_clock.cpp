// The real clock: a steady monotonic clock read in microseconds, and frame pacing by sleeping.
#include <chrono>
#include <thread>

#include "runtime/clock.h"

namespace rt {
namespace {

using Steady = std::chrono::steady_clock;
constexpr auto kFrame = std::chrono::milliseconds(13);

class RealClock final : public Clock {
 public:
  std::int64_t counter() const override {
    return std::chrono::duration_cast<std::chrono::microseconds>(Steady::now() - start_).count();
  }
  std::int64_t frequency() const override { return 1000000; }

  // Frames are due every 13 ms from the first one. A frame that ends early sleeps until its
  // slot; one that ends late starts the next at once, and one more than a whole frame late
  // starts a new schedule, so a stall is never followed by a burst of unpaced frames.
  void pace() override {
    const auto now = Steady::now();
    if (!anchored_ || now > slot_ + 2 * kFrame) {
      anchored_ = true;
      slot_ = now;
      return;
    }
    slot_ += kFrame;
    if (slot_ > now) std::this_thread::sleep_until(slot_);
  }

 private:
  // Starts one second in, as the virtual clock does, so no tick difference is negative.
  Steady::time_point start_ = Steady::now() - std::chrono::seconds(1);
  Steady::time_point slot_;
  bool anchored_ = false;
};

}  // namespace

std::unique_ptr<Clock> makeRealClock() {
  return std::make_unique<RealClock>();
}

}  // namespace rt

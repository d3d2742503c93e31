// Refusals on standard error without letting one client flood it: per address (by AddressKey),
// the first refusal of an interval is written whole, the rest are only counted and summed up in
// one line once the interval has passed.
#pragma once

#include <chrono>
#include <cstddef>
#include <mutex>
#include <ostream>
#include <string>
#include <unordered_map>

class RefusalLog {
 public:
  using Clock = std::chrono::steady_clock;

  static constexpr std::chrono::seconds kDefaultInterval{60};
  static constexpr std::size_t kDefaultMaxAddresses = 10000;

  explicit RefusalLog(std::ostream& out, Clock::duration interval = kDefaultInterval,
                      std::size_t maxAddresses = kDefaultMaxAddresses);

  // "glintbreaker-server: STATUS REASON for ADDRESS", or only counted (see above).
  void Refused(const std::string& address, int status, const std::string& reason,
               Clock::time_point now);
  // Sums up and forgets every address whose interval has passed; the server calls it now and
  // then, so that a summary does not wait for the address's next refusal.
  void Flush(Clock::time_point now);

 private:
  struct Interval {
    Clock::time_point start;
    std::size_t counted = 0;  // refusals held back since the line written at `start`
  };
  void Summarise(const std::string& key, const Interval& interval);  // with mutex_ held
  void FlushLocked(Clock::time_point now);

  std::ostream& out_;
  const Clock::duration interval_;
  const std::size_t maxAddresses_;
  std::mutex mutex_;
  std::unordered_map<std::string, Interval> intervals_;
};

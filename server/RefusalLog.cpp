#include "server/RefusalLog.h"

#include <algorithm>

#include "server/AddressKey.h"

RefusalLog::RefusalLog(std::ostream& out, Clock::duration interval, std::size_t maxAddresses)
    : out_(out), interval_(interval), maxAddresses_(std::max<std::size_t>(maxAddresses, 1)) {}

void RefusalLog::Refused(const std::string& address, int status, const std::string& reason,
                         Clock::time_point now) {
  const std::string key = AddressKey(address);
  const std::lock_guard lock(mutex_);
  auto found = intervals_.find(key);
  if (found != intervals_.end() && now - found->second.start < interval_) {
    ++found->second.counted;
    return;
  }
  if (found != intervals_.end()) {
    Summarise(key, found->second);
  } else if (intervals_.size() >= maxAddresses_) {
    FlushLocked(now);
    if (intervals_.size() >= maxAddresses_) {
      // Every address is within its interval: the one that began first is summed up early.
      const auto oldest = std::min_element(
          intervals_.begin(), intervals_.end(),
          [](const auto& a, const auto& b) { return a.second.start < b.second.start; });
      Summarise(oldest->first, oldest->second);
      intervals_.erase(oldest);
    }
  }
  intervals_[key] = Interval{now, 0};
  out_ << "glintbreaker-server: " + std::to_string(status) + " " + reason + " for " + address +
              "\n";
  out_.flush();
}

void RefusalLog::Flush(Clock::time_point now) {
  const std::lock_guard lock(mutex_);
  FlushLocked(now);
}

void RefusalLog::FlushLocked(Clock::time_point now) {
  for (auto entry = intervals_.begin(); entry != intervals_.end();) {
    if (now - entry->second.start < interval_) {
      ++entry;
      continue;
    }
    Summarise(entry->first, entry->second);
    entry = intervals_.erase(entry);
  }
  out_.flush();
}

void RefusalLog::Summarise(const std::string& key, const Interval& interval) {
  if (interval.counted == 0) return;
  const auto seconds = std::chrono::duration_cast<std::chrono::seconds>(interval_).count();
  out_ << "glintbreaker-server: " + std::to_string(interval.counted) + " more refusals for " + key +
              " within " + std::to_string(seconds) + " s\n";
}

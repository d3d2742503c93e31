#include "server/RateLimit.h"

#include <arpa/inet.h>

#include <algorithm>
#include <array>
#include <cstdio>

RateLimit::RateLimit(unsigned burst, Clock::duration refill, std::size_t maxAddresses)
    : refill_(refill),
      slack_(refill * (burst == 0 ? 0 : burst - 1)),
      maxAddresses_(std::max<std::size_t>(maxAddresses, 1)) {
  if (burst == 0) throw std::invalid_argument("a rate limit needs a burst of at least 1");
}

bool RateLimit::Allow(const std::string& address, Clock::time_point now) {
  const std::string key = RateKey(address);
  const std::lock_guard lock(mutex_);
  auto found = fullAt_.find(key);
  const Clock::time_point start = found == fullAt_.end() ? now : std::max(found->second, now);
  if (start - now > slack_) return false;
  if (found == fullAt_.end()) {
    if (fullAt_.size() >= maxAddresses_) MakeRoom(now);
    found = fullAt_.emplace(key, now).first;
  }
  found->second = start + refill_;
  return true;
}

void RateLimit::MakeRoom(Clock::time_point now) {
  std::erase_if(fullAt_, [now](const auto& entry) { return entry.second <= now; });
  if (fullAt_.size() < maxAddresses_) return;
  // Every address is still counting: forget the one closest to full, which loses the least.
  const auto soonest =
      std::min_element(fullAt_.begin(), fullAt_.end(),
                       [](const auto& a, const auto& b) { return a.second < b.second; });
  fullAt_.erase(soonest);
}

std::string RateKey(const std::string& address) {
  std::array<unsigned char, 16> bytes{};
  if (inet_pton(AF_INET6, address.c_str(), bytes.data()) != 1) return address;
  static constexpr std::array<unsigned char, 12> kMappedIpv4{0, 0, 0, 0, 0,    0,
                                                             0, 0, 0, 0, 0xFF, 0xFF};
  if (std::equal(kMappedIpv4.begin(), kMappedIpv4.end(), bytes.begin())) {
    char text[INET_ADDRSTRLEN];
    return inet_ntop(AF_INET, bytes.data() + 12, text, sizeof text);
  }
  char text[48];
  std::snprintf(text, sizeof text, "%02x%02x:%02x%02x:%02x%02x:%02x%02x::/64", bytes[0], bytes[1],
                bytes[2], bytes[3], bytes[4], bytes[5], bytes[6], bytes[7]);
  return text;
}

// A per-address limit on requests: a burst of requests, then one more every refill period.
#pragma once

#include <chrono>
#include <cstddef>
#include <mutex>
#include <string>
#include <unordered_map>

class RateLimit {
 public:
  using Clock = std::chrono::steady_clock;

  static constexpr std::size_t kDefaultMaxAddresses = 10000;

  RateLimit(unsigned burst, Clock::duration refill,
            std::size_t maxAddresses = kDefaultMaxAddresses);

  // True when the client at `address` may make one more request at `now`; the request is then
  // counted. Addresses are counted by RateKey.
  bool Allow(const std::string& address, Clock::time_point now);

 private:
  void MakeRoom(Clock::time_point now);  // with mutex_ held

  const Clock::duration refill_;
  const Clock::duration slack_;  // how far ahead of now an address may have used its refills
  const std::size_t maxAddresses_;
  std::mutex mutex_;
  // Per address, when its bucket is full again; an address whose time has passed is as new.
  std::unordered_map<std::string, Clock::time_point> fullAt_;
};

// What a limit counts: an IPv4 address whole, an IPv6 address by its /64 network (one
// subscriber's share), an IPv4 address written as IPv6 as IPv4.
std::string RateKey(const std::string& address);

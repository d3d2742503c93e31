// The single-use tokens the version answer hands out and a submission must bring back.
#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <map>
#include <mutex>
#include <string>
#include <unordered_map>

class TokenStore {
 public:
  using Clock = std::chrono::steady_clock;

  static constexpr std::chrono::minutes kLifetime{10};
  static constexpr std::size_t kDefaultCapacity = 4096;

  // At most `capacity` tokens are outstanding; issuing one more drops the oldest.
  explicit TokenStore(std::size_t capacity = kDefaultCapacity);

  // A fresh token of 16 hex digits from the system's random source.
  std::string Issue(Clock::time_point now);
  // True, and the token is used up, when it was issued, is unused and has not expired.
  bool Redeem(const std::string& token, Clock::time_point now);
  // Tokens that could still be redeemed at `now`.
  std::size_t Outstanding(Clock::time_point now);

 private:
  struct Entry {
    Clock::time_point issued;
    std::uint64_t order;
  };
  void DropExpired(Clock::time_point now);  // with mutex_ held
  void Erase(std::string token);            // with mutex_ held

  const std::size_t capacity_;
  std::mutex mutex_;
  std::uint64_t nextOrder_ = 0;
  std::unordered_map<std::string, Entry> tokens_;
  std::map<std::uint64_t, std::string> byAge_;  // issue order, oldest first
};

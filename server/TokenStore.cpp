#include "server/TokenStore.h"

#include <sys/random.h>

#include <array>
#include <stdexcept>

namespace {

std::string RandomHex(std::size_t bytes) {
  std::array<unsigned char, 32> buffer{};
  if (bytes > buffer.size() || getrandom(buffer.data(), bytes, 0) != static_cast<ssize_t>(bytes)) {
    throw std::runtime_error("no random bytes for a token");
  }
  static constexpr char kHex[] = "0123456789abcdef";
  std::string text;
  for (std::size_t i = 0; i < bytes; ++i) {
    text += kHex[buffer[i] >> 4];
    text += kHex[buffer[i] & 15];
  }
  return text;
}

}  // namespace

TokenStore::TokenStore(std::size_t capacity) : capacity_(capacity == 0 ? 1 : capacity) {}

std::string TokenStore::Issue(Clock::time_point now) {
  std::string token = RandomHex(8);
  const std::lock_guard lock(mutex_);
  DropExpired(now);
  while (tokens_.size() >= capacity_) Erase(byAge_.begin()->second);
  // 64 random bits: a repeat is practically impossible, but it must never extend an old token.
  Erase(token);
  const auto order = nextOrder_++;
  tokens_.emplace(token, Entry{now, order});
  byAge_.emplace(order, token);
  return token;
}

bool TokenStore::Redeem(const std::string& token, Clock::time_point now) {
  const std::lock_guard lock(mutex_);
  DropExpired(now);
  if (tokens_.find(token) == tokens_.end()) return false;
  Erase(token);
  return true;
}

std::size_t TokenStore::Outstanding(Clock::time_point now) {
  const std::lock_guard lock(mutex_);
  DropExpired(now);
  return tokens_.size();
}

void TokenStore::DropExpired(Clock::time_point now) {
  while (!byAge_.empty() && now - tokens_.at(byAge_.begin()->second).issued >= kLifetime) {
    Erase(byAge_.begin()->second);
  }
}

void TokenStore::Erase(std::string token) {
  const auto found = tokens_.find(token);
  if (found == tokens_.end()) return;
  byAge_.erase(found->second.order);
  tokens_.erase(found);
}

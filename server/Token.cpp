#include "server/Token.h"

#include <sys/random.h>

#include <array>
#include <stdexcept>

std::string NewToken() {
  std::array<unsigned char, 8> bytes{};
  if (getrandom(bytes.data(), bytes.size(), 0) != static_cast<ssize_t>(bytes.size())) {
    throw std::runtime_error("no random bytes for a token");
  }
  static constexpr char kHex[] = "0123456789abcdef";
  std::string text;
  for (const unsigned char byte : bytes) {
    text += kHex[byte >> 4];
    text += kHex[byte & 15];
  }
  return text;
}

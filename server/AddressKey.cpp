#include "server/AddressKey.h"

#include <arpa/inet.h>

#include <algorithm>
#include <array>
#include <cstdio>

std::string AddressKey(const std::string& address) {
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

bool IsIpAddress(const std::string& text) {
  std::array<unsigned char, 16> bytes{};
  return inet_pton(AF_INET, text.c_str(), bytes.data()) == 1 ||
         inet_pton(AF_INET6, text.c_str(), bytes.data()) == 1;
}

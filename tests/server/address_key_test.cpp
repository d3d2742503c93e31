// What the server counts as one client, and what it takes for an address.
#include <gtest/gtest.h>

#include "server/AddressKey.h"

namespace {

TEST(AddressKey, IPv4WholeIPv6ByItsNetwork) {
  const struct {
    const char* address;
    const char* key;
  } cases[] = {
      {"127.0.0.1", "127.0.0.1"},
      {"::ffff:127.0.0.1", "127.0.0.1"},
      {"2001:db8:a:b:c:d:e:f", "2001:0db8:000a:000b::/64"},
      {"2001:db8:a:b::1", "2001:0db8:000a:000b::/64"},
      {"::1", "0000:0000:0000:0000::/64"},
      {"not an address", "not an address"},
  };
  for (const auto& c : cases) EXPECT_EQ(AddressKey(c.address), c.key) << c.address;
}

TEST(AddressKey, OnlyAddressesAreAddresses) {
  for (const char* good : {"10.0.0.1", "::1", "2001:db8::7", "::ffff:10.0.0.1"}) {
    EXPECT_TRUE(IsIpAddress(good)) << good;
  }
  for (const char* bad : {"", "10.0.0", "10.0.0.256", "host.example", "10.0.0.1 ", "[::1]"}) {
    EXPECT_FALSE(IsIpAddress(bad)) << bad;
  }
}

}  // namespace

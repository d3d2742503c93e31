// Submissions per address: a burst, then one more each refill period; addresses count apart,
// IPv6 ones by their /64 network; the table of addresses stays bounded.
#include <gtest/gtest.h>

#include <string>

#include "server/RateLimit.h"

namespace {

using namespace std::chrono_literals;
const RateLimit::Clock::time_point kStart{1h};

TEST(RateLimit, ABurstThenOneMoreEachRefill) {
  RateLimit limit(3, 60s);
  for (int i = 0; i < 3; ++i) EXPECT_TRUE(limit.Allow("10.0.0.1", kStart)) << i;
  EXPECT_FALSE(limit.Allow("10.0.0.1", kStart));
  EXPECT_FALSE(limit.Allow("10.0.0.1", kStart + 59s));
  EXPECT_TRUE(limit.Allow("10.0.0.1", kStart + 60s));
  EXPECT_FALSE(limit.Allow("10.0.0.1", kStart + 61s));
  // Refused requests do not count: after a quiet spell the whole burst is back.
  for (int i = 0; i < 3; ++i) EXPECT_TRUE(limit.Allow("10.0.0.1", kStart + 1h)) << i;
  EXPECT_FALSE(limit.Allow("10.0.0.1", kStart + 1h));
}

TEST(RateLimit, AddressesCountApart) {
  RateLimit limit(1, 60s);
  EXPECT_TRUE(limit.Allow("10.0.0.1", kStart));
  EXPECT_FALSE(limit.Allow("10.0.0.1", kStart));
  EXPECT_TRUE(limit.Allow("10.0.0.2", kStart));
  EXPECT_TRUE(limit.Allow("2001:db8::1", kStart));
  EXPECT_FALSE(limit.Allow("2001:db8::ffff:1", kStart)) << "same /64";
  EXPECT_TRUE(limit.Allow("2001:db8:0:1::1", kStart)) << "another /64";
  EXPECT_FALSE(limit.Allow("::ffff:10.0.0.1", kStart)) << "IPv4 written as IPv6";
}

TEST(RateLimit, KeysOfAddresses) {
  const struct {
    const char* address;
    const char* key;
  } cases[] = {
      {"127.0.0.1", "127.0.0.1"},
      {"::ffff:127.0.0.1", "127.0.0.1"},
      {"2001:db8:a:b:c:d:e:f", "2001:0db8:000a:000b::/64"},
      {"::1", "0000:0000:0000:0000::/64"},
      {"not an address", "not an address"},
  };
  for (const auto& c : cases) EXPECT_EQ(RateKey(c.address), c.key) << c.address;
}

TEST(RateLimit, AFullTableForgetsIdleAddressesFirstThenTheClosestToFull) {
  RateLimit limit(1, 60s, 2);
  EXPECT_TRUE(limit.Allow("10.0.0.1", kStart));
  EXPECT_TRUE(limit.Allow("10.0.0.2", kStart + 30s));
  // Full with both counting: the newcomer pushes out 10.0.0.1, whose bucket refills first.
  EXPECT_TRUE(limit.Allow("10.0.0.3", kStart + 31s));
  EXPECT_TRUE(limit.Allow("10.0.0.1", kStart + 32s));
  EXPECT_FALSE(limit.Allow("10.0.0.3", kStart + 32s));
  // Later every entry is idle and goes; limits still hold for the addresses counting again.
  EXPECT_TRUE(limit.Allow("10.0.0.4", kStart + 10min));
  EXPECT_TRUE(limit.Allow("10.0.0.5", kStart + 10min));
  EXPECT_FALSE(limit.Allow("10.0.0.4", kStart + 10min));
}

}  // namespace

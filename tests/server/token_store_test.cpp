// The version answer's tokens: each is good once, for ten minutes, and only a bounded number wait.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "server/TokenStore.h"

namespace {

using namespace std::chrono_literals;
const TokenStore::Clock::time_point kStart{1h};

TEST(TokenStore, ATokenIsSixteenHexDigitsAndGoodOnce) {
  TokenStore store;
  const std::string token = store.Issue(kStart);
  EXPECT_EQ(token.size(), 16u);
  EXPECT_EQ(token.find_first_not_of("0123456789abcdef"), std::string::npos) << token;
  EXPECT_FALSE(store.Redeem("0123456789abcdef", kStart));
  EXPECT_FALSE(store.Redeem("", kStart));
  EXPECT_TRUE(store.Redeem(token, kStart + 1s));
  EXPECT_FALSE(store.Redeem(token, kStart + 2s));
  EXPECT_EQ(store.Outstanding(kStart), 0u);
}

TEST(TokenStore, TokensDifferAndEachIsRedeemedOnItsOwn) {
  TokenStore store;
  std::vector<std::string> tokens;
  for (int i = 0; i < 100; ++i) tokens.push_back(store.Issue(kStart));
  EXPECT_EQ(std::set<std::string>(tokens.begin(), tokens.end()).size(), tokens.size());
  EXPECT_TRUE(store.Redeem(tokens[50], kStart));
  EXPECT_EQ(store.Outstanding(kStart), 99u);
  for (const auto& token : tokens) EXPECT_EQ(store.Redeem(token, kStart), token != tokens[50]);
}

TEST(TokenStore, ATokenExpiresTenMinutesAfterItWasIssued) {
  const struct {
    const char* name;
    TokenStore::Clock::duration age;
    bool good;
  } cases[] = {
      {"at once", 0s, true},
      {"a second before ten minutes", 10min - 1s, true},
      {"at ten minutes", 10min, false},
      {"an hour later", 1h, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    TokenStore store;
    const std::string token = store.Issue(kStart);
    EXPECT_EQ(store.Redeem(token, kStart + c.age), c.good);
  }
}

TEST(TokenStore, ExpiredTokensMakeRoomAndTheOldestGoesWhenFull) {
  TokenStore store(3);
  const std::string expired = store.Issue(kStart);
  const std::string a = store.Issue(kStart + 5min);
  const std::string b = store.Issue(kStart + 10min);  // the first has expired: three fit
  const std::string c = store.Issue(kStart + 10min);
  EXPECT_EQ(store.Outstanding(kStart + 10min), 3u);
  const std::string d = store.Issue(kStart + 11min);  // full: the oldest, a, is dropped
  EXPECT_EQ(store.Outstanding(kStart + 11min), 3u);
  EXPECT_FALSE(store.Redeem(expired, kStart + 11min));
  EXPECT_FALSE(store.Redeem(a, kStart + 11min));
  EXPECT_TRUE(store.Redeem(b, kStart + 11min));
  EXPECT_TRUE(store.Redeem(c, kStart + 11min));
  EXPECT_TRUE(store.Redeem(d, kStart + 11min));
}

}  // namespace

// Refusals in the log: per address the first of a minute whole, the rest summed up in one line.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "server/RefusalLog.h"

namespace {

using namespace std::chrono_literals;
using testing::HasSubstr;
const RefusalLog::Clock::time_point kStart{1h};

TEST(RefusalLog, AFloodFromOneAddressIsOneLineAndOneSumAMinute) {
  std::ostringstream out;
  RefusalLog log(out, 60s);
  for (int i = 0; i < 5000; ++i) log.Refused("10.0.0.1", 400, "no record", kStart + i * 1ms);
  log.Refused("10.0.0.2", 403, "unknown, used or expired token", kStart + 1s);
  EXPECT_EQ(out.str(),
            "glintbreaker-server: 400 no record for 10.0.0.1\n"
            "glintbreaker-server: 403 unknown, used or expired token for 10.0.0.2\n");
  log.Flush(kStart + 59s);
  EXPECT_THAT(out.str(), testing::Not(HasSubstr("more")));
  log.Flush(kStart + 60s);
  EXPECT_THAT(out.str(), testing::EndsWith(
                             "glintbreaker-server: 4999 more refusals for 10.0.0.1 within 60 s\n"));
  // The next minute starts with a whole line again.
  log.Refused("10.0.0.1", 400, "no record", kStart + 61s);
  EXPECT_THAT(out.str(), testing::EndsWith("glintbreaker-server: 400 no record for 10.0.0.1\n"));
}

TEST(RefusalLog, AFullTableSumsUpTheOldestAddressEarly) {
  std::ostringstream out;
  RefusalLog log(out, 60s, 2);
  log.Refused("10.0.0.1", 400, "a", kStart);
  log.Refused("10.0.0.1", 400, "a", kStart + 1s);
  log.Refused("10.0.0.2", 400, "b", kStart + 2s);
  log.Refused("10.0.0.3", 400, "c", kStart + 3s);
  EXPECT_THAT(out.str(), HasSubstr("1 more refusals for 10.0.0.1"));
  EXPECT_THAT(out.str(), testing::EndsWith("400 c for 10.0.0.3\n"));
  // Addresses are counted by their key: one IPv6 network is one client.
  log.Refused("2001:db8::1", 400, "d", kStart + 4s);
  log.Refused("2001:db8::2", 400, "d", kStart + 5s);
  log.Flush(kStart + 2h);
  EXPECT_THAT(out.str(), HasSubstr("1 more refusals for 2001:0db8:0000:0000::/64"));
}

}  // namespace

// Two server processes on one PostgreSQL database, as behind a proxy that spreads the players:
// a token from one stores its record at the other, a record shows on both pages, a token spent
// at one is spent at both, and one budget per address holds across them.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

#include "online/ScoreRecord.h"
#include "tests/server/game_requests.h"
#include "tests/server/loopback_client.h"
#include "tests/server/postgres_cluster.h"
#include "tests/server/server_process.h"
#include "tests/support/game_runner.h"

namespace {

using server_testing::GetFrom;
using server_testing::kVersionTarget;
using server_testing::PlayerAddress;
using server_testing::ServerProcess;
using server_testing::SubmissionTarget;

TEST(TwoServers, PlayersAlternateBetweenTwoServersOnOnePostgresDatabase) {
  server_testing::PostgresCluster cluster;
  const std::string uri = cluster.CreateDatabase("scores");
  testing_support::TempDir dir;
  ServerProcess first(uri, dir.file("first.log"));
  ServerProcess second(uri, dir.file("second.log"));
  const int ports[] = {first.port(), second.port()};
  for (int i = 0; i < 20; ++i) {
    SCOPED_TRACE(i);
    const int asked = ports[i % 2], other = ports[(i + 1) % 2];
    const auto token = VersionToken(GetFrom(PlayerAddress(i), asked, kVersionTarget).body);
    ASSERT_TRUE(token);
    EXPECT_EQ(GetFrom(PlayerAddress(i), other, SubmissionTarget(*token, 100 + i)).status, 200);
    EXPECT_EQ(GetFrom(PlayerAddress(i), asked, SubmissionTarget(*token, 100 + i)).status, 403)
        << "spent at the other server";
  }
  for (const int port : ports) {
    const std::string page = GetFrom("127.0.0.1", port, "/").body;
    EXPECT_THAT(page, testing::HasSubstr("<td class=\"num\">119</td>"));
    EXPECT_THAT(page, testing::HasSubstr("<td class=\"num\">20</td>")) << "twenty ranks";
  }
  // One address's budget of ten tokens, taken from both servers by turns.
  for (int i = 0; i < 10; ++i) {
    EXPECT_EQ(GetFrom("127.0.4.1", ports[i % 2], kVersionTarget).status, 200) << i;
  }
  for (const int port : ports) EXPECT_EQ(GetFrom("127.0.4.1", port, kVersionTarget).status, 429);
  EXPECT_EQ(first.Stop(), 0) << first.Log();
  EXPECT_EQ(second.Stop(), 0) << second.Log();
}

}  // namespace

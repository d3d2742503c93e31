// The server program against what an attacker on the internet tries: each attack is held while a
// player sends a record the way the game does, within the game's own time limits; then the
// listening port, the shared budget, a store that fails, the proxy's addresses and the log.
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sqlite3.h>
#include <sys/socket.h>
#include <unistd.h>

#include <functional>
#include <string>
#include <vector>

#include "online/ScoreRecord.h"
#include "server/ScoreStore.h"
#include "tests/server/game_requests.h"
#include "tests/server/loopback_client.h"
#include "tests/server/server_process.h"
#include "tests/server/stored_records.h"
#include "tests/support/game_runner.h"

namespace {

using server_testing::ConnectFrom;
using server_testing::GetFrom;
using server_testing::PlayerAddress;
using server_testing::ReceiveAll;
using server_testing::SendAll;
using server_testing::ServerProcess;
using testing::HasSubstr;
using testing::StartsWith;
using testing_support::TempDir;

const std::string& kVersion = server_testing::kVersionTarget;
using server_testing::GameRequests;
using server_testing::SubmissionTarget;

// The game sending a record from `from` to the one server.
GameRequests SendAsTheGame(int port, const std::string& from, int score = 1160) {
  return server_testing::SendAsTheGame(from, port, port, score);
}

// Connections held open by an attack, closed when it ends.
class Held {
 public:
  ~Held() {
    for (const int sock : socks_) close(sock);
  }
  void Open(const std::string& from, int port, const std::string& bytes) {
    const int sock = ConnectFrom(from, port);
    if (sock >= 0) SendAll(sock, bytes);
    socks_.push_back(sock);
  }
  const std::vector<int>& socks() const { return socks_; }

 private:
  std::vector<int> socks_;
};

TEST(ServerAttacks, APlayerGetsThroughWhileEachAttackIsHeld) {
  TempDir dir;
  {
    // A full records page, the largest answer there is.
    const auto store = OpenScoreStore(dir.file("scores.db"));
    for (int i = 0; i < 100; ++i) {
      ASSERT_TRUE(server_testing::SendRecord(
          *store,
          {0, std::string(10, '\xC0'), std::string(10, '&'), 4000000 - i, 0, PlayerAddress(i)}));
    }
  }
  ServerProcess server(dir.file("scores.db"));
  const int port = server.port();
  const std::string manyRanges = [] {
    std::string ranges = "bytes=0-";
    while (ranges.size() < 8000) ranges += ",0-";
    return "GET / HTTP/1.1\r\nHost: a\r\nRange: " + ranges + "\r\n\r\n";
  }();
  const auto idle = [port](const std::string& from, int count) {
    return [=](Held& held) {
      for (int i = 0; i < count; ++i) held.Open(from, port, "G");
    };
  };
  const struct {
    const char* name;
    std::function<void(Held&)> attack;
    std::string player;
  } cases[] = {
      {"nothing", [](Held&) {}, "127.0.9.1"},
      {"40 idle connections from one address", idle("127.0.8.1", 40), "127.0.9.2"},
      {"200 idle connections from one address", idle("127.0.8.2", 200), "127.0.9.3"},
      {"200 idle connections from the player's own address", idle("127.0.9.4", 200), "127.0.9.4"},
      {"300 addresses stalling in their bodies",
       [port](Held& held) {
         for (int i = 0; i < 300; ++i) {
           held.Open(PlayerAddress(i), port,
                     "POST " + kVersion + " HTTP/1.1\r\nContent-Length: 9\r\n\r\n");
         }
       },
       "127.0.9.5"},
      {"16 requests for 2700 overlapping ranges that never read",
       [&](Held& held) {
         for (int i = 0; i < 16; ++i) held.Open("127.0.8.3", port, manyRanges);
       },
       "127.0.9.6"},
      {"a body of 10 MB",
       [port](Held&) {
         const int sock = ConnectFrom("127.0.8.4", port);
         SendAll(sock, "POST " + kVersion + " HTTP/1.1\r\nContent-Length: 10000000\r\n\r\n");
         EXPECT_FALSE(SendAll(sock, std::string(10000000, 'a'))) << "the server stops reading";
         EXPECT_THAT(ReceiveAll(sock), StartsWith("HTTP/1.1 413"));
         close(sock);
       },
       "127.0.9.7"},
      {"replayed and expired tokens",
       [&](Held&) {
         const auto token = VersionToken(GetFrom("127.0.8.5", port, kVersion).body).value_or("");
         EXPECT_EQ(GetFrom("127.0.8.5", port, SubmissionTarget(token, 5)).status, 200);
         EXPECT_EQ(GetFrom("127.0.8.5", port, SubmissionTarget(token, 5)).status, 403);
         // A token the server issued eleven minutes ago.
         const auto expired = OpenScoreStore(dir.file("scores.db"))
                                  ->IssueToken("127.0.8.9", (std::time(nullptr) - 660) * 1000);
         ASSERT_TRUE(expired);
         EXPECT_EQ(GetFrom("127.0.8.5", port, SubmissionTarget(*expired, 5)).status, 403);
       },
       "127.0.9.8"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Held held;
    c.attack(held);
    const GameRequests sent = SendAsTheGame(port, c.player);
    EXPECT_EQ(sent.version, 200);
    EXPECT_EQ(sent.record, 200);
  }
  // Every answer to the ranges is the whole page, once, however many parts were asked for.
  Held ranges;
  ranges.Open("127.0.8.6", port, manyRanges);
  shutdown(ranges.socks()[0], SHUT_WR);
  const std::string page = ReceiveAll(ranges.socks()[0]);
  EXPECT_THAT(page, StartsWith("HTTP/1.1 200"));
  EXPECT_THAT(page, testing::Not(HasSubstr("multipart")));
  EXPECT_THAT(page, HasSubstr("</html>"));
  EXPECT_LT(page.size(), 65536u);
  EXPECT_EQ(server.Stop(), 0) << server.Log();
}

TEST(ServerAttacks, AConnectionThatSendsNoRequestIsAnsweredAndClosed) {
  TempDir dir;
  ServerProcess server(dir.file("scores.db"));
  for (const char* start : {"", "GET / HTTP/1.1\r\nHost"}) {
    SCOPED_TRACE(start);
    const int sock = ConnectFrom("127.0.0.1", server.port());
    SendAll(sock, start);
    EXPECT_THAT(ReceiveAll(sock), StartsWith("HTTP/1.1 408"));
    close(sock);
  }
}

TEST(ServerAttacks, ASecondServerOnATakenPortExitsAtOnceAndTheFirstServesEveryone) {
  TempDir dir;
  ServerProcess first(dir.file("scores.db"));
  const int status = server_testing::RunProgram(
      {GLINT_SERVER_BINARY, "--listen", "127.0.0.1:" + std::to_string(first.port()), "--db",
       dir.file("other.db")},
      dir.file("second.log"));
  EXPECT_EQ(status, 1);
  EXPECT_THAT(testing_support::ReadFile(dir.file("second.log")),
              HasSubstr(":" + std::to_string(first.port()) + ": the port is in use"));
  EXPECT_FALSE(testing_support::FileExists(dir.file("other.db"))) << "stopped before the database";
  for (int i = 0; i < 20; ++i) {
    const GameRequests sent = SendAsTheGame(first.port(), PlayerAddress(i), 100 + i);
    EXPECT_EQ(sent.version, 200) << i;
    EXPECT_EQ(sent.record, 200) << i;
  }
  EXPECT_EQ(OpenScoreStore(dir.file("scores.db"))->Best(100).size(), 20u);
}

TEST(ServerAttacks, OneBudgetDecidesBothRequestsAndGarbageSpendsNoneOfIt) {
  TempDir dir;
  ServerProcess server(dir.file("scores.db"));
  const int port = server.port();
  const std::string nat = "127.0.7.1";
  // Garbage from behind the address costs its neighbours nothing.
  for (int i = 0; i < 50; ++i) {
    EXPECT_EQ(GetFrom(nat, port, "/cgi/version.pl?hs&prg=Glintbreaker&inf=GARBAGE").status, 400);
  }
  std::vector<std::string> tokens;
  for (int i = 0; i < 10; ++i) {
    const auto answer = GetFrom(nat, port, kVersion);
    EXPECT_EQ(answer.status, 200) << i;
    tokens.push_back(VersionToken(answer.body).value_or(""));
  }
  // Spent: the version check is refused, so the game offers to try again and sends nothing.
  EXPECT_EQ(GetFrom(nat, port, kVersion).status, 429);
  // A token handed out is never refused for the rate.
  for (const std::string& token : tokens) {
    EXPECT_EQ(GetFrom(nat, port, SubmissionTarget(token, 7)).status, 200);
  }
  EXPECT_EQ(SendAsTheGame(port, "127.0.7.2").record, 200) << "another address has its own";
}

TEST(ServerAttacks, ARecordThatCouldNotBeStoredCanBeSentAgain) {
  TempDir dir;
  ServerProcess server(dir.file("scores.db"));
  const auto token = VersionToken(GetFrom("127.0.0.1", server.port(), kVersion).body);
  ASSERT_TRUE(token);
  {
    // Another program holds the database while the record comes.
    sqlite3* db = nullptr;
    sqlite3_open(dir.file("scores.db").c_str(), &db);
    ASSERT_EQ(sqlite3_exec(db, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr), SQLITE_OK);
    EXPECT_EQ(GetFrom("127.0.0.1", server.port(), SubmissionTarget(*token, 1160)).status, 500);
    sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
    sqlite3_close(db);
  }
  EXPECT_EQ(GetFrom("127.0.0.1", server.port(), SubmissionTarget(*token, 1160)).status, 200);
  EXPECT_EQ(GetFrom("127.0.0.1", server.port(), SubmissionTarget(*token, 1160)).status, 403);
  EXPECT_EQ(OpenScoreStore(dir.file("scores.db"))->Best(10).size(), 1u);
}

TEST(ServerAttacks, ATrustedProxyNamesThePlayerAndNobodyElseCan) {
  TempDir dir;
  ServerProcess server(dir.file("scores.db"), dir.file("server.log"), {"--proxy", "127.0.6.1"});
  const auto viaProxy = [&](const std::string& from, const std::string& target) {
    const int sock = ConnectFrom(from, server.port());
    SendAll(sock, "GET " + target + " HTTP/1.1\r\nX-Real-IP: 203.0.113.9\r\n\r\n");
    const std::string answer = ReceiveAll(sock);
    close(sock);
    return answer.substr(answer.find("\r\n\r\n") + 4);
  };
  for (const char* from : {"127.0.6.1", "127.0.6.2"}) {
    const auto token = VersionToken(viaProxy(from, kVersion));
    ASSERT_TRUE(token) << from;
    EXPECT_EQ(viaProxy(from, SubmissionTarget(*token, 10)), "OK\n");
  }
  const auto stored = OpenScoreStore(dir.file("scores.db"))->Best(10);
  ASSERT_EQ(stored.size(), 2u);
  EXPECT_EQ(stored[0].address, "203.0.113.9") << "from the proxy";
  EXPECT_EQ(stored[1].address, "127.0.6.2") << "a header anyone could send";
}

TEST(ServerAttacks, AFloodOfRefusalsIsOneLineInTheLog) {
  TempDir dir;
  ServerProcess server(dir.file("scores.db"));
  for (int i = 0; i < 300; ++i) {
    GetFrom("127.0.5.1", server.port(), "/cgi/version.pl?hs&prg=Glintbreaker&inf=GARBAGE");
    GetFrom("127.0.5.1", server.port(), "/nowhere");
  }
  const std::string log = server.Log();
  std::size_t lines = 0;
  for (std::size_t at = 0; (at = log.find("for 127.0.5.1", at)) != std::string::npos; ++at) {
    ++lines;
  }
  EXPECT_EQ(lines, 1u) << log;
}

}  // namespace

// The server program on loopback: the game's version and submission requests, the records page,
// the link pages, and requests that must be refused without changing anything.
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <httplib.h>
#include <sys/socket.h>
#include <unistd.h>

#include <ctime>
#include <string>
#include <thread>
#include <vector>

#include "online/ScoreRecord.h"
#include "server/ScoreStore.h"
#include "tests/server/loopback_client.h"
#include "tests/server/server_process.h"
#include "tests/support/game_runner.h"

namespace {

using server_testing::ServerProcess;
using testing::HasSubstr;
using testing::StartsWith;
using testing_support::ReadFile;
using testing_support::TempDir;

const std::string kScript = "/cgi/version.pl";
const std::string kName = "\x82\xA0\xAD\xC0";  // Ваня
const std::string kAdd = "x\"&>";

class ServerHttp : public testing::Test {
 protected:
  ServerHttp() : server(dir.file("scores.db")), client(server.host(), server.port()) {}

  // A fresh token from the version request.
  std::string Token() {
    const auto answer = client.Get(kScript + "?version&prg=Glintbreaker");
    EXPECT_TRUE(answer);
    if (!answer) return "";
    EXPECT_EQ(answer->status, 200);
    return VersionToken(answer->body).value_or("");
  }

  httplib::Result Submit(const std::string& symbols) {
    return client.Get(kScript + "?hs&prg=Glintbreaker&inf=" + symbols);
  }

  std::vector<StoredScore> Stored() { return OpenScoreStore(dir.file("scores.db"))->Best(1000); }

  TempDir dir;
  ServerProcess server;
  httplib::Client client;
};

TEST_F(ServerHttp, AVersionAndSubmissionPairStoresTheScoreAndThePageShowsIt) {
  const auto answer = client.Get(kScript + "?version&prg=Glintbreaker");
  ASSERT_TRUE(answer);
  EXPECT_THAT(answer->body, StartsWith("OK|1|Glintbreaker|"));
  const std::string token = VersionToken(answer->body).value_or("");
  EXPECT_THAT(token, testing::MatchesRegex("[0-9a-f]{16}"));
  EXPECT_EQ(answer->body, "OK|1|Glintbreaker|" + answer->body.substr(18, answer->body.size() - 36) +
                              "|" + token + "|");

  const std::time_t before = std::time(nullptr);
  const auto stored = Submit(EncodeScoreRecord(BuildScoreRecord(kName, 1160, token, kAdd)));
  ASSERT_TRUE(stored);
  EXPECT_EQ(stored->status, 200) << stored->body;
  const auto rows = Stored();
  ASSERT_EQ(rows.size(), 1u);
  EXPECT_EQ(rows[0].name, kName);
  EXPECT_EQ(rows[0].add, kAdd);
  EXPECT_EQ(rows[0].score, 1160);
  EXPECT_EQ(rows[0].address, "127.0.0.1");
  EXPECT_GE(rows[0].time, before);
  EXPECT_LE(rows[0].time, std::time(nullptr));

  const auto page = client.Get(kScript + "?prg=Glintbreaker&show&type=0");
  ASSERT_TRUE(page);
  EXPECT_EQ(page->status, 200);
  EXPECT_EQ(page->get_header_value("Content-Type"), "text/html; charset=utf-8");
  EXPECT_THAT(page->body,
              HasSubstr("<td>Ваня</td><td>x&quot;&amp;&gt;</td><td class=\"num\">1160"));

  EXPECT_EQ(server.Stop(), 0) << server.Log();
}

TEST_F(ServerHttp, RefusedSubmissionsChangeNothingAndLeaveTheTokenGood) {
  const std::string token = Token();
  const std::string record = BuildScoreRecord(kName, 1160, token, "");
  const std::string good = EncodeScoreRecord(record);
  std::string otherKey = record;
  otherKey.replace(otherKey.find("|key=G|"), 7, "|key=H|");
  const struct {
    const char* name;
    std::string query;
    int status;
  } cases[] = {
      {"another key", "hs&prg=Glintbreaker&inf=" + EncodeScoreRecord(otherKey), 400},
      {"an unknown token",
       "hs&prg=Glintbreaker&inf=" +
           EncodeScoreRecord(BuildScoreRecord(kName, 5, "0123456789abcdef", "")),
       403},
      {"symbols outside the alphabet", "hs&prg=Glintbreaker&inf=abc", 400},
      {"no record", "hs&prg=Glintbreaker", 400},
      {"two records", "hs&prg=Glintbreaker&inf=" + good + "&inf=" + EncodeScoreRecord(otherKey),
       400},
      {"another program", "hs&prg=Other&inf=" + good, 400},
      {"two requests in one", "hs&version&prg=Glintbreaker&inf=" + good, 400},
      {"another table", "prg=Glintbreaker&show&type=1", 404},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const auto answer = client.Get(kScript + "?" + c.query);
    ASSERT_TRUE(answer);
    EXPECT_EQ(answer->status, c.status);
    EXPECT_FALSE(answer->body.empty()) << "a short reason";
  }
  EXPECT_TRUE(Stored().empty());

  // The refusals did not use the token up; the good record does.
  const auto stored = Submit(good);
  ASSERT_TRUE(stored);
  EXPECT_EQ(stored->status, 200) << stored->body;
  const auto replayed = Submit(good);
  ASSERT_TRUE(replayed);
  EXPECT_EQ(replayed->status, 403);
  EXPECT_EQ(Stored().size(), 1u);
}

TEST_F(ServerHttp, PlayersSendingAtOnceAreAllStored) {
  constexpr int kPlayers = 8;
  std::vector<int> statuses(kPlayers, 0);
  std::vector<std::thread> players;
  for (int i = 0; i < kPlayers; ++i) {
    players.emplace_back([&, i] {
      httplib::Client own(server.host(), server.port());
      const auto answer = own.Get(kScript + "?version&prg=Glintbreaker");
      if (!answer) return;
      const std::string token = VersionToken(answer->body).value_or("");
      const auto sent = own.Get(kScript + "?hs&prg=Glintbreaker&inf=" +
                                EncodeScoreRecord(BuildScoreRecord(kName, 100 + i, token, "")));
      if (sent) statuses[i] = sent->status;
    });
  }
  for (auto& player : players) player.join();
  for (int i = 0; i < kPlayers; ++i) EXPECT_EQ(statuses[i], 200) << i;
  const auto rows = Stored();
  ASSERT_EQ(rows.size(), static_cast<std::size_t>(kPlayers));
  for (int i = 0; i < kPlayers; ++i) EXPECT_EQ(rows[i].score, 100 + kPlayers - 1 - i);
}

// What a raw connection got across and back.
struct Exchange {
  bool sentAll = false;  // the server took every byte before it closed the connection
  std::string answer;
};

// Sends `head`, then `flood` repeated up to 64 MiB, on a connection of its own, as far as the
// server takes it; then reads what the server answers before it closes.
Exchange RawExchange(int port, const std::string& head, const std::string& flood) {
  Exchange exchange;
  const int sock = server_testing::ConnectFrom("127.0.0.1", port);
  if (sock < 0) return exchange;
  exchange.sentAll = server_testing::SendAll(sock, head);
  if (!flood.empty()) {
    std::string chunk;
    while (chunk.size() < 65536) chunk += flood;
    for (std::size_t total = 0; exchange.sentAll && total < (64u << 20); total += chunk.size()) {
      exchange.sentAll = server_testing::SendAll(sock, chunk);
    }
  }
  shutdown(sock, SHUT_WR);
  exchange.answer = server_testing::ReceiveAll(sock);
  close(sock);
  return exchange;
}

TEST_F(ServerHttp, OversizedRequestsAreCutOffAndTheServerGoesOn) {
  const std::string version = "/cgi/version.pl?version&prg=Glintbreaker";
  const struct {
    const char* name;
    std::string head, flood;
    std::string answer;  // the start of the answer; empty: no answer of the page
  } cases[] = {
      {"an address of 10000 bytes",
       "GET " + version + "&x=" + std::string(10000, 'a') + " HTTP/1.1\r\nHost: a\r\n\r\n", "",
       "HTTP/1.1 414"},
      {"a body beyond the limit",
       "POST " + version + " HTTP/1.1\r\nHost: a\r\nContent-Length: 1000000\r\n\r\n", "a",
       "HTTP/1.1 413"},
      {"an endless address", "GET " + version + "&x=", "a", ""},
      {"an endless header line", "GET " + version + " HTTP/1.1\r\nX: ", "a", ""},
      {"endless header lines", "GET " + version + " HTTP/1.1\r\n", "X: a\r\n", ""},
      {"no HTTP at all", "", std::string(1, '\0'), ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const Exchange exchange = RawExchange(server.port(), c.head, c.flood);
    if (!c.flood.empty()) {
      EXPECT_FALSE(exchange.sentAll) << "the server stopped reading";
    }
    if (c.answer.empty()) {
      EXPECT_THAT(exchange.answer, testing::Not(HasSubstr("200 OK")));
    } else {
      EXPECT_THAT(exchange.answer, StartsWith(c.answer));
    }
    EXPECT_THAT(Token(), testing::MatchesRegex("[0-9a-f]{16}")) << "the server still answers";
  }
  EXPECT_EQ(server.Stop(), 0) << server.Log();
}

TEST_F(ServerHttp, TheGamesLinkFilesAndTheBareAddressLeadToPagesOfTheServer) {
  for (const char* file : {"moregames.url", "subscribe.url"}) {
    SCOPED_TRACE(file);
    const std::string shortcut = ReadFile(std::string(GLINT_GAME_DIR) + "/" + file);
    const std::string prefix = "URL=http://127.0.0.1:8642";
    const auto at = shortcut.find(prefix);
    ASSERT_NE(at, std::string::npos) << shortcut;
    const std::string path =
        shortcut.substr(at + prefix.size(), shortcut.find('\r', at) - at - prefix.size());
    const auto page = client.Get(path);
    ASSERT_TRUE(page);
    EXPECT_EQ(page->status, 200);
    EXPECT_EQ(page->get_header_value("Content-Type"), "text/html; charset=utf-8");
    EXPECT_THAT(page->body, HasSubstr("</html>"));
  }
  const auto home = client.Get("/");
  ASSERT_TRUE(home);
  EXPECT_EQ(home->status, 200);
  EXPECT_THAT(home->body, HasSubstr("Online records"));
  const auto missing = client.Get("/elsewhere");
  ASSERT_TRUE(missing);
  EXPECT_EQ(missing->status, 404);
}

}  // namespace

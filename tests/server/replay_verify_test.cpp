// Records the server can verify: a game sends its record and then its replay, the server plays
// the replay with the game in a process of its own and marks the record verified; a forged score
// sent with an honest replay is flagged and its replay kept for the operator; the replay upload's
// bounds (its size, its token and address, one replay a record, the queue).
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "online/ScoreRecord.h"
#include "server/ReplayVerifier.h"
#include "server/ScoreStore.h"
#include "tests/scenario/level_fixture.h"
#include "tests/server/loopback_client.h"
#include "tests/server/server_process.h"
#include "tests/support/game_runner.h"

namespace {

using namespace std::chrono_literals;
using server_testing::ServerProcess;
using testing::HasSubstr;
using testing::Not;
using testing_support::ReadFile;
using testing_support::TempDir;

// One level of hard bricks only: the game ends at once with 1160 points, a record. Shift+Q
// types the name, Enter on the name, the second name and OK, then "Yes" sends it.
const std::string kSendRecord =
    testing_support::kToNameEntry +
    "hold 42\nkey 16\nframes 1\nrelease 42\n"
    "key 28\nframes 1\nkey 28\nframes 1\nkey 28\nframes 1\nexpect GameState == gsSubmitAsk\n"
    "key 28\nframes 1\nuntil gsRecords 100000000\n";

// The store's view of the records once no replay waits any more (at most 60 s).
std::vector<StoredScore> Settled(const std::string& database) {
  std::vector<StoredScore> best;
  for (auto waited = 0ms; waited < 60s; waited += 100ms) {
    best = OpenScoreStore(database)->Best(10);
    if (std::none_of(best.begin(), best.end(), [](const StoredScore& score) {
          return score.replay == ReplayState::Pending;
        })) {
      break;
    }
    std::this_thread::sleep_for(100ms);
  }
  return best;
}

// POST of `body` to the replay address with `token`, from `from`; a body of `claimed` bytes
// (none of them sent) when given.
server_testing::HttpAnswer PostReplay(const std::string& from, int port, const std::string& token,
                                      const std::string& body, std::size_t claimed = 0) {
  const int sock = server_testing::ConnectFrom(from, port);
  if (sock < 0) return {};
  server_testing::SendAll(
      sock, "POST /cgi/version.pl?replay&prg=Glintbreaker&p=" + token +
                " HTTP/1.1\r\nHost: x\r\nContent-Type: application/octet-stream\r\n"
                "Content-Length: " +
                std::to_string(claimed ? claimed : body.size()) + "\r\nConnection: close\r\n\r\n" +
                (claimed ? "" : body));
  const std::string answer = server_testing::ReceiveAll(sock);
  close(sock);
  server_testing::HttpAnswer parsed;
  if (answer.size() > 12) parsed.status = std::stoi(answer.substr(9, 3));
  const auto body_at = answer.find("\r\n\r\n");
  if (body_at != std::string::npos) parsed.body = answer.substr(body_at + 4);
  return parsed;
}

// A record of `score` stored through the script with a fresh token; the token.
std::string SendRecord(int port, std::int32_t score) {
  const auto version =
      server_testing::GetFrom("127.0.0.1", port, "/cgi/version.pl?version&prg=Glintbreaker");
  const std::string token = VersionToken(version.body).value_or("");
  const auto stored =
      server_testing::GetFrom("127.0.0.1", port,
                              "/cgi/version.pl?hs&prg=Glintbreaker&inf=" +
                                  EncodeScoreRecord(BuildScoreRecord("\x8F", score, token, "")));
  EXPECT_EQ(stored.status, 200) << stored.body;
  return token;
}

class VerifiedRecords : public testing::Test {
 protected:
  void SetUp() override {
    testing_support::GameDirWithLevels(game.path(), {testing_support::Level({"", "..###"})});
  }
  std::string Honest() {
    for (const auto& entry : std::filesystem::directory_iterator(user.file("replays"))) {
      return ReadFile(entry.path().string());
    }
    return "";
  }
  TempDir user, game, data;
};

TEST_F(VerifiedRecords, AnHonestRecordIsVerifiedAndAForgedScoreFlagged) {
  ServerProcess server(data.file("scores.db"), data.file("log"), {"--game", game.path()});
  const auto run = testing_support::RunScript(
      kSendRecord, user.path(), {"--game-dir", game.path(), "--server", server.url()});
  ASSERT_EQ(run.status, 0) << run.err << server.Log();
  std::vector<StoredScore> best = Settled(data.file("scores.db"));
  ASSERT_EQ(best.size(), 1u) << server.Log();
  EXPECT_EQ(best[0].replay, ReplayState::Verified) << server.Log();

  // The same honest replay under a record that claims more.
  const std::string replay = Honest();
  ASSERT_FALSE(replay.empty());
  const std::string token = SendRecord(server.port(), 5000);
  const auto posted = PostReplay("127.0.0.1", server.port(), token, replay);
  EXPECT_EQ(posted.status, 200) << posted.body;
  best = Settled(data.file("scores.db"));
  ASSERT_EQ(best.size(), 2u);
  EXPECT_EQ(best[0].score, 5000);
  EXPECT_EQ(best[0].replay, ReplayState::Flagged);
  const StoredReplay kept = OpenScoreStore(data.file("scores.db"))->ReplayOf(best[0].id);
  EXPECT_EQ(kept.bytes, replay) << "kept for the operator";
  EXPECT_EQ(kept.detail, "its game scores 1160, the record 5000");
  EXPECT_THAT(server.Log(), HasSubstr("flagged: its game scores 1160, the record 5000"));

  // The page marks the verified record, and its filter shows that one alone.
  const auto all = server_testing::GetFrom("127.0.0.1", server.port(),
                                           "/cgi/version.pl?prg=Glintbreaker&show&type=0");
  EXPECT_THAT(all.body, HasSubstr("<td>Й<span class=\"ok\""));
  EXPECT_THAT(all.body, HasSubstr("<td>П</td>"));
  const auto verified = server_testing::GetFrom(
      "127.0.0.1", server.port(), "/cgi/version.pl?prg=Glintbreaker&show&type=0&verified=1");
  EXPECT_THAT(verified.body, HasSubstr("<td>Й<span class=\"ok\""));
  EXPECT_THAT(verified.body, Not(HasSubstr("5000")));
  if (server_testing::HaveChromium()) {
    // As a player sees it, kept in server-shots/ of the build folder.
    const std::string shots = std::string(GLINT_SCRATCH_DIR) + "/../server-shots";
    std::filesystem::create_directories(shots);
    EXPECT_EQ(
        server_testing::RunChromium("--screenshot=" + shots + "/verified.png", "900,400",
                                    server.url() + "/cgi/version.pl?prg=Glintbreaker&show&type=0",
                                    data.file("chromium.log")),
        0)
        << ReadFile(data.file("chromium.log"));
  }

  // The operator takes the flagged replay out.
  const std::string saved = data.file("flagged.glr");
  EXPECT_EQ(server_testing::RunProgram({GLINT_SERVER_BINARY, "--db", data.file("scores.db"),
                                        "--replay", std::to_string(best[0].id)},
                                       saved),
            0);
  EXPECT_THAT(ReadFile(saved), HasSubstr(replay));
}

TEST_F(VerifiedRecords, AReplayIsTakenOnlyWithinItsBounds) {
  ServerProcess server(data.file("scores.db"), data.file("log"), {"--game", game.path()});
  ASSERT_EQ(testing_support::RunScript(kSendRecord, user.path(),
                                       {"--game-dir", game.path(), "--server", server.url()})
                .status,
            0);
  const std::string replay = Honest();
  const int port = server.port();
  const std::string token = SendRecord(port, 1160);
  const struct {
    const char* name;
    std::string from, token, body;
    int status;
    const char* reason;
    std::size_t claimed = 0;
  } cases[] = {
      {"no replay", "127.0.0.1", token, "GLRP\x02", 400, "the replay is cut short"},
      {"not this token's address", "127.0.0.2", token, replay, 403, "no record of this token"},
      {"an unknown token", "127.0.0.1", "0123456789abcdef", replay, 403, "no record of this token"},
      {"larger than any replay", "127.0.0.1", token, "", 413, "longer than", 300000},
      {"the record's own", "127.0.0.1", token, replay, 200, "OK"},
      {"one replay a record", "127.0.0.1", token, replay, 403, "no record of this token"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const auto answer = PostReplay(c.from, port, c.token, c.body, c.claimed);
    EXPECT_EQ(answer.status, c.status) << answer.body;
    EXPECT_THAT(answer.body, HasSubstr(c.reason));
  }
}

TEST(ReplayUploads, AtMostThirtyTwoReplayBodiesAreGatheredAtOnce) {
  const TempDir data;
  ServerProcess server(data.file("scores.db"));
  const std::string head =
      "POST /cgi/version.pl?replay&prg=Glintbreaker&p=T HTTP/1.1\r\nHost: x\r\n"
      "Content-Length: 200000\r\n\r\n" +
      std::string(100, 'G');
  std::vector<int> held;
  // Seven connections each from five addresses (a client keeps eight), all sending slowly.
  for (int i = 0; i < 32; ++i) {
    const int sock =
        server_testing::ConnectFrom("127.0.1." + std::to_string(i / 7 + 1), server.port());
    ASSERT_GE(sock, 0);
    ASSERT_TRUE(server_testing::SendAll(sock, head));
    held.push_back(sock);
  }
  std::this_thread::sleep_for(300ms);
  const int over = server_testing::ConnectFrom("127.0.1.9", server.port());
  ASSERT_TRUE(server_testing::SendAll(over, head));
  EXPECT_THAT(server_testing::ReceiveAll(over), HasSubstr("too many uploads at once"));
  close(over);
  for (const int sock : held) close(sock);
  // Their places are free again.
  std::this_thread::sleep_for(300ms);
  const auto answer = PostReplay("127.0.1.9", server.port(), "T", "GLRP");
  EXPECT_EQ(answer.status, 400) << answer.body;
}

// Stands in for the game: a script with the given body.
void FakeGame(const TempDir& game, const std::string& body) {
  std::ofstream(game.file("glintbreaker")) << "#!/bin/sh\n" << body << "\n";
  std::filesystem::permissions(game.file("glintbreaker"), std::filesystem::perms::owner_all);
}

TEST(ReplayCheck, WhatThePlayingGameSaysDecidesTheMark) {
  const struct {
    const char* name;
    const char* game;
    ReplayState state;
    const char* detail;
    bool stop = false;  // the server stops
  } cases[] = {
      {"as recorded", "echo 'replay: score 1160, level 1, state 0a: as recorded'",
       ReplayState::Verified, "replay: score 1160, level 1, state 0a: as recorded"},
      {"another score", "echo 'replay: score 30, level 1, state 0a: as recorded'",
       ReplayState::Flagged, "its game scores 30, the record 1160"},
      {"not as recorded", "echo 'replay: score 30: not as recorded (score 1160)'; exit 1",
       ReplayState::Flagged, "replay: score 30: not as recorded (score 1160)"},
      {"refused", "echo 'glintbreaker: x.glr was recorded by Glintbreaker 0.9' >&2; exit 2",
       ReplayState::Flagged, "glintbreaker: x.glr was recorded by Glintbreaker 0.9"},
      {"past its time", "sleep 10", ReplayState::Flagged, "stopped after 1 s of waiting"},
      {"no game", "exit 127", ReplayState::Pending, "the game could not be started"},
      {"the server stopping", "sleep 10", ReplayState::Pending,
       "the server stopped during the check", true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const TempDir game;
    FakeGame(game, c.game);
    const std::atomic<bool> stop = c.stop;
    const ReplayVerdict verdict = CheckReplay({game.path(), 1s}, "GLRP", 1160, stop);
    EXPECT_EQ(verdict.state, c.state);
    EXPECT_EQ(verdict.detail, c.detail);
  }
#if !defined(__SANITIZE_ADDRESS__)
  // A game that reaches for more memory than its limit never plays to its end (a sanitizer
  // build plays without the limit: ReplayCheck.cpp says why).
  const TempDir greedy;
  FakeGame(greedy,
           "dd bs=200M count=1 if=/dev/zero of=/dev/null || exit 1\n"
           "echo 'replay: score 1160, level 1, state 0a: as recorded'");
  const std::atomic<bool> running = false;
  const ReplayVerdict verdict = CheckReplay({greedy.path(), 5s, 64u << 20}, "GLRP", 1160, running);
  EXPECT_EQ(verdict.state, ReplayState::Flagged);
  EXPECT_THAT(verdict.detail, HasSubstr("memory exhausted"));
#endif
}

// A game that takes two seconds over every replay.
TEST(ReplayVerifier, ItsQueueIsBoundedInAllAndForEachClient) {
  const TempDir game, data;
  FakeGame(game, "sleep 2\necho 'replay: score 10, level 1, state 0: as recorded'");
  const auto store = OpenScoreStore(data.file("scores.db"));
  ReplayVerifier verifier(*store, {game.path(), 5s}, {3, 2});
  EXPECT_TRUE(verifier.Offer("a", 1, 10, "R"));
  EXPECT_TRUE(verifier.Offer("a", 2, 10, "R"));
  EXPECT_FALSE(verifier.HasRoom("a")) << "two from one client";
  EXPECT_FALSE(verifier.Offer("a", 3, 10, "R"));
  EXPECT_TRUE(verifier.Offer("b", 4, 10, "R"));
  EXPECT_FALSE(verifier.Offer("c", 5, 10, "R")) << "three in all";
  verifier.WaitIdle();
  EXPECT_TRUE(verifier.HasRoom("a"));
}

}  // namespace

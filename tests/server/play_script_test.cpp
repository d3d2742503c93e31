// `make play` on a machine where no score server runs: the local server starts beside the game,
// takes the game's new record, and ends with the game.
#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "server/ScoreStore.h"
#include "tests/scenario/level_fixture.h"
#include "tests/server/server_process.h"
#include "tests/support/game_runner.h"

namespace {

using testing_support::TempDir;

sockaddr_in Loopback(int port) {
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  address.sin_port = htons(static_cast<std::uint16_t>(port));
  return address;
}

// A loopback port nothing listens on: one the system just handed out and took back.
int FreePort() {
  const int probe = socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in address = Loopback(0);
  socklen_t length = sizeof address;
  if (bind(probe, reinterpret_cast<sockaddr*>(&address), length) != 0 ||
      getsockname(probe, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
    close(probe);
    return 0;
  }
  close(probe);
  return ntohs(address.sin_port);
}

bool Listening(int port) {
  const int probe = socket(AF_INET, SOCK_STREAM, 0);
  const sockaddr_in address = Loopback(port);
  const bool connected =
      connect(probe, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
  close(probe);
  return connected;
}

TEST(PlayScript, TheLocalServerRunsBesideTheGameTakesItsRecordAndEndsWithIt) {
  TempDir user, game, data;
  // One level of hard bricks only: complete at once, the game ends with 1160 points, a record.
  testing_support::GameDirWithLevels(game.path(), {testing_support::Level({"", "..###"})});
  const int port = FreePort();
  ASSERT_NE(port, 0);
  testing_support::WriteFile(
      user.file("script.txt"),
      testing_support::kToNameEntry +
          "key 28\nframes 1\nkey 28\nframes 1\nkey 28\nframes 1\nexpect GameState == gsSubmitAsk\n"
          // Yes, send it: the records panel opens only when the server took it.
          "key 28\nframes 1\nuntil gsRecords 100000000\n");
  // The server keeps its database in the per-user data folder.
  setenv("XDG_DATA_HOME", data.path().c_str(), 1);
  setenv("GLINT_SERVER_PORT", std::to_string(port).c_str(), 1);
  const std::string build =
      std::filesystem::path(GLINT_SERVER_BINARY).parent_path().parent_path().string();
  const int status =
      server_testing::RunProgram({"bash", std::string(GLINT_SOURCE_DIR) + "/scripts/play.sh", build,
                                  "--headless", "--script", user.file("script.txt"), "--user-dir",
                                  user.path(), "--game-dir", game.path(), "--seed", "1"},
                                 user.file("output.txt"));
  unsetenv("GLINT_SERVER_PORT");
  unsetenv("XDG_DATA_HOME");
  ASSERT_EQ(status, 0) << testing_support::ReadFile(user.file("output.txt"));
  EXPECT_FALSE(Listening(port)) << "the server ended with the game";
  const auto stored = OpenScoreStore(data.file("glintbreaker/scores.db"))->Best(10);
  ASSERT_EQ(stored.size(), 1u);
  EXPECT_EQ(stored[0].score, 1160);
}

}  // namespace

// The server's command line.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "server/ServerOptions.h"

namespace {

TEST(ServerOptions, AddressesTheDatabaseAndProxies) {
  const struct {
    std::vector<std::string> args;
    std::string host;
    int port;
    std::string database;
    std::vector<std::string> proxies;
    std::string game = "";
  } cases[] = {
      {{}, "127.0.0.1", 8642, "", {}},
      {{"--listen", "0.0.0.0:80"}, "0.0.0.0", 80, "", {}},
      {{"--listen", "localhost:0", "--db", "s.db"}, "localhost", 0, "s.db", {}},
      {{"--listen", "[::1]:65535"}, "::1", 65535, "", {}},
      {{"--db", "a.db", "--db", "b.db"}, "127.0.0.1", 8642, "b.db", {}},
      {{"--db", "postgresql://glint@db/scores", "--proxy", "10.0.0.2", "--proxy", "::1"},
       "127.0.0.1",
       8642,
       "postgresql://glint@db/scores",
       {"10.0.0.2", "::1"}},
      {{"--game", "/opt/glintbreaker"}, "127.0.0.1", 8642, "", {}, "/opt/glintbreaker"},
  };
  for (const auto& c : cases) {
    std::string error;
    const auto options = ParseServerOptions(c.args, error);
    ASSERT_TRUE(options) << error;
    EXPECT_EQ(options->host, c.host);
    EXPECT_EQ(options->port, c.port);
    EXPECT_EQ(options->database, c.database);
    EXPECT_EQ(options->proxies, c.proxies);
    EXPECT_EQ(options->gameDir, c.game);
    EXPECT_EQ(options->command, ServerOptions::Command::Serve);
  }
}

TEST(ServerOptions, TheOperatorsCommands) {
  using Command = ServerOptions::Command;
  const struct {
    std::vector<std::string> args;
    Command command;
    std::int64_t id;
    std::string address;
  } cases[] = {
      {{"--list"}, Command::List, 0, ""},
      {{"--db", "s.db", "--remove", "42"}, Command::RemoveId, 42, ""},
      {{"--remove", "203.0.113.7"}, Command::RemoveAddress, 0, "203.0.113.7"},
      {{"--remove", "2001:db8::1"}, Command::RemoveAddress, 0, "2001:db8::1"},
      {{"--replay", "7"}, Command::Replay, 7, ""},
  };
  for (const auto& c : cases) {
    std::string error;
    const auto options = ParseServerOptions(c.args, error);
    ASSERT_TRUE(options) << error;
    EXPECT_EQ(options->command, c.command);
    EXPECT_EQ(options->removeId, c.id);
    EXPECT_EQ(options->removeAddress, c.address);
  }
}

TEST(ServerOptions, BadCommandLinesSayWhy) {
  const std::vector<std::string> cases[] = {
      {"--port", "1"},
      {"--listen"},
      {"--db"},
      {"--db", ""},
      {"--listen", "8642"},
      {"--listen", ":8642"},
      {"--listen", "host:"},
      {"--listen", "h:65536"},
      {"--listen", "h:-1"},
      {"--listen", "h:80x"},
      {"--listen", "::1:80"},
      {"--listen", "[]:80"},
      {"--proxy", "proxy.example.org"},
      {"--remove", "0"},
      {"--remove", "-3"},
      {"--remove", "12abc"},
      {"--remove"},
      {"--list", "--remove", "1"},
      {"--remove", "1", "--remove", "2"},
      {"--replay", "203.0.113.7"},
      {"--replay", "0"},
      {"--list", "--replay", "1"},
      {"--game"},
  };
  for (const auto& args : cases) {
    std::string error;
    EXPECT_FALSE(ParseServerOptions(args, error)) << args.back();
    EXPECT_FALSE(error.empty());
  }
}

}  // namespace

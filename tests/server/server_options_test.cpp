// The server's command line.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "server/ServerOptions.h"

namespace {

TEST(ServerOptions, AddressesAndTheDatabase) {
  const struct {
    std::vector<std::string> args;
    std::string host;
    int port;
    std::string database;
  } cases[] = {
      {{}, "127.0.0.1", 8642, ""},
      {{"--listen", "0.0.0.0:80"}, "0.0.0.0", 80, ""},
      {{"--listen", "localhost:0", "--db", "s.db"}, "localhost", 0, "s.db"},
      {{"--listen", "[::1]:65535"}, "::1", 65535, ""},
      {{"--db", "a.db", "--db", "b.db"}, "127.0.0.1", 8642, "b.db"},
  };
  for (const auto& c : cases) {
    std::string error;
    const auto options = ParseServerOptions(c.args, error);
    ASSERT_TRUE(options) << error;
    EXPECT_EQ(options->host, c.host);
    EXPECT_EQ(options->port, c.port);
    EXPECT_EQ(options->database, c.database);
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
  };
  for (const auto& args : cases) {
    std::string error;
    EXPECT_FALSE(ParseServerOptions(args, error)) << args.back();
    EXPECT_FALSE(error.empty());
  }
}

}  // namespace

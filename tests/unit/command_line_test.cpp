// The command line's score server address.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/CommandLine.h"

namespace {

TEST(CommandLine, ServerTakesAnHttpAddressWithoutItsTrailingSlash) {
  const struct {
    std::vector<const char*> args;
    std::optional<std::string> server;  // nothing: refused
  } cases[] = {
      {{"glintbreaker"}, ""},
      {{"glintbreaker", "--server", "http://127.0.0.1:9000"}, "http://127.0.0.1:9000"},
      {{"glintbreaker", "--server", "https://scores.example.org//"}, "https://scores.example.org"},
      {{"glintbreaker", "--server", "ftp://scores.example.org"}, std::nullopt},
      {{"glintbreaker", "--server", "scores.example.org"}, std::nullopt},
      {{"glintbreaker", "--server", "http:///"}, std::nullopt},
      {{"glintbreaker", "--server"}, std::nullopt},
      {{"glintbreaker", "--server", ""}, std::nullopt},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.args.size() > 2 ? c.args[2] : "(no address)");
    std::string error;
    const auto line = ParseCommandLine(static_cast<int>(c.args.size()), c.args.data(), error);
    ASSERT_EQ(line.has_value(), c.server.has_value()) << error;
    if (line) {
      EXPECT_EQ(line->server, *c.server);
    } else {
      EXPECT_NE(error.find("--server"), std::string::npos) << error;
    }
  }
}

TEST(CommandLine, HelpIsAskedForByEitherSpellingAndOtherWordsAreRefused) {
  for (const char* word : {"--help", "-h"}) {
    const char* args[] = {"glintbreaker", word};
    std::string error;
    const auto line = ParseCommandLine(2, args, error);
    ASSERT_TRUE(line) << error;
    EXPECT_TRUE(line->help);
  }
  const char* args[] = {"glintbreaker", "--halp"};
  std::string error;
  EXPECT_FALSE(ParseCommandLine(2, args, error));
  EXPECT_EQ(error, "unknown option --halp");
}

}  // namespace

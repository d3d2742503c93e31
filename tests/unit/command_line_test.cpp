// The command line: the score server's address, the requests' time-outs, help.
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

TEST(CommandLine, HttpTimeoutsAreTwoTimesInMilliseconds) {
  const struct {
    const char* value;  // null: the option left out
    std::optional<THttpTimeouts> timeouts;
  } cases[] = {
      {nullptr, THttpTimeouts{5000, 15000}},
      {"500,2000", THttpTimeouts{500, 2000}},
      {"1,600000", THttpTimeouts{1, 600000}},
      {"0,2000", std::nullopt},
      {"500,600001", std::nullopt},
      {"500", std::nullopt},
      {"500,", std::nullopt},
      {"-5,2000", std::nullopt},
      {"5e2,2000", std::nullopt},
      {"500,2000,9", std::nullopt},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.value ? c.value : "(left out)");
    std::vector<const char*> args{"glintbreaker"};
    if (c.value) args.insert(args.end(), {"--http-timeouts", c.value});
    std::string error;
    const auto line = ParseCommandLine(static_cast<int>(args.size()), args.data(), error);
    ASSERT_EQ(line.has_value(), c.timeouts.has_value()) << error;
    if (line) {
      EXPECT_EQ(line->httpTimeouts.connectMs, c.timeouts->connectMs);
      EXPECT_EQ(line->httpTimeouts.totalMs, c.timeouts->totalMs);
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

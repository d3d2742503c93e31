// The help panel driven through scripts on the headless engine: turning its six pages with the
// keys and the pointer, round at both ends.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "tests/support/game_runner.h"

namespace {

using testing::HasSubstr;
using testing_support::Field;
using testing_support::GameRun;
using testing_support::PointerAt;
using testing_support::RunScript;
using testing_support::TempDir;

// Input is routed once the fade-in has ended; item 4 of the main menu opens the help.
const std::string kInHelp =
    testing_support::kMenuReady +
    "key 208\nframes 1\nkey 208\nframes 1\nkey 208\nframes 1\n"
    "key 28\nframes 1\nexpect GameState == gsHelp\nexpect screens.help.page == 1\n";

GameRun RunInFreshFolder(const std::string& script) {
  TempDir user;
  return RunScript(script, user.path());
}

TEST(Help, KeysTurnThePagesRoundBothEnds) {
  // Each step: the key, then the page and the selection after it, and whether the page turned
  // (with its click; moving the selection is silent).
  const struct {
    int key;
    int page, selected;
    bool turned;
  } steps[] = {
      {203, 6, 1, true},   // Left on the back button turns back, round to the last page
      {205, 6, 2, false},  // Right first selects the forward button
      {205, 1, 2, true},   // and then turns forward, round to the first page
      {28, 2, 2, true},    // Enter turns as the selected button says
      {203, 2, 1, false}, {28, 1, 1, true}, {28, 6, 1, true},
  };
  std::string script = kInHelp;
  for (const auto& step : steps) {
    script += "key " + std::to_string(step.key) + "\nframes 1\ndump\n";
  }
  script +=
      "key 1\nframes 1\nexpect GameState == gsMainMenu\nexpect screens.help.Opened == 0\n"
      "key 28\nframes 1\nexpect screens.help.page == 1\n";
  const GameRun run = RunInFreshFolder(script);
  ASSERT_EQ(run.status, 0) << run.err;
  const auto dumps = run.Dumps();
  ASSERT_EQ(dumps.size(), std::size(steps));
  for (std::size_t i = 0; i < dumps.size(); ++i) {
    SCOPED_TRACE("step " + std::to_string(i + 1));
    EXPECT_EQ(Field(dumps[i], "page"), steps[i].page);
    EXPECT_THAT(dumps[i], HasSubstr("\"help\":{\"Selected\":" + std::to_string(steps[i].selected)));
    EXPECT_THAT(dumps[i], HasSubstr(steps[i].turned ? "\"sounds\":[\"sound/btn_clk.wav\"]"
                                                    : "\"sounds\":[]"));
  }
}

TEST(Help, ThePointerSelectsAndTurnsWithTheButtons) {
  const std::string back = PointerAt(400, 500), forward = PointerAt(700, 500),
                    // Both buttons' hit areas reach here; the forward one wins.
      both = PointerAt(578, 500), neither = PointerAt(500, 300);
  const GameRun run = RunInFreshFolder(
      kInHelp + forward +
      "frames 1\nexpect screens.help.Selected == 2\nexpect sounds.0 == sound\\mainmenuchg.WAV\n"
      "click left\nframes 1\nexpect screens.help.page == 2\n" +
      back +
      "click left\nframes 1\nexpect screens.help.Selected == 1\n"
      "expect screens.help.page == 1\n" +
      both +
      "frames 1\nexpect screens.help.Selected == 2\nclick left\nframes 1\n"
      "expect screens.help.page == 2\n" +
      neither +
      "click left\nframes 1\nexpect screens.help.page == 2\n"
      "expect screens.help.Selected == 2\n");
  EXPECT_EQ(run.status, 0) << run.err;
}

TEST(Help, ClosingHidesThePageAtOnceWhileThePanelSlidesOut) {
  const GameRun run =
      RunInFreshFolder(kInHelp + "frames 40\ndump\nkey 1\nframes 1\ndump\nframes 40\ndump\n");
  ASSERT_EQ(run.status, 0) << run.err;
  const auto dumps = run.Dumps();
  ASSERT_EQ(dumps.size(), 3u);
  EXPECT_EQ(Field(dumps[1], "visibleMeshes"), Field(dumps[0], "visibleMeshes") - 1);
  EXPECT_EQ(Field(dumps[2], "visibleMeshes"), Field(dumps[1], "visibleMeshes"));
  EXPECT_THAT(dumps[1], HasSubstr("\"help\":{\"Selected\":1,\"Opened\":false,\"Slide\":96"));
}

}  // namespace

// The script parser: every command, the line named in an error, and GameState names written
// where a state or a value goes.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "runtime/script.h"
#include "scene/StateNames.h"

namespace {

using Words = std::vector<std::string>;

TEST(ScriptParser, AcceptsEveryCommandAndNamesTheLineOfAnError) {
  std::string error;
  const auto commands = rt::ParseScript(
      "# comment\nperiod 16\nframes 3\nkey 1 28\nhold 203\nrelease 203\nmouse 0.5 0.25\n"
      "click left\nmessage hotkey 200\nmessage activate\nuntil 4 400\n"
      "until bat.size >= 2 50\ndump\nexpect printed contains 02:05\n"
      "pad plug\npad button a dpup\npad hold start\npad release start\npad axis leftx -0.5\n"
      "pad unplug\nshot a.png  # trailing\n",
      error);
  EXPECT_EQ(error, "");
  EXPECT_EQ(commands.size(), 20u);
  EXPECT_EQ(commands.back().words, std::vector<std::string>{"a.png"});

  const struct {
    const char* script;
    const char* error;
  } bad[] = {{"frames 1\n\nframes -2\n", "script line 3"},
             {"period 0\n", "script line 1"},
             {"click middle\n", "script line 1"},
             {"message minimise\n", "script line 1"},
             {"until GameState == 4 0\n", "script line 1: bad MAX"},
             {"dump now\n", "script line 1"},
             {"pad button\n", "script line 1: expects button names"},
             {"pad hold a b\n", "script line 1: expects button names"},
             {"pad button a z\n", "script line 1: unknown pad button \"z\""},
             {"pad axis leftx 1.5\n", "script line 1: expects axis NAME VALUE from -1 to 1"},
             {"pad axis sidewaysx 0\n", "script line 1: unknown pad axis \"sidewaysx\""},
             {"pad shake\n", "script line 1: expects plug, unplug, button, hold, release or axis"},
             {"frobnicate\n", "script line 1: unknown command \"frobnicate\""}};
  for (const auto& c : bad) {
    error.clear();
    EXPECT_TRUE(rt::ParseScript(c.script, error).empty());
    EXPECT_NE(error.find(c.error), std::string::npos) << error;
  }
}

TEST(ScriptParser, StateNamesStandForTheirNumbersWhereAStateOrValueGoes) {
  const struct {
    const char* line;
    Words words;
  } cases[] = {
      {"until gsPlaying", {"3"}},
      {"until gsPlaying 500", {"3", "500"}},
      {"until GameState != gsMainMenu 20", {"GameState", "!=", "4", "20"}},
      {"expect GameState == gsPaused", {"GameState", "==", "13"}},
      {"until 16", {"16"}},
      // Only the value is a name: paths, key codes and texts keep their words.
      {"expect gsPlaying == 3", {"gsPlaying", "==", "3"}},
      {"expect settings.AddText == gsPlayer", {"settings.AddText", "==", "gsPlayer"}},
  };
  for (const auto& c : cases) {
    std::string error;
    const auto commands = rt::ParseScript(c.line, error, GameStateNames());
    EXPECT_EQ(error, "") << c.line;
    ASSERT_EQ(commands.size(), 1u) << c.line;
    EXPECT_EQ(commands[0].words, c.words) << c.line;
    EXPECT_EQ(commands[0].source, c.line);
  }
}

TEST(ScriptParser, AStateThatIsNeitherANumberNorANameIsAnError) {
  const struct {
    const char* script;
    const char* error;
  } bad[] = {
      {"frames 1\nuntil gsPlayng\n", "script line 2: unknown name \"gsPlayng\""},
      {"until gsplaying 40\n", "script line 1: unknown name \"gsplaying\""},
      {"until 300\n", "script line 1: bad STATE"},
      {"until gsPlaying 0\n", "script line 1: bad MAX"},
      {"until GameState ==\n", "script line 1: expects PATH OP VALUE"},
  };
  for (const auto& c : bad) {
    std::string error;
    EXPECT_TRUE(rt::ParseScript(c.script, error, GameStateNames()).empty()) << c.script;
    EXPECT_NE(error.find(c.error), std::string::npos) << error;
  }
  std::string error;
  EXPECT_TRUE(rt::ParseScript("until gsPlaying\n", error).empty()) << "no names were handed in";
  EXPECT_NE(error.find("unknown name"), std::string::npos) << error;
}

TEST(StateNames, EveryScreenFromPlayingToLeaving) {
  const auto& names = GameStateNames();
  EXPECT_EQ(names.size(), 20u);
  EXPECT_EQ(names.at("gsPlaying"), 3);
  EXPECT_EQ(names.at("gsMainMenu"), 4);
  EXPECT_EQ(names.at("gsPaused"), 13);
  EXPECT_EQ(names.at("gsStartLevel"), 16);
  EXPECT_EQ(names.at("gsLeaving"), 27);
  EXPECT_EQ(names.at("gsReplayEnd"), 28);
}

}  // namespace

// The records: a finished game that beats an entry asks for a name, stores the record and asks
// whether to send it; the records panel shows the table, resets it after a question and opens
// the online page. Whole runs on the headless engine, on a level set that ends the game at once.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "tests/scenario/level_fixture.h"
#include "tests/support/game_runner.h"

namespace {

using testing::HasSubstr;
using testing::Not;
using testing_support::Field;
using testing_support::GameDirWithLevels;
using testing_support::GameRun;
using testing_support::Level;
using testing_support::PointerAt;
using testing_support::ReadFile;
using testing_support::RunScript;
using testing_support::TempDir;
using testing_support::WriteFile;

// One level of hard bricks only: it is complete on its first frame, and as the last level it
// ends the game with the time bonus as the score.
constexpr int kScore = 1160;
// From the main menu through that game to the name entry.
const std::string kFinishGame = testing_support::kToNameEntry;
// Into the records panel from the main menu (its item 3).
const std::string kOpenRecords = testing_support::kMenuReady +
                                 "key 208\nframes 1\nkey 208\nframes 1\nkey 28\nframes 1\n" +
                                 "expect GameState == gsRecords\n";
// Shift+Q types the capital 0x89; Enter on the name, on the second name and on OK confirms.
constexpr const char* kTypeAndConfirm =
    "hold 42\nkey 16\nframes 1\nrelease 42\n"
    "key 28\nframes 1\nkey 28\nframes 1\nkey 28\nframes 1\nexpect GameState == gsSubmitAsk\n";

constexpr const char* kDefaultName = "\x82\xA0\xAD\xC0";

// The records file: ten entries of the same name, scoring top, top - step, ...
std::string RecordsFile(const std::string& name, int top, int step) {
  std::string bytes;
  for (int i = 0; i < 10; ++i) {
    std::string entry(16, '\0');
    entry[0] = static_cast<char>(name.size());
    entry.replace(1, name.size(), name);
    const auto score = static_cast<unsigned>(top - step * i);
    for (int b = 0; b < 4; ++b) entry[12 + b] = static_cast<char>((score >> (8 * b)) & 0xFF);
    bytes += entry;
  }
  return bytes;
}

const std::string kDefaultRecords = RecordsFile(kDefaultName, 10000, 1000);

// Windowed or full screen, sound and music on, the second name, F12 as the boss key.
std::string SettingsFile(const std::string& secondName, bool windowed = true) {
  std::string bytes(18, '\0');
  bytes[0] = windowed ? 1 : 0;
  bytes[1] = bytes[2] = 1;
  bytes[3] = static_cast<char>(secondName.size());
  bytes.replace(4, secondName.size(), secondName);
  bytes[14] = 88;
  return bytes;
}

class Records : public testing::Test {
 protected:
  void SetUp() override { GameDirWithLevels(game.path(), {Level({"", "..###"})}); }

  // Runs in the user folder, which first gets the records file unless it is empty.
  GameRun Play(const std::string& script, const std::string& records = "") {
    if (!records.empty()) WriteFile(user.file("data/records.dat"), records);
    return RunScript(script, user.path(), {"--game-dir", game.path()});
  }

  TempDir user, game;
};

TEST_F(Records, ARecordIsTypedConfirmedAndStoredAndNoToSendingShowsTheTable) {
  WriteFile(user.file("data/settings.dat"), SettingsFile("\x81\x82"));
  const auto run = Play(std::string(kFinishGame) +
                        "frames 1\n"
                        "dump\n"
                        // Q with Shift, W, S, a digit and Space (nothing), Z, then Backspace.
                        "hold 42\nkey 16\nframes 1\nrelease 42\n"
                        "key 17\nframes 1\nkey 31\nframes 1\nkey 2 57\nframes 1\n"
                        "key 44\nframes 1\nkey 14\nframes 1\n"
                        "expect screens.entry.name == \\x89\\xB6\\xBC\n"
                        "dump\n"
                        "frames 39\n"
                        "dump\n"
                        "key 28\nframes 1\n"
                        "expect GameState == gsRecordEntryAdd\nexpect screens.entry.Selected == 2\n"
                        "key 30\nframes 1\n"
                        "expect screens.entry.add == \\x81\\x82\\xB4\n"
                        "expect settings.AddText == \\x81\\x82\\xB4\n"
                        "key 28\nframes 1\n"
                        "expect GameState == gsRecordEntry\nexpect screens.entry.Selected == 3\n"
                        "key 28\nframes 1\n"
                        "expect GameState == gsSubmitAsk\nexpect screens.dialog.Shown == 1\n"
                        "expect screens.entry.Shown == 0\n"
                        "expect records.9.name == \\x89\\xB6\\xBC\nexpect records.9.score == 1160\n"
                        "expect records.8.score == 2000\n"
                        // No: the game is reset and the records panel slides in.
                        "key 1\nframes 1\n"
                        "expect GameState == gsRecords\nexpect screens.records.Opened == 1\n"
                        "expect MenuMode == 1\nexpect score == 0\nexpect level == 0\n"
                        "expect screens.dialog.Shown == 0\n"
                        "frames 40\n"
                        "dump\n");
  ASSERT_EQ(run.status, 0) << run.err;
  const auto dumps = run.Dumps();
  ASSERT_EQ(dumps.size(), 4u);

  // The entry opens on the empty name, the second name from the settings, the score centred.
  EXPECT_THAT(dumps[0], HasSubstr("\"entry\":{\"Selected\":1,\"Shown\":true,\"name\":\"\","
                                  "\"add\":\"\\u0081\\u0082\"}"));
  EXPECT_THAT(dumps[0], HasSubstr("{\"text\":\"\\u0082\\u00A0\\u00B8 \\u00B0\\u00A5\\u00A7\\u00B3"
                                  "\\u00AB\\u00BD\\u00B2\\u00A0\\u00B2 1160\",\"x\":-6.4"));
  // The caret blinks after the name every half second.
  const std::string withCaret = "\"text\":\"\\u0089\\u00B6\\u00BCI\"";
  EXPECT_NE(dumps[1].find(withCaret) == std::string::npos,
            dumps[2].find(withCaret) == std::string::npos);

  // The table on the panel, its new last line included.
  EXPECT_THAT(dumps[3], HasSubstr("{\"text\":\"      \\u0082\\u00A0\\u00AD\\u00C0    10000\","
                                  "\"x\":2.5,\"y\":3.45"));
  EXPECT_THAT(
      dumps[3],
      HasSubstr("{\"text\":\"       \\u0089\\u00B6\\u00BC     1160\",\"x\":2.5,\"y\":-5.98"));

  std::string expected = kDefaultRecords.substr(0, 144) + std::string(16, '\0');
  expected.replace(144, 4, "\x03\x89\xB6\xBC");
  expected.replace(156, 2, "\x88\x04");  // 1160
  EXPECT_EQ(ReadFile(user.file("data/records.dat")), expected);
  // The second name is live, but only the options write the settings file.
  EXPECT_EQ(ReadFile(user.file("data/settings.dat")), SettingsFile("\x81\x82"));
}

TEST_F(Records, CancellingStoresNothing) {
  const struct {
    const char* name;
    std::string script;
    std::string records;
    const char* music = "sounds.0";  // the menu music starts, after the move's sound if any
  } cases[] = {
      {"Escape after a game over",
       std::string(kFinishGame) +
           "hold 42\nkey 16\nframes 1\nrelease 42\nkey 1\nframes 1\n"
           "expect records.9.name == \\x82\\xA0\\xAD\\xC0\nexpect records.9.score == 1000\n",
       kDefaultRecords},
      // The keys after a move act on the item it chose: Down from OK, then Enter on Cancel.
      {"Down and Enter in one frame on OK",
       std::string(kFinishGame) +
           "key 28\nframes 1\nkey 28\nframes 1\nexpect screens.entry.Selected == 3\n"
           "key 208 28\nframes 1\n",
       kDefaultRecords, "sounds.1"},
      // Every score is negative: a game quit at once beats them all.
      {"the Cancel button after quitting a game",
       testing_support::kMenuReady + testing_support::kNewGame +
           "key 1\nframes 1\nkey 28\nframes 1\nexpect GameState == gsRecordEntryName\n" +
           PointerAt(500, 450) +
           "frames 1\nexpect screens.entry.Selected == 4\nclick left\nframes 1\n"
           "expect records.0.name == x\nexpect records.0.score == -1\n",
       RecordsFile("x", -1, 1)},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const auto run = Play(c.script +
                              "expect GameState == gsMainMenu\nexpect MenuMode == 1\n"
                              "expect screens.entry.Shown == 0\nexpect score == 0\n"
                              "expect " +
                              c.music + " == sound\\musmenu.wav\n",
                          c.records);
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(ReadFile(user.file("data/records.dat")), c.records);
  }
}

TEST_F(Records, ALetterAfterAMoveInTheSameFrameGoesToTheFieldItChose) {
  // From the second name, Up and A in one frame: the name field is edited and takes the letter.
  const auto run =
      Play(std::string(kFinishGame) +
               "key 28\nframes 1\nexpect GameState == gsRecordEntryAdd\n"
               "key 200 30\nframes 1\n"
               "expect GameState == gsRecordEntryName\nexpect screens.entry.name == \\xB4\n",
           kDefaultRecords);
  EXPECT_EQ(run.status, 0) << run.err;
}

TEST_F(Records, TheNameIsKeptForTheNextRecordAndTheTableSurvivesARestart) {
  const std::string secondGame =
      "key 1\nframes 1\nexpect GameState == gsMainMenu\n"
      "key 28\nuntil gsPlaying 10\nuntil gsRecordEntryName 3000\n"
      "expect screens.entry.name == \\x89\n";
  // The name field keeps the name, the selection stays on OK: Enter twice more confirms.
  const auto first =
      Play(std::string(kFinishGame) + kTypeAndConfirm + "key 1\nframes 1\n" + secondGame +
               "key 28\nframes 1\nkey 28\nframes 1\nkey 28\nframes 1\n"
               "expect GameState == gsSubmitAsk\nkey 1\nframes 1\n",
           RecordsFile("x", 100, 10));
  ASSERT_EQ(first.status, 0) << first.err;

  TempDir unused;
  const auto second = RunScript(
      "frames 1\nexpect records.0.name == \\x89\nexpect records.0.score == 1160\n"
      "expect records.1.name == \\x89\nexpect records.1.score == 1160\n"
      "expect records.2.name == x\nexpect records.2.score == 100\n"
      "expect records.9.score == 30\n",
      user.path(), {"--game-dir", game.path()});
  EXPECT_EQ(second.status, 0) << second.err;
}

TEST_F(Records, ThePointerEditsAFieldByMovingOverItAndConfirmsWithOK) {
  const auto run =
      Play(std::string(kFinishGame) + "key 208\nframes 1\nexpect GameState == gsRecordEntryAdd\n" +
           PointerAt(400, 300) +
           "frames 1\nexpect GameState == gsRecordEntryName\n"
           "expect screens.entry.Selected == 1\n"
           "expect sounds.0 == sound\\mainmenuchg.WAV\n" +
           PointerAt(400, 375) +
           "frames 1\nexpect GameState == gsRecordEntryAdd\n"
           "expect screens.entry.Selected == 2\n" +
           PointerAt(300, 450) +
           "frames 1\nexpect screens.entry.Selected == 3\n"
           "expect GameState == gsRecordEntryAdd\n"
           "click left\nframes 1\nexpect GameState == gsSubmitAsk\n"
           "expect records.9.score == 1160\n" +
           PointerAt(500, 350) + "click left\nframes 1\nexpect GameState == gsRecords\n");
  EXPECT_EQ(run.status, 0) << run.err;
}

TEST_F(Records, TheEntryComesBackAfterTheFullScreenWasLeft) {
  WriteFile(user.file("data/settings.dat"), SettingsFile("", false));
  const auto run =
      Play(testing_support::kMenuReady + testing_support::kNewGame + "key 1\nframes 1\n" +
               "key 28\nframes 1\nexpect GameState == gsRecordEntryName\n"
               "key 88\nframes 2\nexpect window.minimised == 1\n"
               "message activate\nuntil displayMode == 1 50\nframes 1\n"
               "expect GameState == gsRecordEntryName\nexpect screens.entry.Shown == 1\n"
               "expect cursorShown == true\n"
               "key 30\nframes 1\nexpect screens.entry.name == \\xB4\n",
           RecordsFile("x", -1, 1));
  EXPECT_EQ(run.status, 0) << run.err;
}

TEST_F(Records, PanelShowsTheTableWhileOnScreenAndChoosesItsButtons) {
  const struct {
    const char* name;
    std::string script;
  } stories[] = {
      {"Right and Left choose, with the move sound also when nothing changes",
       std::string(kOpenRecords) + "key 205\nframes 1\nexpect screens.records.Selected == 2\n"
                                   "expect sounds.0 == sound\\mainmenuchg.WAV\n"
                                   "key 205\nframes 1\nexpect screens.records.Selected == 2\n"
                                   "key 203\nframes 1\nexpect screens.records.Selected == 1\n"},
      {"the pointer selects a button and a click runs it",
       std::string(kOpenRecords) + PointerAt(690, 500) +
           "frames 1\nexpect screens.records.Selected == 2\n" + PointerAt(465, 500) +
           "frames 1\nexpect screens.records.Selected == 1\nclick left\nframes 1\n"
           "expect GameState == gsRecordsResetConfirm\n"},
  };
  for (const auto& story : stories) {
    SCOPED_TRACE(story.name);
    const auto run = Play(story.script);
    EXPECT_EQ(run.status, 0) << run.err;
  }
}

TEST_F(Records, TheTableSlidesOutWithThePanelAndIsGoneWithIt) {
  const auto run = Play(std::string(kOpenRecords) +
                        "frames 40\nexpect printed.0.x == 2.5\nexpect printed.9.y < -5.97\n"
                        "key 1\nframes 2\nexpect GameState == gsMainMenu\nexpect printed.0.x > 3\n"
                        "frames 40\nexpect screens.records.Slide == 0\ndump\n");
  ASSERT_EQ(run.status, 0) << run.err;
  ASSERT_EQ(run.Dumps().size(), 1u);
  EXPECT_THAT(run.Dumps()[0], HasSubstr("\"printed\":[]"));
}

TEST_F(Records, OnlineRecordsOpenTheServersPageWhileTheGameStepsAside) {
  const auto run = Play(std::string(kOpenRecords) +
                        "key 205\nframes 1\nkey 28\nframes 1\ndump\n"
                        "expect window.minimised == 1\nexpect GameState == gsMainMenu\n"
                        "expect screens.records.Opened == 0\n");
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_THAT(run.err,
              HasSubstr("open: http://127.0.0.1:8642/cgi/version.pl?prg=Glintbreaker&show&type=0"));
  ASSERT_EQ(run.Dumps().size(), 1u);
  EXPECT_THAT(run.Dumps()[0], HasSubstr("\"sounds\":[]"));
}

TEST_F(Records, ResetAsksFirstAndRefusingKeepsTheTable) {
  const std::string names = "ABCDEFGHIJ";
  const auto run =
      Play(std::string(kOpenRecords) +
               "key 28\nframes 1\nexpect GameState == gsRecordsResetConfirm\n"
               "expect screens.dialog.Selected == 2\nexpect screens.dialog.Shown == 1\n"
               "dump\n"
               "key 28\nframes 1\nexpect GameState == gsRecords\n"
               "expect screens.records.Opened == 1\nexpect records.0.score == 500\n"
               "expect screens.dialog.Shown == 0\n"
               "key 28\nframes 1\nkey 203\nframes 1\nkey 28\nframes 1\n"
               "expect GameState == gsRecords\nexpect records.0.score == 10000\n"
               "expect records.0.name == \\x82\\xA0\\xAD\\xC0\n"
               "expect records.9.score == 1000\n",
           RecordsFile(names, 500, 50));
  ASSERT_EQ(run.status, 0) << run.err;
  // Under the question only the question is printed.
  ASSERT_EQ(run.Dumps().size(), 1u);
  const std::string asked = run.Dumps()[0];
  EXPECT_EQ(Field(asked, "GameState"), 12);
  const auto printed =
      asked.substr(asked.find("\"printed\""), asked.find("\"sounds\"") - asked.find("\"printed\""));
  EXPECT_EQ(printed.find("\"text\""), printed.rfind("\"text\"")) << printed;

  // The default name and scores; the other bytes of the old names stay.
  std::string expected = RecordsFile("\x82\xA0\xAD\xC0" + names.substr(4), 10000, 1000);
  for (int i = 0; i < 10; ++i) expected[i * 16] = 4;
  EXPECT_EQ(ReadFile(user.file("data/records.dat")), expected);
}

}  // namespace

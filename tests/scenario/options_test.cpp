// The options panel driven through scripts on the headless engine: its keys on the three
// screens (choosing, typing the second name, waiting for the boss key), the pointer, the settings
// file it writes and the new window a display-mode change asks for.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "tests/support/game_runner.h"
#include "userdata/Preferences.h"

namespace {

using testing::HasSubstr;
using testing::Not;
using testing_support::GameRun;
using testing_support::PointerAt;
using testing_support::ReadFile;
using testing_support::RunScript;
using testing_support::RunStories;
using testing_support::Story;
using testing_support::TempDir;
using testing_support::WriteFile;

// Input is routed once the fade-in has ended; Down and Enter on the main menu open the options,
// which then slide in.
const std::string kInOptions =
    testing_support::kMenuReady +
    "key 208\nframes 1\nkey 28\nframes 1\nexpect GameState == gsOptions\n"
    "until screens.options.Slide == 100 40\n";

// Down pressed `times` times, one frame each: from item 1 to item 1 + times.
std::string Down(int times) {
  std::string keys;
  for (int i = 0; i < times; ++i) keys += "key 208\nframes 1\n";
  return keys;
}

const std::string kTyping = kInOptions + Down(3) + "key 28\nframes 1\nexpect GameState == 8\n";
const std::string kWaitingForKey =
    kInOptions + Down(4) + "key 28\nframes 1\nexpect GameState == gsOptionsKey\n";

constexpr const char* kClick = "\"sound/btn_clk.wav\"";
constexpr const char* kMenuMusic = "\"sound\\\\musmenu.wav\"";  // as JSON writes it
constexpr const char* kNoSound = "\"sounds\":[]";

// The settings record with the defaults (window, sound, music, no second name, F12), changed at
// the given offsets.
std::string SettingsBytes(std::vector<std::pair<int, char>> changes = {}) {
  std::string bytes("\x01\x01\x01\x00\0\0\0\0\0\0\0\0\0\0\x58\0\0\0", 18);
  for (const auto& [offset, value] : changes) bytes[offset] = value;
  return bytes;
}

// Runs the script in a fresh user folder that first gets the settings file unless it is empty.
struct RunInFolder {
  TempDir user;
  GameRun game;
  RunInFolder(const std::string& script, const std::string& settings = "") {
    if (!settings.empty()) WriteFile(user.file("data/settings.dat"), settings);
    game = RunScript(script, user.path());
  }
  std::string SettingsFile() const { return ReadFile(user.file("data/settings.dat")); }
};

TEST(Options, UpAndDownGoRoundTheEightItems) {
  // The volumes' and the language's rows stand above the first item: Up from it reaches the
  // language.
  RunStories({{"round both ways with the move sound",
               kInOptions +
                   "expect screens.options.Selected == 1\nkey 200\nframes 1\n"
                   "expect screens.options.Selected == 8\n"
                   "expect sounds.0 == sound\\mainmenuchg.WAV\n"
                   "key 208\nframes 1\nexpect screens.options.Selected == 1\n" +
                   Down(4) + "expect screens.options.Selected == 5\n" + Down(1) +
                   "expect screens.options.Selected == 6\n"},
              {"Left and Right leave the second name and the boss key alone",
               kInOptions + Down(3) + "key 203\nframes 1\nkey 205\nframes 1\n" + Down(1) +
                   "key 205\nframes 1\nexpect GameState == gsOptions\n"
                   "expect settings.BossKey == 88\n"}});
}

TEST(Options, MusicOffStopsTheMenuTrackAndOnStartsItAgain) {
  const RunInFolder run(kInOptions + Down(1) + "key 205\nframes 1\ndump\nkey 28\nframes 1\ndump\n");
  ASSERT_EQ(run.game.status, 0) << run.game.err;
  const auto dumps = run.game.Dumps();
  ASSERT_EQ(dumps.size(), 2u);
  EXPECT_THAT(dumps[0], HasSubstr("\"MusicOn\":0"));
  EXPECT_THAT(dumps[0], HasSubstr(kClick));
  EXPECT_THAT(dumps[0], Not(HasSubstr(kMenuMusic)));
  EXPECT_THAT(dumps[1], HasSubstr("\"MusicOn\":1"));
  EXPECT_THAT(dumps[1], HasSubstr(kMenuMusic));
  EXPECT_EQ(run.SettingsFile(), SettingsBytes());

  const RunInFolder off(kInOptions + Down(1) + "key 203\nframes 1\n");
  EXPECT_EQ(off.SettingsFile(), SettingsBytes({{2, 0}}));
}

TEST(Options, TheClickFollowsTheSoundSettingAfterLeftOrRightAndBeforeEnter) {
  const struct {
    char soundBefore;
    const char* key;
    bool clicks;
  } cases[] = {
      {1, "205", false},  // Right turns the sound off, then the click is silent
      {0, "203", true},   // Left turns it on, then clicks
      {1, "28", true},    // Enter clicks first, then turns it off
      {0, "28", false},   // Enter is silent, then turns it on
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string("key ") + c.key + " with sound " + (c.soundBefore ? "on" : "off"));
    const RunInFolder run(kInOptions + Down(2) + "key " + c.key + "\nframes 1\ndump\n",
                          SettingsBytes({{1, c.soundBefore}}));
    ASSERT_EQ(run.game.status, 0) << run.game.err;
    const auto dumps = run.game.Dumps();
    ASSERT_EQ(dumps.size(), 1u);
    const std::string& dump = dumps[0];
    EXPECT_THAT(dump, HasSubstr(c.soundBefore ? "\"SoundOn\":0" : "\"SoundOn\":1"));
    EXPECT_THAT(dump, c.clicks ? HasSubstr(kClick) : HasSubstr(kNoSound));
    EXPECT_EQ(run.SettingsFile()[1], c.soundBefore ? 0 : 1);
  }
}

TEST(Options, TypingTheSecondName) {
  RunStories({
      {"letters small, with Shift capital; digits and space add nothing; Backspace erases",
       kTyping +
           "key 30\nframes 1\nhold 42\nframes 1\nkey 31\nframes 1\nrelease 42\nframes 1\n"
           "key 31\nframes 1\nkey 2\nframes 1\nkey 57\nframes 1\nkey 12\nframes 1\n"
           "expect sounds.0 == sound/btn_clk.wav\n"
           "key 28\nframes 1\nexpect GameState == gsOptions\n"
           "expect printed contains \\xB4\\x9B\\xBC\n"
           // Three bytes: 7.5 - 0.35 * 3.
           "expect printed.0.x > 6.44\nexpect printed.0.x < 6.46\nexpect printed.0.y < -4.09\n"
           "key 28\nframes 1\nkey 14\nframes 1\nkey 14\nframes 1\nkey 28\nframes 1\n"
           "expect printed contains \\xB4\n"},
      {"Up and Down end the typing on the items around it",
       kTyping +
           "key 200\nframes 1\nexpect GameState == gsOptions\n"
           "expect screens.options.Selected == 3\n" +
           Down(1) +
           "key 28\nframes 1\nkey 208\nframes 1\nexpect GameState == gsOptions\n"
           "expect screens.options.Selected == 5\n"},
      {"a selection the pointer moved while typing stays among the items",
       kTyping + PointerAt(420, 230) +
           "frames 1\nexpect screens.options.Selected == 1\nkey 200\nframes 1\n"
           "expect GameState == gsOptions\nexpect screens.options.Selected == 8\n"},
      {"the caret blinks every half second",
       // It shows on the first frame of typing and turns at the first frame past 0.5 s
       // (39 frames of 13 ms).
       kTyping + "key 30\nframes 1\nexpect printed contains \\xB4I\nframes 37\n"
                 "expect printed contains \\xB4I\nframes 1\nexpect printed contains \\xB4\n"
                 "frames 38\nexpect printed contains \\xB4\nframes 1\n"
                 "expect printed contains \\xB4I\n"},
  });
}

TEST(Options, EscapeWhileTypingClosesThePanelAndKeepsTheText) {
  const RunInFolder run(kTyping +
                        "key 30\nframes 1\nkey 1\nframes 1\nexpect GameState == gsMainMenu\n"
                        "expect screens.options.Opened == 0\nexpect settings.AddText == \\xB4\n");
  EXPECT_EQ(run.game.status, 0) << run.game.err;
  EXPECT_EQ(run.SettingsFile(), SettingsBytes({{3, 1}, {4, '\xB4'}}));
}

TEST(Options, AFullNameTakesNoMoreLettersButStillClicks) {
  // Ten bytes stored; a length byte above ten must not reach past them.
  for (const char length : {'\x0A', '\xFF'}) {
    SCOPED_TRACE(static_cast<int>(static_cast<unsigned char>(length)));
    std::string settings = SettingsBytes({{3, length}});
    settings.replace(4, 10, "abcdefghij");
    const RunInFolder run(kTyping +
                              "expect printed contains abcdefghijI\nkey 30\nframes 1\ndump\n"
                              "key 14\nframes 1\nkey 1\nframes 1\n",
                          settings);
    ASSERT_EQ(run.game.status, 0) << run.game.err;
    const auto dumps = run.game.Dumps();
    ASSERT_EQ(dumps.size(), 1u);
    EXPECT_THAT(dumps[0], HasSubstr(kClick));
    EXPECT_THAT(dumps[0], HasSubstr("\"text\":\"abcdefghijI\""));
    std::string kept = SettingsBytes({{3, 9}});
    kept.replace(4, 9, "abcdefghi");
    EXPECT_EQ(run.SettingsFile(), kept);
  }
}

TEST(Options, ABossKeyCapturedWorksInPlay) {
  const RunInFolder run(
      kWaitingForKey +
      "expect printed contains ?\nhold 29\nhold 42\nframes 1\n"
      "expect printed contains CTRL+SHIFT+?\nkey 63\nframes 1\n"
      "expect GameState == gsOptions\nexpect settings.BossKey == 63\n"
      "expect settings.BossShift == 1\nexpect settings.BossAlt == 0\n"
      "expect settings.BossCtrl == 1\nexpect printed contains CTRL+SHIFT+F5\n"
      "expect sounds.0 == sound/btn_clk.wav\n"
      "release 29\nrelease 42\nkey 1\nframes 1\nkey 200\nframes 1\nkey 28\nframes 2\n"
      "expect GameState == gsPlaying\n"
      // The old key does nothing now; the new combination pauses and hides the game.
      "key 88\nframes 1\nexpect GameState == gsPlaying\nexpect window.minimised == 0\n"
      "hold 29\nhold 42\nframes 1\nkey 63\nframes 1\nexpect GameState == gsPaused\n"
      "expect window.minimised == 1\n");
  EXPECT_EQ(run.game.status, 0) << run.game.err;
  EXPECT_EQ(run.SettingsFile(), SettingsBytes({{14, 63}, {15, 1}, {17, 1}}));
}

TEST(Options, WaitingForTheBossKey) {
  RunStories({
      {"Escape stops waiting and keeps the panel open",
       kWaitingForKey + "key 1\nframes 1\nexpect GameState == gsOptions\n"
                        "expect screens.options.Opened == 1\nexpect settings.BossKey == 88\n"},
      {"modifiers alone, space, Left and the key left of 1 do not bind",
       kWaitingForKey + "hold 29\nframes 1\nrelease 29\nkey 57\nframes 1\nkey 203\nframes 1\n"
                        "key 41\nframes 1\nexpect GameState == gsOptionsKey\n"
                        "expect settings.BossKey == 88\nexpect printed contains ?\n"},
      {"Up returns to item 4, Down to item 1",
       kWaitingForKey +
           "key 200\nframes 1\nexpect GameState == gsOptions\n"
           "expect screens.options.Selected == 4\n" +
           Down(1) +
           "key 28\nframes 1\nkey 208\nframes 1\nexpect GameState == gsOptions\n"
           "expect screens.options.Selected == 1\n"},
      {"the bound key only ends the wait",
       kWaitingForKey + "key 88\nframes 1\nexpect GameState == gsOptions\n"
                        "expect window.minimised == 0\nexpect settings.BossKey == 88\n"},
  });
}

TEST(Options, ANewDisplayModeRecreatesTheWindowAndReturnsToTheMainMenu) {
  // Each switch lands on the main menu with every panel closed; the main menu's own selection is
  // still on the options, so Enter opens them again.
  const std::string landed =
      "expect GameState == gsMainMenu\nexpect screens.options.Opened == 0\n"
      "expect screens.options.Slide == 0\nexpect window.minimised == 0\nexpect MenuMode == 1\n"
      "key 28\nframes 1\nexpect GameState == gsOptions\n";
  RunStories({
      {"by the keyboard", kInOptions +
                              "key 205\nframes 2\nexpect displayMode == 1\n"
                              "expect settings.Windowed == 0\n" +
                              landed +
                              "key 28\nframes 2\nexpect displayMode == 0\n"
                              "expect settings.Windowed == 1\n" +
                              landed},
      {"by the pointer", kInOptions + PointerAt(420, 230) +
                             "click left\nframes 2\nexpect displayMode == 1\n" + landed +
                             PointerAt(421, 230) +
                             "click left\nframes 2\nexpect displayMode == 0\n" + landed},
      // A second switch in the same frame would undo the mode but not the new window, which
      // would then wait hidden as after the boss key in full screen.
      {"Right and Enter in one frame switch once",
       kInOptions + "key 205 28\nframes 2\nexpect displayMode == 1\nexpect window.visible == 1\n" +
           landed},
  });
}

TEST(Options, ThePointerSelectsByRowsAndButtonsAndClicksTheRows) {
  RunStories({
      {"hover", kInOptions + PointerAt(420, 280) +
                    "frames 1\nexpect screens.options.Selected == 2\n"
                    "expect sounds.0 == sound\\mainmenuchg.WAV\n" +
                    PointerAt(420, 400) + "frames 1\nexpect screens.options.Selected == 4\n" +
                    // Right of the rows only the full-screen button reaches.
                    PointerAt(770, 228) + "frames 1\nexpect screens.options.Selected == 1\n" +
                    PointerAt(770, 500) + "frames 1\nexpect screens.options.Selected == 1\n" +
                    PointerAt(420, 545) + "frames 1\nexpect screens.options.Selected == 1\n" +
                    PointerAt(420, 544) + "frames 1\nexpect screens.options.Selected == 5\n"},
      {"clicks", kInOptions + PointerAt(660, 273) +
                     "click left\nframes 1\nexpect settings.MusicOn == 0\n"
                     // after the move sound of the hover in the same frame
                     "expect sounds.1 == sound/btn_clk.wav\n" +
                     PointerAt(780, 273) + "click left\nframes 1\nexpect settings.MusicOn == 0\n" +
                     PointerAt(600, 400) + "click left\nframes 1\nexpect GameState == 8\n" +
                     PointerAt(600, 500) + "click left\nframes 1\nexpect GameState == 9\n" +
                     PointerAt(600, 320) +
                     "click left\nframes 1\nexpect settings.SoundOn == 0\nexpect GameState == 9\n"},
  });
}

// The preferences file as the game writes it.
std::string PreferencesBytes(const TPreferences& preferences) {
  const std::vector<std::uint8_t> bytes = preferences.Encode();
  return std::string(bytes.begin(), bytes.end());
}

TEST(Options, LeftAndRightStepAVolumeThatIsHeardAtOnceAndKept) {
  const std::string up = "key 200\nframes 1\n", left = "key 203\nframes 1\n";
  std::string tenLeft;
  for (int i = 0; i < 10; ++i) tenLeft += left;
  const RunInFolder run(
      kInOptions + "expect printed contains 100%\n" + up + up +
      "expect screens.options.Selected == 7\n" + left +
      "expect preferences.EffectsVolume == 90\nexpect volumes.click == 0.9\n"
      "expect volumes.menuMusic == 1\nexpect sounds.0 == sound/btn_clk.wav\n"
      "expect printed contains 90%\n" +
      tenLeft +
      "expect preferences.EffectsVolume == 0\nexpect volumes.click == 0\n"
      "key 205\nframes 1\nexpect preferences.EffectsVolume == 10\n" +
      up + left +
      "expect preferences.MusicVolume == 90\nexpect volumes.menuMusic == 0.9\n"
      "expect volumes.gameMusic == 0.9\nexpect volumes.click == 0.1\n"
      // Enter leaves a volume as it is.
      "key 28\nframes 1\nexpect GameState == gsOptions\nexpect preferences.MusicVolume == 90\n" +
      Down(3) + "expect screens.options.Selected == 1\n");
  ASSERT_EQ(run.game.status, 0) << run.game.err;
  EXPECT_EQ(ReadFile(run.user.file("data/preferences.dat")), PreferencesBytes({90, 10, 0}));
  EXPECT_EQ(run.SettingsFile(), SettingsBytes()) << "the settings record is not touched";

  const GameRun again = RunScript(
      "frames 1\nexpect preferences.MusicVolume == 90\nexpect volumes.menuMusic == 0.9\n"
      "expect volumes.click == 0.1\n",
      run.user.path());
  EXPECT_EQ(again.status, 0) << again.err;
}

TEST(Options, ThePointerSelectsTheVolumesAndItsArrowsStepThem) {
  RunStories({
      {"hover", kInOptions + PointerAt(450, 48) +
                    "frames 1\nexpect screens.options.Selected == 6\n"
                    "expect sounds.0 == sound\\mainmenuchg.WAV\n" +
                    PointerAt(450, 92) + "frames 1\nexpect screens.options.Selected == 7\n" +
                    PointerAt(450, 136) + "frames 1\nexpect screens.options.Selected == 8\n" +
                    PointerAt(450, 20) + "frames 1\nexpect screens.options.Selected == 8\n"},
      {"clicks",
       kInOptions + PointerAt(607, 48) +
           "click left\nframes 1\nexpect preferences.MusicVolume == 90\n"
           "expect sounds.1 == sound/btn_clk.wav\n" +
           PointerAt(761, 48) +
           "click left\nframes 1\nclick left\nframes 1\n"
           "expect preferences.MusicVolume == 100\n" +
           PointerAt(607, 92) +
           "click left\nframes 1\nexpect preferences.EffectsVolume == 90\n"
           "expect volumes.click == 0.9\n" +
           // Off the arrows a click only selects.
           PointerAt(450, 92) +
           "click left\nframes 1\nclick left\nframes 1\n"
           "expect preferences.EffectsVolume == 90\nexpect preferences.MusicVolume == 100\n"
           "expect GameState == gsOptions\nexpect settings.MusicOn == 1\n"},
  });
}

TEST(Options, TheLanguageRowSwitchesTheLanguageAndKeepsTheChoice) {
  // Russian by default. A switch brings the new language's pictures with a new scene, which
  // starts at the main menu; its selection is still on the options, so Enter opens them again.
  const std::string reopen = "key 28\nframes 1\nuntil screens.options.Slide == 100 40\n";
  const std::string leaveQuestion = "key 1\nframes 1\nkey 1\nframes 1\nexpect GameState == 10\n";
  const RunInFolder run(
      kInOptions +
      "key 200\nframes 1\nexpect screens.options.Selected == 8\nexpect language == ru\n"
      "expect printed contains \\x90\\xB3\\xB1\\xB1\\xAA\\xA8\\xA9\n"
      "key 205\nframes 2\nexpect language == en\nexpect GameState == gsMainMenu\n"
      "expect window.visible == 1\nexpect preferences.Language == 2\n" +
      reopen + "expect printed contains English\nkey 28\nframes 2\nexpect language == ru\n" +
      reopen + PointerAt(600, 136) + "click left\nframes 2\nexpect language == en\n" + reopen +
      leaveQuestion + "expect printed contains Leave the game?\n");
  ASSERT_EQ(run.game.status, 0) << run.game.err;
  EXPECT_EQ(ReadFile(run.user.file("data/preferences.dat")), PreferencesBytes({100, 100, 2}));
  const GameRun again = RunScript(testing_support::kMenuReady +
                                      "expect language == en\nkey 1\nframes 1\n"
                                      "expect GameState == 10\n"
                                      "expect printed contains Leave the game?\n",
                                  run.user.path());
  EXPECT_EQ(again.status, 0) << again.err;
}

// A settings file that cannot be written is reported and the game plays on with what was chosen.
const std::string kMusicOffAndBack = kInOptions + Down(1) +
                                     "key 205\nframes 1\nexpect settings.MusicOn == 0\n"
                                     "key 1\nframes 1\nexpect GameState == gsMainMenu\n"
                                     "key 28\nframes 1\nexpect GameState == gsOptions\n";

TEST(Options, AFailedSettingsWriteLeavesTheGameRunning) {
  // The user folder's "data" is a file, so nothing can be written below it, whoever runs.
  TempDir user;
  WriteFile(user.file("data"), "not a folder");
  const GameRun run = RunScript(kMusicOffAndBack, user.path());
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_THAT(run.err, HasSubstr("cannot write"));
  EXPECT_EQ(ReadFile(user.file("data")), "not a folder");
}

}  // namespace

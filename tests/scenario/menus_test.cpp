// The main menu, its panels, the yes/no dialog and the keys of a running game, driven through
// scripts on the headless engine.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "tests/support/full_screen_settings.h"
#include "tests/support/game_runner.h"

namespace {

using testing::HasSubstr;
using testing_support::FullScreenSettings;
using testing_support::GameRun;
using testing_support::PointerAt;
using testing_support::ReadFile;
using testing_support::RunScript;
using testing_support::RunStories;
using testing_support::Story;
using testing_support::TempDir;
using testing_support::WriteFile;

// Input is routed once the fade-in has ended.
const std::string kAtMenu = testing_support::kMenuReady;
// The first level is running.
const std::string kPlaying = kAtMenu + "key 28\nframes 2\nexpect GameState == 3\n";

// Pixels inside one item's hit area only, and inside two overlapping ones.
const std::string kItem1 = PointerAt(150, 320), kItem2 = PointerAt(150, 367),
                  kItem3 = PointerAt(150, 406), kItem4 = PointerAt(150, 446),
                  kItem5 = PointerAt(150, 486), kItem7 = PointerAt(60, 100),
                  kItems1And2 = PointerAt(150, 347), kItems7And8 = PointerAt(60, 50),
                  kNoItem = PointerAt(600, 100);
// The dialog's buttons; the accepting one lies over main menu item 2.
const std::string kAcceptOverItem2 = PointerAt(300, 367), kRefuse = PointerAt(500, 350);

// Runs the script in the user folder, which first gets the settings file unless it is empty.
GameRun RunWithSettings(const TempDir& user, const std::string& script,
                        const std::string& settings) {
  if (!settings.empty()) WriteFile(user.file("data/settings.dat"), settings);
  return RunScript(script, user.path());
}

constexpr const char* kMoveSound = "sound\\mainmenuchg.WAV";

// Settings: windowed, sound, music, no second name, the boss key F12 with the given modifiers.
std::string SettingsFile(bool sound, bool shift, bool alt, bool ctrl) {
  std::string bytes("\x01\x01\x01\x00\0\0\0\0\0\0\0\0\0\0\x58\0\0\0", 18);
  bytes[1] = sound ? 1 : 0;
  bytes[15] = shift ? 1 : 0;
  bytes[16] = alt ? 1 : 0;
  bytes[17] = ctrl ? 1 : 0;
  return bytes;
}

TEST(MainMenu, KeyboardFollowsTheNavigationTable) {
  RunStories({
      {"Down stops at item 6 and still sounds",
       std::string(kAtMenu) +
           "key 208\nframes 1\nkey 208\nframes 1\nkey 208\nframes 1\nkey 208\nframes 1\n"
           "key 208\nframes 1\nexpect screens.main.Selected == 6\n"
           "key 208\nframes 1\nexpect screens.main.Selected == 6\n"
           "expect sounds.0 == " +
           kMoveSound + "\n"},
      {"Up from item 1 climbs to the links and stops at item 8",
       std::string(kAtMenu) +
           "key 200\nframes 1\nexpect screens.main.Selected == 7\n"
           "key 200\nframes 1\nexpect screens.main.Selected == 8\n"
           "key 200\nframes 1\nexpect screens.main.Selected == 8\n"
           "key 208\nframes 1\nkey 208\nframes 1\nexpect screens.main.Selected == 1\n"},
      {"Enter and Escape in one frame start the game only",
       std::string(kAtMenu) + "key 28 1\nframes 1\nexpect GameState == gsPlaying\n"
                              "expect screens.dialog.Shown == 0\n"},
  });
}

TEST(MainMenu, WithSoundOffTheMenuIsSilent) {
  TempDir user;
  const auto run = RunWithSettings(user,
                                   std::string(kAtMenu) + "key 208\nframes 1\ndump\n" + kItem4 +
                                       "frames 1\ndump\nkey 28\nframes 1\ndump\n",
                                   SettingsFile(false, false, false, false));
  ASSERT_EQ(run.status, 0) << run.err;
  for (const std::string& dump : run.Dumps()) EXPECT_THAT(dump, HasSubstr("\"sounds\":[]"));
}

TEST(MainMenu, PointerSelectsTheHighestItemUnderItAndClicksOnlyTheSelectedOne) {
  RunStories({
      {"hover",
       std::string(kAtMenu) + kItem3 +
           "frames 1\nexpect screens.main.Selected == 3\nexpect sounds.0 == " + kMoveSound + "\n" +
           kItems1And2 + "frames 1\nexpect screens.main.Selected == 2\n" + kItems7And8 +
           "frames 1\nexpect screens.main.Selected == 8\n" + kItem7 +
           "frames 1\nexpect screens.main.Selected == 7\n" + kNoItem +
           "frames 1\nexpect screens.main.Selected == 7\n"},
      {"a click on an item that is under the pointer but not selected does nothing",
       std::string(kAtMenu) + kItem3 +
           "frames 1\nkey 208\nframes 1\nexpect screens.main.Selected == 4\n"
           "click left\nframes 1\nexpect GameState == gsMainMenu\n"
           // Moving onto it selects it in the same frame, so the click then runs it.
           + PointerAt(151, 406) +
           "click left\nframes 1\nexpect GameState == gsRecords\n"
           "expect screens.records.Opened == 1\n"},
      {"a right click does not run an item",
       std::string(kAtMenu) + kItem1 + "frames 1\nclick right\nframes 1\nexpect GameState == 4\n"},
  });
}

TEST(MainMenu, PanelsSlideOneOutAndTheOtherIn) {
  RunStories({
      {"options, then help by the pointer, then help closed again",
       std::string(kAtMenu) + kItem2 +
           "click left\nframes 1\nexpect GameState == gsOptions\n"
           "expect screens.options.Opened == 1\nframes 40\nexpect screens.options.Slide == 100\n" +
           kItem4 +
           "click left\nframes 1\nexpect GameState == gsHelp\nexpect screens.help.page == 1\n"
           "expect screens.options.Opened == 0\nexpect screens.options.Slide == 96\n"
           "expect screens.help.Slide == 4\nframes 40\nexpect screens.options.Slide == 0\n"
           "expect screens.help.Slide == 100\n"
           "click left\nframes 1\nexpect GameState == gsMainMenu\n"
           "expect screens.help.Opened == 0\n"},
      {"Escape leaves each panel for the main menu",
       std::string(kAtMenu) +
           "key 208\nframes 1\nkey 28\nframes 1\nexpect GameState == gsOptions\n"
           "key 1\nframes 1\nexpect GameState == gsMainMenu\nexpect screens.options.Opened == 0\n"
           "key 208\nframes 1\nkey 28\nframes 1\nexpect GameState == gsRecords\n"
           "key 1\nframes 1\nexpect GameState == gsMainMenu\nexpect screens.records.Opened == 0\n"
           "key 208\nframes 1\nkey 28\nframes 1\nexpect GameState == gsHelp\n"
           "key 1\nframes 1\nexpect GameState == gsMainMenu\nexpect screens.help.Opened == 0\n"},
      {"a link closes the open panel, and its screen with it",
       std::string(kAtMenu) + "key 208\nframes 1\nkey 28\nframes 1\n" + kItem5 +
           "click left\nframes 1\nexpect window.minimised == 1\n"
           "expect GameState == gsMainMenu\nexpect screens.options.Opened == 0\n"},
  });
}

TEST(MainMenu, StartingAGameOrRefusingToLeaveWritesTheSettingsFile) {
  // A longer settings file keeps its first record at start-up; only a write makes it 18 bytes.
  const struct {
    const char* name;
    std::string script;
    std::size_t size;
  } cases[] = {
      {"nothing chosen", std::string(kAtMenu) + "frames 5\n", 19},
      {"Enter on the first item", std::string(kPlaying), 18},
      {"No to leaving",
       std::string(kAtMenu) + "key 1\nframes 1\nkey 203\nframes 1\nkey 28\n"
                              "frames 1\nexpect GameState == gsMainMenu\n",
       18},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    TempDir user;
    const auto run = RunWithSettings(
        user, c.script, SettingsFile(true, false, false, false) + std::string(1, '\x7F'));
    EXPECT_EQ(run.status, 0) << run.err;
    const std::string written = ReadFile(user.file("data/settings.dat"));
    EXPECT_EQ(written.size(), c.size);
    EXPECT_EQ(written.substr(0, 18), SettingsFile(true, false, false, false));
  }
}

TEST(ExitQuestion, AsksOverTheMenuAndRefusesOnEscape) {
  RunStories({
      {"Escape asks, Escape refuses",
       std::string(kAtMenu) +
           "key 1\nframes 1\nexpect GameState == gsExitConfirm\nexpect screens.dialog.Shown == 1\n"
           "expect printed contains \\x82\\xBB\\xA9\\xB2\\xA8 \\xA8\\xA7 \\xA8\\xA3\\xB0\\xBB?\n"
           "expect printed.0.x > -5.71\nexpect printed.0.x < -5.69\nexpect printed.0.y == 2\n"
           "key 1\nframes 1\nexpect GameState == gsMainMenu\nexpect screens.dialog.Shown == 0\n"
           "expect MenuMode == 1\n"},
      {"arrows switch the buttons, Enter answers with the selected one, which is kept",
       std::string(kAtMenu) +
           "key 1\nframes 1\nkey 203\nframes 1\nexpect screens.dialog.Selected == 2\n"
           "key 205\nframes 1\nexpect screens.dialog.Selected == 1\n"
           "key 200 208\nframes 1\nexpect screens.dialog.Selected == 1\n"
           "key 208\nframes 1\nexpect screens.dialog.Selected == 2\n"
           "key 28\nframes 1\nexpect GameState == gsMainMenu\n"
           "key 1\nframes 1\nexpect screens.dialog.Selected == 2\n"
           "key 28\nframes 1\nexpect GameState == gsMainMenu\n"},
      {"the pointer selects a button, not the menu item under it",
       std::string(kAtMenu) + "key 1\nframes 1\nkey 203\nframes 1\n" + kAcceptOverItem2 +
           "frames 1\nexpect screens.dialog.Selected == 1\nexpect screens.main.Selected == 1\n" +
           kRefuse +
           "frames 1\nexpect screens.dialog.Selected == 2\nclick left\nframes 1\n"
           "expect GameState == gsMainMenu\n"},
  });
}

TEST(ExitQuestion, YesEndsTheProgram) {
  const struct {
    const char* name;
    std::string answer;
  } cases[] = {{"Enter", "key 28\n"}, {"a click", kAcceptOverItem2 + "click left\n"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    TempDir user;
    const auto run = RunWithSettings(
        user, std::string(kAtMenu) + "key 1\nframes 1\n" + c.answer + "frames 3\ndump\n", "");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(run.Dumps().empty()) << "the program went on after Yes";
  }
}

TEST(Play, PauseAndTheQuitQuestion) {
  RunStories({
      {"P and Pause pause and resume", std::string(kPlaying) +
                                           "key 25\nframes 1\nexpect GameState == gsPaused\n"
                                           "key 25\nframes 1\nexpect GameState == gsPlaying\n"
                                           "key 197\nframes 1\nexpect GameState == gsPaused\n"
                                           "key 197\nframes 1\nexpect GameState == gsPlaying\n"},
      {"Escape and P in one frame ask and pause; resuming takes the question away",
       std::string(kPlaying) +
           "key 1 25\nframes 1\nexpect GameState == gsPaused\nexpect screens.dialog.Shown == 1\n"
           "key 25\nframes 1\nexpect GameState == gsPlaying\nexpect screens.dialog.Shown == 0\n"},
      {"No resumes, from play and from the pause",
       std::string(kPlaying) +
           "key 1\nframes 1\nexpect GameState == gsQuitConfirm\n"
           "expect printed contains \\x82\\xBB\\xA9\\xB2\\xA8 \\xA2 \\xAC\\xA5\\xAD\\xBF?\n"
           "key 1\nframes 1\nexpect GameState == gsPlaying\nexpect screens.dialog.Shown == 0\n"
           "key 25\nframes 1\nkey 1\nframes 1\nexpect GameState == gsQuitConfirm\n"
           "key 205\nframes 1\nkey 28\nframes 1\nexpect GameState == gsPlaying\n"},
      {"Yes ends the game and returns to the menu",
       std::string(kPlaying) +
           "frames 30\nkey 1\nframes 1\nkey 28\nframes 1\nexpect GameState == gsMainMenu\n"
           "expect MenuMode == 1\nexpect level == 0\nexpect screens.dialog.Shown == 0\n"
           "key 28\nframes 2\nexpect GameState == gsPlaying\nexpect level == 1\n"},
      {"the boss key pauses the game and minimises the window",
       std::string(kPlaying) +
           "key 88\nframes 1\nexpect GameState == gsPaused\nexpect window.minimised == 1\n"
           "message activate\nframes 2\nexpect window.minimised == 0\n"
           "expect GameState == gsPaused\nkey 25\nframes 1\nexpect GameState == gsPlaying\n"},
  });
}

TEST(BossKey, NeedsExactlyTheBoundModifiersAndOnlyMinimisesTheMenu) {
  // Bound to Ctrl+F12.
  const struct {
    const char* held;
    int minimised;
  } cases[] = {
      {"", 0},                     // Ctrl missing
      {"hold 29\n", 1},            // left Ctrl
      {"hold 157\n", 1},           // right Ctrl
      {"hold 29\nhold 56\n", 0},   // Alt too many
      {"hold 157\nhold 54\n", 0},  // Shift too many
  };
  std::vector<Story> stories;
  for (const auto& c : cases) {
    stories.push_back({c.held, std::string(kAtMenu) + c.held +
                                   "frames 1\nkey 88\nframes 1\nexpect GameState == gsMainMenu\n"
                                   "expect window.minimised == " +
                                   std::to_string(c.minimised) + "\n"});
  }
  RunStories(stories, SettingsFile(true, false, false, true));
}

TEST(BossKey, AfterTheFullScreenComesBackTheScreenIsWhole) {
  RunStories(
      {
          {"an open panel gives way to the main menu",
           std::string(kAtMenu) +
               "key 208\nframes 1\nkey 28\nframes 1\nexpect GameState == gsOptions\n"
               "key 88\nframes 2\nexpect window.minimised == 1\nmessage activate\nframes 3\n"
               "expect window.minimised == 0\nexpect GameState == gsMainMenu\n"
               "expect screens.options.Opened == 0\n"},
          {"the question is asked again",
           std::string(kAtMenu) +
               "key 1\nframes 1\nkey 88\nframes 2\nexpect window.minimised == 1\n"
               "message activate\nframes 3\nexpect GameState == gsExitConfirm\n"
               "expect screens.dialog.Shown == 1\nkey 1\nframes 1\nexpect GameState == 4\n"},
      },
      FullScreenSettings());
}

}  // namespace

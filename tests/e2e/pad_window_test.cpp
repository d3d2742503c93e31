// A whole game in the real window played with a gamepad alone: SDL's virtual joystick, plugged
// in once the game runs, travels through SDL's game controllers like a real pad. The d-pad and A
// choose in the main menu, the stick steers, A launches, Start pauses, a lost life shakes the
// pad, A walks the record's name entry to OK and B goes on to the records table. Pulled out
// mid-game with a button held, the pad leaves nothing held and the keys steer on; plugged in
// again it plays. A watched replay takes the pad too. The pictures are kept in e2e-shots/gamepad/
// of the build folder.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "tests/e2e/record_game.h"
#include "tests/e2e/shot_image.h"
#include "tests/e2e/window_game.h"
#include "tests/scenario/level_fixture.h"

namespace {

using e2e::Box;
using e2e::Rgb;
using testing_support::Field;
using testing_support::GameDirWithLevels;
using testing_support::Member;
using testing_support::TempDir;
using testing_support::WriteFile;

double BatX(const std::string& dump) {
  return Field(Member(dump, "bat"), "x");
}

bool Orange(Rgb p) {
  return p.r > p.b + 80 && p.g > 60;
}
bool Bright(Rgb p) {
  return p.luma() > 150;
}
bool Red(Rgb p) {
  return p.r > 150 && p.g < 100 && p.b < 100;
}

TEST(PadWindow, APlayerWithAGamepadAloneGoesFromTheMenuThroughAGameToTheRecordsTable) {
  const e2e::PrivateDisplay display;
  ASSERT_FALSE(display.name().empty()) << "Xvfb did not start";
  const TempDir user, game;
  GameDirWithLevels(game.path(), {e2e::RoofedBrickLevel()});
  WriteFile(user.file("data/records.dat"), e2e::LowRecordsFile());
  const std::string folder = e2e::ShotsFolder("gamepad");
  const auto shoot = [&folder](const char* name) { return e2e::ShotCommand(folder, name); };
  const std::string script =
      testing_support::kMenuReady +
      // Plugged in while the game runs; the d-pad goes down to the options and back up.
      "pad plug\nframes 2\n"
      "pad button dpdown\nframes 1\nexpect screens.main.Selected == 2\nframes 20\n" +
      shoot("menu") +
      "pad button dpup\nframes 1\nexpect screens.main.Selected == 1\n"
      // A starts the game; the stick takes the bat to the left, A launches, Start pauses.
      "pad button a\nuntil gsPlaying 50\nuntil phase == play 2000\n"
      "pad axis leftx -1\nframes 30\npad axis leftx 0\nexpect bat.x < -3\n"
      "pad button a\nframes 30\nexpect balls.0.launched == true\n"
      "pad button start\nframes 2\nexpect GameState == gsPaused\n" +
      shoot("pause") +
      "pad button start\nframes 2\nexpect GameState == gsPlaying\n"
      // Pulled out with the d-pad held right: the bat stops; the keyboard still steers.
      "pad hold dpright\nframes 5\npad unplug\nframes 2\ndump\nframes 10\ndump\n"
      "hold 205\nframes 3\nrelease 205\ndump\n"
      // Plugged in again: the d-pad runs the bat off to the right and the ball is lost.
      "pad plug\npad hold dpright\nuntil lives == 2 3000\nframes 10\n" +
      shoot("lost") +
      "pad release dpright\nexpect bricks.counted == 1\n"
      // The new ball, launched from the middle, breaks the last brick: a record.
      "until phase == play 2000\nframes 5\npad button a\nframes 1\nexpect bricks.counted == 0\n"
      "until gsRecordEntryName 3000\nframes 30\n" +
      shoot("name") +
      // The name stays as it is (typing is the keyboard's); A on the name, the second name, OK.
      "pad button a\nframes 1\npad button a\nframes 1\npad button a\nframes 1\n"
      "expect GameState == gsSubmitAsk\nframes 20\n" +
      shoot("ask") +
      // B: no sending; the records table slides in.
      "pad button b\nframes 1\nexpect GameState == gsRecords\n"
      "until screens.records.Slide == 100 200\nframes 5\n" +
      shoot("records") + "dump\n";

  const auto run = e2e::PlayInWindow(display, script, user.path(), game.path());
  ASSERT_EQ(run.status, 0) << run.out << run.err;
  EXPECT_THAT(run.out, testing::HasSubstr("pad: rumble 0.75\n")) << "the lost life shook the pad";
  const auto dumps = run.Dumps();
  ASSERT_EQ(dumps.size(), 4u);
  EXPECT_EQ(BatX(dumps[1]), BatX(dumps[0])) << "nothing held once the pad was pulled out";
  EXPECT_GT(BatX(dumps[2]), BatX(dumps[1])) << "the keys steer";
  EXPECT_GT(Field(Member(dumps[3], "records"), "score"), 10);

  const auto share = [&folder](const char* name, const char* what, const Box& box,
                               bool (*kind)(Rgb), double least) {
    const double measured = e2e::LoadShot(e2e::ShotPath(folder, name)).Share(box, kind);
    std::printf("%-8s %-26s %.3f (at least %.3f)\n", name, what, measured, least);
    EXPECT_GE(measured, least) << name << ": " << what;
  };
  // The d-pad lit the second button of the main menu.
  share("menu", "second button lit", {20, 350, 300, 385}, Orange, 0.3);
  share("pause", "pause word", {230, 230, 570, 330}, Bright, 0.2);
  share("name", "record title", {240, 140, 560, 185}, Bright, 0.2);
  share("ask", "yes button", {240, 330, 360, 372}, Orange, 0.3);
  for (int i = 0; i < 10; ++i) {
    share("records", "record line", {480, 203 + 26 * i, 640, 224 + 26 * i}, Red, 0.04);
  }
}

TEST(PadWindow, AWatchedReplayPausesOnAAndLeavesOnB) {
  const e2e::PrivateDisplay display;
  ASSERT_FALSE(display.name().empty()) << "Xvfb did not start";
  const TempDir viewer;
  const std::string folder = e2e::ShotsFolder("gamepad-replay");
  const auto run = e2e::PlayInWindow(
      display,
      "pad plug\nframes 60\npad button a\nframes 2\nexpect printed contains replay, paused\n" +
          e2e::ShotCommand(folder, "paused") +
          "pad button a\nframes 2\nexpect printed contains replay\n"
          // B leaves the viewer, and the program with it: the lines after it never run.
          "pad button b\nframes 100\nexpect frame < 0\n",
      viewer.path(), GLINT_GAME_DIR,
      {"--replay", std::string(GLINT_GAME_DIR) + "/demos/gamepad.glr"});
  EXPECT_EQ(run.status, 0) << run.out << run.err;
}

}  // namespace

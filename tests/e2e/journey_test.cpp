// A whole game in the real window, as a player sees it: the main menu, a level with its banner
// and status line, the pause, a lost life, the level cleared, a new record with a typed name and
// the records panel, in Russian and in English. Every picture is kept for people to look at, and
// each is checked for what must be on it.
#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <map>
#include <ostream>
#include <string>
#include <vector>

#include "tests/e2e/record_game.h"
#include "tests/e2e/shot_image.h"
#include "tests/e2e/window_game.h"
#include "tests/scenario/level_fixture.h"

namespace {

using e2e::Box;
using e2e::DifferingShare;
using e2e::Rgb;
using e2e::Shot;
using testing_support::Field;
using testing_support::GameDirWithLevels;
using testing_support::Member;
using testing_support::TempDir;
using testing_support::WriteFile;

// The boxes of the status line's five numbers: lives, time, missiles, score, level.
constexpr Box kStatusNumbers[] = {
    {88, 6, 122, 32}, {172, 6, 246, 32}, {376, 6, 402, 32}, {505, 6, 540, 32}, {744, 6, 772, 32}};

bool Bright(Rgb p) {
  return p.luma() > 150;
}
bool Orange(Rgb p) {
  return p.r > p.b + 80 && p.g > 60;
}
bool Blue(Rgb p) {
  return p.b > p.r + 40;
}
bool Yellow(Rgb p) {
  return p.r > 180 && p.g > 180 && p.b < 110;
}
bool Red(Rgb p) {
  return p.r > 150 && p.g < 100 && p.b < 100;
}

// The game's two languages: the pictures' folder, the name typed in each (Shift goes down a frame
// ahead: the entry takes the lowest key pressed in a frame) and the bytes it is stored as.
struct Language {
  const char* code;
  const char* shots;
  const char* typing;
  const char* stored;
};
constexpr Language kLanguages[] = {
    // Shift+B, U, H, J, R: "Игрок".
    {"ru", "journey",
     "hold 42\nframes 1\nkey 48\nframes 1\nrelease 42\nkey 22\nframes 1\nkey 35\nframes 1\n"
     "key 36\nframes 1\nkey 19\nframes 1\n",
     "\\x88\\xA3\\xB0\\xAE\\xAA"},
    // Shift+A, L, I, C, E.
    {"en", "journey-en",
     "hold 42\nframes 1\nkey 30\nframes 1\nrelease 42\nkey 38\nframes 1\nkey 23\nframes 1\n"
     "key 46\nframes 1\nkey 18\nframes 1\n",
     "Alice"},
};

void PrintTo(const Language& language, std::ostream* out) {
  *out << language.code;
}

class Journey : public ::testing::TestWithParam<Language> {
 protected:
  void SetUp() override { ASSERT_FALSE(display_.name().empty()) << "Xvfb did not start"; }

  const Shot& shot(const std::string& name) {
    auto& kept = shots_[name];
    if (kept.empty()) kept = e2e::LoadShot(e2e::ShotPath(folder_, name));
    return kept;
  }

  // The share of the box that is of the kind, printed for the record, and at least `least`.
  void ExpectShare(const std::string& name, const char* what, const Box& box,
                   const std::function<bool(Rgb)>& kind, double least) {
    const double share = shot(name).Share(box, kind);
    std::printf("%-10s %-34s %.3f (at least %.3f)\n", name.c_str(), what, share, least);
    EXPECT_GE(share, least) << name << ": " << what;
  }

  e2e::PrivateDisplay display_;
  TempDir user_, game_;
  std::string folder_ = e2e::ShotsFolder(GetParam().shots);
  std::map<std::string, Shot> shots_;
};

TEST_P(Journey, APlayerGoesFromTheMenuThroughALevelToTheRecordsPanel) {
  const Language& language = GetParam();
  GameDirWithLevels(game_.path(), {e2e::RoofedBrickLevel()});
  WriteFile(user_.file("data/records.dat"), e2e::LowRecordsFile());
  const auto shoot = [this](const char* name) { return e2e::ShotCommand(folder_, name); };
  const std::string script =
      testing_support::kMenuReady + "frames 20\n" + shoot("menu") +
      // A new game; its banner is on screen while the ball waits on the bat.
      "key 28\nuntil gsPlaying 50\nframes 60\nexpect phase == levelBanner\n" + shoot("banner") +
      // The bat taken to the left, the ball launched from there and the game paused.
      "until phase == play 2000\nhold 203\nframes 40\nrelease 203\nkey 57\nframes 30\n"
      "key 25\nframes 2\nexpect GameState == gsPaused\n" +
      shoot("pause") +
      // Resumed; the bat runs off to the right and the ball is lost.
      "key 25\nframes 2\nhold 205\nuntil lives == 2 3000\nframes 10\n" + shoot("lost") +
      "release 205\nexpect bricks.counted == 1\n"
      // The new ball, launched from the middle, breaks the last brick.
      "until phase == play 2000\nframes 5\n" +
      shoot("play") + "key 57\nframes 1\nexpect bricks.counted == 0\nframes 40\n" +
      shoot("cleared") + "dump\n" +
      // The name entry after the last level, a name typed.
      "until gsRecordEntryName 3000\nmouse 0.95 0.95\nframes 30\n" + language.typing +
      "frames 10\n" + shoot("name") +
      // Enter on the name, the second name and OK; the question whether to send it online.
      "key 28\nframes 1\nkey 28\nframes 1\nkey 28\nframes 1\nexpect GameState == gsSubmitAsk\n"
      "frames 20\n" +
      shoot("ask") +
      // No: the records panel slides in with the new record on top.
      "key 1\nframes 1\nexpect GameState == gsRecords\nuntil screens.records.Slide == 100 200\n"
      "frames 5\n" +
      shoot("records") + "expect records.0.name == " + language.stored + "\ndump\n";

  const auto run =
      e2e::PlayInWindow(display_, script, user_.path(), game_.path(), {"--lang", language.code});
  ASSERT_EQ(run.status, 0) << run.err;
  const auto dumps = run.Dumps();
  ASSERT_EQ(dumps.size(), 2u);
  EXPECT_EQ(Field(dumps[0], "lives"), 2);
  EXPECT_GT(Field(Member(dumps[1], "records"), "score"), 10);

  for (const char* name :
       {"menu", "banner", "pause", "lost", "play", "cleared", "name", "ask", "records"}) {
    const Shot& picture = shot(name);
    ASSERT_FALSE(picture.empty()) << name;
    EXPECT_EQ(picture.width(), 800);
    EXPECT_EQ(picture.height(), 600);
    // Never a black frame: the backdrop alone is brighter than this.
    EXPECT_GT(picture.MeanLuma(picture.whole()), 20) << name;
  }

  // The main menu's six buttons, the first one lit, each with its white label.
  for (int i = 0; i < 6; ++i) {
    const Box button{20, 310 + 40 * i, 300, 345 + 40 * i};
    ExpectShare("menu", i == 0 ? "lit button" : "button", button, i == 0 ? Orange : Blue, 0.3);
    ExpectShare("menu", "button label", button, Bright, 0.05);
  }

  // The status line's numbers while playing; none under the name entry.
  for (const Box& number : kStatusNumbers) {
    ExpectShare("banner", "status number", number, Bright, 0.08);
    EXPECT_LT(shot("name").Share(number, Bright), 0.01) << "a status number under the dialog";
  }
  // The level's banner, gone once the play starts.
  const Box banner{270, 275, 530, 330};
  ExpectShare(
      "banner", "level banner", banner, [](Rgb p) { return p.r > 90 && p.b < 80; }, 0.1);
  EXPECT_GT(DifferingShare(shot("banner"), shot("play"), banner, 24), 0.1);
  // The pause picture's big word.
  const Box pauseWord{230, 230, 570, 330};
  ExpectShare("pause", "pause word", pauseWord, Bright, 0.2);
  EXPECT_LT(shot("play").Share(pauseWord, Bright), 0.05);
  // A life less on the status line.
  EXPECT_GT(DifferingShare(shot("banner"), shot("lost"), kStatusNumbers[0], 24), 0.05);
  // The cleared level's banner.
  ExpectShare("cleared", "level cleared banner", {150, 275, 590, 330}, Yellow, 0.1);
  // The name entry: its title and the typed name in the name box.
  ExpectShare("name", "record title", {240, 140, 560, 185}, Bright, 0.2);
  ExpectShare("name", "typed name", {300, 288, 500, 325}, Bright, 0.05);
  // The question's lit "yes" and plain "no".
  ExpectShare("ask", "yes button", {240, 330, 360, 372}, Orange, 0.3);
  ExpectShare("ask", "no button", {440, 330, 560, 372}, Blue, 0.3);
  // The records panel: ten lines of red text.
  for (int i = 0; i < 10; ++i)
    ExpectShare("records", "record line", {480, 203 + 26 * i, 640, 224 + 26 * i}, Red, 0.04);
}

INSTANTIATE_TEST_SUITE_P(InEachLanguage, Journey, testing::ValuesIn(kLanguages),
                         [](const testing::TestParamInfo<Language>& info) {
                           return std::string(info.param.code);
                         });

}  // namespace

// The English game: every screen with printed text is reached in English, and each line on it
// stays inside the box it belongs to (the dialog, the name entry, a panel's field, the playing
// field), measured with the menu font's own advances.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <regex>
#include <string>
#include <vector>

#include "menus/Texts.h"
#include "tests/scenario/level_fixture.h"
#include "tests/support/game_runner.h"

namespace {

using testing_support::GameRun;
using testing_support::RunScript;
using testing_support::TempDir;

// The advances of the menu font's 256 byte codes, in its pixels.
std::vector<int> MenuFontAdvances() {
  std::ifstream file(std::string(GLINT_GAME_DIR) + "/data/_fontw/a_RubricaCn.wid",
                     std::ios::binary);
  const std::vector<char> bytes((std::istreambuf_iterator<char>(file)), {});
  std::vector<int> advances(256, 0);
  if (bytes.size() < 8 + 256 * 14) return advances;
  for (std::size_t code = 0; code < 256; ++code) {
    const std::size_t at = 8 + code * 14 + 12;  // the seventh value of the glyph's record
    advances[code] = static_cast<std::int16_t>(static_cast<std::uint8_t>(bytes[at]) |
                                               static_cast<std::uint8_t>(bytes[at + 1]) << 8);
  }
  return advances;
}

// A box in print units (25 pixels, origin at the screen's centre, y up).
struct Box {
  float left, right, bottom, top;
};
// From screen pixels: the top-left corner and the size.
constexpr Box PixelBox(float top, float left, float height, float width) {
  return {(left - 400) / 25, (left + width - 400) / 25, (300 - top - height) / 25,
          (300 - top) / 25};
}

struct PrintedLine {
  std::string text;
  float x, y;
};

// The lines of a dump's "printed" list (English texts are plain ASCII).
std::vector<PrintedLine> PrintedLines(const std::string& dump) {
  static const std::regex line(
      R"re(\{"text":"((?:[^"\\]|\\.)*)","x":(-?[0-9.e+-]+),"y":(-?[0-9.e+-]+)\})re");
  std::vector<PrintedLine> lines;
  const std::string printed = testing_support::Member(dump, "printed");
  for (std::sregex_iterator at(printed.begin(), printed.end(), line), end; at != end; ++at) {
    lines.push_back({(*at)[1], std::stof((*at)[2]), std::stof((*at)[3])});
  }
  return lines;
}

// The line at `scale` inside the box, its whole height (64 pixels at scale 1) included.
void ExpectInside(const PrintedLine& line, float scale, const Box& box) {
  static const std::vector<int> advances = MenuFontAdvances();
  float width = 0;
  for (const unsigned char c : line.text) width += static_cast<float>(advances[c]);
  width *= scale / 25;
  const float half = 32 * scale / 25;
  EXPECT_GT(width, 0) << line.text;
  EXPECT_GE(line.x, box.left) << line.text;
  EXPECT_LE(line.x + width, box.right) << line.text << " ends at " << line.x + width;
  EXPECT_GE(line.y - half, box.bottom) << line.text;
  EXPECT_LE(line.y + half, box.top) << line.text;
}

constexpr Box kDialog = PixelBox(172, 144, 256, 512);
constexpr Box kNameEntry = PixelBox(120, 150, 400, 500);
constexpr Box kRecordsBoard = PixelBox(120 + 70, 320 + 40, 290, 420);
// The options' second-name and key boxes, and the rows of the volumes' and the language's values
// (between the arrow buttons, and the wide box).
constexpr Box kOptionsBoxes = PixelBox(364, 351, 172, 449);
constexpr Box kVolumeBoxes = PixelBox(28, 643, 84, 80);
constexpr Box kLanguageBox = PixelBox(116, 581, 40, 206);
// Between the walls, under the status bar.
constexpr Box kField = PixelBox(42, 40, 558, 720);

struct Screen {
  const char* name;
  std::string script;      // ends on the screen, with a dump
  float scale;             // of its lines
  std::vector<Box> boxes;  // each line lies in one of them
  bool ownGame = false;    // a one-level game that ends with a record at once
};

class EnglishScreens : public testing::Test {
 protected:
  void SetUp() override {
    testing_support::GameDirWithLevels(game.path(), {testing_support::Level({"", "..###"})});
  }
  TempDir game;
};

TEST_F(EnglishScreens, EveryPrintedLineStaysInsideItsBox) {
  const std::string ready = testing_support::kMenuReady;
  const std::string options = ready +
                              "key 208\nframes 1\nkey 28\nframes 1\n"
                              "until screens.options.Slide == 100 40\n";
  const std::string toQuestion = testing_support::kToNameEntry +
                                 "hold 42\nkey 16\nframes 1\nrelease 42\n"
                                 "key 28\nframes 1\nkey 28\nframes 1\nkey 28\nframes 1\n";
  const Screen screens[] = {
      {"leave question",
       ready + "key 1\nframes 1\nexpect GameState == gsExitConfirm\n",
       0.7f,
       {kDialog}},
      {"quit question", ready + testing_support::kNewGame + "key 1\nframes 1\n", 0.7f, {kDialog}},
      {"records reset question",
       ready + "key 208\nframes 1\nkey 208\nframes 1\nkey 28\nframes 1\nkey 28\nframes 1\n"
               "expect GameState == gsRecordsResetConfirm\n",
       0.7f,
       {kDialog}},
      {"records panel",
       ready + "key 208\nframes 1\nkey 208\nframes 1\nkey 28\nframes 1\n"
               "until screens.records.Slide == 100 40\n",
       0.4f,
       {kRecordsBoard}},
      {"options",
       options + "key 200\nframes 1\n",
       0.5f,
       {kOptionsBoxes, kVolumeBoxes, kLanguageBox}},
      {"level banner at its fullest",
       ready + testing_support::kNewGame + "until phase == play 300\n",
       1.0f,
       {kField}},
      {"name entry", testing_support::kToNameEntry + "frames 2\n", 0.6f, {kNameEntry}, true},
      {"record question", toQuestion + "expect GameState == gsSubmitAsk\n", 0.6f, {kDialog}, true},
      {"please wait",
       toQuestion + "key 28\nframes 1\nexpect GameState == gsSubmitting\n",
       0.55f,
       {kDialog},
       true},
      {"try again",
       toQuestion + "key 28\nframes 1\nuntil gsSubmitFailed 100000000\n",
       0.55f,
       {kDialog},
       true},
  };
  for (const Screen& screen : screens) {
    SCOPED_TRACE(screen.name);
    TempDir user;
    std::vector<std::string> args = {"--lang", "en", "--server", "http://127.0.0.1:1"};
    if (screen.ownGame) args.insert(args.end(), {"--game-dir", game.path()});
    const GameRun run = RunScript(screen.script + "dump\n", user.path(), args);
    ASSERT_EQ(run.status, 0) << run.err;
    const std::vector<PrintedLine> lines = PrintedLines(run.Dumps().at(0));
    ASSERT_FALSE(lines.empty());
    for (const PrintedLine& line : lines) {
      // The status line over a game stands in its own bar, in its own font; an empty line (no
      // second name) prints nothing.
      if (line.y > 11 || line.text.empty()) continue;
      for (const unsigned char c : line.text) EXPECT_LT(c, 0x80) << "not English: " << line.text;
      // The box the line starts in is the one it must end in.
      const Box* box = &screen.boxes.front();
      for (const Box& candidate : screen.boxes) {
        if (candidate.left <= line.x && line.x <= candidate.right && candidate.bottom <= line.y &&
            line.y <= candidate.top) {
          box = &candidate;
        }
      }
      ExpectInside(line, screen.scale, *box);
    }
  }
}

// An English player types a Latin name: Shift+J, O, H, N give "John", stored as typed.
TEST_F(EnglishScreens, TheNameEntryTypesLatinLetters) {
  TempDir user;
  const GameRun run = RunScript(testing_support::kToNameEntry +
                                    "hold 42\nkey 36\nframes 1\nrelease 42\nkey 24\nframes 1\n"
                                    "key 35\nframes 1\nkey 49\nframes 1\n"
                                    "key 28\nframes 1\nkey 28\nframes 1\nkey 28\nframes 1\n"
                                    "expect GameState == gsSubmitAsk\nkey 1\nframes 1\n"
                                    "dump\n",
                                user.path(), {"--lang", "en", "--game-dir", game.path()});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_THAT(testing_support::Member(run.Dumps().at(0), "records"),
              testing::HasSubstr("\"name\":\"John\""));
}

// The banners run over the game at a size that grows to 1, each standing at its own place
// there: the level's at x = -5, the time out's and the level complete's at x = -10.
TEST(EnglishTexts, TheBannersAtTheirFullestStayOnTheField) {
  const TTexts& texts = TextsIn(TLanguage::English);
  ExpectInside({std::string(texts.levelTitle) + " 32", -5, 0}, 1, kField);
  ExpectInside({texts.timeOut, -10, 0}, 1, kField);
  ExpectInside({texts.levelComplete, -10, 0}, 1, kField);
}

}  // namespace

// Pure pieces of the menus: key names, the main menu's navigation and the sliding panel.
#include <gtest/gtest.h>

#include <set>

#include "engine/MeshSprite.h"
#include "menus/KeyNames.h"
#include "menus/MainMenu.h"
#include "menus/SlidingPanel.h"
#include "runtime/engine_core.h"
#include "tests/unit/engine_fixtures.h"

namespace {

TEST(ScanCodeName, NamesTheListedKeysAndKeepsTheTextForOthers) {
  const struct {
    int code;
    const char* name;
  } named[] = {{1, "ESCAPE"}, {2, "1"},          {10, "9"},    {11, "0"},    {12, "-"},
               {13, "="},     {14, "BACKSPACE"}, {15, "TAB"},  {16, "\x89"}, {27, "\x9A"},
               {30, "\x94"},  {40, "\x9D"},      {44, "\x9F"}, {52, "\x9E"}, {59, "F1"},
               {68, "F10"},   {87, "F11"},       {88, "F12"}};
  for (const auto& key : named) {
    EXPECT_EQ(ScanCodeName(key.code, "?", TLanguage::Russian), key.name) << key.code;
  }
  for (const int code : {-1, 0, 28, 29, 41, 42, 43, 53, 57, 58, 69, 86, 89, 200, 255, 256}) {
    EXPECT_EQ(ScanCodeName(code, "kept", TLanguage::Russian), "kept") << code;
    EXPECT_EQ(ScanCodeName(code, "kept", TLanguage::English), "kept") << code;
  }
}

// The letter keys name the 32 capitals of the screen font, each once, and nothing else has a
// one-byte name from the font's letters: text entry relies on this to take letters only. In
// English 26 of them name the Latin capitals instead, each once.
TEST(ScanCodeName, LetterKeysAreExactlyTheCapitals) {
  std::set<unsigned char> latin;
  for (int code = 0; code < 256; ++code) {
    const std::string name = ScanCodeName(code, "", TLanguage::English);
    if (name.size() == 1 && name[0] >= 'A' && name[0] <= 'Z') latin.insert(name[0]);
    if (name.size() == 1) {
      EXPECT_LT(static_cast<unsigned char>(name[0]), 0x80) << code;
    }
  }
  EXPECT_EQ(latin.size(), 26u);
  std::set<unsigned char> capitals;
  for (int code = 0; code < 256; ++code) {
    const std::string name = ScanCodeName(code, "", TLanguage::Russian);
    const bool letterKey =
        (code >= 16 && code <= 27) || (code >= 30 && code <= 40) || (code >= 44 && code <= 52);
    const bool capital = name.size() == 1 && static_cast<unsigned char>(name[0]) >= 0x80;
    EXPECT_EQ(capital, letterKey) << code;
    if (capital) capitals.insert(static_cast<unsigned char>(name[0]));
  }
  EXPECT_EQ(capitals.size(), 32u);
  EXPECT_EQ(*capitals.begin(), 0x80);
  EXPECT_EQ(*capitals.rbegin(), 0x9F);
}

TEST(MainMenuNavigation, ColumnStopsAtItsEndsAndUpFromTheTopReachesTheLinks) {
  // {selected, after Down, after Up}
  const int table[8][3] = {{1, 2, 7}, {2, 3, 1}, {3, 4, 2}, {4, 5, 3},
                           {5, 6, 4}, {6, 6, 5}, {7, 1, 8}, {8, 7, 8}};
  for (const auto& row : table) {
    const auto item = static_cast<std::uint8_t>(row[0]);
    EXPECT_EQ(MainMenuNeighbour(item, true), row[1]) << "Down from " << row[0];
    EXPECT_EQ(MainMenuNeighbour(item, false), row[2]) << "Up from " << row[0];
  }
}

class SlidingPanelTest : public enginetest::HeadlessEngine {
 protected:
  void SetUp() override {
    HeadlessEngine::SetUp();
    // An archive of two pictures: the table of two (offset, length) pairs, then the pictures.
    const enginetest::Bytes picture = enginetest::png(2, 2);
    enginetest::Bytes archive;
    for (std::uint32_t i = 0; i < 2; ++i) {
      enginetest::putLe32(archive, static_cast<std::uint32_t>(16 + i * picture.size()));
      enginetest::putLe32(archive, static_cast<std::uint32_t>(picture.size()));
    }
    for (int i = 0; i < 2; ++i) archive.insert(archive.end(), picture.begin(), picture.end());
    write("data/Panel.dat", archive);
    // Body 500 x 400 at (325, 170), centre (575, 370); title 400 x 100 at (-20, 150), centre
    // (180, 200).
    panel.Build("data\\Panel.dat", {0, 1, 170, 325, 400, 500, 1}, {1, 2, 150, -20, 100, 400, 2});
    page = TMeshSprite::Create("data\\pic.png", 100, 100, 400, 200, 2, false);  // centre 450
    panel.AddToBody(page);
  }

  void TearDown() override {
    page->Destroy();
    HeadlessEngine::TearDown();
  }

  // Steps until the panel rests, and how many steps that took.
  int StepsToRest() {
    int steps = 0;
    while (panel.Slide > 0 && panel.Slide < 100 && steps < 1000) {
      panel.Step();
      ++steps;
    }
    return steps;
  }

  void ExpectOffset(float offset) const {
    EXPECT_FLOAT_EQ(panel.Body()->ScreenX(), 575 + offset);
    EXPECT_FLOAT_EQ(panel.Body()->ScreenY(), 370);
    EXPECT_FLOAT_EQ(page->ScreenX(), 450 + offset);
    EXPECT_FLOAT_EQ(page->ScreenY(), 250);
    EXPECT_FLOAT_EQ(TitleX(), 180 - offset);
  }

  float TitleX() const {
    for (const rt::MeshView& mesh : rt::engineMeshes()) {
      if (mesh.textureId == 2) return mesh.location.x * 8 + 400;
    }
    return -1;
  }

  TSlidingPanel panel;
  TMeshSprite* page = nullptr;
};

TEST_F(SlidingPanelTest, BuiltClosedFiveHundredPixelsAwayOnBothSides) {
  EXPECT_FALSE(panel.Opened);
  EXPECT_EQ(panel.Slide, 0);
  ExpectOffset(500);
  EXPECT_FLOAT_EQ(static_cast<float>(panel.TextShift()), 20);
}

TEST_F(SlidingPanelTest, OpensInThirtyThreeStepsOfThreeAndClosesTheSameWay) {
  panel.Open();
  EXPECT_EQ(panel.Slide, 1);
  panel.Step();
  EXPECT_EQ(panel.Slide, 4);
  ExpectOffset(480);
  EXPECT_FLOAT_EQ(static_cast<float>(panel.TextShift()), 19.2f);
  EXPECT_EQ(StepsToRest(), 32);
  EXPECT_EQ(panel.Slide, 100);
  ExpectOffset(0);
  panel.Step();  // at rest nothing moves
  EXPECT_EQ(panel.Slide, 100);

  panel.Close();
  EXPECT_EQ(panel.Slide, 99);
  EXPECT_EQ(StepsToRest(), 33);
  EXPECT_EQ(panel.Slide, 0);
  ExpectOffset(500);
}

TEST_F(SlidingPanelTest, TurnsBackMidWayAndReopensFromTheEdgeWhenInPlace) {
  panel.Open();
  for (int i = 0; i < 10; ++i) panel.Step();
  EXPECT_EQ(panel.Slide, 31);
  panel.Close();  // only a panel in place steps back to 99
  EXPECT_EQ(panel.Slide, 31);
  panel.Step();
  EXPECT_EQ(panel.Slide, 28);
  ExpectOffset(360);

  panel.Open();
  StepsToRest();
  panel.Open();  // already in place: it slides in again from the edges
  EXPECT_EQ(panel.Slide, 1);
  panel.Step();
  ExpectOffset(480);
}

TEST_F(SlidingPanelTest, ClosingAClosedPanelLeavesItOffScreen) {
  panel.Close();
  panel.Step();
  EXPECT_EQ(panel.Slide, 0);
  ExpectOffset(500);
}

}  // namespace

// The options panel's pure pieces: the bytes the letter keys type, the boss key's line and the
// keys it may be bound to.
#include <gtest/gtest.h>

#include <cstdint>
#include <optional>

#include "menus/BossKeyText.h"
#include "menus/TextEntry.h"

namespace {

TEST(TypedLetter, SmallLetterWithoutShiftCapitalWithItOthersNothing) {
  constexpr auto kRussian = TLanguage::Russian;
  constexpr auto kEnglish = TLanguage::English;
  const struct {
    int code;
    bool shift;
    std::optional<std::uint8_t> typed;
    TLanguage language = kRussian;
  } cases[] = {
      {30, false, 0xB4},  // A: capital 0x94, small 32 up
      {30, true, 0x94},
      {16, false, 0xA9},  // Q: 0x89
      {27, false, 0xBA},  // the last capital below 0x9B still takes 32
      {31, false, 0xBC},  // S: 0x9B, from here on 33 up
      {31, true, 0x9B},
      {50, false, 0xBD},         // M: 0x9C
      {44, false, 0xC0},         // Z: 0x9F, the last small letter
      {52, true, 0x9E},          // the signs beside the letters are letters of the font too
      {2, false, std::nullopt},  // digits,
      {11, true, std::nullopt},
      {12, false, std::nullopt},  // signs with a name of their own,
      {57, false, std::nullopt},  // space,
      {14, false, std::nullopt},  // Backspace,
      {28, false, std::nullopt},  // Enter,
      {42, true, std::nullopt},   // Shift itself
      {59, false, std::nullopt},  // and F keys type nothing
      {0, false, std::nullopt},
      {256, false, std::nullopt},
      // In English the letter keys type Latin letters, and the keys of the Russian letters
      // beyond the 26 type nothing, as the signs they bear on an English keyboard.
      {30, false, 'a', kEnglish},
      {30, true, 'A', kEnglish},
      {44, false, 'z', kEnglish},
      {50, true, 'M', kEnglish},
      {16, false, 'q', kEnglish},
      {26, false, std::nullopt, kEnglish},
      {52, true, std::nullopt, kEnglish},
      {2, false, std::nullopt, kEnglish},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(TypedLetter(c.code, c.shift, c.language), c.typed)
        << c.code << (c.shift ? " with Shift" : "") << " in " << LanguageCode(c.language);
  }
}

TEST(BossKeyText, ModifiersStandCtrlAltShiftBeforeTheName) {
  const struct {
    std::uint8_t key, shift, alt, ctrl;
    const char* text;
  } cases[] = {
      {88, 0, 0, 0, "F12"},        {63, 1, 0, 1, "CTRL+SHIFT+F5"},
      {2, 0, 1, 0, "ALT+1"},       {59, 1, 1, 1, "CTRL+ALT+SHIFT+F1"},
      {30, 7, 0, 0, "SHIFT+\x94"},  // any non-zero flag counts
      {69, 0, 0, 1, "CTRL+"},       // a key without a name shows its modifiers only
      {200, 0, 0, 0, ""},
  };
  for (const auto& c : cases) {
    TSettings settings;
    settings.BossKey = c.key;
    settings.BossShift = c.shift;
    settings.BossAlt = c.alt;
    settings.BossCtrl = c.ctrl;
    EXPECT_EQ(BossKeyText(settings, TLanguage::Russian), c.text) << int{c.key};
  }
  // In English a letter key shows its Latin letter.
  TSettings settings;
  settings.BossKey = 30;
  settings.BossCtrl = 1;
  EXPECT_EQ(BossKeyText(settings, TLanguage::English), "CTRL+A");
  // While a key is awaited the held modifiers stand before a question mark.
  EXPECT_EQ(BossKeyText("?", {true, false, true}), "CTRL+SHIFT+?");
  EXPECT_EQ(BossKeyText("?", {}), "?");
}

TEST(BindsAsBossKey, DigitsLettersAndFKeysButNeverModifiersOrTheMenuKeys) {
  for (const int code : {2, 11, 14, 15, 16, 27, 30, 38, 44, 50, 59, 68, 69, 87, 88}) {
    EXPECT_TRUE(BindsAsBossKey(code)) << code;
  }
  for (const int code : {0,  1,  28, 29, 39,  40,  42,  43,  51,  54,  56,  57,
                         58, 70, 86, 89, 157, 184, 197, 200, 203, 205, 208, 255}) {
    EXPECT_FALSE(BindsAsBossKey(code)) << code;
  }
}

}  // namespace

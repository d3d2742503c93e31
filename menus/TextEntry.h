// Typing into the short texts of the screens (the options' second name, the record's names):
// only the letter keys type, one byte of the screen font each.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "userdata/Language.h"

// The byte a letter key types in the language: its capital (the key's one-byte name) with Shift
// held, else the small letter. A Russian small letter lies 32 bytes up (33 from the capital 0x9B
// on, past the font's two forms of one small letter at 0xBB and 0xBC), a Latin one 32 up as in
// ASCII. Nothing for any other key.
std::optional<std::uint8_t> TypedLetter(int code, bool shift, TLanguage language);

// The blinking caret after the text being typed.
struct TCaret {
  static constexpr long double kInterval = 0.5L;  // seconds between blinks

  long double Time = 0;  // engine time of the last blink
  bool Visible = true;

  // The text with the caret while it is on; blinks when the interval has passed by `now`, the
  // engine's time in seconds.
  std::string After(const std::string& text, long double now);
};

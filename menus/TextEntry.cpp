#include "menus/TextEntry.h"

#include <string>

#include "menus/KeyNames.h"

std::optional<std::uint8_t> TypedLetter(int code, bool shift, TLanguage language) {
  const std::string name = ScanCodeName(code, "", language);
  if (name.size() != 1) return std::nullopt;
  const auto capital = static_cast<std::uint8_t>(name[0]);
  // The Latin letter keys are named by their capital, the Russian ones by one byte from 0x80 up.
  if (capital >= 'A' && capital <= 'Z')
    return static_cast<std::uint8_t>(shift ? capital : capital + 32);
  if (capital < 0x80) return std::nullopt;
  if (shift) return capital;
  return static_cast<std::uint8_t>(capital + (capital >= 0x9B ? 33 : 32));
}

std::string TCaret::After(const std::string& text, long double now) {
  if (now - Time > kInterval) {
    Time = now;
    Visible = !Visible;
  }
  return Visible ? text + "I" : text;
}

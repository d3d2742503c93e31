// The short texts the files keep (the second name in the settings, the names of the records): a
// length byte followed by ten bytes of the screen font encoding.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

inline constexpr std::size_t kShortTextBytes = 10;
using TShortTextBytes = std::array<std::uint8_t, kShortTextBytes>;

// The text of the first `length` bytes (at most ten).
std::string ShortTextString(std::uint8_t length, const TShortTextBytes& bytes);
// Stores `text` cut to ten bytes; the bytes past it are cleared.
void StoreShortText(std::string_view text, std::uint8_t& length, TShortTextBytes& bytes);
// A length byte as read from a file: one above ten would reach past the text's bytes, so it
// becomes ten.
constexpr std::uint8_t ClampedShortTextLength(std::uint8_t stored) {
  return stored <= kShortTextBytes ? stored : kShortTextBytes;
}
// The one line on stderr for a file that held a length above ten.
void ReportClampedShortText(const char* file);

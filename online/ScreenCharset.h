// The screen encoding of the game's texts: the Unicode letter each byte shows, 0 for none. The
// asset generator draws these letters into the screen fonts; the score server shows the stored
// names in them.
#pragma once

#include <array>
#include <cstddef>

// ASCII 0x20-0x7E; А-Я at 0x80-0x9F; а-щ at 0xA0-0xB9, then ъ, ы twice, ь, э, ю, я up to 0xC0.
inline constexpr std::array<char32_t, 256> kScreenCharset = [] {
  std::array<char32_t, 256> charset{};
  for (std::size_t b = 0x20; b <= 0x7E; ++b) charset[b] = static_cast<char32_t>(b);
  for (std::size_t i = 0; i < 32; ++i) charset[0x80 + i] = U'А' + static_cast<char32_t>(i);
  for (std::size_t i = 0; i < 26; ++i) charset[0xA0 + i] = U'а' + static_cast<char32_t>(i);
  constexpr char32_t tail[] = {U'ъ', U'ы', U'ы', U'ь', U'э', U'ю', U'я'};
  for (std::size_t i = 0; i < std::size(tail); ++i) charset[0xBA + i] = tail[i];
  return charset;
}();

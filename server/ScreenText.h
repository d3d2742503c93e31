// The game's names are bytes in its screen fonts' layout; web pages show them as UTF-8.
#pragma once

#include <string>
#include <string_view>

// ASCII letters, digits and signs stay; 0x80-0x9F are the capitals А-Я, 0xA0-0xB9 the small
// letters а-щ, then ъ, ы (twice: 0xBB and 0xBC), ь, э, ю, я up to 0xC0. Control characters and
// bytes without a letter become U+FFFD, so a hostile name cannot put raw controls into a page.
std::string ScreenTextToUtf8(std::string_view screenText);

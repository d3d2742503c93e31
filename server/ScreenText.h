// The game's names are bytes in its screen fonts' layout; web pages show them as UTF-8.
#pragma once

#include <string>
#include <string_view>

// Each byte becomes the letter it shows (online/ScreenCharset.h). Control characters and bytes
// without a letter become U+FFFD, so a hostile name cannot put raw controls into a page.
std::string ScreenTextToUtf8(std::string_view screenText);

#include "userdata/ShortText.h"

#include <algorithm>
#include <cstdio>

std::string ShortTextString(std::uint8_t length, const TShortTextBytes& bytes) {
  const std::size_t used = std::min<std::size_t>(length, bytes.size());
  return std::string(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(used));
}

void StoreShortText(std::string_view text, std::uint8_t& length, TShortTextBytes& bytes) {
  const std::size_t used = std::min(text.size(), bytes.size());
  bytes.fill(0);
  std::copy_n(text.begin(), used, bytes.begin());
  length = static_cast<std::uint8_t>(used);
}

void ReportClampedShortText(const char* file) {
  std::fprintf(stderr, "glintbreaker: %s holds a text longer than %zu bytes; it is read as %zu\n",
               file, kShortTextBytes, kShortTextBytes);
}

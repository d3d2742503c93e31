#include "server/ScreenText.h"

#include "online/ScreenCharset.h"

namespace {

constexpr char32_t kReplacement = 0xFFFD;

char32_t CodePoint(unsigned char c) {
  const char32_t letter = kScreenCharset[c];
  return letter != 0 ? letter : kReplacement;
}

void AppendUtf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

}  // namespace

std::string ScreenTextToUtf8(std::string_view screenText) {
  std::string out;
  out.reserve(screenText.size() * 2);
  for (const char c : screenText) AppendUtf8(out, CodePoint(static_cast<unsigned char>(c)));
  return out;
}

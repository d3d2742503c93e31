#include "userdata/Language.h"

const char* LanguageCode(TLanguage language) {
  return language == TLanguage::English ? "en" : "ru";
}

std::optional<TLanguage> LanguageOfCode(std::string_view code) {
  if (code == "ru") return TLanguage::Russian;
  if (code == "en") return TLanguage::English;
  return std::nullopt;
}

TLanguage LanguageOfLocale(const char* lcAll, const char* lcMessages, const char* lang,
                           const char* system) {
  for (const char* value : {lcAll, lcMessages, lang, system}) {
    if (value == nullptr || *value == '\0') continue;
    return std::string_view(value).starts_with("en") ? TLanguage::English : TLanguage::Russian;
  }
  return TLanguage::Russian;
}

TLanguage StartLanguage(std::optional<TLanguage> commandLine, std::uint8_t stored,
                        TLanguage locale) {
  if (commandLine) return *commandLine;
  if (stored == static_cast<std::uint8_t>(TLanguage::Russian)) return TLanguage::Russian;
  if (stored == static_cast<std::uint8_t>(TLanguage::English)) return TLanguage::English;
  return locale;
}

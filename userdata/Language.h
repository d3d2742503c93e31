// The languages the game speaks: Russian, its own, and English beside it. Which one a run starts
// in: the command line's, else the one the player chose in the options, else the locale's.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

enum class TLanguage : std::uint8_t { Russian = 1, English = 2 };

// "ru" or "en".
const char* LanguageCode(TLanguage language);
// The language of "ru" or "en"; nothing for anything else.
std::optional<TLanguage> LanguageOfCode(std::string_view code);
// The locale's language from its variables as the C library ranks them (LC_ALL, then
// LC_MESSAGES, then LANG), then the system's own setting (`system`, Windows'): the first one set
// and not empty counts, null meaning unset; English when it starts with "en", else Russian.
TLanguage LanguageOfLocale(const char* lcAll, const char* lcMessages, const char* lang,
                           const char* system);
// The language of a run: the command line's, else the stored choice (0: none, else a TLanguage
// value), else the locale's.
TLanguage StartLanguage(std::optional<TLanguage> commandLine, std::uint8_t stored,
                        TLanguage locale);

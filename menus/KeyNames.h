// Display names of keys by their scan code, in the screen fonts' byte encoding: words for the
// named keys, digits and signs as themselves, and for each letter key the one byte of its capital
// as the language's keyboard has it: the Russian letter on the key cap (0x80 up), or in English
// the Latin one, the Russian letter keys beyond the 26 naming the sign they bear there.
#pragma once

#include <string>

#include "userdata/Language.h"

// The name of the key, or `text` unchanged when the key has no name.
std::string ScanCodeName(int code, std::string text, TLanguage language);

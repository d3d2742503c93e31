// Display names of keys by their scan code, in the screen fonts' byte encoding: words for the
// named keys, digits and signs as themselves, and for each letter key the one byte of its capital.
#pragma once

#include <string>

// The name of the key, or `text` unchanged when the key has no name.
std::string ScanCodeName(int code, std::string text);

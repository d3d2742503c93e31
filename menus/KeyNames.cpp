#include "menus/KeyNames.h"

#include <array>
#include <string_view>

namespace {

struct KeyName {
  int code;
  std::string_view name;
};

// The letter keys (16-27, 30-40, 44-52) name the capital on their key cap, one byte each.
constexpr KeyName kKeyNames[] = {
    {1, "ESCAPE"}, {2, "1"},          {3, "2"},     {4, "3"},     {5, "4"},     {6, "5"},
    {7, "6"},      {8, "7"},          {9, "8"},     {10, "9"},    {11, "0"},    {12, "-"},
    {13, "="},     {14, "BACKSPACE"}, {15, "TAB"},  {16, "\x89"}, {17, "\x96"}, {18, "\x93"},
    {19, "\x8A"},  {20, "\x85"},      {21, "\x8D"}, {22, "\x83"}, {23, "\x98"}, {24, "\x99"},
    {25, "\x87"},  {26, "\x95"},      {27, "\x9A"}, {30, "\x94"}, {31, "\x9B"}, {32, "\x82"},
    {33, "\x80"},  {34, "\x8F"},      {35, "\x90"}, {36, "\x8E"}, {37, "\x8B"}, {38, "\x84"},
    {39, "\x86"},  {40, "\x9D"},      {44, "\x9F"}, {45, "\x97"}, {46, "\x91"}, {47, "\x8C"},
    {48, "\x88"},  {49, "\x92"},      {50, "\x9C"}, {51, "\x81"}, {52, "\x9E"}, {59, "F1"},
    {60, "F2"},    {61, "F3"},        {62, "F4"},   {63, "F5"},   {64, "F6"},   {65, "F7"},
    {66, "F8"},    {67, "F9"},        {68, "F10"},  {87, "F11"},  {88, "F12"},
};

// The same keys on an English keyboard: the 26 Latin letters and the signs beside them.
constexpr KeyName kEnglishLetterKeys[] = {
    {16, "Q"}, {17, "W"}, {18, "E"}, {19, "R"}, {20, "T"}, {21, "Y"}, {22, "U"}, {23, "I"},
    {24, "O"}, {25, "P"}, {26, "["}, {27, "]"}, {30, "A"}, {31, "S"}, {32, "D"}, {33, "F"},
    {34, "G"}, {35, "H"}, {36, "J"}, {37, "K"}, {38, "L"}, {39, ";"}, {40, "'"}, {44, "Z"},
    {45, "X"}, {46, "C"}, {47, "V"}, {48, "B"}, {49, "N"}, {50, "M"}, {51, ","}, {52, "."},
};

}  // namespace

std::string ScanCodeName(int code, std::string text, TLanguage language) {
  if (language == TLanguage::English) {
    for (const KeyName& key : kEnglishLetterKeys) {
      if (key.code == code) return std::string(key.name);
    }
  }
  for (const KeyName& key : kKeyNames) {
    if (key.code == code) return std::string(key.name);
  }
  return text;
}

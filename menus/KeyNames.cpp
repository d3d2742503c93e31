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

}  // namespace

std::string ScanCodeName(int code, std::string text) {
  for (const KeyName& key : kKeyNames) {
    if (key.code == code) return std::string(key.name);
  }
  return text;
}

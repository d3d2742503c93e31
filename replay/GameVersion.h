// The game's version. Every replay carries it, and a replay of another version is refused: its
// rules may differ, and its frames would play into nonsense. Raise it with every change of the
// rules (and record the shipped demos again: make demos).
#pragma once

#include <string_view>

inline constexpr std::string_view kGameVersion = "1.1";

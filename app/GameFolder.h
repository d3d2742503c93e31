// Where the game's read-only files are.
#pragma once

#include <optional>
#include <string>

// The folder given on the command line or, when none is given, the installed data folder
// (share/glintbreaker beside the program's bin folder), else the program's own folder, where the
// build puts the generated files. The folder must hold the game's data folder: when it does not,
// nothing is returned and error says so in one line.
std::optional<std::string> FindGameDir(const std::string& given, std::string& error);

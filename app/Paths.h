// The default folders of the game's files.
#pragma once

#include <string>

// The folder holding the executable (its generated assets lie beside it).
std::string ExecutableDir();
// The per-user data folder: $XDG_DATA_HOME/glintbreaker, else ~/.local/share/glintbreaker;
// %APPDATA%\Glintbreaker on Windows.
std::string DefaultUserDir();

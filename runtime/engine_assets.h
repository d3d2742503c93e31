// Loading the files the game names (pictures, models, fonts) for the engine core. A file that
// is missing, unreadable or corrupt gives an empty result and one line on stderr naming it.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "runtime/engine_pictures.h"
#include "runtime/wid_font.h"
#include "runtime/xmodel.h"

namespace rt {

// One line on stderr: what could not be used, the game's name for it and why.
void reportBadInput(const char* what, const std::string& name, const std::string& why);

// The bytes of a game file (the name as the game writes it), or nothing after reporting.
std::optional<std::vector<std::uint8_t>> readGameFile(const char* what, const std::string& name);

// The model of a file, read once per engine open; null after reporting.
std::shared_ptr<const XModel> loadModel(const std::string& name);

struct LoadedFont {
  std::shared_ptr<const WidFont> font;  // null after reporting
  EnginePicture atlas;
};
LoadedFont loadFont(const std::string& name);

}  // namespace rt

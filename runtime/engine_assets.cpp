#include "runtime/engine_assets.h"

#include <cstdio>

#include "platform/files.h"
#include "runtime/engine_scene.h"
#include "runtime/runtime.h"

namespace rt {

void reportBadInput(const char* what, const std::string& name, const std::string& why) {
  std::fprintf(stderr, "glintbreaker: cannot use %s \"%s\": %s\n", what, name.c_str(), why.c_str());
}

std::optional<std::vector<std::uint8_t>> readGameFile(const char* what, const std::string& name) {
  auto bytes = files::readAll(files::gamePath(name));
  if (!bytes) reportBadInput(what, name, "missing, unreadable or too large");
  return bytes;
}

std::shared_ptr<const XModel> loadModel(const std::string& name) {
  // Keyed by the game's own spelling: every brick asks for the same name, and the lookup then
  // skips the file system.
  auto& cache = engineState().models;
  if (auto it = cache.find(name); it != cache.end()) return it->second;
  std::shared_ptr<const XModel> model;
  if (const auto bytes = readGameFile("model", name)) {
    auto parsed = std::make_shared<XModel>();
    std::string error;
    if (parseXModel(*bytes, *parsed, error)) {
      model = std::move(parsed);
    } else {
      reportBadInput("model", name, error);
    }
  }
  cache[name] = model;
  return model;
}

LoadedFont loadFont(const std::string& name) {
  const auto bytes = readGameFile("font", name);
  if (!bytes) return {};
  auto font = std::make_shared<WidFont>();
  std::string error;
  if (!parseWidFont(*bytes, *font, error)) {
    reportBadInput("font", name, error);
    return {};
  }
  const std::span<const std::uint8_t> atlas =
      std::span<const std::uint8_t>(*bytes).subspan(font->atlasOffset);
  EnginePicture picture(atlas, name + " (atlas)");
  return {std::move(font), std::move(picture)};
}

}  // namespace rt

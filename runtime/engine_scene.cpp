#include "runtime/engine_scene.h"

#include "runtime/runtime.h"

namespace rt {

EngineState& engineState() {
  static EngineState state;
  return state;
}

void EngineState::releaseAll() {
  Backend& b = backend();
  for (auto& [handle, texture] : textures) {
    if (texture.backendRef) b.destroyTexture(texture.backendRef);
  }
  for (auto& [handle, font] : fonts) {
    if (font.backendTexture) b.destroyTexture(font.backendTexture);
  }
  for (auto& [handle, set] : particleSets) {
    if (set.backendTexture) b.destroyTexture(set.backendTexture);
  }
  for (auto& [handle, sound] : sounds) {
    if (sound.backendRef) b.freeSound(sound.backendRef);
  }
  textures.clear();
  meshes.clear();
  sprites.clear();
  fonts.clear();
  particleSets.clear();
  emitters.clear();
  sounds.clear();
  cameras.clear();
  bodies.clear();
  models.clear();
  printed.clear();
  printedAtRender.clear();
  soundsStarted.clear();
}

}  // namespace rt

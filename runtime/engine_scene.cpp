#include "runtime/engine_scene.h"

#include "runtime/runtime.h"

namespace rt {

EngineState& engineState() {
  static EngineState state;
  return state;
}

void EngineState::releaseAll() {
  Backend& b = backend();
  for (auto& [handle, texture] : textures) texture.picture.release();
  for (auto& [handle, font] : fonts) font.atlas.release();
  for (auto& [handle, set] : particleSets) set.picture.release();
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

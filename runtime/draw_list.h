// Turns the engine's scene into the frame's draw list: meshes by render priority (lit, alpha
// blended), then particles (additive), then printed text, then engine sprites by priority.
#pragma once

#include <vector>

#include "runtime/backend.h"
#include "runtime/engine_scene.h"

namespace rt {

// Fills list (reusing its storage) with the scene as it looks at time now (seconds). A card whose
// picture waits to be decoded is left out; where it would show, its picture goes to `waiting`.
void buildDrawList(const EngineState& scene, double now, DrawList& list,
                   std::vector<const EnginePicture*>* waiting = nullptr);

}  // namespace rt

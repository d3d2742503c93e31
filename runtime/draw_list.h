// Turns the engine's scene into the frame's draw list: meshes by render priority (lit, alpha
// blended), then particles (additive), then printed text, then engine sprites by priority.
#pragma once

#include "runtime/backend.h"
#include "runtime/engine_scene.h"

namespace rt {

// Fills list (reusing its storage) with the scene as it looks at time now (seconds).
void buildDrawList(const EngineState& scene, double now, DrawList& list);

}  // namespace rt

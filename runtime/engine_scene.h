// The engine core's whole state: the handle tables of every kind of object, the lifecycle
// flags, the light, printed text, sounds started and this frame's input. One instance lives for
// the whole program; i3ImpactClose empties the tables but handle numbers keep counting, so a
// handle from before a close never names a new object.
#pragma once

#include <array>
#include <map>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "engine/impact.h"
#include "runtime/engine_core.h"
#include "runtime/engine_pictures.h"
#include "runtime/input.h"
#include "runtime/particles.h"
#include "runtime/wid_font.h"
#include "runtime/xmodel.h"

namespace rt {

// Objects of one kind by handle, in creation order (handles only grow).
template <typename T>
class HandleTable {
 public:
  iHandle add(T item) {
    items_.emplace(next_, std::move(item));
    return next_++;
  }
  T* find(iHandle handle) {
    auto it = items_.find(handle);
    return it == items_.end() ? nullptr : &it->second;
  }
  const T* find(iHandle handle) const {
    auto it = items_.find(handle);
    return it == items_.end() ? nullptr : &it->second;
  }
  void erase(iHandle handle) { items_.erase(handle); }
  void clear() { items_.clear(); }
  auto begin() const { return items_.begin(); }
  auto end() const { return items_.end(); }
  auto begin() { return items_.begin(); }
  auto end() { return items_.end(); }
  std::size_t size() const { return items_.size(); }

 private:
  std::map<iHandle, T> items_;
  iHandle next_ = 1;
};

struct TextureRec {
  EnginePicture picture;
  int id = 0;          // the id given with the bytes, 0 for files
  std::string source;  // the game's file name or "memory:<id>"
};

struct MeshRec {
  std::shared_ptr<const XModel> model;  // null: the model could not be read
  iHandle texture = 0;
  iVector3 location;
  iVector3 scale{1, 1, 1};
  float alpha = 1;
  int priority = 0;
  bool visible = false;
};

struct SpriteRec {
  iHandle texture = 0;
  iVector2 location;
  iVector2 scale{1, 1};
  int priority = 0;
  bool visible = false;
};

struct FontRec {
  std::shared_ptr<const WidFont> font;  // null: prints nothing
  EnginePicture atlas;
};

struct ParticleSetRec {
  std::unique_ptr<ParticleSet> set;
  EnginePicture picture;
};

struct EmitterRec {
  iHandle set = 0;
  EmitterSettings settings;
  EmitterTrail trail;
};

struct SoundRec {
  int backendRef = 0;  // 0: silent
  std::string name;
  float volume = 1;  // its own, before the master volume of its kind
  iSoundKind kind = iSoundEffect;
};

struct EngineState {
  // Lifecycle.
  iWindow window = 0;
  bool opened = false;       // between i3ImpactOpen and i3ImpactClose
  bool backendOpen = false;  // after successful settings
  bool ready = false, executing = false, rendering = false, initializing = false;
  bool drawingDisabled = false;  // by iRenderingDisable until the next iRender
  bool inRunPhase = false;       // between i3ImpactRunBegin and i3ImpactRunEnd
  int errorFlag = 0;
  bool timerStarted = false;
  double timerOrigin = 0;

  HandleTable<TextureRec> textures;
  HandleTable<MeshRec> meshes;
  HandleTable<SpriteRec> sprites;
  HandleTable<FontRec> fonts;
  HandleTable<ParticleSetRec> particleSets;
  HandleTable<EmitterRec> emitters;
  HandleTable<SoundRec> sounds;
  // By iSoundKind; kept when the engine closes, as the game sets them once.
  std::array<float, 2> masterVolumes{1, 1};
  HandleTable<bool> cameras;
  HandleTable<bool> bodies;
  // Models by the game's file name, read once per open; null when the file could not be read.
  std::map<std::string, std::shared_ptr<const XModel>> models;

  iColor4 light{2, 2, 2, 1};
  float clearR = 0, clearG = 0, clearB = 0;
  bool repaint = true;  // the window was wiped or exposed: the next picture is drawn whole
  iColor4 printColour{1, 1, 1, 1};
  std::vector<PrintedLine> printed;          // since the last render
  std::vector<PrintedLine> printedAtRender;  // drawn at the last render
  std::vector<std::string> soundsStarted;
  float rumbleAsked = 0;  // the pads' strongest rumble of this pass
  InputFrame input;
  long framesRendered = 0;
  long emissions = 0;
  std::minstd_rand random{20240611u};
  // The particles every set keeps, spent or not yet forgotten (each set keeps it up to date).
  int particlesKept = 0;

  // Frees every object in the backend and empties the tables (handles keep counting).
  void releaseAll();
};

EngineState& engineState();

}  // namespace rt

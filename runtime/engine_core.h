// What the engine core shows of its scene to the state dump, the script driver and tests. The
// core implements every call of engine/impact.h over the installed backend, clock and input.
#pragma once

#include <string>
#include <vector>

#include "engine/impact.h"

namespace rt {

struct MeshView {
  iHandle handle = 0;
  iHandle texture = 0;        // 0 = none
  int textureId = 0;          // the id given to iTextureCreateFromMemory, 0 for file textures
  std::string textureSource;  // the file name the game gave, or "memory:<id>"
  iVector3 location;
  iVector3 scale;
  float alpha = 1;
  int priority = 0;
  bool visible = false;
};

struct PrintedLine {
  std::string text;  // bytes as printed (screen encoding)
  float x = 0, y = 0;
  iColor4 colour;
  iVector2 scale;
  iHandle font = 0;
};

struct SpriteView {
  iHandle handle = 0;
  iHandle texture = 0;
  iVector2 location;
  iVector2 scale;
  int priority = 0;
  bool visible = false;
};

// Every mesh in creation order.
std::vector<MeshView> engineMeshes();
std::vector<SpriteView> engineSprites();
// The lines drawn at the last render, in print order.
const std::vector<PrintedLine>& enginePrintedAtLastRender();
// Sound files (as the game named them) started since the start of the current engine pass,
// or, between passes, during the last one.
const std::vector<std::string>& engineSoundsStarted();
// The strength (0..1) of the pads' rumble asked for in the same span; 0 when none was.
float engineRumbleAsked();
// The volume a sound is heard at now: its own times its kind's master volume; 0 for no sound.
float engineHeardVolume(iHandle sound);
// The red component of the light colour last set.
float engineLightRed();
// Particle bursts emitted since the engine was opened, and particles alive now.
long engineParticleEmissions();
int engineLiveParticles();
// Number of frames rendered since the program started.
long engineFramesRendered();

// How many objects of each kind the engine holds now: its own tables, and what the backend keeps
// for them (every texture, font atlas and particle picture uploaded; every sound loaded). Counts
// that grow from one engine open to the next are a leak.
struct EngineCounts {
  long textures = 0, meshes = 0, sprites = 0, fonts = 0, particleSets = 0, sounds = 0;
  long backendTextures = 0, backendSounds = 0;
};
EngineCounts engineCounts();

}  // namespace rt

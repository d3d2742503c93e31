// The engine's lifecycle, display, input, camera, light and body calls, and what the core shows
// of its scene (engine_core.h). Meshes, text, particles and sounds have files of their own.
#include "runtime/engine_core.h"

#include <algorithm>

#include "engine/impact.h"
#include "runtime/draw_list.h"
#include "runtime/engine_scene.h"
#include "runtime/frame_log.h"
#include "runtime/runtime.h"

using rt::engineState;

namespace {

// Draws the scene and shows it; the lines printed since the last render are drawn once.
void drawFrame() {
  auto& s = engineState();
  if (!s.backendOpen) {
    s.printed.clear();
    return;
  }
  rt::drawLogged([&s] {
    for (auto& [handle, rec] : s.particleSets) rec.set->expire(rt::clock().seconds());
    static rt::DrawList list;
    static std::vector<const rt::EnginePicture*> firstShown;
    firstShown.clear();
    rt::buildDrawList(s, rt::clock().seconds(), list, &firstShown);
    if (!firstShown.empty()) {
      rt::EnginePicture::decode(firstShown);
      rt::buildDrawList(s, rt::clock().seconds(), list);
    }
    rt::backend().present(list);
  });
  s.repaint = false;
  s.printedAtRender.swap(s.printed);
  s.printed.clear();
  ++s.framesRendered;
}

}  // namespace

// ---- Lifecycle ---------------------------------------------------------------------------------

void i3ImpactErrorFlagSet(int flag) {
  engineState().errorFlag = flag;
}
int i3ImpactErrorFlag() {
  return engineState().errorFlag;
}

int i3ImpactOpen(iWindow window, int) {
  auto& s = engineState();
  if (s.opened) i3ImpactClose();
  s.window = window;
  s.opened = true;
  if (!s.timerStarted) {
    s.timerStarted = true;
    s.timerOrigin = rt::clock().seconds();
  }
  return 1;
}

int i3ImpactSettings(const std::int32_t values[6]) {
  auto& s = engineState();
  if (!s.opened || !values) return 0;
  if (s.backendOpen) rt::backend().close();
  s.backendOpen = rt::backend().open(s.window, values[4] == -1);
  s.ready = s.executing = s.rendering = s.initializing = s.backendOpen;
  s.drawingDisabled = false;
  return s.backendOpen ? 1 : 0;
}

bool i3ImpactIsActive() {
  return engineState().backendOpen && rt::backend().active();
}
bool i3ImpactIsReady() {
  return engineState().ready;
}
bool i3ImpactIsExecuting() {
  return engineState().executing;
}
bool i3ImpactIsInitializing() {
  return engineState().initializing;
}
bool i3ImpactIsRendering() {
  return engineState().rendering;
}
void i3ImpactIsRenderingSet(int rendering) {
  engineState().rendering = rendering != 0;
}
bool i3ImpactIsSkippingRunPhase() {
  return false;
}
bool i3ImpactIsSkippingRenderPhase() {
  return false;
}

void i3ImpactMain() {
  auto& s = engineState();
  rt::input().nextFrame(s.input);
  s.soundsStarted.clear();
  s.rumbleAsked = 0;
}

void i3ImpactInitBegin() {}
void i3ImpactInitEnd() {
  engineState().initializing = false;
}
void i3ImpactRunBegin() {
  engineState().inRunPhase = true;
}
void i3ImpactRunEnd() {
  engineState().inRunPhase = false;
}

void i3ImpactRender() {
  auto& s = engineState();
  if (s.drawingDisabled) {
    s.printed.clear();  // texts last one frame, drawn or not
  } else {
    drawFrame();
  }
  rt::clock().pace();
}

void i3ImpactExitBegin() {}
void i3ImpactExitEnd() {}

void i3ImpactClose() {
  auto& s = engineState();
  if (!s.opened) return;
  s.releaseAll();
  if (s.backendOpen) rt::backend().close();
  s.opened = s.backendOpen = false;
  s.ready = s.executing = s.rendering = s.initializing = false;
  s.drawingDisabled = false;
  s.window = 0;
}

// ---- Display -----------------------------------------------------------------------------------

int iDisplayMode() {
  return engineState().backendOpen && rt::backend().fullScreen() ? 1 : 0;
}

void iScreenWipe(float r, float g, float b) {
  auto& s = engineState();
  s.repaint = true;
  s.clearR = r;
  s.clearG = g;
  s.clearB = b;
}

void iRenderingDisable() {
  engineState().drawingDisabled = true;
}

// Inside a run phase the picture is drawn once, by the pass's i3ImpactRender, so a frame is
// never drawn twice and its printed lines are on the one picture shown.
void iRender() {
  auto& s = engineState();
  s.drawingDisabled = false;
  if (!s.inRunPhase) drawFrame();
}

void iEscEnable(int) {}  // the engine never acts on Escape

void iExit() {
  engineState().rendering = false;
}

double iSystemTimer() {
  const auto& s = engineState();
  return s.timerStarted ? rt::clock().seconds() - s.timerOrigin : 0.0;
}

// ---- Input -------------------------------------------------------------------------------------

bool iKeyDown(int code) {
  return code >= 0 && code < 256 && engineState().input.down[code];
}
bool iKeyClick(int code) {
  return code >= 0 && code < 256 && engineState().input.clicked[code];
}
bool iMouseButtonClick(int button) {
  return button >= 0 && button < 2 && engineState().input.mouseClicked[button];
}
float iMouseX() {
  return engineState().input.mouseX;
}
float iMouseY() {
  return engineState().input.mouseY;
}

void iMouseReset(iVector2 position) {
  auto& s = engineState();
  s.input.mouseX = position.x;
  s.input.mouseY = position.y;
  rt::input().resetMouse(position.x, position.y);
}

void iMouseResolutionSet(int) {}

bool iPadButtonDown(int button) {
  return button >= 0 && button < kPadButtons && (engineState().input.padDown >> button & 1u) != 0;
}
bool iPadButtonClick(int button) {
  return button >= 0 && button < kPadButtons &&
         (engineState().input.padClicked >> button & 1u) != 0;
}
int iPadAxis(int axis) {
  return axis >= 0 && axis < kPadAxes ? engineState().input.padAxes[axis] : 0;
}

void iPadRumble(float strength, int milliseconds) {
  if (!(strength > 0) || milliseconds <= 0) return;
  strength = std::min(strength, 1.0f);
  auto& s = engineState();
  s.rumbleAsked = std::max(s.rumbleAsked, strength);
  rt::input().rumble(strength, milliseconds);
}

// ---- Camera, light and bodies (the flat scene needs no camera or physics) ----------------------

iHandle iCameraCreate(float, float, float, float) {
  return engineState().cameras.add(true);
}
void iCameraEulerOrientationSet(iHandle, iVector3, const char*) {}
void iCameraFovSet(iHandle, float) {}
void iLightDirectionalSet(iVector3, iColor4 colour) {
  engineState().light = colour;
}

iHandle iBodySGCreate(const char*, int) {
  return engineState().bodies.add(true);
}
void iBodyLocationSet(iHandle, iVector3, int) {}
void iBodyAccelerationApply(iHandle, iVector3) {}

// ---- What the state dump and tests see ---------------------------------------------------------

namespace rt {

std::vector<MeshView> engineMeshes() {
  const auto& s = engineState();
  std::vector<MeshView> views;
  views.reserve(s.meshes.size());
  for (const auto& [handle, mesh] : s.meshes) {
    MeshView v;
    v.handle = handle;
    v.texture = mesh.texture;
    if (const TextureRec* t = s.textures.find(mesh.texture)) {
      v.textureId = t->id;
      v.textureSource = t->source;
    }
    v.location = mesh.location;
    v.scale = mesh.scale;
    v.alpha = mesh.alpha;
    v.priority = mesh.priority;
    v.visible = mesh.visible;
    views.push_back(std::move(v));
  }
  return views;
}

std::vector<SpriteView> engineSprites() {
  std::vector<SpriteView> views;
  for (const auto& [handle, sprite] : engineState().sprites) {
    views.push_back(
        {handle, sprite.texture, sprite.location, sprite.scale, sprite.priority, sprite.visible});
  }
  return views;
}

const std::vector<PrintedLine>& enginePrintedAtLastRender() {
  return engineState().printedAtRender;
}
const std::vector<std::string>& engineSoundsStarted() {
  return engineState().soundsStarted;
}
float engineRumbleAsked() {
  return engineState().rumbleAsked;
}
float engineLightRed() {
  return engineState().light.r;
}
long engineParticleEmissions() {
  return engineState().emissions;
}

int engineLiveParticles() {
  auto& s = engineState();
  int live = 0;
  for (auto& [handle, rec] : s.particleSets) {
    rec.set->expire(clock().seconds());
    live += rec.set->live();
  }
  return live;
}

long engineFramesRendered() {
  return engineState().framesRendered;
}

EngineCounts engineCounts() {
  const auto& s = engineState();
  const BackendCounts held = backend().liveCounts();
  const auto count = [](const auto& table) { return static_cast<long>(table.size()); };
  return {count(s.textures),     count(s.meshes), count(s.sprites), count(s.fonts),
          count(s.particleSets), count(s.sounds), held.textures,    held.sounds};
}

}  // namespace rt

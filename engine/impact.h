// The engine as the game sees it: handle-based meshes, textures, sprites, particles, sounds,
// fonts and printed text, polled input, a timer and the window phases of the main loop.
// Game code includes this header and nothing below it.
//
// Spaces: meshes live in engine units of 8 pixels (x right, y up, origin at the centre of the
// 800 x 600 picture); sprites and printed text in print units of 25 pixels (same origin and
// axes); particles in their own space where a field point (x, y) sits at (x * 3.12, y * 3).
// The mouse reports 0..1 across the window from the top-left corner.
// Every handle is a positive integer; 0 means "none" and every call accepts it and does nothing.
#pragma once

#include <cstdint>

using iHandle = std::int32_t;

struct iVector2 {
  float x = 0, y = 0;
};
struct iVector3 {
  float x = 0, y = 0, z = 0;
};
struct iColor4 {
  float r = 0, g = 0, b = 0, a = 0;
};

// Window handle of the operating-system layer (runtime/system.h); 0 = none.
using iWindow = std::uint32_t;

// ---- Lifecycle: the main loop drives the engine through its phases -------------------------
void i3ImpactErrorFlagSet(int flag);
int i3ImpactErrorFlag();
// Opens the engine on a window. Returns non-zero on success.
int i3ImpactOpen(iWindow window, int reserved);
// Six values: 0, 0, mode (800 x 600 x 32 = 15360000), 0, display selector (0 window,
// -1 desktop full screen), -1. Returns non-zero on success.
int i3ImpactSettings(const std::int32_t values[6]);
bool i3ImpactIsActive();
bool i3ImpactIsReady();
bool i3ImpactIsExecuting();
// True from the open until the first init phase has ended.
bool i3ImpactIsInitializing();
bool i3ImpactIsRendering();
void i3ImpactIsRenderingSet(int rendering);
bool i3ImpactIsSkippingRunPhase();
bool i3ImpactIsSkippingRenderPhase();
// Starts one pass: takes this frame's input and time.
void i3ImpactMain();
void i3ImpactInitBegin();
void i3ImpactInitEnd();
void i3ImpactRunBegin();
void i3ImpactRunEnd();
// Draws the scene and paces the frame.
void i3ImpactRender();
void i3ImpactExitBegin();
void i3ImpactExitEnd();
// Releases everything created since the open; handles from before are no longer valid.
void i3ImpactClose();

// ---- Display -------------------------------------------------------------------------------
// Greater than 0 while the picture fills the screen.
int iDisplayMode();
void iScreenWipe(float r, float g, float b);
// Nothing is drawn until the next iRender.
void iRenderingDisable();
// Draws the scene now (also outside the render phase, e.g. a loading picture).
void iRender();
// 0: Escape belongs to the game, the engine never acts on it.
void iEscEnable(int enable);
// Ends the engine passes of the main loop after the current one.
void iExit();
// Seconds since the engine was first opened.
double iSystemTimer();

// ---- Meshes ----------------------------------------------------------------------------------
// A mesh from a model file; an unreadable model gives an empty mesh that draws nothing.
iHandle iMeshCreate(const char* modelFile);
void iMeshDestroy(iHandle mesh);
void iMeshShow(iHandle mesh);
void iMeshHide(iHandle mesh);
void iMeshTextureReset(iHandle mesh);
void iMeshTextureSet(iHandle mesh, iHandle texture);
void iMeshLocationSet(iHandle mesh, iVector3 location);
iVector3 iMeshLocation(iHandle mesh);
void iMeshScaleSet(iHandle mesh, iVector3 scale);
// Opacity; values outside 0..1 are clamped when drawn.
void iMeshAlphaSet(iHandle mesh, float alpha);
// Higher priorities are drawn over lower ones; equal priorities in creation order.
void iMeshRenderPrioritySet(iHandle mesh, int priority);
// 5, 6, 0, -1: alpha blending (the only mode the game uses).
void iMeshRenderModeSet(iHandle mesh, int a, int b, int c, int d);
void iMeshTextureModeSet(iHandle mesh, int mode);

// ---- Textures --------------------------------------------------------------------------------
// PNG, JPEG or uncompressed DDS, recognised by their first bytes. An unreadable picture gives an
// empty texture (a valid handle that draws nothing) and one line on stderr.
iHandle iTextureCreate(const char* imageFile);
iHandle iTextureCreateFromMemory(const void* bytes, int count, int id);
void iTextureDestroy(iHandle texture);
// Starts decoding a texture that frames soon to come will show (a backdrop), on a thread of its
// own, so that its first frame does not wait for it; a texture decoded already is left alone.
void iTextureDecodeAhead(iHandle texture);
// The same for a picture file, before the engine opens (the first picture it will show): the
// first texture made from the same bytes takes the result. What no texture has taken by the
// first frame is forgotten.
void iTextureDecodeFileAhead(const char* imageFile);
void iTextureMipLevelsSet(int levels);

// ---- Sprites (print units, drawn over everything else, not lit) -----------------------------
iHandle iSpriteCreate(const char* modelFile, int reserved);
void iSpriteTextureSet(iHandle sprite, iHandle texture);
void iSpriteTextureSwap(iHandle sprite, iHandle texture);
void iSpriteTextureReset(iHandle sprite);
void iSpriteShow(iHandle sprite);
void iSpriteHide(iHandle sprite);
void iSpriteLocationSet(iHandle sprite, iVector2 location);
// Scale 1 draws the sprite 25 pixels square.
void iSpriteScaleSet(iHandle sprite, iVector2 scale);
void iSpritePrioritySet(iHandle sprite, int priority);

// ---- Particles -------------------------------------------------------------------------------
iHandle iParticleCreate(const char* textureFile, int count);
void iParticleGravitySet(iHandle particles, iVector3 gravity);
void iParticleAirResistanceSet(iHandle particles, float resistance);
void iParticleLifeTimeSet(iHandle particles, float seconds);
void iParticleColorSet(iHandle particles, iVector3 from, iVector3 to);
void iParticleRenderModeSet(iHandle particles, int mode);
void iParticleShow(iHandle particles);
iHandle iParticleEmitterCreate(iHandle particles);
void iParticleEmitterLocationSet(iHandle emitter, iVector3 location);
void iParticleEmitterDirectionSet(iHandle emitter, iVector3 low, iVector3 high);
void iParticleEmitterScaleSet(iHandle emitter, iVector2 low, iVector2 high);
void iParticleEmitterSpeedSet(iHandle emitter, float low, float high);
void iParticleEmitterEmit(iHandle emitter, int count, int reserved);

// ---- Sound -----------------------------------------------------------------------------------
// An unreadable file gives a silent sound (a valid handle) and one line on stderr.
iHandle iSoundCreate(const char* waveFile, int reserved);
// Starts from the beginning now; loop -1 repeats forever, 0 plays once.
void iSoundPlayNow(iHandle sound, int loop);
// Starts unless the sound is already playing.
void iSoundPlay(iHandle sound, int loop);
void iSoundStop(iHandle sound);
// The sound's own volume, 0..1 (1 at its creation).
void iSoundVolumeSet(iHandle sound, float volume);
// The two shares of the mix, each with a master volume: a sound is an effect until it is marked
// as music.
enum iSoundKind { iSoundEffect = 0, iSoundMusic = 1 };
void iSoundKindSet(iHandle sound, iSoundKind kind);
// The master volume of a kind of sound, 0..1 (1 until set), multiplying each sound's own volume;
// it applies at once to what plays and lasts across engine restarts.
void iSoundMasterVolumeSet(iSoundKind kind, float volume);

// ---- Text ------------------------------------------------------------------------------------
// A bitmap font (.wid). An unreadable font prints nothing.
iHandle iFontCreate(const char* fontFile, iHandle camera);
void iPrintColorSet(float r, float g, float b, float a);
// Prints a byte string at the next render (texts last one frame: whoever wants a line on screen
// prints it every frame). place is the left end of the line and its vertical centre in print
// units; the line is 64 pixels times scale.y high and characters advance by the font's widths
// times scale.x. size is accepted and has no effect.
void iPrint(const char* text, iVector2 place, iVector2 scale, float size, iHandle font);
// Drops every text printed since the last render.
void iPrintsHide();

// ---- Input (keys are DirectInput scan codes) ------------------------------------------------
bool iKeyDown(int code);
// True in the frame in which the key went down.
bool iKeyClick(int code);
// 0 left, 1 right: true in the frame in which the button went down.
bool iMouseButtonClick(int button);
float iMouseX();
float iMouseY();
void iMouseReset(iVector2 position);
void iMouseResolutionSet(int resolution);

// ---- Gamepads (engine/PadCodes.h: every pad plugged in counts, as one) -----------------------
bool iPadButtonDown(int button);
// True in the frame in which the button went down.
bool iPadButtonClick(int button);
// -32768..32767, 0 at rest.
int iPadAxis(int axis);
// Shakes every pad that can, at strength 0..1 for the time given; a pad without a motor does
// nothing.
void iPadRumble(float strength, int milliseconds);

// ---- Camera and light ------------------------------------------------------------------------
iHandle iCameraCreate(float x, float y, float width, float height);
void iCameraEulerOrientationSet(iHandle camera, iVector3 angles, const char* order);
void iCameraFovSet(iHandle camera, float fov);
// Mesh colours are multiplied by min(1, c / 2) for each component c of the colour.
void iLightDirectionalSet(iVector3 direction, iColor4 colour);

// ---- Bodies (kept as handles; the game needs no physics) -------------------------------------
iHandle iBodySGCreate(const char* bodyFile, int reserved);
void iBodyLocationSet(iHandle body, iVector3 location, int reserved);
void iBodyAccelerationApply(iHandle body, iVector3 acceleration);

// What a renderer-and-sound backend does for the engine core (runtime/engine_core.*). The core
// keeps the whole scene as data (meshes, sprites, particles, printed text, light) and turns it
// into one draw list per frame; a backend only uploads pictures, draws that list, plays sounds
// and saves the last picture. Two implementations: SDL2 (runtime/sdl) and the recording
// headless one (runtime/headless), which draws nothing.
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "engine/impact.h"

namespace rt {

// Straight (not premultiplied) RGBA, 8 bits a channel, top row first.
struct Image {
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> rgba;
  bool empty() const { return width <= 0 || height <= 0; }
};

// Decodes the pixels of a PNG or JPEG picture into RGBA; false, with the reason, when it cannot.
// Called from two threads at once (the engine decodes a frame's new pictures side by side).
using PictureDecoder = bool (*)(std::span<const std::uint8_t> bytes, Image& image,
                                std::string& error);

// An axis-aligned textured rectangle on the 800 x 600 picture (pixels, y down, x0 <= x1 and
// y0 <= y1), with the texture coordinates (0..1) at its top-left and bottom-right corners and a
// colour that multiplies the texture. Everything the engine draws is such a card: meshes (the
// flat square model), particles, glyphs and sprites.
struct DrawQuad {
  float x0 = 0, y0 = 0, x1 = 0, y1 = 0;
  float u0 = 0, v0 = 0, u1 = 1, v1 = 1;
  float r = 1, g = 1, b = 1, a = 1;
};

enum class Blend { Alpha, Additive };

// Cards sharing one texture and one blend mode, in draw order.
struct DrawBatch {
  int texture = 0;  // backend texture reference; 0 draws untextured (white times colour)
  Blend blend = Blend::Alpha;
  std::vector<DrawQuad> quads;
};

struct DrawList {
  float clearR = 0, clearG = 0, clearB = 0;
  // Set when what is on the window may have been lost (exposed, wiped): the whole picture is
  // to be drawn again, whatever changed.
  bool repaint = false;
  std::vector<DrawBatch> batches;
};

// What a backend holds at this moment: the pictures uploaded and the sounds loaded, not yet
// destroyed or freed.
struct BackendCounts {
  long textures = 0;
  long sounds = 0;
};

class Backend {
 public:
  virtual ~Backend() = default;

  // Opens the renderer on the window of the operating-system layer; full screen fills the
  // desktop with the 800 x 600 picture scaled and letterboxed. Returns false on failure.
  virtual bool open(iWindow window, bool fullScreen) = 0;
  virtual void close() = 0;
  virtual bool fullScreen() const = 0;
  // False while the window is minimised or hidden (the engine then skips its passes).
  virtual bool active() const = 0;

  // Decodes PNG and JPEG pictures into pixels for upload; null when pictures are taken by their
  // size alone, as the headless backend does, so scripted runs never spend time decoding.
  virtual PictureDecoder pictureDecoder() const = 0;
  // Returns a reference > 0, or 0 when the picture cannot be uploaded.
  virtual int createTexture(const Image& image) = 0;
  virtual void destroyTexture(int texture) = 0;

  // Draws one frame and shows it.
  virtual void present(const DrawList& list) = 0;
  // Writes the last shown frame as a PNG. Returns an empty string on success, else the reason.
  virtual std::string saveShot(const std::string& pngFile) = 0;

  // True when sounds can be heard (an audio device is open; the headless backend plays along).
  // Without a device the game runs silently: the backend has said so once.
  virtual bool soundAvailable() = 0;
  // Sounds: whole RIFF WAVE files. loadSound returns 0 when the bytes cannot be decoded or no
  // audio device is open; every other call accepts 0 and does nothing.
  virtual int loadSound(const std::vector<std::uint8_t>& waveBytes) = 0;
  // A long sound (music) played from its file as it goes instead of sitting decoded in memory;
  // only one plays at a time. 0 when the file cannot be opened or no audio device is open.
  virtual int loadStream(const std::string& waveFile) = 0;
  virtual void freeSound(int sound) = 0;
  virtual void playSound(int sound, bool loop) = 0;
  virtual void stopSound(int sound) = 0;
  virtual bool soundPlaying(int sound) const = 0;
  virtual void setSoundVolume(int sound, float volume) = 0;

  virtual BackendCounts liveCounts() const = 0;
};

std::unique_ptr<Backend> makeHeadlessBackend();
std::unique_ptr<Backend> makeSdlBackend();

}  // namespace rt

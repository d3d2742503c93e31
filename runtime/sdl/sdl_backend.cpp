// The real engine's drawing and sound: SDL's 2D renderer draws the core's triangle batches into
// an 800 x 600 picture that is then copied to the window (scaled and letterboxed in full
// screen), SDL2_mixer plays the sounds.
#include <SDL.h>
#include <SDL_image.h>

#include <algorithm>
#include <cstdio>
#include <map>

#include "runtime/backend.h"
#include "runtime/live_input.h"
#include "runtime/sdl/mixer.h"
#include "runtime/sdl/renderer_choice.h"
#include "runtime/sdl/windows.h"

namespace rt {
namespace {

constexpr int kPictureWidth = 800;
constexpr int kPictureHeight = 600;

Uint8 colourByte(float c) {
  return static_cast<Uint8>(std::clamp(c, 0.0f, 1.0f) * 255.0f + 0.5f);
}

class SdlBackend final : public Backend {
 public:
  ~SdlBackend() override { close(); }

  bool open(iWindow window, bool fullScreen) override;
  void close() override;
  bool fullScreen() const override { return window_ && fullScreen_; }
  bool active() const override;

  bool wantsPixels() const override { return true; }
  int createTexture(const Image& image) override;
  void destroyTexture(int texture) override;

  void present(const DrawList& list) override;
  std::string saveShot(const std::string& pngFile) override;

  bool soundAvailable() override { return mixer_.open(); }
  int loadSound(const std::vector<std::uint8_t>& waveBytes) override {
    return mixer_.load(waveBytes);
  }
  void freeSound(int sound) override { mixer_.free(sound); }
  void playSound(int sound, bool loop) override { mixer_.play(sound, loop); }
  void stopSound(int sound) override { mixer_.stop(sound); }
  bool soundPlaying(int sound) const override { return mixer_.playing(sound); }
  void setSoundVolume(int sound, float volume) override { mixer_.setVolume(sound, volume); }

 private:
  void draw(const DrawList& list);
  void closeRenderer();

  SDL_Window* window_ = nullptr;
  SDL_Renderer* renderer_ = nullptr;
  // The frame is drawn here at its own size, which keeps software drawing unscaled and the
  // last frame readable for a screenshot.
  SDL_Texture* picture_ = nullptr;
  bool fullScreen_ = false;
  std::map<int, SDL_Texture*> textures_;
  int nextTexture_ = 1;
  std::vector<SDL_Vertex> vertices_;
  sdl::Mixer mixer_;
};

bool SdlBackend::open(iWindow window, bool fullScreen) {
  close();
  SDL_Window* sdlWindow = sdl::sdlWindowOf(window);
  if (!sdlWindow) sdlWindow = SDL_GetWindowFromID(window);
  if (!sdlWindow) {
    std::fprintf(stderr, "glintbreaker: no window to draw in\n");
    return false;
  }
  if (fullScreen) {
    // The desktop keeps its mode; the picture is scaled into it.
    if (SDL_SetWindowFullscreen(sdlWindow, SDL_WINDOW_FULLSCREEN_DESKTOP) != 0) {
      std::fprintf(stderr, "glintbreaker: cannot fill the screen (%s)\n", SDL_GetError());
      return false;
    }
  } else {
    SDL_SetWindowFullscreen(sdlWindow, 0);
    SDL_SetWindowSize(sdlWindow, kPictureWidth, kPictureHeight);
  }
  SDL_Renderer* renderer = sdl::createRenderer(sdlWindow);
  if (!renderer) {
    std::fprintf(stderr, "glintbreaker: cannot draw in the window (%s)\n", SDL_GetError());
    SDL_SetWindowFullscreen(sdlWindow, 0);
    return false;
  }
  window_ = sdlWindow;
  renderer_ = renderer;
  SDL_RenderSetLogicalSize(renderer_, kPictureWidth, kPictureHeight);
  picture_ = SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_RGBA32, SDL_TEXTUREACCESS_TARGET,
                               kPictureWidth, kPictureHeight);
  if (!picture_) {
    std::fprintf(stderr, "glintbreaker: cannot draw off screen (%s)\n", SDL_GetError());
    closeRenderer();
    return false;
  }
  SDL_RendererInfo info{};
  SDL_GetRendererInfo(renderer_, &info);
  // Smooth scaling where a GPU does it; nearest pixels keep the software copy cheap.
  SDL_SetTextureScaleMode(
      picture_, (info.flags & SDL_RENDERER_SOFTWARE) ? SDL_ScaleModeNearest : SDL_ScaleModeLinear);
  fullScreen_ = fullScreen;
  // In full screen the keyboard is ours, so Alt+Tab and Alt+F4 reach the game, and the game's
  // own pointer sprite is the only pointer.
  SDL_SetWindowKeyboardGrab(window_, fullScreen ? SDL_TRUE : SDL_FALSE);
  if (fullScreen) SDL_ShowCursor(SDL_DISABLE);
  SDL_ShowWindow(window_);
  SDL_RaiseWindow(window_);
  int width = 0, height = 0;
  SDL_GetWindowSize(window_, &width, &height);
  liveInput().windowResized(width, height);
  mixer_.open();
  return true;
}

void SdlBackend::closeRenderer() {
  for (auto& [handle, texture] : textures_) SDL_DestroyTexture(texture);
  textures_.clear();
  if (picture_) SDL_DestroyTexture(picture_);
  picture_ = nullptr;
  if (renderer_) SDL_DestroyRenderer(renderer_);
  renderer_ = nullptr;
}

void SdlBackend::close() {
  mixer_.clear();
  closeRenderer();
  if (window_) {
    SDL_SetWindowKeyboardGrab(window_, SDL_FALSE);
    if (fullScreen_) {
      SDL_SetWindowFullscreen(window_, 0);
      SDL_ShowCursor(SDL_ENABLE);
    }
  }
  window_ = nullptr;
  fullScreen_ = false;
}

bool SdlBackend::active() const {
  if (!window_) return false;
  return (SDL_GetWindowFlags(window_) & (SDL_WINDOW_HIDDEN | SDL_WINDOW_MINIMIZED)) == 0;
}

int SdlBackend::createTexture(const Image& image) {
  if (!renderer_ || image.empty() ||
      image.rgba.size() < static_cast<std::size_t>(image.width) * image.height * 4)
    return 0;
  SDL_Texture* texture = SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_RGBA32,
                                           SDL_TEXTUREACCESS_STATIC, image.width, image.height);
  if (!texture || SDL_UpdateTexture(texture, nullptr, image.rgba.data(), image.width * 4) != 0) {
    std::fprintf(stderr, "glintbreaker: cannot upload a %dx%d picture (%s)\n", image.width,
                 image.height, SDL_GetError());
    if (texture) SDL_DestroyTexture(texture);
    return 0;
  }
  SDL_SetTextureBlendMode(texture, SDL_BLENDMODE_BLEND);
  const int handle = nextTexture_++;
  textures_[handle] = texture;
  return handle;
}

void SdlBackend::destroyTexture(int texture) {
  const auto found = textures_.find(texture);
  if (found == textures_.end()) return;
  SDL_DestroyTexture(found->second);
  textures_.erase(found);
}

void SdlBackend::draw(const DrawList& list) {
  SDL_SetRenderTarget(renderer_, picture_);
  SDL_SetRenderDrawColor(renderer_, colourByte(list.clearR), colourByte(list.clearG),
                         colourByte(list.clearB), 255);
  SDL_RenderClear(renderer_);
  for (const DrawBatch& batch : list.batches) {
    if (batch.vertices.size() < 3) continue;
    const SDL_BlendMode blend =
        batch.blend == Blend::Additive ? SDL_BLENDMODE_ADD : SDL_BLENDMODE_BLEND;
    SDL_Texture* texture = nullptr;
    if (batch.texture != 0) {
      const auto found = textures_.find(batch.texture);
      if (found == textures_.end()) continue;  // a picture that never uploaded draws nothing
      texture = found->second;
      SDL_SetTextureBlendMode(texture, blend);
    } else {
      SDL_SetRenderDrawBlendMode(renderer_, blend);
    }
    vertices_.resize(batch.vertices.size());
    std::transform(
        batch.vertices.begin(), batch.vertices.end(), vertices_.begin(), [](const Vertex& v) {
          return SDL_Vertex{{v.x, v.y},
                            {colourByte(v.r), colourByte(v.g), colourByte(v.b), colourByte(v.a)},
                            {v.u, v.v}};
        });
    const int count = static_cast<int>(vertices_.size() / 3 * 3);
    SDL_RenderGeometry(renderer_, texture, vertices_.data(), count, nullptr, 0);
  }
  SDL_SetRenderTarget(renderer_, nullptr);
}

void SdlBackend::present(const DrawList& list) {
  if (!renderer_) return;
  draw(list);
  SDL_SetRenderDrawColor(renderer_, 0, 0, 0, 255);
  SDL_RenderClear(renderer_);
  SDL_RenderCopy(renderer_, picture_, nullptr, nullptr);
  SDL_RenderPresent(renderer_);
}

std::string SdlBackend::saveShot(const std::string& pngFile) {
  if (!renderer_) return "no window is open";
  SDL_Surface* shot =
      SDL_CreateRGBSurfaceWithFormat(0, kPictureWidth, kPictureHeight, 32, SDL_PIXELFORMAT_RGBA32);
  if (!shot) return SDL_GetError();
  std::string error;
  SDL_SetRenderTarget(renderer_, picture_);
  if (SDL_RenderReadPixels(renderer_, nullptr, SDL_PIXELFORMAT_RGBA32, shot->pixels, shot->pitch) !=
      0)
    error = SDL_GetError();
  SDL_SetRenderTarget(renderer_, nullptr);
  if (error.empty() && IMG_SavePNG(shot, pngFile.c_str()) != 0) error = IMG_GetError();
  SDL_FreeSurface(shot);
  return error;
}

}  // namespace

std::unique_ptr<Backend> makeSdlBackend() {
  return std::make_unique<SdlBackend>();
}

}  // namespace rt

// The real engine's window, pictures and sound: SDL2 opens the window (or fills the desktop), a
// presenter draws the core's cards into it (runtime/sdl/presenter.h) and SDL2_mixer plays the
// sounds.
#include <SDL.h>
#include <SDL_image.h>

#include <cstdio>
#include <memory>

#include "platform/os.h"
#include "runtime/backend.h"
#include "runtime/live_input.h"
#include "runtime/sdl/mixer.h"
#include "runtime/sdl/picture_decoder.h"
#include "runtime/sdl/presenter.h"
#include "runtime/sdl/renderer_choice.h"
#include "runtime/sdl/window_manager.h"
#include "runtime/sdl/window_registry.h"

namespace rt {
namespace {

// Asks for full screen over the desktop (whose mode stays as it is; the picture is scaled into
// it).
bool fillScreen(SDL_Window* window) {
  // Going full screen, SDL puts the pointer back where it last saw it in the window, before the
  // window moved: the pointer would jump by the window's old offset. It stays where it is.
  int pointerX = 0, pointerY = 0;
  SDL_GetGlobalMouseState(&pointerX, &pointerY);
  if (SDL_SetWindowFullscreen(window, SDL_WINDOW_FULLSCREEN_DESKTOP) != 0) {
    std::fprintf(stderr, "glintbreaker: cannot fill the screen (%s)\n", SDL_GetError());
    return false;
  }
  int movedX = 0, movedY = 0;
  SDL_GetGlobalMouseState(&movedX, &movedY);
  if (movedX != pointerX || movedY != pointerY) SDL_WarpMouseGlobal(pointerX, pointerY);
  return true;
}

class SdlBackend final : public Backend {
 public:
  ~SdlBackend() override { close(); }

  bool open(iWindow window, bool fullScreen) override;
  void close() override;
  bool fullScreen() const override { return window_ && fullScreen_; }
  bool active() const override;

  PictureDecoder pictureDecoder() const override { return &sdl::decodeCompressedPicture; }
  int createTexture(const Image& image) override;
  void destroyTexture(int texture) override {
    if (presenter_) presenter_->destroyTexture(texture);
  }

  void present(const DrawList& list) override {
    if (presenter_) presenter_->present(list);
  }
  std::string saveShot(const std::string& pngFile) override;

  bool soundAvailable() override { return mixer_.open(); }
  int loadSound(const std::vector<std::uint8_t>& waveBytes) override {
    return mixer_.load(waveBytes);
  }
  int loadStream(const std::string& waveFile) override { return mixer_.loadStream(waveFile); }
  void freeSound(int sound) override { mixer_.free(sound); }
  void playSound(int sound, bool loop) override { mixer_.play(sound, loop); }
  void stopSound(int sound) override { mixer_.stop(sound); }
  bool soundPlaying(int sound) const override { return mixer_.playing(sound); }
  void setSoundVolume(int sound, float volume) override { mixer_.setVolume(sound, volume); }

  BackendCounts liveCounts() const override {
    return {presenter_ ? presenter_->liveTextures() : 0, mixer_.liveSounds()};
  }

 private:
  SDL_Window* window_ = nullptr;
  std::unique_ptr<sdl::Presenter> presenter_;
  bool fullScreen_ = false;
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
    // A window manager makes a full-screen window cover the desktop; without one nobody does, and
    // the window would keep its size while the picture is drawn for the desktop's. So the window
    // is first moved over the desktop and given its size itself. Without a window manager that
    // is all there is to it: asking SDL for full screen too would only make it wait a tenth of a
    // second for a manager to answer.
    SDL_Rect desktop;
    if (SDL_GetDisplayBounds(SDL_GetWindowDisplayIndex(sdlWindow), &desktop) == 0) {
      SDL_SetWindowPosition(sdlWindow, desktop.x, desktop.y);
      SDL_SetWindowSize(sdlWindow, desktop.w, desktop.h);
    }
    if (sdl::windowManagerRuns(sdlWindow) && !fillScreen(sdlWindow)) return false;
    // Before the first surface is made, rather than during the set-up: a second surface would
    // cost the first picture about 20 ms more.
    sdl::catchUpWithDisplay(sdlWindow);
  } else {
    SDL_SetWindowFullscreen(sdlWindow, 0);
    SDL_SetWindowSize(sdlWindow, sdl::kPictureWidth, sdl::kPictureHeight);
  }
  presenter_ = sdl::createPresenter(sdlWindow);
  if (!presenter_) {
    std::fprintf(stderr, "glintbreaker: cannot draw in the window (%s)\n", SDL_GetError());
    SDL_SetWindowFullscreen(sdlWindow, 0);
    return false;
  }
  window_ = sdlWindow;
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
  return true;
}

void SdlBackend::close() {
  mixer_.clear();
  presenter_.reset();
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
  if (!presenter_ || image.empty() ||
      image.rgba.size() < static_cast<std::size_t>(image.width) * image.height * 4)
    return 0;
  return presenter_->createTexture(image);
}

std::string SdlBackend::saveShot(const std::string& pngFile) {
  if (!presenter_) return "no window is open";
  Image picture;
  std::string error;
  if (!presenter_->readPicture(picture, error)) return error;
  SDL_Surface* shot =
      SDL_CreateRGBSurfaceWithFormatFrom(picture.rgba.data(), picture.width, picture.height, 32,
                                         picture.width * 4, SDL_PIXELFORMAT_RGBA32);
  if (!shot) return SDL_GetError();
  if (IMG_SavePNG(shot, pngFile.c_str()) != 0) error = IMG_GetError();
  SDL_FreeSurface(shot);
  return error;
}

}  // namespace

std::unique_ptr<Backend> makeSdlBackend() {
  // Pictures are decoded on two threads, each big buffer freed by the other: with an arena each,
  // both would keep a picture's worth of freed memory (2 MB more at the peak after play). Reusing
  // the freed buffers halves the menu's first frame after the loading picture (10 ms to 5).
  os::keepPictureMemoryAtHand();
  return std::make_unique<SdlBackend>();
}

}  // namespace rt

// How the SDL backend gets the engine's frames into its window: through SDL's 2D renderer
// (drawing everything every frame, as a GPU likes it), or with our own software rasteriser into
// the window's surface (drawing and sending only what changed, as a CPU likes it). Both draw the
// 800 x 600 picture and scale it into the window.
#pragma once

#include <SDL.h>

#include <memory>

#include "runtime/backend.h"

namespace rt::sdl {

class Presenter {
 public:
  virtual ~Presenter() = default;
  // A reference > 0, or 0 when the picture cannot be taken.
  virtual int createTexture(const Image& image) = 0;
  virtual void destroyTexture(int texture) = 0;
  // Pictures created and not destroyed.
  virtual long liveTextures() const = 0;
  virtual void present(const DrawList& list) = 0;
  // The last frame's 800 x 600 picture, straight RGBA; false with the reason when there is none.
  virtual bool readPicture(Image& picture, std::string& error) = 0;
};

constexpr int kPictureWidth = 800;
constexpr int kPictureHeight = 600;

// Takes the renderer; nullptr (SDL_GetError says why) when the picture cannot be made.
std::unique_ptr<Presenter> makeRendererPresenter(SDL_Renderer* renderer);
// Draws with the software rasteriser into the window's surface; nullptr when the window has
// none.
std::unique_ptr<Presenter> makeSurfacePresenter(SDL_Window* window);

}  // namespace rt::sdl

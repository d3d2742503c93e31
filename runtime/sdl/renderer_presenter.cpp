// Frames through SDL's 2D renderer: the cards are drawn as triangle pairs into an 800 x 600
// texture, which is then copied to the window (scaled and letterboxed by the logical size).
#include <algorithm>
#include <cstdio>
#include <map>
#include <vector>

#include "runtime/sdl/presenter.h"

namespace rt::sdl {
namespace {

Uint8 colourByte(float c) {
  return static_cast<Uint8>(std::clamp(c, 0.0f, 1.0f) * 255.0f + 0.5f);
}

class RendererPresenter final : public Presenter {
 public:
  RendererPresenter(SDL_Renderer* renderer, SDL_Texture* picture)
      : renderer_(renderer), picture_(picture) {}
  ~RendererPresenter() override {
    for (auto& [handle, texture] : textures_) SDL_DestroyTexture(texture);
    SDL_DestroyTexture(picture_);
    SDL_DestroyRenderer(renderer_);
  }

  int createTexture(const Image& image) override {
    SDL_Texture* texture = SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_RGBA32,
                                             SDL_TEXTUREACCESS_STATIC, image.width, image.height);
    if (!texture || SDL_UpdateTexture(texture, nullptr, image.rgba.data(), image.width * 4) != 0) {
      std::fprintf(stderr, "glintbreaker: cannot upload a %dx%d picture (%s)\n", image.width,
                   image.height, SDL_GetError());
      if (texture) SDL_DestroyTexture(texture);
      return 0;
    }
    const int handle = nextTexture_++;
    textures_[handle] = texture;
    return handle;
  }

  void destroyTexture(int texture) override {
    const auto found = textures_.find(texture);
    if (found == textures_.end()) return;
    SDL_DestroyTexture(found->second);
    textures_.erase(found);
  }

  long liveTextures() const override { return static_cast<long>(textures_.size()); }

  void present(const DrawList& list) override {
    draw(list);
    SDL_SetRenderDrawColor(renderer_, 0, 0, 0, 255);
    SDL_RenderClear(renderer_);
    SDL_RenderCopy(renderer_, picture_, nullptr, nullptr);
    SDL_RenderPresent(renderer_);
  }

  bool readPicture(Image& picture, std::string& error) override {
    picture.width = kPictureWidth;
    picture.height = kPictureHeight;
    picture.rgba.resize(static_cast<std::size_t>(kPictureWidth) * kPictureHeight * 4);
    SDL_SetRenderTarget(renderer_, picture_);
    const bool read = SDL_RenderReadPixels(renderer_, nullptr, SDL_PIXELFORMAT_RGBA32,
                                           picture.rgba.data(), kPictureWidth * 4) == 0;
    if (!read) error = SDL_GetError();
    SDL_SetRenderTarget(renderer_, nullptr);
    return read;
  }

 private:
  void draw(const DrawList& list) {
    SDL_SetRenderTarget(renderer_, picture_);
    SDL_SetRenderDrawColor(renderer_, colourByte(list.clearR), colourByte(list.clearG),
                           colourByte(list.clearB), 255);
    SDL_RenderClear(renderer_);
    for (const DrawBatch& batch : list.batches) {
      if (batch.quads.empty()) continue;
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
      vertices_.clear();
      for (const DrawQuad& q : batch.quads) {
        const SDL_Color c{colourByte(q.r), colourByte(q.g), colourByte(q.b), colourByte(q.a)};
        const SDL_Vertex tl{{q.x0, q.y0}, c, {q.u0, q.v0}}, tr{{q.x1, q.y0}, c, {q.u1, q.v0}},
            br{{q.x1, q.y1}, c, {q.u1, q.v1}}, bl{{q.x0, q.y1}, c, {q.u0, q.v1}};
        vertices_.insert(vertices_.end(), {tl, tr, br, tl, br, bl});
      }
      SDL_RenderGeometry(renderer_, texture, vertices_.data(), static_cast<int>(vertices_.size()),
                         nullptr, 0);
    }
    SDL_SetRenderTarget(renderer_, nullptr);
  }

  SDL_Renderer* renderer_;
  // The frame is drawn here at its own size, which keeps the last frame readable for a
  // screenshot whatever the window's size.
  SDL_Texture* picture_;
  std::map<int, SDL_Texture*> textures_;
  int nextTexture_ = 1;
  std::vector<SDL_Vertex> vertices_;
};

}  // namespace

std::unique_ptr<Presenter> makeRendererPresenter(SDL_Renderer* renderer) {
  SDL_RenderSetLogicalSize(renderer, kPictureWidth, kPictureHeight);
  SDL_Texture* picture = SDL_CreateTexture(renderer, SDL_PIXELFORMAT_RGBA32,
                                           SDL_TEXTUREACCESS_TARGET, kPictureWidth, kPictureHeight);
  if (!picture) {
    SDL_DestroyRenderer(renderer);
    return nullptr;
  }
  SDL_RendererInfo info{};
  SDL_GetRendererInfo(renderer, &info);
  // Smooth scaling where a GPU does it; nearest pixels keep a software copy cheap.
  SDL_SetTextureScaleMode(
      picture, (info.flags & SDL_RENDERER_SOFTWARE) ? SDL_ScaleModeNearest : SDL_ScaleModeLinear);
  return std::make_unique<RendererPresenter>(renderer, picture);
}

}  // namespace rt::sdl

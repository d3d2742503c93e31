// Flat pictures placed in pixels of the 800 x 600 screen ((0, 0) top-left, y down), built on the
// engine's square model, and two-layer buttons whose highlight fades in over the base picture.
#pragma once

#include <cstdint>
#include <string>

#include "engine/impact.h"

// Places the mesh's centre at a pixel position.
void SetScreenPos(iHandle mesh, float px, float py);
// Scales the square model to cover width x height pixels.
void SetScreenSize(iHandle mesh, float width, float height);
// A texture made from picture `index` of a picture archive (engine/PictureArchive.h). Returns 0
// (no texture, with a line on stderr) when the archive cannot be read, the index lies beyond its
// table or the entry points outside the file.
iHandle LoadArchiveFrame(const std::string& archive, std::uint16_t index, int textureId);

class TMeshSprite {
 public:
  // A sprite showing an image file.
  static TMeshSprite* Create(const std::string& file, float width, float height, float x, float y,
                             int priority, bool centred);
  // A sprite showing picture `index` of an archive.
  static TMeshSprite* CreateFromArchive(const std::string& archive, std::uint16_t index,
                                        int textureId, float width, float height, float x, float y,
                                        int priority, bool centred);
  // Only the mesh with its priority and blending; its owner sets texture, size and place.
  static TMeshSprite* CreateBare(int priority);
  // Destroys the mesh, then the sprite's own texture, then the object.
  void Destroy();
  // Drops the object after the engine was closed: its handles died with the engine.
  void Discard() { delete this; }

  void Show() const { iMeshShow(Mesh); }
  void Hide() const { iMeshHide(Mesh); }
  // Passed on unchanged; the engine clamps when drawing.
  void SetAlpha(float alpha) const { iMeshAlphaSet(Mesh, alpha); }
  // The centre in pixels, read back from the engine.
  float ScreenX() const;
  float ScreenY() const;

  iHandle Mesh = 0;
  iHandle Texture = 0;  // the sprite's own texture; 0 when its owner textures it

 private:
  TMeshSprite() = default;
  ~TMeshSprite() = default;
  void Place(float width, float height, float x, float y, int priority, bool centred);
};

class TMeshButton {
 public:
  static TMeshButton* Create(const std::string& archive, std::uint16_t litIndex,
                             std::uint16_t baseIndex, int litTextureId, int baseTextureId,
                             float width, float height, float x, float y, int priority,
                             bool centred);
  void Show() const;
  void Hide() const;
  void Highlight() { FadeDir = 1; }
  void Unhighlight() { FadeDir = -1; }
  // One fade step: 0.05 a call towards lit (at most 0.99) or dark (at least 0).
  void UpdateFade();
  void SetMargins(float mx, float my) {
    MarginX = mx;
    MarginY = my;
  }
  // Strictly inside the creation rectangle (top-left at the creation x, y whatever the centred
  // flag) shrunk by the margins on each side.
  bool HitTest(int x, int y) const;

  TMeshSprite* Lit = nullptr;
  TMeshSprite* Base = nullptr;
  float LitAlpha = 0;
  std::int32_t FadeDir = -1;
  float Left = 0, Top = 0, Width = 0, Height = 0;
  float MarginX = 0, MarginY = 0;
};

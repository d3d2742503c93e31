#include "engine/MeshSprite.h"

#include <algorithm>

#include "engine/PictureArchive.h"

namespace {

constexpr const char* kSpriteModel = "data/sprite.x";

}  // namespace

void SetScreenPos(iHandle mesh, float px, float py) {
  iMeshLocationSet(mesh, {(px - 400.0f) / 8.0f, (300.0f - py) / 8.0f, 1.0f});
}

void SetScreenSize(iHandle mesh, float width, float height) {
  iMeshScaleSet(mesh, {width * 20.0f / 256.0f, height * 20.0f / 256.0f, 1.0f});
}

iHandle LoadArchiveFrame(const std::string& archive, std::uint16_t index, int textureId) {
  const auto picture = ReadArchivePicture(archive, index);
  if (!picture) return 0;
  return iTextureCreateFromMemory(picture->data(), static_cast<int>(picture->size()), textureId);
}

TMeshSprite* TMeshSprite::Create(const std::string& file, float width, float height, float x,
                                 float y, int priority, bool centred) {
  auto* sprite = new TMeshSprite;
  sprite->Mesh = iMeshCreate(kSpriteModel);
  sprite->Texture = iTextureCreate(file.c_str());
  sprite->Place(width, height, x, y, priority, centred);
  return sprite;
}

TMeshSprite* TMeshSprite::CreateFromArchive(const std::string& archive, std::uint16_t index,
                                            int textureId, float width, float height, float x,
                                            float y, int priority, bool centred) {
  auto* sprite = new TMeshSprite;
  sprite->Mesh = iMeshCreate(kSpriteModel);
  sprite->Texture = LoadArchiveFrame(archive, index, textureId);
  sprite->Place(width, height, x, y, priority, centred);
  return sprite;
}

TMeshSprite* TMeshSprite::CreateBare(int priority) {
  auto* sprite = new TMeshSprite;
  sprite->Mesh = iMeshCreate(kSpriteModel);
  iMeshRenderPrioritySet(sprite->Mesh, priority);
  iMeshRenderModeSet(sprite->Mesh, 5, 6, 0, -1);
  return sprite;
}

void TMeshSprite::Place(float width, float height, float x, float y, int priority, bool centred) {
  iMeshTextureSet(Mesh, Texture);
  SetScreenSize(Mesh, width, height);
  if (centred) {
    SetScreenPos(Mesh, x, y);
  } else {
    SetScreenPos(Mesh, x + width / 2, y + height / 2);
  }
  iMeshRenderPrioritySet(Mesh, priority);
  iMeshRenderModeSet(Mesh, 5, 6, 0, -1);
}

void TMeshSprite::Destroy() {
  iMeshDestroy(Mesh);
  if (Texture != 0) iTextureDestroy(Texture);
  delete this;
}

float TMeshSprite::ScreenX() const {
  return iMeshLocation(Mesh).x * 8.0f + 400.0f;
}
float TMeshSprite::ScreenY() const {
  return 300.0f - iMeshLocation(Mesh).y * 8.0f;
}

TMeshButton* TMeshButton::Create(const std::string& archive, std::uint16_t litIndex,
                                 std::uint16_t baseIndex, int litTextureId, int baseTextureId,
                                 float width, float height, float x, float y, int priority,
                                 bool centred) {
  auto* button = new TMeshButton;
  button->Base = TMeshSprite::CreateFromArchive(archive, baseIndex, baseTextureId, width, height, x,
                                                y, priority, centred);
  button->Lit = TMeshSprite::CreateFromArchive(archive, litIndex, litTextureId, width, height, x, y,
                                               priority + 1, centred);
  button->FadeDir = -1;
  button->LitAlpha = 0;
  button->Base->SetAlpha(0.9f);
  button->Left = x;
  button->Top = y;
  button->Width = width;
  button->Height = height;
  button->MarginX = 0;
  button->MarginY = 0;
  button->UpdateFade();
  return button;
}

void TMeshButton::Show() const {
  Base->Show();
  Lit->Show();
}

void TMeshButton::Hide() const {
  Base->Hide();
  Lit->Hide();
}

void TMeshButton::UpdateFade() {
  LitAlpha += FadeDir == 1 ? 0.05f : -0.05f;
  LitAlpha = std::clamp(LitAlpha, 0.0f, 0.99f);
  Lit->SetAlpha(LitAlpha);
}

bool TMeshButton::HitTest(int x, int y) const {
  return Left + MarginX < x && x < Left + Width - MarginX && Top + MarginY < y &&
         y < Top + Height - MarginY;
}

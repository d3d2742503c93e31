#include "engine/MeshSprite.h"

#include <algorithm>
#include <cstdio>

#include "runtime/files.h"

namespace {

constexpr const char* kSpriteModel = "data/sprite.x";
// No picture of the game comes near this; a larger length is a damaged table.
constexpr std::uint32_t kMaxPictureBytes = 32u << 20;

std::uint32_t littleEndian32(const std::uint8_t* bytes) {
  return bytes[0] | bytes[1] << 8 | bytes[2] << 16 | static_cast<std::uint32_t>(bytes[3]) << 24;
}

}  // namespace

void SetScreenPos(iHandle mesh, float px, float py) {
  iMeshLocationSet(mesh, {(px - 400.0f) / 8.0f, (300.0f - py) / 8.0f, 1.0f});
}

void SetScreenSize(iHandle mesh, float width, float height) {
  iMeshScaleSet(mesh, {width * 20.0f / 256.0f, height * 20.0f / 256.0f, 1.0f});
}

iHandle LoadArchiveFrame(const std::string& archive, std::uint16_t index, int textureId) {
  const std::string path = files::gamePath(archive);
  const auto fileSize = files::size(path);
  const auto head = files::readAt(path, 0, 8);
  const auto entry = files::readAt(path, 8ull * index, 8);
  if (!fileSize || !head || !entry || head->size() < 8) {
    std::fprintf(stderr, "glintbreaker: cannot read the picture archive %s\n", archive.c_str());
    return 0;
  }
  // The table ends where the first picture begins.
  const std::uint64_t tableEnd = littleEndian32(head->data());
  if (entry->size() < 8 || 8ull * index + 8 > tableEnd) {
    std::fprintf(stderr, "glintbreaker: %s has no picture %u\n", archive.c_str(), index);
    return 0;
  }
  const std::uint64_t offset = littleEndian32(entry->data());
  const std::uint64_t length = littleEndian32(entry->data() + 4);
  if (length == 0 || length > kMaxPictureBytes || offset + length > *fileSize) {
    std::fprintf(stderr, "glintbreaker: picture %u of %s lies outside the file\n", index,
                 archive.c_str());
    return 0;
  }
  const auto picture = files::readAt(path, offset, length);
  if (!picture || picture->size() != length) {
    std::fprintf(stderr, "glintbreaker: cannot read picture %u of %s\n", index, archive.c_str());
    return 0;
  }
  return iTextureCreateFromMemory(picture->data(), static_cast<int>(length), textureId);
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

#include "scene/Cursor.h"

#include <cstdint>

#include "engine/MeshSprite.h"
#include "runtime/system.h"
#include "scene/Scene.h"

namespace {

int cursorFrame = 1;  // 1..10
std::uint32_t lastFrameChange = 0;

iHandle CreateEngineSprite(const char* model, const char* texture, float scaleX, float scaleY) {
  const iHandle sprite = iSpriteCreate(model, 0);
  iSpriteTextureSwap(sprite, iTextureCreate(texture));
  iSpriteScaleSet(sprite, {scaleX, scaleY});
  return sprite;
}

}  // namespace

void CreateCursor() {
  CursorSprite = CreateEngineSprite("data\\sprite.x", "data\\cursor.png", 1, 1);
  iMouseReset({0.5f, 0.5f});
  iSpriteScaleSet(CursorSprite, {2.56f, 2.56f});
  for (int i = 0; i < 10; ++i) {
    CursorFrames[i] =
        LoadArchiveFrame("data\\Cursor.dat", static_cast<std::uint16_t>(i), 1004050 + i);
  }
  cursorFrame = 1;
  iSpriteTextureReset(CursorSprite);
  iSpriteTextureSet(CursorSprite, CursorFrames[0]);
}

void AnimateCursor() {
  const std::uint32_t now = sys::system().GetTickCount();
  if (now - lastFrameChange <= 50) return;
  lastFrameChange = now;
  iSpriteTextureReset(CursorSprite);
  cursorFrame = cursorFrame % 10 + 1;
  iSpriteTextureSet(CursorSprite, CursorFrames[cursorFrame - 1]);
}

void ShowCursorSprite() {
  iSpriteShow(CursorSprite);
}
void HideCursorSprite() {
  iSpriteHide(CursorSprite);
}

#include "scene/Cursor.h"

#include <cstdint>

#include "engine/MeshSprite.h"
#include "scene/Program.h"

namespace {

iHandle CreateEngineSprite(const char* model, const char* texture, float scaleX, float scaleY) {
  const iHandle sprite = iSpriteCreate(model, 0);
  iSpriteTextureSwap(sprite, iTextureCreate(texture));
  iSpriteScaleSet(sprite, {scaleX, scaleY});
  return sprite;
}

}  // namespace

void CreateCursor(TProgram& program) {
  TSceneMedia& media = program.Media;
  media.CursorSprite = CreateEngineSprite("data\\sprite.x", "data\\cursor.png", 1, 1);
  iMouseReset({0.5f, 0.5f});
  iSpriteScaleSet(media.CursorSprite, {2.56f, 2.56f});
  for (int i = 0; i < 10; ++i) {
    media.CursorFrames[i] =
        LoadArchiveFrame("data\\Cursor.dat", static_cast<std::uint16_t>(i), 1004050 + i);
  }
  program.CursorFrame = 1;
  iSpriteTextureReset(media.CursorSprite);
  iSpriteTextureSet(media.CursorSprite, media.CursorFrames[0]);
}

void AnimateCursor(TProgram& program) {
  const std::uint32_t now = program.Input.tick;
  if (now - program.CursorFrameChanged <= 50) return;
  program.CursorFrameChanged = now;
  iSpriteTextureReset(program.Media.CursorSprite);
  program.CursorFrame = program.CursorFrame % 10 + 1;
  iSpriteTextureSet(program.Media.CursorSprite,
                    program.Media.CursorFrames[program.CursorFrame - 1]);
}

// Fonts and printed text of the engine core. Texts last one frame: a line printed now is drawn
// at the next render only.
#include "engine/impact.h"
#include "runtime/engine_assets.h"
#include "runtime/engine_scene.h"

using rt::engineState;

iHandle iFontCreate(const char* fontFile, iHandle) {
  rt::FontRec rec;
  if (fontFile) {
    auto loaded = rt::loadFont(fontFile);
    rec.font = std::move(loaded.font);
    rec.atlas = std::move(loaded.atlas);
  }
  return engineState().fonts.add(std::move(rec));
}

void iPrintColorSet(float r, float g, float b, float a) {
  engineState().printColour = {r, g, b, a};
}

void iPrint(const char* text, iVector2 place, iVector2 scale, float, iHandle font) {
  auto& s = engineState();
  if (!text || !s.fonts.find(font)) return;
  s.printed.push_back({text, place.x, place.y, s.printColour, scale, font});
}

void iPrintsHide() {
  engineState().printed.clear();
}

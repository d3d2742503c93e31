#include "menus/PanelText.h"

#include <string>

#include "scene/Scene.h"

void PrintPanelLines(std::span<const TPanelLine> lines, float size) {
  iPrintsHide();
  AddPanelLines(lines, size);
}

void AddPanelLines(std::span<const TPanelLine> lines, float size) {
  for (const TPanelLine& line : lines) {
    iPrintColorSet(line.colour.r, line.colour.g, line.colour.b, line.colour.a);
    iPrint(std::string(line.text).c_str(), {line.x, line.y}, {line.scale, line.scale}, size,
           MenuFont);
  }
}

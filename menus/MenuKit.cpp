#include <string>

#include "menus/MenuKit.h"

void TMenuKit::PrintLines(std::span<const TPanelLine> lines, float size) const {
  iPrintsHide();
  AddLines(lines, size);
}

void TMenuKit::AddLines(std::span<const TPanelLine> lines, float size) const {
  for (const TPanelLine& line : lines) {
    iPrintColorSet(line.colour.r, line.colour.g, line.colour.b, line.colour.a);
    iPrint(std::string(line.text).c_str(), {line.x, line.y}, {line.scale, line.scale}, size, Font);
  }
}

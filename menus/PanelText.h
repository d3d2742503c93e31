// Lines of text that a screen prints anew every frame, in the screen fonts' byte encoding.
#pragma once

#include <span>
#include <string_view>

#include "engine/impact.h"

struct TPanelLine {
  std::string_view text;
  float x, y;  // left end and vertical centre, print units
  float scale;
  iColor4 colour;
};

// Clears every text printed so far this frame, then prints the lines with the menu font.
void PrintPanelLines(std::span<const TPanelLine> lines, float size);
// Prints the lines with the menu font after what was printed so far this frame.
void AddPanelLines(std::span<const TPanelLine> lines, float size);

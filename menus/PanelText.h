// Lines of text that a screen prints anew every frame, in the screen fonts' byte encoding.
#pragma once

#include <string_view>

#include "engine/impact.h"

struct TPanelLine {
  std::string_view text;
  float x, y;  // left end and vertical centre, print units
  float scale;
  iColor4 colour;
};

// The frame log the engine writes when GLINT_FRAME_LOG names a file: one line per frame shown.
#pragma once

#include <string>
#include <vector>

namespace figures {

struct FrameRecord {
  long long shownMs = 0;      // real-time clock
  long long shownMicros = 0;  // steady clock
  long drawMicros = 0;
  long cards = 0, pixels = 0, damagedPixels = 0, rectangles = 0;
};

std::vector<FrameRecord> ReadFrameLog(const std::string& file);

}  // namespace figures

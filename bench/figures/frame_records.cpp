#include "bench/figures/frame_records.h"

#include <fstream>

namespace figures {

std::vector<FrameRecord> ReadFrameLog(const std::string& file) {
  std::vector<FrameRecord> frames;
  std::ifstream in(file);
  FrameRecord f;
  while (in >> f.shownMs >> f.shownMicros >> f.drawMicros >> f.cards >> f.pixels >>
         f.damagedPixels >> f.rectangles) {
    frames.push_back(f);
  }
  return frames;
}

}  // namespace figures

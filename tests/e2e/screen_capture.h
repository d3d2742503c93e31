// What an X screen shows, whatever draws it: the root window read with xwd, for the tests that
// must see the screen itself rather than the game's own picture (full screen, window managers).
#pragma once

#include <string>
#include <vector>

#include "tests/e2e/shot_image.h"

namespace e2e {

// The whole screen of the display; an empty shot, with the reason in `error`, when it cannot be
// read.
Shot CaptureScreen(const std::string& display, std::string& error);

// A picture in X's window dump format (24 or 32 bits a pixel, either byte order), as xwd writes
// it; an empty shot, with the reason, when it is not one.
Shot DecodeWindowDump(const std::vector<unsigned char>& bytes, std::string& error);

}  // namespace e2e

// The settings file of a player who plays in full screen, for the tests that start the game so.
#pragma once

#include <string>

#include "userdata/Settings.h"

namespace testing_support {

// The default settings but full screen, encoded as the game saves them (18 bytes).
inline std::string FullScreenSettings() {
  TSettings settings;
  settings.Windowed = 0;
  const auto bytes = settings.Encode();
  return std::string(bytes.begin(), bytes.end());
}

}  // namespace testing_support

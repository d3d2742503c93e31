#include "tools/assetgen/style.h"

#include <array>

namespace assetgen {

const Mood& levelMood(int style) {
  static const std::array<Mood, 3> moods = {{
      // Ice-blue sky with steel.
      {{0.01, 0.02, 0.07},
       {0.05, 0.30, 0.55},
       {0.10, 0.55, 0.60},
       {0.3, 0.85, 1.0},
       {0.55, 0.62, 0.72}},
      // Violet sky with gold.
      {{0.03, 0.01, 0.07},
       {0.45, 0.10, 0.55},
       {0.80, 0.20, 0.50},
       {1.0, 0.45, 0.95},
       {0.80, 0.62, 0.25}},
      // Ember sky with copper.
      {{0.06, 0.01, 0.02},
       {0.60, 0.15, 0.05},
       {0.85, 0.45, 0.10},
       {1.0, 0.6, 0.2},
       {0.72, 0.40, 0.28}},
  }};
  return moods[static_cast<size_t>(style) % moods.size()];
}

}  // namespace assetgen

#include "runtime/render_stats.h"

namespace rt {

RenderStats& lastRenderStats() {
  static RenderStats stats;
  return stats;
}

}  // namespace rt

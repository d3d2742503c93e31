#include "tools/levels/level_render.h"

#include <cairo.h>

#include <cstdio>
#include <filesystem>
#include <map>
#include <optional>
#include <stdexcept>

#include "tools/assetgen/archive.h"
#include "tools/assetgen/png.h"
#include "tools/levels/level_file.h"

namespace levels {
namespace {

constexpr int kScreenWidth = 800;
constexpr int kScreenHeight = 600;

// Field units to screen pixels: 25 pixels a unit, origin at the screen centre, y up.
double pixelX(double x) {
  return 400 + 25 * x;
}
double pixelY(double y) {
  return 300 - 25 * y;
}

// Picture `index` of a game archive, decoded; nullptr (after a message) when it is missing.
class Pictures {
 public:
  explicit Pictures(std::string gameDir) : gameDir_(std::move(gameDir)) {}
  Pictures(const Pictures&) = delete;
  Pictures& operator=(const Pictures&) = delete;
  ~Pictures() {
    for (auto& [key, surface] : cache_)
      if (surface) cairo_surface_destroy(surface);
  }

  cairo_surface_t* get(const std::string& archive, size_t index) {
    const std::string key = archive + "#" + std::to_string(index);
    if (const auto found = cache_.find(key); found != cache_.end()) return found->second;
    const std::string path = gameDir_ + "/data/" + archive;
    const std::optional<assetgen::Bytes> bytes = assetgen::readArchiveEntry(path, index);
    cairo_surface_t* surface = bytes ? assetgen::decodePng(*bytes) : nullptr;
    if (!surface)
      std::fprintf(stderr, "glint_levels: %s: picture %zu missing or not a PNG; left out\n",
                   path.c_str(), index);
    cache_[key] = surface;
    return surface;
  }

 private:
  std::string gameDir_;
  std::map<std::string, cairo_surface_t*> cache_;
};

// Draws the picture stretched to w x h with its centre at (cx, cy), as the game's sprites are.
void drawCentred(cairo_t* cr, cairo_surface_t* picture, double cx, double cy, double w, double h) {
  if (!picture) return;
  const int pw = cairo_image_surface_get_width(picture);
  const int ph = cairo_image_surface_get_height(picture);
  cairo_save(cr);
  cairo_translate(cr, cx - w / 2, cy - h / 2);
  cairo_scale(cr, w / pw, h / ph);
  cairo_set_source_surface(cr, picture, 0, 0);
  cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_GOOD);
  cairo_paint(cr);
  cairo_restore(cr);
}

void renderLevel(const LevelCells& grid, int style, Pictures& pictures, const std::string& path) {
  cairo_surface_t* surface =
      cairo_image_surface_create(CAIRO_FORMAT_ARGB32, kScreenWidth, kScreenHeight);
  cairo_t* cr = cairo_create(surface);
  cairo_set_source_rgb(cr, 0, 0, 0);
  cairo_paint(cr);

  drawCentred(cr, pictures.get("GameBack.dat", static_cast<size_t>(style - 1)), 400, 300,
              kScreenWidth, kScreenHeight);
  // Five wall pieces on each side, as the game builds them.
  for (int i = 0; i < 5; ++i)
    for (double x : {-15.18, 15.18})
      drawCentred(cr, pictures.get("Walles.dat", static_cast<size_t>(style - 1)), pixelX(x),
                  pixelY(8.6 - i * 3.65), 50, 100);
  for (int row = 1; row <= kLevelRows; ++row)
    for (int column = 1; column <= kLevelColumns; ++column) {
      const int32_t code = cell(grid, row, column);
      if (code < 1 || code > kIndestructible) continue;
      // Codes 1-9 show brick pictures 0-8; code 10 the metal of the level style (10-12).
      const size_t picture = static_cast<size_t>(code == kIndestructible ? 9 + style : code - 1);
      drawCentred(cr, pictures.get("BlocksStatic.dat", picture), pixelX((column - 1) * 1.6 - 15.2),
                  pixelY(11.4 - (row - 1) * 1.2), 40, 30);
    }
  drawCentred(cr, pictures.get("Bita.dat", 0), pixelX(0), pixelY(-10), 164, 48);
  drawCentred(cr, pictures.get("Interface.dat", static_cast<size_t>(style - 1)), 400, 20, 802, 42);

  cairo_destroy(cr);
  const cairo_status_t status = cairo_surface_write_to_png(surface, path.c_str());
  cairo_surface_destroy(surface);
  if (status != CAIRO_STATUS_SUCCESS)
    throw std::runtime_error("cannot write " + path + ": " + cairo_status_to_string(status));
}

}  // namespace

void renderLevels(const std::vector<LevelCells>& levels, const std::string& gameDir,
                  const std::string& outDir) {
  std::filesystem::create_directories(outDir);
  Pictures pictures(gameDir);
  for (size_t i = 0; i < levels.size(); ++i)
    renderLevel(levels[i], static_cast<int>(i % 3) + 1, pictures,
                outDir + "/" + levelFileName(i + 1, levels.size(), ".png"));
}

}  // namespace levels

// Review sheets: every archive entry and every single picture on a checkerboard, labelled with
// its index and size, so the whole art set can be judged at a glance.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "tools/assetgen/archive.h"
#include "tools/assetgen/canvas.h"
#include "tools/assetgen/generators.h"
#include "tools/assetgen/inventory.h"
#include "tools/assetgen/jpeg.h"
#include "tools/assetgen/png.h"
#include "tools/assetgen/typeface.h"

namespace assetgen {
namespace {

constexpr int kSheetWidth = 1300, kMaxCell = 420, kGap = 14, kLabelHeight = 18;

struct Entry {
  std::string label;
  cairo_surface_t* picture;  // nullptr: could not be decoded
};

// Reads the 32x32 BGRA particle texture back (header 128 bytes, then rows of pixels).
cairo_surface_t* decodeDds(const Bytes& dds) {
  if (dds.size() < 128 || dds[0] != 'D' || dds[1] != 'D' || dds[2] != 'S') return nullptr;
  auto u32 = [&](size_t at) {
    return uint32_t{dds[at]} | uint32_t{dds[at + 1]} << 8 | uint32_t{dds[at + 2]} << 16 |
           uint32_t{dds[at + 3]} << 24;
  };
  const uint32_t height = u32(12), width = u32(16);
  if (width == 0 || height == 0 || width > 4096 || height > 4096 ||
      (dds.size() - 128) / 4 / width < height) {
    return nullptr;
  }
  const int w = static_cast<int>(width), h = static_cast<int>(height);
  cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, w, h);
  unsigned char* data = cairo_image_surface_get_data(surface);
  for (int y = 0; y < h; ++y) {
    auto* row = reinterpret_cast<uint32_t*>(data + y * cairo_image_surface_get_stride(surface));
    for (int x = 0; x < w; ++x) {
      const uint32_t p = u32(128 + 4 * (static_cast<size_t>(y) * width + static_cast<size_t>(x)));
      const uint32_t a = p >> 24;
      auto pre = [a](uint32_t c) { return (c * a + 127) / 255; };
      row[x] = a << 24 | pre((p >> 16) & 0xFF) << 16 | pre((p >> 8) & 0xFF) << 8 | pre(p & 0xFF);
    }
  }
  cairo_surface_mark_dirty(surface);
  return surface;
}

cairo_surface_t* decodeAny(const Bytes& bytes) {
  if (bytes.size() >= 4 && bytes[0] == 0x89 && bytes[1] == 'P') return decodePng(bytes);
  if (bytes.size() >= 2 && bytes[0] == 0xFF && bytes[1] == 0xD8) return decodeJpeg(bytes);
  return decodeDds(bytes);
}

std::string sizeLabel(const std::string& name, cairo_surface_t* picture) {
  if (!picture) return name + " (unreadable)";
  return name + " " + std::to_string(cairo_image_surface_get_width(picture)) + "x" +
         std::to_string(cairo_image_surface_get_height(picture));
}

void checkerboard(cairo_t* cr, double x, double y, double w, double h) {
  cairo_save(cr);
  cairo_rectangle(cr, x, y, w, h);
  cairo_clip(cr);
  for (int row = 0; row * 8 < h; ++row) {
    for (int col = 0; col * 8 < w; ++col) {
      const double shade = (row + col) % 2 ? 0.62 : 0.42;
      cairo_set_source_rgb(cr, shade, shade, shade);
      cairo_rectangle(cr, x + col * 8, y + row * 8, 8, 8);
      cairo_fill(cr);
    }
  }
  cairo_restore(cr);
}

double scaleOf(cairo_surface_t* picture) {
  if (!picture) return 1;
  const int side =
      std::max(cairo_image_surface_get_width(picture), cairo_image_surface_get_height(picture));
  // Small pictures are shown enlarged so their details can be judged.
  if (side <= 50) return 3;
  if (side <= 70) return 2;
  return std::min(1.0, static_cast<double>(kMaxCell) / side);
}

// Lays the entries out in rows and writes the sheet.
void writeSheet(const std::string& path, const std::string& title,
                const std::vector<Entry>& entries) {
  struct Placed {
    double x, y, w, h;
  };
  std::vector<Placed> places;
  double x = kGap, y = 40, rowHeight = 0;
  for (const Entry& entry : entries) {
    const double scale = scaleOf(entry.picture);
    const double w = entry.picture ? cairo_image_surface_get_width(entry.picture) * scale : 60;
    const double h = entry.picture ? cairo_image_surface_get_height(entry.picture) * scale : 20;
    const double cellW = std::max(w, 90.0);
    if (x + cellW > kSheetWidth - kGap && x > kGap) {
      x = kGap;
      y += rowHeight + kLabelHeight + kGap;
      rowHeight = 0;
    }
    places.push_back({x, y, w, h});
    x += cellW + kGap;
    rowHeight = std::max(rowHeight, h);
  }
  const int height = static_cast<int>(y + rowHeight + kLabelHeight + kGap);
  Canvas sheet(kSheetWidth, height);
  cairo_t* cr = sheet.cr();
  cairo_set_source_rgb(cr, 0.16, 0.16, 0.2);
  cairo_paint(cr);
  cairo_set_source_rgb(cr, 1, 1, 1);
  textPath(cr, Face::SansBold, 20, title, kGap, 26, Align::Left);
  cairo_fill(cr);
  for (size_t i = 0; i < entries.size(); ++i) {
    const Placed& p = places[i];
    checkerboard(cr, p.x, p.y, p.w, p.h);
    if (entries[i].picture) {
      cairo_save(cr);
      cairo_translate(cr, p.x, p.y);
      const double scale = scaleOf(entries[i].picture);
      cairo_scale(cr, scale, scale);
      cairo_set_source_surface(cr, entries[i].picture, 0, 0);
      cairo_paint(cr);
      cairo_restore(cr);
    }
    cairo_set_source_rgb(cr, 0.95, 0.95, 0.7);
    textPath(cr, Face::Sans, 12, entries[i].label, p.x, p.y + p.h + 13, Align::Left);
    cairo_fill(cr);
  }
  const Bytes png = sheet.png();
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file.write(reinterpret_cast<const char*>(png.data()), static_cast<std::streamsize>(png.size()));
  if (!file) throw std::runtime_error("cannot write " + path);
}

void release(std::vector<Entry>& entries) {
  for (Entry& entry : entries) {
    if (entry.picture) cairo_surface_destroy(entry.picture);
  }
}

std::optional<Bytes> readFile(const std::filesystem::path& path) {
  std::ifstream file(path, std::ios::binary);
  if (!file) return std::nullopt;
  return Bytes(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

}  // namespace

void writeContactSheets(const std::string& gameDir, const std::string& outDir) {
  const std::filesystem::path data = std::filesystem::path(gameDir) / "data";
  std::filesystem::create_directories(outDir);
  for (const ArchiveFile& archive : archiveFiles()) {
    const std::string path = (data / archive.name).string();
    const std::optional<size_t> count = archiveEntryCount(path);
    if (!count) {
      std::fprintf(stderr, "glint_assetgen: %s is missing or damaged\n", path.c_str());
      continue;
    }
    std::vector<Entry> entries;
    for (size_t i = 0; i < *count; ++i) {
      const std::optional<Bytes> bytes = readArchiveEntry(path, i);
      cairo_surface_t* picture = bytes ? decodeAny(*bytes) : nullptr;
      entries.push_back({sizeLabel("#" + std::to_string(i), picture), picture});
    }
    const std::string stem = std::filesystem::path(archive.name).stem().string();
    writeSheet((std::filesystem::path(outDir) / (stem + ".png")).string(), archive.name, entries);
    release(entries);
  }
  std::vector<Entry> singles;
  std::vector<std::string> names;
  for (const PictureFile& picture : pictureFiles()) names.push_back(picture.name);
  names.push_back("particle_clot.dds");
  for (const std::string& name : names) {
    const std::optional<Bytes> bytes = readFile(data / name);
    cairo_surface_t* picture = bytes ? decodeAny(*bytes) : nullptr;
    singles.push_back({sizeLabel(name, picture), picture});
  }
  writeSheet((std::filesystem::path(outDir) / "pictures.png").string(), "single pictures", singles);
  release(singles);
}

}  // namespace assetgen

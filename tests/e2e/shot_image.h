// A screenshot read back for checking, and the measures the end-to-end tests take of its regions:
// how much of a box is of some kind (bright text, a colour), how much differs from another shot.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace e2e {

// Pixels [x0, x1) x [y0, y1).
struct Box {
  int x0 = 0, y0 = 0, x1 = 0, y1 = 0;
};

struct Rgb {
  int r = 0, g = 0, b = 0;
  int luma() const { return (r * 299 + g * 587 + b * 114) / 1000; }
};

class Shot {
 public:
  // Reads a PNG; an empty shot, with the reason in `error`, when it cannot.
  static Shot Load(const std::string& pngFile, std::string& error);
  // A picture of width x height pixels, four bytes each (red, green, blue, alpha), row by row.
  static Shot FromRgba(int width, int height, std::vector<std::uint8_t> rgba);
  // Writes the picture as a PNG; false, with the reason in `error`, when it cannot.
  bool Save(const std::string& pngFile, std::string& error) const;

  bool empty() const { return width_ == 0; }
  int width() const { return width_; }
  int height() const { return height_; }
  Box whole() const { return {0, 0, width_, height_}; }
  Rgb at(int x, int y) const;

  // The fraction (0..1) of the box's pixels for which `kind` holds.
  double Share(const Box& box, const std::function<bool(Rgb)>& kind) const;
  // The mean brightness (0..255) of the box.
  double MeanLuma(const Box& box) const;

 private:
  int width_ = 0, height_ = 0;
  std::vector<std::uint8_t> rgba_;
};

// The fraction of the box's pixels that differ between two shots by more than `tolerance` in a
// channel; 1 when the shots differ in size.
double DifferingShare(const Shot& a, const Shot& b, const Box& box, int tolerance = 0);

}  // namespace e2e

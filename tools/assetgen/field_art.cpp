#include "tools/assetgen/field_art.h"

#include <cmath>

#include "tools/assetgen/canvas.h"
#include "tools/assetgen/icons.h"
#include "tools/assetgen/jpeg.h"
#include "tools/assetgen/space.h"
#include "tools/assetgen/style.h"

namespace assetgen {
namespace {

constexpr int kBrickW = 40, kBrickH = 30;

Rgb brickColour(Brick brick) {
  switch (brick) {
    case Brick::RedOneHit:
      return {0.92, 0.16, 0.22};
    case Brick::GreenOneHit:
      return {0.15, 0.78, 0.30};
    case Brick::BlueOneHit:
      return {0.15, 0.45, 0.98};
    case Brick::TwoHit:
      return {1.0, 0.55, 0.08};
    case Brick::ThreeHit:
      return {0.62, 0.22, 0.95};
    case Brick::FourHit:
      return {0.05, 0.70, 0.78};
    case Brick::Sliding:
      return {0.98, 0.85, 0.12};
    case Brick::Spawner:
    case Brick::ArmouredSpawner:
      return {0.85, 0.10, 0.60};
    case Brick::MetalStyle1:
      return levelMood(0).metal;
    case Brick::MetalStyle2:
      return levelMood(1).metal;
    case Brick::MetalStyle3:
      return levelMood(2).metal;
    case Brick::Glint:
    case Brick::Flash:
      break;
  }
  return kWhite;
}

int studsOf(Brick brick) {
  return brick == Brick::TwoHit     ? 2
         : brick == Brick::ThreeHit ? 3
         : brick == Brick::FourHit  ? 4
                                    : 0;
}

// A round glowing stud; the row of studs tells how many hits the brick still takes.
void stud(cairo_t* cr, double x, double y, double glow) {
  cairo_pattern_t* halo = cairo_pattern_create_radial(x, y, 0, x, y, 5.5);
  addStop(halo, 0, {1, 1, 0.85}, 0.5 * glow);
  addStop(halo, 1, {1, 1, 0.85}, 0);
  cairo_set_source(cr, halo);
  cairo_arc(cr, x, y, 5.5, 0, 2 * M_PI);
  cairo_fill(cr);
  cairo_pattern_destroy(halo);
  cairo_pattern_t* ball = cairo_pattern_create_radial(x - 1, y - 1, 0.3, x, y, 3);
  addStop(ball, 0, kWhite);
  addStop(ball, 0.5, {1, 0.95, 0.7});
  addStop(ball, 1, {0.55, 0.45, 0.2});
  cairo_set_source(cr, ball);
  cairo_arc(cr, x, y, 2.8, 0, 2 * M_PI);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(ball);
  cairo_set_source_rgba(cr, 0, 0, 0, 0.5);
  cairo_set_line_width(cr, 0.7);
  cairo_stroke(cr);
}

void arrow(cairo_t* cr, double tipX, double y, double dir, double alpha) {
  cairo_move_to(cr, tipX, y);
  cairo_line_to(cr, tipX - dir * 7, y - 6);
  cairo_line_to(cr, tipX - dir * 7, y + 6);
  cairo_close_path(cr);
  setColour(cr, {0.35, 0.15, 0.0}, alpha);
  cairo_fill_preserve(cr);
  setColour(cr, kWhite, 0.6 * alpha);
  cairo_set_line_width(cr, 0.8);
  cairo_stroke(cr);
}

void core(cairo_t* cr, double x, double y, double r, double pulse) {
  cairo_pattern_t* glow = cairo_pattern_create_radial(x, y, 0, x, y, r * 1.8);
  addStop(glow, 0, {1, 1, 1}, 1);
  addStop(glow, 0.3, {1, 0.5, 0.95}, 0.9);
  addStop(glow, 1, {0.9, 0.1, 0.7}, 0);
  cairo_set_source(cr, glow);
  cairo_arc(cr, x, y, r * (1.4 + 0.4 * pulse), 0, 2 * M_PI);
  cairo_fill(cr);
  cairo_pattern_destroy(glow);
  cairo_set_source_rgba(cr, 0.2, 0, 0.15, 0.8);
  cairo_set_line_width(cr, 1.2);
  cairo_arc(cr, x, y, r, 0, 2 * M_PI);
  cairo_stroke(cr);
}

void rivet(cairo_t* cr, double x, double y) {
  cairo_pattern_t* head = cairo_pattern_create_radial(x - 0.6, y - 0.6, 0.2, x, y, 1.8);
  addStop(head, 0, kWhite);
  addStop(head, 1, {0.25, 0.25, 0.3});
  cairo_set_source(cr, head);
  cairo_arc(cr, x, y, 1.6, 0, 2 * M_PI);
  cairo_fill(cr);
  cairo_pattern_destroy(head);
}

// A diagonal band of light that crosses the brick as `phase` runs from 0 to 1.
void lightSweep(cairo_t* cr, double phase) {
  if (phase <= 0) return;
  const double x = -20 + phase * 80;
  cairo_save(cr);
  roundedRect(cr, 1, 1, kBrickW - 2, kBrickH - 2, 5);
  cairo_clip(cr);
  cairo_pattern_t* band = cairo_pattern_create_linear(x - 10, 0, x + 10, 10);
  addStop(band, 0, kWhite, 0);
  addStop(band, 0.5, kWhite, 0.55);
  addStop(band, 1, kWhite, 0);
  cairo_set_source(cr, band);
  cairo_paint(cr);
  cairo_pattern_destroy(band);
  cairo_restore(cr);
}

void drawMetalBrick(cairo_t* cr, Rgb tint) {
  metalFill(cr, 1, 1, kBrickW - 2, kBrickH - 2, 4, tint);
  // A recessed cross plate between four rivets.
  cairo_set_line_width(cr, 1.6);
  setColour(cr, darker(tint, 0.6), 0.7);
  cairo_move_to(cr, 9, 8);
  cairo_line_to(cr, 31, 22);
  cairo_move_to(cr, 31, 8);
  cairo_line_to(cr, 9, 22);
  cairo_stroke(cr);
  cairo_set_line_width(cr, 0.7);
  setColour(cr, kWhite, 0.35);
  cairo_move_to(cr, 9, 9.2);
  cairo_line_to(cr, 31, 23.2);
  cairo_stroke(cr);
  for (double x : {6.0, 34.0})
    for (double y : {6.0, 24.0}) rivet(cr, x, y);
}

}  // namespace

void drawBrick(cairo_t* cr, Brick brick, double phase) {
  cairo_save(cr);
  const Rgb colour = brickColour(brick);
  switch (brick) {
    case Brick::Glint:
      sparkle(cr, kBrickW / 2.0, kBrickH / 2.0, 9, {0.8, 0.9, 1.0});
      break;
    case Brick::Flash: {
      roundedRect(cr, 1, 1, kBrickW - 2, kBrickH - 2, 5);
      cairo_pattern_t* flash = cairo_pattern_create_radial(20, 15, 2, 20, 15, 24);
      addStop(flash, 0, kWhite, 0.95);
      addStop(flash, 1, {0.8, 0.9, 1.0}, 0.55);
      cairo_set_source(cr, flash);
      cairo_fill(cr);
      cairo_pattern_destroy(flash);
      break;
    }
    case Brick::MetalStyle1:
    case Brick::MetalStyle2:
    case Brick::MetalStyle3:
      drawMetalBrick(cr, colour);
      break;
    case Brick::ArmouredSpawner:
      glossyFill(cr, 1, 1, kBrickW - 2, kBrickH - 2, 5, darker(colour, 0.3));
      core(cr, 20, 15, 5, 0);
      // A steel cage over the core: the first hit breaks it open.
      cairo_set_line_width(cr, 2.2);
      for (double x : {12.0, 20.0, 28.0}) {
        setColour(cr, {0.25, 0.27, 0.32});
        cairo_move_to(cr, x, 3);
        cairo_line_to(cr, x, 27);
        cairo_stroke(cr);
        setColour(cr, {0.85, 0.88, 0.95}, 0.8);
        cairo_set_line_width(cr, 0.8);
        cairo_move_to(cr, x - 0.5, 3);
        cairo_line_to(cr, x - 0.5, 27);
        cairo_stroke(cr);
        cairo_set_line_width(cr, 2.2);
      }
      metalFill(cr, 1, 1, 8, 28, 3, {0.6, 0.62, 0.7});
      metalFill(cr, 31, 1, 8, 28, 3, {0.6, 0.62, 0.7});
      rivet(cr, 5, 6);
      rivet(cr, 5, 24);
      rivet(cr, 35, 6);
      rivet(cr, 35, 24);
      break;
    case Brick::Spawner:
      glossyFill(cr, 1, 1, kBrickW - 2, kBrickH - 2, 5, colour);
      core(cr, 20, 15, 5.5, phase);
      break;
    case Brick::Sliding: {
      glossyFill(cr, 1, 1, kBrickW - 2, kBrickH - 2, 5, colour);
      const double shift = 2.5 * std::sin(phase * M_PI);
      arrow(cr, 4 - shift, 15, -1, 1);
      arrow(cr, 36 + shift, 15, 1, 1);
      setColour(cr, {0.35, 0.15, 0}, 0.6);
      cairo_rectangle(cr, 14, 14, 12, 2);
      cairo_fill(cr);
      lightSweep(cr, phase);
      break;
    }
    default: {
      glossyFill(cr, 1, 1, kBrickW - 2, kBrickH - 2, 5, colour);
      const int studs = studsOf(brick);
      const double glow = 0.6 + 0.4 * std::sin(phase * M_PI);
      for (int i = 0; i < studs; ++i) stud(cr, 20 + (i - (studs - 1) / 2.0) * 8, 16, glow);
      lightSweep(cr, phase);
      break;
    }
  }
  cairo_restore(cr);
}

std::vector<Bytes> blocksStaticArchive() {
  std::vector<Bytes> pictures;
  for (int i = 0; i <= static_cast<int>(Brick::Flash); ++i) {
    Canvas canvas(kBrickW, kBrickH);
    drawBrick(canvas.cr(), static_cast<Brick>(i));
    pictures.push_back(canvas.png());
  }
  return pictures;
}

std::vector<Bytes> blockAnimArchive() {
  std::vector<Bytes> pictures;
  for (Brick brick : {Brick::TwoHit, Brick::ThreeHit, Brick::Sliding}) {
    for (int frame = 1; frame <= 3; ++frame) {
      Canvas canvas(kBrickW, kBrickH);
      drawBrick(canvas.cr(), brick, frame / 3.0 - 0.1);
      pictures.push_back(canvas.png());
    }
  }
  return pictures;
}

namespace {

constexpr int kWallW = 50, kWallH = 100;

void wallPillar(cairo_t* cr, const Mood& mood) {
  metalFill(cr, 5, 1, 40, 98, 7, darker(mood.metal, 0.2));
  // The glowing conduit down the middle.
  cairo_pattern_t* tube = cairo_pattern_create_linear(19, 0, 31, 0);
  addStop(tube, 0, darker(mood.accent, 0.6));
  addStop(tube, 0.5, lighter(mood.accent, 0.6));
  addStop(tube, 1, darker(mood.accent, 0.6));
  roundedRect(cr, 20, 12, 10, 76, 5);
  cairo_set_source(cr, tube);
  cairo_fill(cr);
  cairo_pattern_destroy(tube);
  paintGlow(
      cr, kWallW, kWallH, [](cairo_t* c) { roundedRect(c, 21, 14, 8, 72, 4), cairo_fill(c); },
      mood.accent, 6, 0.7);
  for (double y : {6.0, 94.0})
    for (double x : {12.0, 38.0}) rivet(cr, x, y);
  cairo_set_line_width(cr, 1.2);
  setColour(cr, {0, 0, 0}, 0.5);
  for (double y : {30.0, 70.0}) {
    cairo_move_to(cr, 8, y);
    cairo_line_to(cr, 19, y);
    cairo_move_to(cr, 31, y);
    cairo_line_to(cr, 42, y);
  }
  cairo_stroke(cr);
}

}  // namespace

std::vector<Bytes> wallArchive() {
  std::vector<Bytes> pictures;
  for (int style = 0; style < 3; ++style) {
    Canvas canvas(kWallW, kWallH);
    wallPillar(canvas.cr(), levelMood(style));
    pictures.push_back(canvas.png());
  }
  Canvas flash(kWallW, kWallH);
  roundedRect(flash.cr(), 5, 1, 40, 98, 7);
  cairo_pattern_t* light = cairo_pattern_create_linear(5, 0, 45, 0);
  addStop(light, 0, kWhite, 0.5);
  addStop(light, 0.5, kWhite, 0.95);
  addStop(light, 1, kWhite, 0.5);
  cairo_set_source(flash.cr(), light);
  cairo_fill(flash.cr());
  cairo_pattern_destroy(light);
  pictures.push_back(flash.png());
  return pictures;
}

namespace {

constexpr int kBarW = 802, kBarH = 42;

// Small line icons of the status bar, drawn in the mood's accent colour.
void missileIcon(cairo_t* cr, double x, double y) {
  cairo_move_to(cr, x, y - 9);
  cairo_curve_to(cr, x + 3.5, y - 6, x + 3, y - 2, x + 3, y + 4);
  cairo_line_to(cr, x + 6, y + 9);
  cairo_line_to(cr, x - 6, y + 9);
  cairo_line_to(cr, x - 3, y + 4);
  cairo_curve_to(cr, x - 3, y - 2, x - 3.5, y - 6, x, y - 9);
  cairo_close_path(cr);
}

void starIcon(cairo_t* cr, double x, double y, double r) {
  for (int i = 0; i < 10; ++i) {
    const double angle = -M_PI / 2 + i * M_PI / 5;
    const double radius = i % 2 ? r * 0.45 : r;
    cairo_line_to(cr, x + radius * std::cos(angle), y + radius * std::sin(angle));
  }
  cairo_close_path(cr);
}

void flagIcon(cairo_t* cr, double x, double y) {
  cairo_rectangle(cr, x - 6, y - 9, 2, 18);
  cairo_move_to(cr, x - 4, y - 9);
  cairo_curve_to(cr, x, y - 11, x + 3, y - 5, x + 8, y - 7);
  cairo_line_to(cr, x + 8, y + 1);
  cairo_curve_to(cr, x + 3, y + 3, x, y - 3, x - 4, y - 1);
  cairo_close_path(cr);
}

// A recessed glass well for a number, x0..x1 wide.
void well(cairo_t* cr, double x0, double x1, const Mood& mood) {
  roundedRect(cr, x0, 7, x1 - x0, 28, 8);
  cairo_pattern_t* glass = cairo_pattern_create_linear(0, 7, 0, 35);
  addStop(glass, 0, {0, 0, 0}, 0.85);
  addStop(glass, 1, darker(mood.nebulaA, 0.6), 0.9);
  cairo_set_source(cr, glass);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(glass);
  setColour(cr, mood.accent, 0.7);
  cairo_set_line_width(cr, 1.2);
  cairo_stroke(cr);
}

void drawStatusBar(cairo_t* cr, const Mood& mood) {
  // The bar: a bevelled metal strip with a bright accent line along its lower edge.
  cairo_save(cr);
  cairo_move_to(cr, 0, 0);
  cairo_line_to(cr, kBarW, 0);
  cairo_line_to(cr, kBarW, 34);
  cairo_line_to(cr, kBarW - 30, 41);
  cairo_line_to(cr, 30, 41);
  cairo_line_to(cr, 0, 34);
  cairo_close_path(cr);
  cairo_pattern_t* plate = cairo_pattern_create_linear(0, 0, 0, kBarH);
  addStop(plate, 0, lighter(darker(mood.metal, 0.45), 0.15));
  addStop(plate, 0.5, darker(mood.metal, 0.65));
  addStop(plate, 1, darker(mood.metal, 0.8));
  cairo_set_source(cr, plate);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(plate);
  setColour(cr, mood.accent, 0.9);
  cairo_set_line_width(cr, 1.5);
  cairo_stroke(cr);
  cairo_restore(cr);
  paintGlow(
      cr, kBarW, kBarH,
      [](cairo_t* c) {
        cairo_move_to(c, 30, 40);
        cairo_line_to(c, kBarW - 30, 40);
        cairo_set_line_width(c, 2);
        cairo_stroke(c);
      },
      mood.accent, 4, 0.9);
  // Wells where the game prints lives, time, missiles, score and level.
  well(cr, 62, 140, mood);
  well(cr, 148, 252, mood);
  well(cr, 350, 430, mood);
  well(cr, 445, 635, mood);
  well(cr, 720, 795, mood);
  const Rgb icon = lighter(mood.accent, 0.2);
  auto iconFill = [&](auto draw) {
    paintGlow(cr, kBarW, kBarH, draw, mood.accent, 3, 0.8);
    setColour(cr, icon);
    draw(cr);
  };
  iconFill([](cairo_t* c) { heartPath(c, 80, 21), cairo_fill(c); });
  iconFill([](cairo_t* c) {
    cairo_set_fill_rule(c, CAIRO_FILL_RULE_EVEN_ODD);
    clockPath(c, 162, 21, 8);
    cairo_fill(c);
    cairo_set_fill_rule(c, CAIRO_FILL_RULE_WINDING);
  });
  iconFill([](cairo_t* c) { missileIcon(c, 367, 21), cairo_fill(c); });
  iconFill([](cairo_t* c) { starIcon(c, 462, 21, 9), cairo_fill(c); });
  iconFill([](cairo_t* c) { starIcon(c, 618, 21, 9), cairo_fill(c); });
  iconFill([](cairo_t* c) { flagIcon(c, 737, 21), cairo_fill(c); });
  // Screws at the ends of the bar.
  for (double x : {12.0, 40.0, 290.0, 690.0, kBarW - 12.0}) rivet(cr, x, 8);
}

}  // namespace

std::vector<Bytes> interfaceArchive() {
  std::vector<Bytes> pictures;
  for (int style = 0; style < 3; ++style) {
    Canvas canvas(kBarW, kBarH);
    drawStatusBar(canvas.cr(), levelMood(style));
    pictures.push_back(canvas.png());
  }
  return pictures;
}

std::vector<Bytes> gameBackArchive() {
  std::vector<Bytes> pictures;
  for (int style = 0; style < 3; ++style) {
    Canvas canvas(800, 600);
    drawSpace(canvas.cr(), 800, 600, levelMood(style), 101 + 37 * static_cast<uint32_t>(style));
    pictures.push_back(encodeBackdrop(canvas.surface()));
  }
  return pictures;
}

}  // namespace assetgen

#include "tools/assetgen/backdrop_art.h"

#include <cmath>

#include "tools/assetgen/canvas.h"
#include "tools/assetgen/effects_art.h"
#include "tools/assetgen/jpeg.h"
#include "tools/assetgen/space.h"
#include "tools/assetgen/style.h"
#include "tools/assetgen/typeface.h"

namespace assetgen {
namespace {

// The logo in menu-screen pixels: an emblem (a glinting ball in an orbit ring) and the name in
// two lines. The backdrop carries it calmly; three pulsing layers make its parts glow. It keeps
// below the records panel's frame and its "Online" button (which end at y = 525).
constexpr double kEmblemX = 584, kEmblemY = 566, kEmblemScale = 0.85;
constexpr double kNameX = 722, kGlintY = 550, kBreakerY = 582;
constexpr double kGlintWidth = 120, kGlintHeight = 28, kBreakerWidth = 128, kBreakerHeight = 26;

const Rgb kLogoGlow{0.35, 0.85, 1.0};
const Rgb kLogoWarm{1.0, 0.65, 0.2};

void emblem(cairo_t* cr, double x, double y, double scale) {
  cairo_save(cr);
  cairo_translate(cr, x, y);
  cairo_scale(cr, scale, scale);
  cairo_save(cr);
  cairo_rotate(cr, -0.35);
  cairo_scale(cr, 1, 0.38);
  cairo_arc(cr, 0, 0, 42, 0, 2 * M_PI);
  cairo_restore(cr);
  setColour(cr, kLogoGlow, 0.85);
  cairo_set_line_width(cr, 3);
  cairo_stroke(cr);
  drawBall(cr, 0, 0, 17, false);
  sparkle(cr, 12, -12, 26, kLogoGlow);
  cairo_restore(cr);
}

LabelStyle logoLetters(bool warm) {
  return {{1, 1, 1},
          warm ? Rgb{1, 0.7, 0.25} : Rgb{0.35, 0.8, 1},
          {0.02, 0.03, 0.1},
          2,
          warm ? kLogoWarm : kLogoGlow,
          0.7};
}

void logoName(cairo_t* cr, int w, int h, bool glint, bool breaker, double alpha) {
  LabelStyle top = logoLetters(false), bottom = logoLetters(true);
  top.glowAlpha = bottom.glowAlpha = alpha;
  if (glint) drawLabel(cr, w, h, "GLINT", kNameX, kGlintY, kGlintWidth, kGlintHeight, top);
  if (breaker) {
    drawLabel(cr, w, h, "BREAKER", kNameX, kBreakerY, kBreakerWidth, kBreakerHeight, bottom);
  }
}

void planet(cairo_t* cr, double x, double y, double r) {
  cairo_pattern_t* air = cairo_pattern_create_radial(x, y, r * 0.95, x, y, r * 1.25);
  addStop(air, 0, {0.4, 0.7, 1}, 0.5);
  addStop(air, 1, {0.4, 0.7, 1}, 0);
  cairo_set_source(cr, air);
  cairo_arc(cr, x, y, r * 1.25, 0, 2 * M_PI);
  cairo_fill(cr);
  cairo_pattern_destroy(air);
  cairo_pattern_t* body = cairo_pattern_create_radial(x - r * 0.5, y + r * 0.5, r * 0.1, x, y, r);
  addStop(body, 0, {0.45, 0.55, 0.9});
  addStop(body, 0.6, {0.15, 0.15, 0.45});
  addStop(body, 1, {0.03, 0.03, 0.1});
  cairo_set_source(cr, body);
  cairo_arc(cr, x, y, r, 0, 2 * M_PI);
  cairo_fill(cr);
  cairo_pattern_destroy(body);
  // Cloud bands.
  cairo_save(cr);
  cairo_arc(cr, x, y, r, 0, 2 * M_PI);
  cairo_clip(cr);
  for (int i = -4; i <= 4; ++i) {
    cairo_save(cr);
    cairo_translate(cr, x, y + i * r * 0.2);
    cairo_rotate(cr, 0.25);
    cairo_scale(cr, r * 1.3, r * 0.05);
    cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
    cairo_restore(cr);
    setColour(cr, {0.6, 0.7, 1}, 0.06);
    cairo_fill(cr);
  }
  cairo_restore(cr);
}

Bytes menuBackdrop() {
  Canvas canvas(800, 600);
  cairo_t* cr = canvas.cr();
  Mood mood = levelMood(0);
  mood.nebulaB = levelMood(1).nebulaA;
  drawSpace(cr, 800, 600, mood, 2024);
  planet(cr, 735, 60, 140);
  // Darken the left column and the panel area a little so buttons and text stay readable.
  cairo_pattern_t* shade = cairo_pattern_create_linear(0, 0, 380, 0);
  cairo_pattern_add_color_stop_rgba(shade, 0, 0, 0, 0, 0.45);
  cairo_pattern_add_color_stop_rgba(shade, 1, 0, 0, 0, 0);
  cairo_set_source(cr, shade);
  cairo_paint(cr);
  cairo_pattern_destroy(shade);
  emblem(cr, kEmblemX, kEmblemY, kEmblemScale);
  logoName(cr, 800, 600, true, true, 0.35);
  return encodeBackdrop(canvas.surface());
}

// A glowing layer of the logo, cut to its box at (left, top) of the screen.
Bytes logoLayer(int w, int h, double left, double top, int part) {
  Canvas canvas(w, h);
  cairo_t* cr = canvas.cr();
  cairo_translate(cr, -left, -top);
  if (part == 0) {
    cairo_pattern_t* halo =
        cairo_pattern_create_radial(kEmblemX, kEmblemY, 10, kEmblemX, kEmblemY, 46);
    addStop(halo, 0, kLogoGlow, 0.7);
    addStop(halo, 1, kLogoGlow, 0);
    cairo_set_source(cr, halo);
    cairo_paint(cr);
    cairo_pattern_destroy(halo);
    sparkle(cr, kEmblemX + 10, kEmblemY - 10, 34, kLogoGlow);
  } else {
    // The glow pass needs the surface's own coordinates, so the name is drawn untranslated.
    cairo_identity_matrix(cr);
    Canvas name(800, 600);
    logoName(name.cr(), 800, 600, part == 1, part == 2, 1.0);
    cairo_set_source_surface(cr, name.surface(), -left, -top);
    cairo_paint(cr);
  }
  return canvas.png();
}

}  // namespace

std::vector<Bytes> backgroundArchive() {
  return {logoLayer(118, 110, 521, 507, 0), logoLayer(304, 92, 546, 512, 1),
          logoLayer(212, 47, 595, 562, 2), menuBackdrop()};
}

Bytes loadingPicture(Lang lang) {
  Canvas canvas(800, 600);
  cairo_t* cr = canvas.cr();
  drawSpace(cr, 800, 600, levelMood(0), 77);
  emblem(cr, 400, 210, 2.2);
  drawLabel(cr, 800, 600, "GLINTBREAKER", 400, 355, 640, 80, logoLetters(false));
  LabelStyle caption = logoLetters(true);
  caption.glowAlpha = 0.5;
  drawLabel(cr, 800, 600, say(lang, "Загрузка…", "Loading…"), 400, 470, 400, 34, caption,
            Face::CondensedBold);
  // An empty progress rail under the caption.
  roundedRect(cr, 250, 500, 300, 10, 5);
  setColour(cr, kLogoGlow, 0.8);
  cairo_set_line_width(cr, 1.5);
  cairo_stroke(cr);
  roundedRect(cr, 253, 503, 110, 4, 2);
  setColour(cr, kLogoWarm);
  cairo_fill(cr);
  return encodeJpeg(canvas.surface(), 90);
}

Bytes splashPicture() {
  // Light rays from the centre and a soft vignette, laid thinly over the field.
  Canvas canvas(800, 600);
  cairo_t* cr = canvas.cr();
  for (int i = 0; i < 24; ++i) {
    const double a = i * 2 * M_PI / 24, b = a + M_PI / 40;
    cairo_move_to(cr, 400, 300);
    cairo_line_to(cr, 400 + 700 * std::cos(a), 300 + 700 * std::sin(a));
    cairo_line_to(cr, 400 + 700 * std::cos(b), 300 + 700 * std::sin(b));
    cairo_close_path(cr);
  }
  cairo_pattern_t* rays = cairo_pattern_create_radial(400, 300, 0, 400, 300, 450);
  addStop(rays, 0, {1, 0.95, 0.8}, 0.8);
  addStop(rays, 1, {1, 0.95, 0.8}, 0);
  cairo_set_source(cr, rays);
  cairo_fill(cr);
  cairo_pattern_destroy(rays);
  cairo_pattern_t* vignette = cairo_pattern_create_radial(400, 300, 250, 400, 300, 520);
  cairo_pattern_add_color_stop_rgba(vignette, 0, 0, 0, 0, 0);
  cairo_pattern_add_color_stop_rgba(vignette, 1, 0, 0, 0.05, 0.8);
  cairo_set_source(cr, vignette);
  cairo_paint(cr);
  cairo_pattern_destroy(vignette);
  return canvas.png();
}

}  // namespace assetgen

#include "tools/assetgen/effects_art.h"

#include <algorithm>
#include <cmath>

#include "tools/assetgen/canvas.h"
#include "tools/assetgen/random.h"

namespace assetgen {

void drawExplosion(cairo_t* cr, double size, int frame) {
  const double t = frame / 15.0;
  const double c = size / 2;
  const double scale = size / 128.0;
  const double fade = t < 0.55 ? 1.0 : 1.0 - (t - 0.55) / 0.5;
  // Colour runs white-hot, yellow, orange, red, then to smoke.
  const Rgb hot = t < 0.25
                      ? mix({1, 1, 0.9}, {1, 0.85, 0.3}, t / 0.25)
                      : mix({1, 0.85, 0.3}, {0.9, 0.25, 0.05}, std::min(1.0, (t - 0.25) / 0.5));
  const Rgb smoke = mix({0.9, 0.3, 0.05}, {0.25, 0.2, 0.2}, t);
  cairo_save(cr);
  cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
  // Outer heat halo.
  const double halo = (20 + 44 * std::sqrt(t)) * scale;
  cairo_pattern_t* glow = cairo_pattern_create_radial(c, c, 0, c, c, halo);
  addStop(glow, 0, hot, 0.6 * fade);
  addStop(glow, 1, smoke, 0);
  cairo_set_source(cr, glow);
  cairo_paint(cr);
  cairo_pattern_destroy(glow);
  // Billowing puffs that fly outwards; the same seed keeps them on their paths from frame to frame.
  Random random(4242);
  for (int i = 0; i < 18; ++i) {
    const double angle = random.unit() * 2 * M_PI;
    const double speed = random.range(0.4, 1.0);
    const double puff = random.range(10, 20) * scale * (0.7 + 1.3 * t);
    const double dist = speed * 42 * scale * std::sqrt(t) + 2 * scale;
    const double x = c + std::cos(angle) * dist, y = c + std::sin(angle) * dist;
    const Rgb inner = mix(hot, smoke, std::clamp(t * 1.3 - 0.2 + speed * 0.2, 0.0, 1.0));
    cairo_pattern_t* blob = cairo_pattern_create_radial(x, y, 0, x, y, puff);
    addStop(blob, 0, lighter(inner, 0.4 * (1 - t)), 0.85 * fade);
    addStop(blob, 0.6, inner, 0.5 * fade);
    addStop(blob, 1, smoke, 0);
    cairo_set_source(cr, blob);
    cairo_arc(cr, x, y, puff, 0, 2 * M_PI);
    cairo_fill(cr);
    cairo_pattern_destroy(blob);
  }
  // White-hot core that shrinks as the fire burns out.
  const double coreR = (22 - 20 * t) * scale;
  if (coreR > 0) {
    cairo_pattern_t* core = cairo_pattern_create_radial(c, c, 0, c, c, coreR);
    addStop(core, 0, {1, 1, 1}, fade);
    addStop(core, 1, {1, 0.9, 0.5}, 0);
    cairo_set_source(cr, core);
    cairo_arc(cr, c, c, coreR, 0, 2 * M_PI);
    cairo_fill(cr);
    cairo_pattern_destroy(core);
  }
  // Sparks streaking away.
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  for (int i = 0; i < 14; ++i) {
    const double angle = random.unit() * 2 * M_PI;
    const double dist = random.range(0.5, 1.0) * 58 * scale * std::sqrt(t);
    const double len = 6 * scale * (1 - t);
    setColour(cr, {1, 0.9, 0.5}, fade * (1 - t));
    cairo_set_line_width(cr, 1.5 * scale);
    cairo_move_to(cr, c + std::cos(angle) * dist, c + std::sin(angle) * dist);
    cairo_line_to(cr, c + std::cos(angle) * (dist + len), c + std::sin(angle) * (dist + len));
    cairo_stroke(cr);
  }
  cairo_restore(cr);
}

std::vector<Bytes> exploArchive() {
  std::vector<Bytes> frames;
  for (int frame = 0; frame < 16; ++frame) {
    Canvas canvas(128, 128);
    drawExplosion(canvas.cr(), 128, frame);
    frames.push_back(canvas.png());
  }
  return frames;
}

void drawBall(cairo_t* cr, double x, double y, double r, bool armoured) {
  cairo_save(cr);
  const Rgb glowColour = armoured ? Rgb{1, 0.6, 0.15} : Rgb{0.35, 0.8, 1};
  const double glowR = r * (armoured ? 3.6 : 3.0);
  cairo_pattern_t* glow = cairo_pattern_create_radial(x, y, r * 0.8, x, y, glowR);
  addStop(glow, 0, glowColour, 0.65);
  addStop(glow, 0.35, glowColour, 0.2);
  addStop(glow, 1, glowColour, 0);
  cairo_set_source(cr, glow);
  cairo_arc(cr, x, y, glowR, 0, 2 * M_PI);
  cairo_fill(cr);
  cairo_pattern_destroy(glow);
  const Rgb body = armoured ? Rgb{1, 0.75, 0.3} : Rgb{0.75, 0.9, 1};
  cairo_pattern_t* sphere =
      cairo_pattern_create_radial(x - r * 0.35, y - r * 0.4, r * 0.1, x, y, r);
  addStop(sphere, 0, Rgb{1, 1, 1});
  addStop(sphere, 0.35, body);
  addStop(sphere, 1, darker(body, 0.55));
  cairo_set_source(cr, sphere);
  cairo_arc(cr, x, y, r, 0, 2 * M_PI);
  cairo_fill(cr);
  cairo_pattern_destroy(sphere);
  if (armoured) {
    // A hexagonal shield cage around the ball.
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    for (int ring = 0; ring < 2; ++ring) {
      const double rr = r * 1.45;
      for (int i = 0; i <= 6; ++i) {
        const double a = i * M_PI / 3 + M_PI / 6;
        cairo_line_to(cr, x + rr * std::cos(a), y + rr * std::sin(a));
      }
      cairo_close_path(cr);
      if (ring == 0) {
        setColour(cr, {1, 0.55, 0.1}, 0.6);
        cairo_set_line_width(cr, r * 0.5);
      } else {
        setColour(cr, {1, 0.95, 0.7}, 1);
        cairo_set_line_width(cr, r * 0.16);
      }
      cairo_stroke(cr);
    }
  }
  cairo_restore(cr);
}

Bytes ballPicture(bool armoured) {
  Canvas canvas(100, 100);
  drawBall(canvas.cr(), 50, 50, 10, armoured);
  return canvas.png();
}

}  // namespace assetgen

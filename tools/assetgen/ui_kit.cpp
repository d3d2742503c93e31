#include "tools/assetgen/ui_kit.h"

#include <algorithm>
#include <cmath>

#include "tools/assetgen/style.h"

namespace assetgen {

LabelStyle baseLabel() {
  return {{1, 1, 1}, {0.65, 0.88, 1}, kInk, 1.6, kTrim, 0.0};
}
LabelStyle litLabel() {
  return {{1, 1, 0.9}, {1, 0.8, 0.3}, {0.25, 0.1, 0}, 1.6, kHighlight, 0.9};
}
LabelStyle titleLabel() {
  return {{1, 1, 1}, {0.4, 0.85, 1}, kInk, 2.5, kTrim, 1.0};
}
LabelStyle captionLabel() {
  return {{0.75, 0.95, 1}, {0.35, 0.7, 1}, kInk, 1.2, kTrim, 0.35};
}

void drawPanel(Canvas& canvas, double inset) {
  cairo_t* cr = canvas.cr();
  const double x = inset, y = inset;
  const double w = canvas.width() - 2 * inset, h = canvas.height() - 2 * inset;
  paintGlow(
      cr, canvas.width(), canvas.height(),
      [&](cairo_t* c) {
        roundedRect(c, x, y, w, h, 18);
        cairo_set_line_width(c, 4);
        cairo_stroke(c);
      },
      kTrim, inset * 0.8, 0.9);
  cairo_save(cr);
  roundedRect(cr, x, y, w, h, 18);
  cairo_pattern_t* glass = cairo_pattern_create_linear(0, y, 0, y + h);
  // Opaque: the menu's labels must not read through a panel or a question.
  addStop(glass, 0, lighter(kPanelGlass, 0.12));
  addStop(glass, 0.5, kPanelGlass);
  addStop(glass, 1, darker(kPanelGlass, 0.4));
  cairo_set_source(cr, glass);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(glass);
  cairo_clip_preserve(cr);
  // Faint scan lines and a diagonal sheen across the glass.
  setColour(cr, kTrim, 0.035);
  for (double line = y; line < y + h; line += 4) cairo_rectangle(cr, x, line, w, 1);
  cairo_fill(cr);
  cairo_move_to(cr, x, y);
  cairo_line_to(cr, x + w * 0.55, y);
  cairo_line_to(cr, x + w * 0.25, y + h);
  cairo_line_to(cr, x, y + h);
  cairo_close_path(cr);
  cairo_pattern_t* sheen = cairo_pattern_create_linear(x, y, x + w * 0.5, y + h * 0.3);
  addStop(sheen, 0, kWhite, 0.07);
  addStop(sheen, 1, kWhite, 0);
  cairo_set_source(cr, sheen);
  cairo_fill(cr);
  cairo_pattern_destroy(sheen);
  cairo_reset_clip(cr);
  // Frame: a bright outer trim and a thin inner line.
  roundedRect(cr, x, y, w, h, 18);
  setColour(cr, lighter(kTrim, 0.3));
  cairo_set_line_width(cr, 2.5);
  cairo_stroke(cr);
  roundedRect(cr, x + 6, y + 6, w - 12, h - 12, 13);
  setColour(cr, kTrim, 0.35);
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);
  // Corner brackets.
  cairo_set_line_width(cr, 3);
  setColour(cr, kHighlight, 0.9);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  for (int corner = 0; corner < 4; ++corner) {
    const double cx = corner % 2 ? x + w - 12 : x + 12;
    const double cy = corner / 2 ? y + h - 12 : y + 12;
    const double sx = corner % 2 ? -1 : 1, sy = corner / 2 ? -1 : 1;
    cairo_move_to(cr, cx, cy + sy * 22);
    cairo_line_to(cr, cx, cy);
    cairo_line_to(cr, cx + sx * 22, cy);
  }
  cairo_stroke(cr);
  cairo_restore(cr);
}

void drawField(cairo_t* cr, double x, double y, double w, double h) {
  cairo_save(cr);
  roundedRect(cr, x, y, w, h, h / 3);
  cairo_pattern_t* inset = cairo_pattern_create_linear(0, y, 0, y + h);
  addStop(inset, 0, {0, 0, 0}, 0.9);
  addStop(inset, 1, {0.05, 0.1, 0.2}, 0.85);
  cairo_set_source(cr, inset);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(inset);
  setColour(cr, kTrim, 0.8);
  cairo_set_line_width(cr, 1.5);
  cairo_stroke(cr);
  roundedRect(cr, x + 3, y + 3, w - 6, h * 0.35, h / 4);
  setColour(cr, kWhite, 0.05);
  cairo_fill(cr);
  cairo_restore(cr);
}

namespace {

void pill(Canvas& canvas, double x, double y, double w, double h, bool lit) {
  cairo_t* cr = canvas.cr();
  const Rgb colour = lit ? Rgb{0.95, 0.5, 0.08} : kButtonBlue;
  if (lit) {
    paintGlow(
        canvas.cr(), canvas.width(), canvas.height(),
        [&](cairo_t* c) { roundedRect(c, x, y, w, h, h / 2), cairo_fill(c); }, kHighlight,
        std::min(8.0, h * 0.3), 1.0);
  }
  glossyFill(cr, x, y, w, h, h / 2, colour);
  roundedRect(cr, x, y, w, h, h / 2);
  setColour(cr, lit ? Rgb{1, 0.9, 0.6} : lighter(kTrim, 0.2), 0.9);
  cairo_set_line_width(cr, 1.5);
  cairo_stroke(cr);
}

}  // namespace

void drawPillButton(Canvas& canvas, double x, double y, double w, double h, bool lit,
                    const std::vector<std::string>& lines, double maxText) {
  pill(canvas, x, y, w, h, lit);
  const double lineStep = (h * 0.8) / static_cast<double>(lines.size());
  const double first = y + h / 2 - lineStep * (static_cast<double>(lines.size()) - 1) / 2;
  for (size_t i = 0; i < lines.size(); ++i) {
    drawLabel(canvas.cr(), canvas.width(), canvas.height(), lines[i], x + w / 2,
              first + lineStep * static_cast<double>(i), w - h * 0.6,
              std::min(maxText, lineStep * 0.95), lit ? litLabel() : baseLabel());
  }
}

void drawArrowButton(Canvas& canvas, double x, double y, double w, double h, bool lit, double dir) {
  pill(canvas, x, y, w, h, lit);
  cairo_t* cr = canvas.cr();
  const double cx = x + w / 2, cy = y + h / 2, s = h * 0.28;
  const Shape arrow = [&](cairo_t* c) {
    cairo_move_to(c, cx + dir * s * 1.6, cy);
    cairo_line_to(c, cx + dir * s * 0.2, cy - s * 1.1);
    cairo_line_to(c, cx + dir * s * 0.2, cy - s * 0.45);
    cairo_line_to(c, cx - dir * s * 1.6, cy - s * 0.45);
    cairo_line_to(c, cx - dir * s * 1.6, cy + s * 0.45);
    cairo_line_to(c, cx + dir * s * 0.2, cy + s * 0.45);
    cairo_line_to(c, cx + dir * s * 0.2, cy + s * 1.1);
    cairo_close_path(c);
  };
  arrow(cr);
  setColour(cr, lit ? Rgb{0.25, 0.1, 0} : kInk);
  cairo_set_line_width(cr, 3);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  cairo_stroke(cr);
  arrow(cr);
  setColour(cr, lit ? Rgb{1, 0.95, 0.75} : kWhite);
  cairo_fill(cr);
}

}  // namespace assetgen

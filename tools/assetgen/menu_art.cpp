#include "tools/assetgen/menu_art.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "tools/assetgen/canvas.h"
#include "tools/assetgen/style.h"
#include "tools/assetgen/ui_kit.h"

namespace assetgen {
namespace {

// A column item: only the band from 40 to 93 px is drawn, because the items stand 40 px apart.
// The button's left 19 px lie off screen.
Bytes columnItem(const std::string& label, bool lit) {
  Canvas canvas(366, 133);
  cairo_t* cr = canvas.cr();
  const double top = 44, h = 46, left = 26, right = 336;
  // A slanted glass blade: flat on the left edge of the screen, pointed on the right.
  const Shape blade = [&](cairo_t* c) {
    cairo_move_to(c, left, top);
    cairo_line_to(c, right - 18, top);
    cairo_line_to(c, right, top + h / 2);
    cairo_line_to(c, right - 18, top + h);
    cairo_line_to(c, left, top + h);
    cairo_close_path(c);
  };
  if (lit) {
    paintGlow(
        cr, canvas.width(), canvas.height(), [&](cairo_t* c) { blade(c), cairo_fill(c); },
        kHighlight, 5, 1.0);
  }
  blade(cr);
  const Rgb colour = lit ? Rgb{0.9, 0.45, 0.05} : Rgb{0.06, 0.18, 0.45};
  cairo_pattern_t* fill = cairo_pattern_create_linear(0, top, 0, top + h);
  addStop(fill, 0, lighter(colour, 0.4), 0.95);
  addStop(fill, 0.5, colour, 0.9);
  addStop(fill, 1, darker(colour, 0.5), 0.95);
  cairo_set_source(cr, fill);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(fill);
  setColour(cr, lit ? Rgb{1, 0.9, 0.55} : kTrim, 0.95);
  cairo_set_line_width(cr, 1.8);
  cairo_stroke(cr);
  // Shine on the upper half and a bright marker on the left.
  cairo_rectangle(cr, left + 2, top + 2, right - left - 24, h * 0.4);
  setColour(cr, kWhite, lit ? 0.25 : 0.12);
  cairo_fill(cr);
  cairo_rectangle(cr, left + 8, top + 9, 5, h - 18);
  setColour(cr, lit ? kWhite : kTrim, 0.9);
  cairo_fill(cr);
  drawLabel(cr, canvas.width(), canvas.height(), label, (left + 30 + right - 24) / 2, top + h / 2,
            right - left - 70, 32, lit ? litLabel() : baseLabel());
  return canvas.png();
}

// Items 7 and 8 sit at the top-left corner, partly off screen; their picture is drawn where
// their hit areas lie (x from about 70, y 20 to 108).
Bytes cornerItem(const std::vector<std::string>& lines, bool lit) {
  Canvas canvas(256, 128);
  drawPillButton(canvas, 76, 40, 144, 48, lit, lines, 20);
  return canvas.png();
}

}  // namespace

std::vector<Bytes> mainMenuArchive(Lang lang) {
  std::vector<Bytes> pictures;
  for (const char* label : {say(lang, "Новая игра", "New game"), say(lang, "Настройки", "Options"),
                            say(lang, "Рекорды", "Records"), say(lang, "Помощь", "Help"),
                            say(lang, "Другие игры", "More games"), say(lang, "Выход", "Exit")}) {
    pictures.push_back(columnItem(label, false));
    pictures.push_back(columnItem(label, true));
  }
  for (bool lit : {false, true})
    pictures.push_back(
        cornerItem({say(lang, "Рассказать", "Tell a"), say(lang, "другу", "friend")}, lit));
  for (bool lit : {false, true})
    pictures.push_back(cornerItem({say(lang, "Подписаться", "Subscribe")}, lit));
  return pictures;
}

namespace {

// The bands of the five option rows, in panel pixels (the panel's top-left is at 325, 170).
struct Band {
  double top, bottom;
};
constexpr Band kOptionRows[5] = {{41, 84}, {91, 129}, {136, 174}, {176, 254}, {261, 374}};
// The panel above the options panel (500 x 144, its top-left at 325, 20): the music and the
// effects volume, and the language.
constexpr int kMixHeight = 144;
constexpr Band kMixRows[3] = {{8, 48}, {52, 92}, {96, 136}};

// A row's name at the left of its band, clear of the buttons and boxes.
void caption(Canvas& canvas, const char* text, double cy, double maxWidth) {
  cairo_t* cr = canvas.cr();
  const double width = std::min(maxWidth, textWidth(cr, Face::CondensedBold, 26, text));
  drawLabel(cr, canvas.width(), canvas.height(), text, 34 + width / 2, cy, maxWidth, 26,
            captionLabel());
}

Bytes optionsPanel(Lang lang) {
  Canvas canvas(500, 400);
  drawPanel(canvas, 6);
  caption(canvas, say(lang, "Экран", "Screen"), 62.5, 130);
  caption(canvas, say(lang, "Музыка", "Music"), 110, 200);
  caption(canvas, say(lang, "Звук", "Sound"), 155, 200);
  caption(canvas, say(lang, "Страна", "Country"), 191, 200);
  caption(canvas, say(lang, "Клавиша босса", "Boss key"), 281, 260);
  cairo_t* cr = canvas.cr();
  // Thin separators between the rows.
  setColour(cr, kTrim, 0.25);
  for (double y : {87.5, 132.5, 175.0, 257.5}) cairo_rectangle(cr, 30, y, 440, 1);
  cairo_fill(cr);
  return canvas.png();
}

// The glowing frame that lights a row of a panel of the given height.
Bytes rowMark(int height, const Band& band) {
  Canvas canvas(500, height);
  const Shape frame = [&](cairo_t* c) {
    roundedRect(c, 18, band.top, 464, band.bottom - band.top, 10);
    cairo_set_line_width(c, 3);
    cairo_stroke(c);
  };
  paintGlow(canvas.cr(), 500, height, frame, kHighlight, 8, 1.0);
  roundedRect(canvas.cr(), 18, band.top, 464, band.bottom - band.top, 10);
  setColour(canvas.cr(), kHighlight, 0.12);
  cairo_fill(canvas.cr());
  setColour(canvas.cr(), {1, 0.85, 0.5}, 0.9);
  frame(canvas.cr());
  return canvas.png();
}

// The volumes' rows, their names on the left and the value between two arrow buttons (at 250
// and 404 of the panel) on the right, and the language's row, its name in both languages so a
// player who reads only one finds it, and the language in a wide box.
Bytes mixPanel(Lang lang) {
  Canvas canvas(500, kMixHeight);
  drawPanel(canvas, 4);
  const auto middle = [](const Band& row) { return (row.top + row.bottom) / 2; };
  caption(canvas, say(lang, "Громкость музыки", "Music volume"), middle(kMixRows[0]), 210);
  caption(canvas, say(lang, "Громкость звука", "Effects volume"), middle(kMixRows[1]), 210);
  caption(canvas, "Язык / Language", middle(kMixRows[2]), 210);
  cairo_t* cr = canvas.cr();
  for (const Band& row : {kMixRows[0], kMixRows[1]}) drawField(cr, 318, row.top + 6, 80, 28);
  drawField(cr, 256, kMixRows[2].top + 6, 206, 28);
  setColour(cr, kTrim, 0.25);
  for (int row = 1; row < 3; ++row) {
    cairo_rectangle(cr, 30, (kMixRows[row - 1].bottom + kMixRows[row].top) / 2, 440, 1);
  }
  cairo_fill(cr);
  return canvas.png();
}

Bytes helpPanel() {
  Canvas canvas(500, 400);
  drawPanel(canvas, 6);
  // The frame around the page pictures (323 x 241 at 80, 40).
  cairo_t* cr = canvas.cr();
  roundedRect(cr, 72, 32, 339, 257, 10);
  setColour(cr, {0, 0, 0}, 0.6);
  cairo_fill_preserve(cr);
  setColour(cr, kTrim, 0.8);
  cairo_set_line_width(cr, 2);
  cairo_stroke(cr);
  return canvas.png();
}

Bytes recordsPanel() {
  Canvas canvas(500, 400);
  drawPanel(canvas, 6);
  cairo_t* cr = canvas.cr();
  // A sunken board behind the ten lines of the table.
  roundedRect(cr, 40, 70, 420, 290, 12);
  setColour(cr, {0, 0, 0}, 0.45);
  cairo_fill(cr);
  for (double x : {140.0, 250.0, 360.0}) sparkle(cr, x, 42, 12, kHighlight);
  return canvas.png();
}

Bytes dialogPanel() {
  Canvas canvas(512, 256);
  drawPanel(canvas, 8);
  return canvas.png();
}

Bytes button(int w, int h, double px, double py, double pw, double ph, const char* label, bool lit,
             double maxText) {
  Canvas canvas(w, h);
  drawPillButton(canvas, px, py, pw, ph, lit, {label}, maxText);
  return canvas.png();
}

Bytes arrowButton(double dir, bool lit) {
  Canvas canvas(300, 200);
  drawArrowButton(canvas, 85, 65, 130, 56, lit, dir);
  return canvas.png();
}

// The volume steps' buttons, 64 x 40.
Bytes smallArrowButton(double dir, bool lit) {
  Canvas canvas(64, 40);
  drawArrowButton(canvas, 6, 6, 52, 28, lit, dir);
  return canvas.png();
}

Bytes title(const char* text) {
  Canvas canvas(400, 100);
  cairo_t* cr = canvas.cr();
  // A light streak under the letters; the left 20-35 px lie off screen and the right end
  // meets the panel, so the letters keep to the middle.
  cairo_pattern_t* streak = cairo_pattern_create_linear(40, 0, 390, 0);
  addStop(streak, 0, kTrim, 0);
  addStop(streak, 0.5, kTrim, 0.9);
  addStop(streak, 1, kTrim, 0);
  cairo_rectangle(cr, 40, 78, 350, 3);
  cairo_set_source(cr, streak);
  cairo_fill(cr);
  cairo_pattern_destroy(streak);
  drawLabel(cr, 400, 100, text, 195, 48, 300, 54, titleLabel());
  return canvas.png();
}

Bytes inputBox(bool keyIcon) {
  Canvas canvas(450, 80);
  drawField(canvas.cr(), 10, 18, 430, 46);
  if (keyIcon) {
    // A small key at the left end tells this box takes a key press.
    cairo_t* cr = canvas.cr();
    setColour(cr, kTrim, 0.8);
    cairo_set_line_width(cr, 2.5);
    cairo_arc(cr, 32, 41, 6, 0, 2 * M_PI);
    cairo_move_to(cr, 38, 41);
    cairo_line_to(cr, 56, 41);
    cairo_move_to(cr, 50, 41);
    cairo_line_to(cr, 50, 47);
    cairo_move_to(cr, 55, 41);
    cairo_line_to(cr, 55, 46);
    cairo_stroke(cr);
  }
  return canvas.png();
}

Bytes recordEntryPanel(Lang lang) {
  Canvas canvas(500, 400);
  drawPanel(canvas, 6);
  LabelStyle gold = titleLabel();
  gold.bottom = {1, 0.75, 0.2};
  gold.glow = kHighlight;
  drawLabel(canvas.cr(), 500, 400, say(lang, "Новый рекорд!", "New record!"), 250, 40, 400, 40,
            gold);
  for (double x : {60.0, 440.0}) sparkle(canvas.cr(), x, 40, 16, kHighlight);
  return canvas.png();
}

}  // namespace

std::vector<Bytes> formsArchive(Lang lang) {
  std::vector<Bytes> pictures(63);
  pictures[0] = optionsPanel(lang);
  pictures[1] = helpPanel();
  pictures[2] = recordsPanel();
  pictures[3] = dialogPanel();
  for (int lit = 0; lit < 2; ++lit) {
    const bool on = lit == 1;
    pictures[4 + lit] = button(200, 100, 34, 26, 132, 48, say(lang, "Да", "Yes"), on, 28);
    pictures[6 + lit] = button(200, 100, 34, 26, 132, 48, say(lang, "Нет", "No"), on, 28);
    pictures[8 + lit] = button(200, 50, 32, 9, 136, 32, say(lang, "Окно", "Window"), on, 20);
    pictures[10 + lit] =
        button(200, 50, 32, 9, 136, 32, say(lang, "Полный экран", "Full screen"), on, 20);
    pictures[12 + lit] = button(100, 50, 20, 10, 58, 30, say(lang, "Вкл", "On"), on, 18);
    pictures[14 + lit] = button(100, 50, 20, 10, 58, 30, say(lang, "Выкл", "Off"), on, 18);
    pictures[16 + lit] = arrowButton(-1, on);
    pictures[18 + lit] = arrowButton(1, on);
    pictures[20 + lit] = button(250, 150, 45, 50, 160, 50, say(lang, "Сбросить", "Reset"), on, 26);
    pictures[22 + lit] = button(250, 150, 45, 50, 160, 50, say(lang, "Онлайн", "Online"), on, 26);
    pictures[48 + lit] = button(200, 100, 34, 26, 132, 48, say(lang, "ОК", "OK"), on, 28);
    pictures[50 + lit] = button(200, 100, 34, 26, 132, 48, say(lang, "Отмена", "Cancel"), on, 28);
  }
  pictures[39] = title(say(lang, "Настройки", "Options"));
  pictures[40] = title(say(lang, "Рекорды", "Records"));
  pictures[41] = title(say(lang, "Помощь", "Help"));
  pictures[43] = rowMark(400, kOptionRows[0]);
  pictures[44] = rowMark(400, kOptionRows[1]);
  pictures[45] = rowMark(400, kOptionRows[2]);
  pictures[46] = inputBox(false);
  pictures[47] = inputBox(true);
  pictures[52] = rowMark(400, kOptionRows[3]);
  pictures[53] = rowMark(400, kOptionRows[4]);
  pictures[54] = recordEntryPanel(lang);
  pictures[55] = mixPanel(lang);
  pictures[56] = rowMark(kMixHeight, kMixRows[0]);
  pictures[57] = rowMark(kMixHeight, kMixRows[1]);
  pictures[62] = rowMark(kMixHeight, kMixRows[2]);
  for (int lit = 0; lit < 2; ++lit) {
    pictures[58 + lit] = smallArrowButton(-1, lit == 1);
    pictures[60 + lit] = smallArrowButton(1, lit == 1);
  }
  return pictures;
}

}  // namespace assetgen

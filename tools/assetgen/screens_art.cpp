#include "tools/assetgen/screens_art.h"

#include <string>
#include <utility>

#include "tools/assetgen/bat_art.h"
#include "tools/assetgen/bonus_art.h"
#include "tools/assetgen/canvas.h"
#include "tools/assetgen/effects_art.h"
#include "tools/assetgen/enemy_art.h"
#include "tools/assetgen/field_art.h"
#include "tools/assetgen/style.h"
#include "tools/assetgen/typeface.h"
#include "tools/assetgen/ui_kit.h"

namespace assetgen {
namespace {

// A dim band across the middle of the screen so the big words read over any field.
void band(cairo_t* cr, double top, double bottom) {
  cairo_pattern_t* shade = cairo_pattern_create_linear(0, top, 0, bottom);
  cairo_pattern_add_color_stop_rgba(shade, 0, 0, 0, 0.05, 0);
  cairo_pattern_add_color_stop_rgba(shade, 0.25, 0, 0, 0.05, 0.6);
  cairo_pattern_add_color_stop_rgba(shade, 0.75, 0, 0, 0.05, 0.6);
  cairo_pattern_add_color_stop_rgba(shade, 1, 0, 0, 0.05, 0);
  cairo_rectangle(cr, 0, top, 800, bottom - top);
  cairo_set_source(cr, shade);
  cairo_fill(cr);
  cairo_pattern_destroy(shade);
}

}  // namespace

Bytes gameOverPicture(Lang lang) {
  Canvas canvas(800, 600);
  cairo_t* cr = canvas.cr();
  band(cr, 200, 400);
  const LabelStyle fire{{1, 1, 0.7}, {1, 0.3, 0.1}, {0.2, 0, 0}, 3, {1, 0.3, 0.05}, 1.0};
  drawLabel(cr, 800, 600, say(lang, "ИГРА ОКОНЧЕНА", "GAME OVER"), 400, 300, 720, 88, fire);
  return canvas.png();
}

Bytes pausePicture(Lang lang) {
  Canvas canvas(800, 600);
  cairo_t* cr = canvas.cr();
  band(cr, 200, 420);
  drawLabel(cr, 800, 600, say(lang, "ПАУЗА", "PAUSED"), 400, 280, 600, 96, titleLabel());
  drawLabel(cr, 800, 600, say(lang, "P или Start — продолжить", "P or Start: resume"), 400, 368,
            560, 34, captionLabel());
  return canvas.png();
}

namespace {

constexpr int kPageW = 323, kPageH = 241;

// A help page: a dark backdrop, a heading, then pictures with short texts beside them.
class Page {
 public:
  explicit Page(const char* heading) : canvas_(kPageW, kPageH) {
    cairo_t* cr = canvas_.cr();
    cairo_pattern_t* back = cairo_pattern_create_linear(0, 0, 0, kPageH);
    addStop(back, 0, {0.04, 0.08, 0.2});
    addStop(back, 1, {0.01, 0.02, 0.07});
    cairo_set_source(cr, back);
    cairo_paint(cr);
    cairo_pattern_destroy(back);
    drawLabel(cr, kPageW, kPageH, heading, kPageW / 2.0, 17, 300, 22, titleLabel());
  }
  cairo_t* cr() const { return canvas_.cr(); }
  // One line of text, left-aligned with its baseline at y.
  void text(const std::string& line, double x, double y, double size = 12.5,
            Rgb colour = {0.88, 0.94, 1}) {
    const double fitted = fitSize(cr(), Face::Condensed, size, kPageW - x - 6, line);
    setColour(cr(), colour);
    textPath(cr(), Face::Condensed, fitted, line, x, y, Align::Left);
    cairo_fill(cr());
  }
  // A picture drawn by `draw` into a w x h box, placed centred on (x, y) at `scale`.
  template <typename Draw>
  void picture(double x, double y, double w, double h, double scale, Draw draw) {
    cairo_save(cr());
    cairo_translate(cr(), x - w * scale / 2, y - h * scale / 2);
    cairo_scale(cr(), scale, scale);
    draw(cr());
    cairo_restore(cr());
  }
  Bytes png() const { return canvas_.png(); }

 private:
  Canvas canvas_;
};

void keyCap(Page& page, double x, double y, double w, const char* label) {
  glossyFill(page.cr(), x, y, w, 20, 4, {0.4, 0.45, 0.55});
  setColour(page.cr(), kWhite);
  textPath(page.cr(), Face::CondensedBold, 11, label, x + w / 2, y + 14);
  cairo_fill(page.cr());
}

Bytes controlsPage(Lang lang) {
  Page page(say(lang, "Управление", "Controls"));
  page.picture(161, 62, 164, 48, 0.8,
               [](cairo_t* c) { drawBat(c, 82, 24, 156, BatShape::Plain, 0); });
  page.picture(161, 44, 100, 100, 0.6, [](cairo_t* c) { drawBall(c, 50, 50, 10, false); });
  keyCap(page, 12, 80, 24, "←");
  keyCap(page, 40, 80, 24, "→");
  page.text(
      say(lang, "Мышь, стрелки или геймпад — вести биту", "Mouse, arrows or pad: steer the bat"),
      72, 95);
  keyCap(page, 12, 108, 52, say(lang, "Пробел", "Space"));
  page.text(
      say(lang, "или щелчок, A — запуск мяча, выстрел", "or click, pad A: launch the ball, fire"),
      72, 123);
  keyCap(page, 12, 136, 24, "P");
  page.text(say(lang, "Пауза (геймпад: Start)", "Pause (pad: Start)"), 72, 151);
  keyCap(page, 12, 164, 40, "Esc");
  page.text(say(lang, "Выйти из игры (геймпад: B)", "Leave the game (pad: B)"), 72, 179);
  page.text(say(lang, "Разбейте все кирпичи, пока не вышло время.",
                "Break every brick before the time runs out."),
            12, 205);
  page.text(say(lang, "Упустите последний мяч — потеряете жизнь.",
                "Lose the last ball and you lose a life."),
            12, 224);
  return page.png();
}

Bytes bricksPage(Lang lang) {
  Page page(say(lang, "Кирпичи", "Bricks"));
  const std::pair<Brick, const char*> rows[] = {
      {Brick::RedOneHit, say(lang, "1 удар", "1 hit")},
      {Brick::TwoHit, say(lang, "2 удара", "2 hits")},
      {Brick::ThreeHit, say(lang, "3 удара", "3 hits")},
      {Brick::FourHit, say(lang, "4 удара", "4 hits")},
      {Brick::Sliding, say(lang, "сдвигается от удара", "slides when hit")},
      {Brick::Spawner, say(lang, "рождает кирпичи", "spawns bricks")},
      {Brick::ArmouredSpawner, say(lang, "в броне: 2 удара", "armoured: 2 hits")},
      {Brick::MetalStyle1, say(lang, "не разбивается", "unbreakable")},
  };
  for (int i = 0; i < 8; ++i) {
    const double x = i < 4 ? 30 : 178, y = 52 + (i % 4) * 46;
    page.picture(x, y, 40, 30, 1, [&](cairo_t* c) { drawBrick(c, rows[i].first); });
    page.text(rows[i].second, x + 26, y + 5, 12);
  }
  return page.png();
}

Bytes capsulesPage(bool harmful, Lang lang) {
  Page page(harmful ? say(lang, "Вредные капсулы", "Harmful capsules")
                    : say(lang, "Полезные капсулы", "Good capsules"));
  // Indexed by bonus kind.
  const char* label[13] = {"",
                           say(lang, "+1 жизнь", "+1 life"),
                           say(lang, "+15 секунд", "+15 seconds"),
                           say(lang, "−1 жизнь", "−1 life"),
                           say(lang, "−15 секунд", "−15 seconds"),
                           say(lang, "бронемячи", "armoured balls"),
                           say(lang, "широкая бита", "wide bat"),
                           say(lang, "быстрые мячи", "fast balls"),
                           say(lang, "липкая бита", "sticky bat"),
                           say(lang, "узкая бита", "narrow bat"),
                           say(lang, "медленные мячи", "slow balls"),
                           say(lang, "+2 мяча", "+2 balls"),
                           say(lang, "бита-пушка", "gun bat")};
  int shown = 0;
  for (int kind = 1; kind <= 12; ++kind) {
    if (isHarmfulBonus(kind) != harmful) continue;
    const double x = shown < 4 ? 28 : 176, y = harmful ? 60 + shown * 44 : 54 + (shown % 4) * 46;
    page.picture(x, y, 44, 46, 0.85, [kind](cairo_t* c) { drawCapsule(c, kind); });
    page.text(label[kind], x + 24, y + 5, 13);
    ++shown;
  }
  if (harmful) {
    const char* warning[] = {say(lang, "Красные капсулы", "Red capsules"),
                             say(lang, "с полосатой каймой", "with a striped rim"),
                             say(lang, "лучше не ловить:", "are best left alone:"),
                             say(lang, "каждая ещё и", "each one also"),
                             say(lang, "−100 очков.", "costs 100 points.")};
    for (int line = 0; line < 5; ++line) {
      page.text(warning[line], 165, 78 + line * 18, 13, {1, 0.75, 0.6});
    }
  }
  return page.png();
}

Bytes enemiesPage(Lang lang) {
  Page page(say(lang, "Враги и пушка", "Enemies and the gun"));
  const int sizes[3][2] = {{48, 58}, {47, 56}, {56, 49}};
  const char* notes[3] = {say(lang, "2 удара, 50 очков", "2 hits, 50 points"),
                          say(lang, "3 удара, 75 очков", "3 hits, 75 points"),
                          say(lang, "4 удара, 100 очков", "4 hits, 100 points")};
  for (int kind = 1; kind <= 3; ++kind) {
    const double y = 52 + (kind - 1) * 42;
    page.picture(30, y, sizes[kind - 1][0], sizes[kind - 1][1], 0.7,
                 [kind](cairo_t* c) { drawEnemy(c, kind, 2); });
    page.text(notes[kind - 1], 58, y + 5);
  }
  page.picture(240, 66, 164, 67, 0.7,
               [](cairo_t* c) { drawBat(c, 82, 43, 156, BatShape::Gun, 1); });
  page.text(say(lang, "Бита-пушка: +6 ракет,", "Gun bat: +6 missiles,"), 180, 112, 12.5);
  page.text(say(lang, "огонь — пробел", "fire: Space"), 180, 129, 12.5);
  page.text(say(lang, "или щелчок мыши", "or a mouse click"), 180, 146, 12.5);
  page.text(say(lang, "Враги вылетают из разбитых кирпичей. Пока",
                "Enemies fly out of broken bricks. While"),
            12, 200, 12);
  page.text(say(lang, "хоть один жив, уровень не пройден.", "one is alive, the level is not done."),
            12, 218, 12);
  return page.png();
}

Bytes scoringPage(Lang lang) {
  Page page(say(lang, "Очки и рекорды", "Points and records"));
  page.picture(34, 52, 40, 30, 0.9, [](cairo_t* c) { drawBrick(c, Brick::BlueOneHit); });
  page.text(say(lang, "Удар по кирпичу — 10 очков", "A brick hit: 10 points"), 64, 57);
  page.picture(34, 88, 44, 46, 0.7, [](cairo_t* c) { drawCapsule(c, 11); });
  page.text(
      say(lang, "Капсула — 100 очков, бита-пушка — 500", "A capsule: 100 points, the gun bat: 500"),
      64, 93);
  page.picture(34, 124, 48, 58, 0.5, [](cairo_t* c) { drawEnemy(c, 3, 1); });
  page.text(say(lang, "Враг — от 50 до 100 очков", "An enemy: 50 to 100 points"), 64, 129);
  page.text(say(lang, "Оставшееся время после уровня:", "Time left after a level:"), 20, 162);
  page.text(say(lang, "4 очка за каждую секунду.", "4 points for each second."), 20, 178);
  page.text(say(lang, "Десять лучших результатов попадают", "The ten best results go"), 20, 204);
  page.text(say(lang, "в таблицу рекордов.", "into the records table."), 20, 220);
  return page.png();
}

}  // namespace

Bytes helpPage(int page, Lang lang) {
  switch (page) {
    case 1:
      return controlsPage(lang);
    case 2:
      return bricksPage(lang);
    case 3:
      return capsulesPage(false, lang);
    case 4:
      return capsulesPage(true, lang);
    case 5:
      return enemiesPage(lang);
    default:
      return scoringPage(lang);
  }
}

}  // namespace assetgen

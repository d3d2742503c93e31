#include "scene/StatusLine.h"

#include <cmath>
#include <cstdio>
#include <numbers>

#include "scene/Program.h"

namespace {

void PrintNumber(long value, float x, float y, iHandle font) {
  const std::string text = std::to_string(value);
  iPrint(text.c_str(), {x, y}, {0.5f, 0.5f}, 0.1f, font);
}

}  // namespace

std::string FormatTimeLeft(long double seconds) {
  const long whole = seconds > 0 ? static_cast<long>(seconds) : 0;
  char text[32];
  std::snprintf(text, sizeof text, "%02ld:%02ld", whole / 60, whole % 60);
  return text;
}

void PrintStatusLine(TProgram& program, bool paused) {
  const TGame& game = program.Game;
  const iHandle font = program.Media.StatusFont;
  if (paused) {
    iPrintColorSet(0.5f, 0.5f, 0.5f, 1);
  } else {
    iPrintColorSet(1, 1, 1, 1);
  }
  const std::int32_t score = game.GetScore();
  const auto scoreDigits = static_cast<float>(std::to_string(score).size());
  PrintNumber(score, 5.0f - 0.35f * scoreDigits, 11.2f, font);
  PrintNumber(game.GetLives(), -12.1f, 11.2f, font);
  PrintNumber(game.GetMissiles(), -0.7f, 11.25f, font);
  PrintNumber(game.GetLevel(), 14.2f, 11.3f, font);

  if (game.TimeLeft() < 10) {
    long double& blink = program.StatusBlink;
    blink += 0.1L;
    if (blink > 2 * std::numbers::pi_v<long double>) blink = 0;
    const auto fade = static_cast<float>(1 - std::fabs(std::cos(blink)));
    iPrintColorSet(1, fade, fade, 1);
  }
  const std::string time = FormatTimeLeft(game.TimeLeft());
  iPrint(time.c_str(), {-9.0f, 11.2f}, {0.5f, 0.5f}, 0.1f, font);
  iPrintColorSet(1, 1, 1, 1);
}

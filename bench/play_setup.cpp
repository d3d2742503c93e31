#include "bench/play_setup.h"

#include <algorithm>
#include <memory>
#include <optional>

#include "engine/impact.h"
#include "gameplay/FieldGeometry.h"
#include "gameplay/Random.h"
#include "platform/files.h"
#include "runtime/runtime.h"

namespace benchplay {
namespace {

long Bricks(const LevelCells& cells) {
  return std::count_if(cells.begin(), cells.end(), [](std::int32_t c) { return c != 0; });
}

}  // namespace

std::vector<LevelCells> ShippedLevels() {
  const auto bytes = files::readAll(files::gamePath("data\\Levels.dat"));
  const auto levels = bytes ? DecodeLevelFile(*bytes) : std::nullopt;
  return levels.value_or(std::vector<LevelCells>{});
}

std::int32_t DensestLevelNumber(const std::vector<LevelCells>& levels) {
  if (levels.empty()) return 0;
  const auto densest = std::max_element(
      levels.begin(), levels.end(),
      [](const LevelCells& a, const LevelCells& b) { return Bricks(a) < Bricks(b); });
  return static_cast<std::int32_t>(densest - levels.begin()) + 1;
}

void LaunchTwentyBalls(TField& field, Balls balls) {
  for (std::size_t i = 0; i < field.Balls.size(); ++i) {
    TBubble& ball = field.Balls[i];
    if (balls == Balls::Armoured) {
      ball.ModeTimer = 0;  // no timer: the armour never wears off
      if (ball.Mode != bmArmored) ball.SetTexture(true);
      ball.Mode = bmArmored;
    }
    if (ball.Active && ball.Launched) continue;
    ball.Active = ball.Launched = true;
    ball.X = -9.5L + static_cast<long double>(i);
    ball.Y = -6;
    ball.Angle = NormalAngle(0.3L + 0.29L * static_cast<long double>(i));
    ball.Speed = 0.2L;
    ball.PlaceMesh();
    ball.Show();
  }
}

void RebuildBricks(TField& field, const LevelCells& cells, int style) {
  field.ClearBricks();
  field.Grid.Cells = cells;
  field.BuildBricks(style);
}

void RemoveCapsules(TField& field) {
  for (TBonus& capsule : field.Bonuses) {
    if (capsule.Active) capsule.Remove();
  }
}

HeadlessPlay::HeadlessPlay(Balls balls) : balls_(balls) {
  files::setGameDir(GLINT_GAME_DIR);
  rt::setBackend(rt::makeHeadlessBackend());
  rt::setClock(std::make_unique<rt::VirtualClock>());
  rt::setInput(input_);
  i3ImpactOpen(1, 0);
  const std::int32_t settings[6] = {0, 0, 15360000, 0, 0, -1};
  i3ImpactSettings(settings);
  SeedRandom(kSeed);
  const std::vector<LevelCells> levels = ShippedLevels();
  const std::int32_t densest = DensestLevelNumber(levels);
  if (densest > 0) level_ = levels[static_cast<std::size_t>(densest - 1)];
  textures_.Load();
  field_.Create(textures_, counters_);
  Restart();
}

HeadlessPlay::~HeadlessPlay() {
  i3ImpactClose();
}

void HeadlessPlay::Restart() {
  RebuildBricks(field_, level_, 1);
  field_.StartLife();
  field_.PlaceForLevel();
  field_.EntrySlide = false;
  counters_.SetLives(3);
  counters_.TimeLeft = 290;
  counters_.SetMissiles(1000);
  field_.Bat.Transform(CapsuleKind::GunBat, counters_, step_.tick);
  LaunchTwentyBalls(field_, balls_);
}

void HeadlessPlay::Frame() {
  step_.tick += 13;
  BatControls controls;
  controls.launch = ++frames_ % 8 == 0;
  field_.Play(step_, controls);
  field_.UpdateObjects(step_);
  RemoveCapsules(field_);
}

}  // namespace benchplay

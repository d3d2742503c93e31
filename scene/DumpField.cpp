#include "scene/DumpField.h"

#include <map>
#include <string>

#include "scene/Game.h"

namespace {

rt::Json Number(long double value) {
  return static_cast<double>(value);
}

// The phase UpdateFrame will run next, in its order of precedence.
const char* Phase(const TGame& game) {
  if (game.GameOverPhase) return "gameOver";
  if (game.LevelBanner.Active) return "levelBanner";
  if (game.TimeOutBanner.Active) return "timeOut";
  if (game.CompleteBanner.Active) return "levelComplete";
  if (game.Field.EntrySlide) return "entrySlide";
  return "play";
}

rt::Json BatJson(const TBita& bat) {
  rt::Json json = rt::Json::object();
  json.set("x", Number(bat.X));
  json.set("y", Number(bat.Y));
  json.set("size", bat.Size);
  json.set("halfWidth", Number(bat.HalfWidth));
  json.set("transformation", static_cast<int>(bat.Transformation));
  json.set("pending", static_cast<int>(bat.Pending));
  json.set("running", bat.Running);
  json.set("exploding", bat.Exploding);
  int inFlight = 0;
  for (const TBitaMissile& missile : bat.Missiles) inFlight += missile.Active ? 1 : 0;
  json.set("missilesInFlight", inFlight);
  return json;
}

rt::Json BallsJson(const std::array<TBubble, 20>& balls) {
  rt::Json json = rt::Json::array();
  for (std::size_t i = 0; i < balls.size(); ++i) {
    const TBubble& ball = balls[i];
    if (!ball.Active) continue;
    rt::Json item = rt::Json::object();
    item.set("slot", static_cast<int>(i + 1));
    item.set("launched", ball.Launched);
    item.set("x", Number(ball.X));
    item.set("y", Number(ball.Y));
    item.set("angle", Number(ball.Angle));
    item.set("speed", Number(ball.Speed));
    item.set("mode", ball.Mode);
    json.push(std::move(item));
  }
  return json;
}

// Alive bricks: all, those that count for completing the level, and how many of each kind.
rt::Json BricksJson(const std::vector<TBlock>& bricks) {
  int alive = 0, counted = 0;
  std::map<int, int> byKind;
  for (const TBlock& brick : bricks) {
    if (!brick.Alive) continue;
    ++alive;
    if (brick.Counts()) ++counted;
    ++byKind[brick.Kind];
  }
  rt::Json json = rt::Json::object();
  json.set("alive", alive);
  json.set("counted", counted);
  rt::Json kinds = rt::Json::object();
  for (const auto& [kind, count] : byKind) kinds.set(std::to_string(kind), count);
  json.set("kinds", std::move(kinds));
  return json;
}

rt::Json BonusesJson(const std::array<TBonus, 36>& bonuses) {
  rt::Json json = rt::Json::array();
  for (const TBonus& bonus : bonuses) {
    if (!bonus.Active) continue;
    rt::Json item = rt::Json::object();
    item.set("kind", static_cast<int>(bonus.Kind));
    item.set("x", Number(bonus.X));
    item.set("y", Number(bonus.Y));
    json.push(std::move(item));
  }
  return json;
}

rt::Json EnemiesJson(const std::array<TEnemy, 9>& enemies) {
  rt::Json json = rt::Json::array();
  for (const TEnemy& enemy : enemies) {
    if (!enemy.Alive) continue;
    rt::Json item = rt::Json::object();
    item.set("kind", enemy.Kind);
    item.set("x", Number(enemy.X));
    item.set("y", Number(enemy.Y));
    item.set("hitPoints", enemy.HitPoints);
    json.push(std::move(item));
  }
  return json;
}

}  // namespace

void DumpField(const TGame& game, rt::Json& state) {
  if (!game.ResourcesCreated) return;
  const TField& field = game.Field;
  state.set("phase", Phase(game));
  state.set("bat", BatJson(field.Bat));
  state.set("balls", BallsJson(field.Balls));
  state.set("bricks", BricksJson(field.Bricks));
  state.set("bonuses", BonusesJson(field.Bonuses));
  state.set("enemies", EnemiesJson(field.Enemies));
}

void DumpGame(const TGame& game, rt::Json& state) {
  state.set("score", game.GetScore());
  state.set("level", game.GetLevel());
  state.set("lives", game.GetLives());
  state.set("missiles", game.GetMissiles());
  state.set("timeLeft", static_cast<double>(game.TimeLeft()));
  state.set("gameOver", game.GameOverPhase);
  DumpField(game, state);
}

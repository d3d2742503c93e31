#include "scene/GameFingerprint.h"

#include "runtime/json.h"
#include "scene/DumpField.h"
#include "scene/Game.h"

std::uint64_t GameFingerprint(const TGame& game) {
  rt::Json state = rt::Json::object();
  state.set("score", game.GetScore());
  state.set("level", game.GetLevel());
  state.set("lives", game.GetLives());
  state.set("missiles", game.GetMissiles());
  state.set("timeLeft", static_cast<double>(game.TimeLeft()));
  state.set("gameOver", game.GameOverPhase);
  state.set("gameOverTimer", static_cast<double>(game.GameOverTimer));
  DumpField(game, state);
  return state.digest();
}

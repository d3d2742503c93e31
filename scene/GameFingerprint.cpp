#include "scene/GameFingerprint.h"

#include "runtime/json.h"
#include "scene/DumpField.h"
#include "scene/Game.h"

std::uint64_t GameFingerprint(const TGame& game) {
  rt::Json state = rt::Json::object();
  DumpGame(game, state);
  state.set("gameOverTimer", static_cast<double>(game.GameOverTimer));
  return state.digest();
}

#!/usr/bin/env bash
# Starts the game from a build folder. When nothing listens on the score server's port, the
# local score server (on its SQLite default) runs beside the game and ends with it, so a new
# record can be sent and its online page opened out of the box.
# Usage: scripts/play.sh BUILD_DIR [game options...]; GLINT_SERVER_PORT picks another port.
set -euo pipefail
build=$1
shift
port=${GLINT_SERVER_PORT:-8642}
game_args=()
# The game looks for its server on 8642 unless told otherwise.
[ "$port" = 8642 ] || game_args+=(--server "http://127.0.0.1:$port")

listening() { (exec 3<>"/dev/tcp/127.0.0.1/$port") 2>/dev/null; }

if ! listening; then
  log="$build/score-server.log"
  "$build/server/glintbreaker-server" --listen "127.0.0.1:$port" >"$log" 2>&1 &
  server=$!
  trap 'kill "$server" 2>/dev/null; wait "$server" 2>/dev/null || true' EXIT
  # Until it listens (it takes a few milliseconds); a server that fails leaves the game to
  # offer its try-again question when a record is sent.
  for _ in $(seq 100); do
    listening && break
    kill -0 "$server" 2>/dev/null || { echo "play: the score server did not start, see $log" >&2; break; }
    sleep 0.05
  done
  listening && echo "play: the score server runs beside the game on http://127.0.0.1:$port (log: $log)"
fi
"$build/game/glintbreaker" ${game_args[@]+"${game_args[@]}"} "$@"

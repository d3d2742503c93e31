#!/usr/bin/env bash
# Records the attract demos again: each demos/NAME.txt is played by the built game, headless,
# with the seed its first line names, and the replay the game left becomes demos/NAME.glr.
# Usage: scripts/record-demos.sh BUILD
set -euo pipefail

build=$(cd "${1:-build}" && pwd)
demos="$(cd "$(dirname "$0")/.." && pwd)/demos"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

for script in "$demos"/*.txt; do
  name=$(basename "$script" .txt)
  seed=$(sed -n '1s/^# seed \([0-9]*\)$/\1/p' "$script")
  if [ -z "$seed" ]; then
    echo "record-demos: $script does not begin with '# seed N'" >&2
    exit 1
  fi
  rm -rf "$work/user"
  "$build/game/glintbreaker" --headless --script "$script" --seed "$seed" \
    --game-dir "$build/game" --user-dir "$work/user" > /dev/null
  replays=("$work/user/replays/"*.glr)
  if [ ${#replays[@]} -ne 1 ] || [ ! -f "${replays[0]}" ]; then
    echo "record-demos: $script left no single replay" >&2
    exit 1
  fi
  cp "${replays[0]}" "$demos/$name.glr"
  echo "demos/$name.glr: $(stat -c %s "$demos/$name.glr") bytes"
done

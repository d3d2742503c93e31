#!/usr/bin/env bash
# A save into a read-only folder under Wine keeps the old file: the Windows game switches the
# music off in the options with its data folder on a read-only file system (mounted in a mount
# namespace of its own, so that root is stopped too, with a Wine server started inside it), and
# the settings file must keep its bytes while the game says why in one line and plays on.
#   usage: read_only_save.sh WINDOWS_GAME WINE      (WINEPREFIX set)
set -euo pipefail
game=$1
wine=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/user/data"
# The default settings: windowed, sound and music on, no second name, the boss key F12 (88).
printf '\001\001\001\000\000\000\000\000\000\000\000\000\000\000\130\000\000\000' >"$work/before"
cat >"$work/script.txt" <<'SCRIPT'
until fade == 200 200
key 208
frames 1
key 28
frames 1
until screens.options.Slide == 100 40
key 208
frames 1
key 205
frames 1
key 1
frames 1
expect GameState == gsMainMenu
expect settings.MusicOn == 0
SCRIPT
wineserver=$(dirname "$wine")/wineserver
[ -x "$wineserver" ] || wineserver=wineserver
"$wineserver" -k 2>/dev/null || true
if ! unshare --mount true 2>/dev/null; then
  echo "read-only save: skipped, no mount namespace here"
  exit 0
fi
status=0
unshare --mount bash -c '
  set -e
  mount -t tmpfs -o size=1m tmpfs "$1/user/data"
  cp "$1/before" "$1/user/data/settings.dat"
  mount -o remount,ro "$1/user/data"
  "$2" "$3" --headless --script "$1/script.txt" --user-dir "$1/user" --seed 1 2>"$1/err" || echo $? >"$1/status"
  cp "$1/user/data/settings.dat" "$1/after"
  ls -A "$1/user/data" >"$1/listing"
  "$4" -k 2>/dev/null || true
' _ "$work" "$wine" "$game" "$wineserver"
if [ -f "$work/status" ]; then
  echo "read-only save: the game ended with status $(cat "$work/status"): $(cat "$work/err")"
  status=1
fi
if ! cmp -s "$work/before" "$work/after" || [ "$(cat "$work/listing")" != settings.dat ]; then
  echo "read-only save: the settings file changed or a file was left beside it"
  status=1
fi
if ! grep -q "cannot write .*settings.dat" "$work/err"; then
  echo "read-only save: the game did not say why it could not save: $(cat "$work/err")"
  status=1
fi
[ $status -eq 0 ] && echo "read-only save: the old settings kept; the game said: $(head -1 "$work/err")"
exit $status

#!/usr/bin/env bash
# The installed game as the desktop shows and starts it: the icon its desktop entry names is in
# the icon theme at every size, and the entry's command line, with a script added, reaches the
# main menu on the headless engine with every file it needs found under the prefix. The run
# writes only into the player's data folder: the installed tree and the working folder stay as
# they were. A copy of the program without its data says so in one line.
# Usage: installed_game_test.sh PREFIX ENTRY (the entry's path inside the prefix).
set -euo pipefail
prefix=$1
entry=$prefix/$2

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
mkdir -p "$scratch/home" "$scratch/work"
printf 'until fade == 200 200\nexpect GameState == gsMainMenu\n' >"$scratch/menu.txt"

# The entry starts one program by its full path, quoted, with no arguments.
exec_line=$(sed -n 's/^Exec=//p' "$entry")
[[ $exec_line =~ ^\"([^\"]+)\"$ ]] || fail "the entry's Exec is not one quoted program: $exec_line"
program=${BASH_REMATCH[1]}
[ "$program" -ef "$prefix/bin/glintbreaker" ] || fail "the entry starts $program"

icon=$(sed -n 's/^Icon=//p' "$entry")
for size in 48x48/apps/$icon.png 64x64/apps/$icon.png 128x128/apps/$icon.png \
  256x256/apps/$icon.png scalable/apps/$icon.svg; do
  [ -s "$prefix/share/icons/hicolor/$size" ] || fail "no icon $size"
done

# Every installed file with its size and time, to see that the run changes none of them.
tree() { (cd "$prefix" && find . -printf '%p %s %T@\n' | sort); }
before=$(tree)

# A player's start: the default user folder under HOME, the working folder elsewhere.
status=0
(cd "$scratch/work" && env -u XDG_DATA_HOME HOME="$scratch/home" \
  "$program" --headless --script "$scratch/menu.txt" >"$scratch/out" 2>"$scratch/err") || status=$?
[ "$status" -eq 0 ] || fail "the game exited with $status: $(cat "$scratch/err")"
[ ! -s "$scratch/err" ] || fail "the game complained: $(cat "$scratch/err")"
[ -f "$scratch/home/.local/share/glintbreaker/data/settings.dat" ] ||
  fail "no settings in the player's data folder"
[ "$(tree)" = "$before" ] || fail "the installed tree changed: $(diff <(echo "$before") <(tree))"
[ -z "$(ls -A "$scratch/work")" ] ||
  fail "the game wrote into its working folder: $(ls -A "$scratch/work")"

# The program alone, its data folder nowhere to be found.
mkdir "$scratch/bin"
cp "$program" "$scratch/bin/"
status=0
HOME="$scratch/home" "$scratch/bin/glintbreaker" --headless --script "$scratch/menu.txt" \
  >"$scratch/out" 2>"$scratch/err" || status=$?
[ "$status" -eq 1 ] || fail "without its data the game exited with $status"
[ "$(wc -l <"$scratch/err")" -eq 1 ] && grep -q "no game files in" "$scratch/err" ||
  fail "without its data the game said: $(cat "$scratch/err")"
echo "the installed game reached the main menu from its desktop entry"

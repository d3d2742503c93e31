#!/usr/bin/env python3
"""Plays the same seeded scripted games on the Linux game and on a Windows build of it (under
Wine) and checks that every state dump is the same, but for the fields that belong to the
machine: the engine's object counts, the resident memory and the window's own fields.

  usage: compare_dumps.py LINUX_GAME WINDOWS_GAME WINE [SECONDS_OF_MONKEY]
"""
import json
import os
import random
import shutil
import struct
import subprocess
import sys
import tempfile

MACHINE_FIELDS = ("engine", "residentKiB", "window")
KEY_ENTER, KEY_ESCAPE, KEY_UP, KEY_DOWN, KEY_LEFT, KEY_RIGHT, KEY_SPACE = 28, 1, 200, 208, 203, 205, 57
READY = "until fade == 200 200\n"


def game_with_record_level(game_dir, folder):
    """A copy of the game folder whose level set is one level of three metal bricks (code 10)
    in row 2: nothing counts for completion, so the game is won at once with 1160 points, a
    record in the new table. The level file is 20 x 20 little-endian words XOR 0x00C6C6C6 after
    the level count."""
    copy = os.path.join(folder, "game")
    shutil.copytree(game_dir, copy, ignore=shutil.ignore_patterns("*.exe", "*.dll", "glintbreaker"))
    cells = [0] * 400
    for column in (2, 3, 4):
        cells[20 + column] = 10
    with open(os.path.join(copy, "data", "Levels.dat"), "wb") as f:
        f.write(struct.pack("<I", 1) + b"".join(struct.pack("<I", c ^ 0x00C6C6C6) for c in cells))
    return copy


def whole_game():
    """A new game won at once, a name typed into the records table (Shift+Q), the second name
    and OK confirmed, the records panel shown."""
    return (READY + f"key {KEY_ENTER}\nuntil gsPlaying 10\ndump\nuntil gsRecordEntryName 3000\n"
            "dump\nhold 42\nkey 16\nframes 1\nrelease 42\ndump\n" +
            f"key {KEY_ENTER}\nframes 1\nkey {KEY_ENTER}\nframes 1\nkey {KEY_ENTER}\nframes 1\n"
            f"dump\nkey {KEY_ESCAPE}\nframes 60\ndump\n")


def every_panel():
    """Each item of the main menu opened, looked through with the arrows, and left."""
    lines = [READY, "dump\n"]
    for item in range(8):
        lines.append(f"key {KEY_DOWN}\nframes 5\n" * item)
        lines.append(f"key {KEY_ENTER}\nframes 60\ndump\n")
        for key in (KEY_DOWN, KEY_RIGHT, KEY_DOWN, KEY_LEFT, KEY_UP):
            lines.append(f"key {key}\nframes 20\n")
        lines.append(f"dump\nkey {KEY_ESCAPE}\nframes 60\ndump\n")
    return "".join(lines)


def monkey(seconds):
    """Random pointer moves, clicks and keys in play, and a new game started from the main menu
    every so often (Enter there starts one: the selection is never moved, so the monkey never
    reaches the way out of the program)."""
    rng = random.Random(11)
    keys = [KEY_SPACE, KEY_LEFT, KEY_RIGHT, 25]  # 25 is P: pause, and again to go on
    lines = [READY]
    frames = 0
    steps = 0
    while frames < seconds * 1000 // 13:
        roll = rng.random()
        if roll < 0.02:
            lines.append(f"key {KEY_ENTER}\n")
        elif roll < 0.1:
            lines.append(f"key {rng.choice(keys)}\n")
        elif roll < 0.7:
            lines.append(f"mouse {rng.random():.4f} {rng.uniform(0.94, 1):.4f}\n")
        else:
            lines.append("click left\n")
        step = rng.randint(1, 40)
        lines.append(f"frames {step}\n")
        frames += step
        steps += 1
        if steps % 40 == 0:
            lines.append("dump\n")
    lines.append("dump\n")
    return "".join(lines)


def dumps(command, script_text, folder, seed, game_dir):
    script = os.path.join(folder, "script.txt")
    with open(script, "w") as f:
        f.write(script_text)
    user = os.path.join(folder, "user")
    run = subprocess.run(command + ["--headless", "--script", script, "--user-dir", user,
                                    "--seed", str(seed)] +
                         (["--game-dir", game_dir] if game_dir else []),
                         capture_output=True, text=True, errors="replace", timeout=1800)
    lines = [json.loads(l) for l in run.stdout.splitlines() if l.startswith("{")]
    for d in lines:
        for field in MACHINE_FIELDS:
            d.pop(field, None)
    return run.returncode, lines


def first_difference(a, b, path=""):
    if type(a) is not type(b):
        return f"{path}: {a!r} against {b!r}"
    if isinstance(a, dict):
        for key in sorted(set(a) | set(b)):
            if key not in a or key not in b:
                return f"{path}.{key}: only on one side"
            found = first_difference(a[key], b[key], f"{path}.{key}")
            if found:
                return found
    elif isinstance(a, list):
        if len(a) != len(b):
            return f"{path}: {len(a)} items against {len(b)}"
        for i, (x, y) in enumerate(zip(a, b)):
            found = first_difference(x, y, f"{path}[{i}]")
            if found:
                return found
    elif a != b:
        return f"{path}: {a!r} against {b!r}"
    return None


def main():
    linux, windows, wine = sys.argv[1:4]
    seconds = int(sys.argv[4]) if len(sys.argv) > 4 else 180
    scratch = tempfile.TemporaryDirectory()
    record_game = game_with_record_level(os.path.dirname(linux), scratch.name)
    games = [("a whole game to a record", whole_game(), 5, record_game),
             ("every panel", every_panel(), 6, None),
             (f"the monkey, {seconds} s", monkey(seconds), 9, None)]
    failed = False
    for name, script, seed, game_dir in games:
        with tempfile.TemporaryDirectory() as a, tempfile.TemporaryDirectory() as b:
            status_linux, on_linux = dumps([linux], script, a, seed, game_dir)
            status_windows, on_windows = dumps([wine, windows], script, b, seed, game_dir)
        if status_linux != status_windows:
            print(f"{name}: exit status {status_linux} on Linux, {status_windows} on Windows")
            failed = True
            continue
        if len(on_linux) != len(on_windows) or not on_linux:
            print(f"{name}: {len(on_linux)} dumps on Linux, {len(on_windows)} on Windows")
            failed = True
            continue
        for index, (x, y) in enumerate(zip(on_linux, on_windows)):
            difference = first_difference(x, y)
            if difference:
                print(f"{name}: dump {index + 1} differs at {difference}")
                failed = True
                break
        else:
            last = on_linux[-1]
            print(f"{name}: {len(on_linux)} dumps identical (exit status {status_linux}, "
                  f"frame {last['frame']}, score {last['score']}, level {last['level']})")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())

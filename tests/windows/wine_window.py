#!/usr/bin/env python3
"""The Windows game in a real window under Wine on a private Xvfb: the main menu and a frame of
play, shot by the game itself and read off the X screen, checked against the Linux game's shots
of the same seeded script. The pictures are kept in OUT_DIR to be looked at.

  usage: wine_window.py LINUX_GAME WINDOWS_GAME WINE OUT_DIR
"""
import os
import subprocess
import sys
import tempfile
import time

from PIL import Image, ImageChops, ImageGrab

SCRIPT = ("until fade == 200 400\nframes 30\nshot {out}/{side}-menu.png\n"
          "key 28\nuntil gsPlaying 200\nframes 20\nclick left\nframes 120\n"
          "shot {out}/{side}-play.png\nframes 1200\n")


def differing_share(a, b):
    """The share of pixels that differ by more than 8 in any channel."""
    difference = ImageChops.difference(a.convert("RGB"), b.convert("RGB")).convert("L")
    histogram = difference.point(lambda v: 255 if v > 8 else 0).histogram()
    return histogram[255] / (a.width * a.height)


def window_part(screen, size):
    """The window's part of the X screen: without a window manager the root around it is black."""
    box = screen.convert("L").point(lambda v: 255 if v > 16 else 0).getbbox()
    return screen.crop((box[0], box[1], box[0] + size[0], box[1] + size[1])) if box else None


def shows(screen, shot):
    """The screen shows the game's own shot, give or take the ball and the bricks it broke since."""
    part = screen and window_part(screen, shot.size)
    return part is not None and differing_share(part, shot) < 0.2


def play(command, side, display, out, user):
    script = os.path.join(user, "script.txt")
    with open(script, "w") as f:
        f.write(SCRIPT.format(out=out, side=side))
    environment = dict(os.environ, DISPLAY=display, SDL_AUDIODRIVER="dummy")
    game = subprocess.Popen(command + ["--script", script, "--user-dir", user, "--seed", "3"],
                            env=environment, stdout=subprocess.DEVNULL, stderr=subprocess.PIPE)
    # A script's frames run as fast as they can and the X screen may lag behind them, so the
    # screen is read again and again while the game goes on playing after its shot.
    shot_file = os.path.join(out, f"{side}-play.png")
    shot = screen = None
    deadline = time.time() + 120
    while game.poll() is None and time.time() < deadline:
        if shot is None and os.path.exists(shot_file):
            time.sleep(0.1)  # the shot is whole
            shot = Image.open(shot_file)
        if shot is not None and not shows(screen, shot):
            screen = ImageGrab.grab(xdisplay=display)
        time.sleep(0.02)
    if screen:
        screen.save(os.path.join(out, f"{side}-screen.png"))
    if game.poll() is None:
        game.kill()
        return f"{side}: the game did not end within two minutes"
    if game.returncode != 0:
        return f"{side}: exit status {game.returncode}: {game.stderr.read().decode(errors='replace')}"
    return None if shows(screen, shot) else f"{side}: the X screen never showed the game's play"


def main():
    linux, windows, wine, out = sys.argv[1:5]
    os.makedirs(out, exist_ok=True)
    display = f":{300 + os.getpid() % 300}"
    server = subprocess.Popen(["Xvfb", display, "-screen", "0", "1024x768x24", "-nolisten", "tcp"],
                              stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    time.sleep(1)
    problems = []
    try:
        with tempfile.TemporaryDirectory() as a, tempfile.TemporaryDirectory() as b:
            for command, side, user in (([linux], "linux", a), ([wine, windows], "windows", b)):
                problem = play(command, side, display, out, user)
                if problem:
                    problems.append(problem)
    finally:
        server.kill()
    if not problems:
        for name in ("menu", "play"):
            ours = Image.open(os.path.join(out, f"windows-{name}.png"))
            theirs = Image.open(os.path.join(out, f"linux-{name}.png"))
            share = differing_share(ours, theirs)
            print(f"{name}: {100 * share:.2f} % of the pixels differ from Linux")
            # The picture is the same but for the pointer and a caret.
            if share > 0.01:
                problems.append(f"{name}: the Windows picture differs from Linux")
    for problem in problems:
        print(problem)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())

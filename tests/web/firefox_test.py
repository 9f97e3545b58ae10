#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Letterfibel developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""A second engine: Firefox ESR draws the page on a screen of its own (Xvfb), and its picture
shows the window centred with its 19 buttons, each with its frame and a dark caption inside:
the engine has brought them to life (they are grey before). Its headless screenshot is taken at
the load event, which may come before, so the picture is taken from the X server until the
window is there or 30 s have passed.

    firefox_test.py SITE_FOLDER
"""
import json
import os
import subprocess
import sys
import tempfile
import time

WIDTH, HEIGHT = 800, 650
SERVE = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "scripts",
                     "serve_web.py")


def missing_buttons(pixels, table):
    """What the picture lacks of the window; empty when all 19 buttons are there."""
    def grey(x, y):
        offset = 3 * (y * WIDTH + x)
        return sum(pixels[offset:offset + 3]) // 3

    left, top = (WIDTH - table["window"][0]) // 2, (HEIGHT - table["window"][1]) // 2
    buttons = [c["place"] for c in table["controls"] if c["kind"] == "button"]
    failures = []
    for number, (x, y, width, height) in enumerate(buttons, 1):
        x, y = left + x, top + y
        inside = [grey(i, j) for i in range(x + 4, x + width - 4)
                  for j in range(y + 4, y + height - 4)]
        # A frame darker than the face on all four sides, and dark caption pixels inside.
        edges = [min(grey(x + width // 2, j) for j in range(y - 1, y + 3)),
                 min(grey(x + width // 2, j) for j in range(y + height - 3, y + height + 1)),
                 min(grey(i, y + height // 2) for i in range(x - 1, x + 3)),
                 min(grey(i, y + height // 2) for i in range(x + width - 3, x + width + 1))]
        face = sorted(inside)[len(inside) // 2]
        if max(edges) > face - 40:
            failures.append("button %d at %d,%d has no frame" % (number, x, y))
        if min(inside) > 96:
            failures.append("button %d at %d,%d has no caption" % (number, x, y))
    return failures


def main():
    # The buttons' places as the program's own table has them.
    with open(os.environ["PAGE_TABLE"], encoding="utf-8") as file:
        table = json.load(file)
    server = subprocess.Popen([sys.executable, SERVE, sys.argv[1]], stdout=subprocess.PIPE,
                              text=True)
    address = server.stdout.readline().strip()
    screen = subprocess.Popen(["Xvfb", "-displayfd", "1", "-screen", "0",
                               "%dx%dx24" % (WIDTH, HEIGHT), "-nolisten", "tcp"],
                              stdout=subprocess.PIPE, text=True)
    display = ":" + screen.stdout.readline().strip()
    firefox = None
    failures = ["no picture"]
    try:
        with tempfile.TemporaryDirectory() as scratch:
            profile = os.path.join(scratch, "profile")
            os.mkdir(profile)
            environment = dict(os.environ, HOME=scratch, DISPLAY=display)
            environment.pop("WAYLAND_DISPLAY", None)
            firefox = subprocess.Popen(["firefox-esr", "--kiosk", "--no-remote", "--profile",
                                        profile, "--width", str(WIDTH), "--height",
                                        str(HEIGHT), address], env=environment,
                                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            # The pointer starts in the middle of the screen, over a button it would light up.
            subprocess.run(["xdotool", "mousemove", "0", "0"], env=environment)
            deadline = time.monotonic() + 30
            while failures and time.monotonic() < deadline:
                time.sleep(0.5)
                pixels = subprocess.run(["import", "-display", display, "-window", "root",
                                         "-depth", "8", "rgb:-"], stdout=subprocess.PIPE,
                                        stderr=subprocess.DEVNULL).stdout
                if len(pixels) == WIDTH * HEIGHT * 3:
                    failures = missing_buttons(pixels, table)
            if failures and os.environ.get("KEEP_PICTURE"):
                subprocess.run(["import", "-display", display, "-window", "root",
                                os.environ["KEEP_PICTURE"]])
            # Before its profile goes.
            firefox.terminate()
            firefox.wait(10)
    finally:
        for process in (firefox, screen, server):
            if process:
                process.terminate()
                process.wait(10)
    if failures:
        sys.exit("\n".join(failures))
    print("firefox: the window with its 19 buttons")


if __name__ == "__main__":
    main()

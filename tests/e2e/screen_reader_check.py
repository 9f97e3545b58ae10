# SPDX-FileCopyrightText: 2026 The Letterfibel developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""What a screen reader learns from the real program over a real AT-SPI bus, with real keys:
letters typed to reach the buttons, and Space.

Run inside a private D-Bus session with DISPLAY set (screen_reader_test.sh does both). Orca
speaks a notification when it is shown: the question when a drill starts, the verdict with the
name and the counter that changed after each answer. The letter itself is never named.
"""
import os
import re
import subprocess
import sys
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, Gio, GLib  # noqa: E402
import pyatspi  # noqa: E402

# The letters' names, from the program's own table (screen_reader_test.sh reads it).
NAMES = os.environ["LETTER_NAMES"].split()
QUESTION = "Welcher griechische Kleinbuchstabe ist sichtbar ?"


def fail(message):
    print("FAIL: " + message, file=sys.stderr)
    sys.exit(1)


def start_accessibility_bus():
    launcher = subprocess.Popen(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"])
    bus = Gio.bus_get_sync(Gio.BusType.SESSION, None)
    deadline = time.time() + 10
    while True:
        try:
            # As a desktop does when a screen reader runs.
            for name in ("IsEnabled", "ScreenReaderEnabled"):
                bus.call_sync("org.a11y.Bus", "/org/a11y/bus", "org.freedesktop.DBus.Properties",
                              "Set", GLib.Variant("(ssv)", ("org.a11y.Status", name,
                                                            GLib.Variant("b", True))),
                              None, Gio.DBusCallFlags.NONE, 2000, None)
            return launcher
        except GLib.Error:
            if time.time() > deadline:
                fail("the accessibility bus did not start")
            time.sleep(0.1)


class Listener:
    def __init__(self):
        self.notifications = []
        self.name_changes = []
        self.focused = []
        for kind in ("object:state-changed:showing", "object:property-change:accessible-name",
                     "object:state-changed:focused"):
            pyatspi.Registry.registerEventListener(self.on_event, kind)

    def on_event(self, event):
        try:
            role = event.source.getRole()
            name = event.source.name
        except Exception:
            return
        if event.type.startswith("object:state-changed:focused"):
            if event.detail1:
                self.focused.append(name)
        elif event.type.startswith("object:state-changed:showing"):
            if role == pyatspi.ROLE_NOTIFICATION and event.detail1:
                self.notifications.append(name)
        else:
            self.name_changes.append((role, name))

    def pump(self, seconds):
        context = GLib.MainContext.default()
        end = time.time() + seconds
        while time.time() < end:
            if not context.iteration(False):
                time.sleep(0.01)

    def step(self, keys, quiet=0.0):
        """Presses keys as real X input; returns the notifications shown until the first one
        and a little after (or, with quiet, during that many seconds)."""
        self.notifications.clear()
        self.name_changes.clear()
        self.focused.clear()
        if keys:
            subprocess.run(["xdotool", "key", "--delay", "40"] + keys, check=True)
        if quiet:
            self.pump(quiet)
            return list(self.notifications)
        deadline = time.time() + 10
        while not self.notifications and time.time() < deadline:
            self.pump(0.05)
        self.pump(0.5)
        return list(self.notifications)


def find(root, predicate):
    if predicate(root):
        return root
    for child in root:
        if child is not None:
            found = find(child, predicate)
            if found is not None:
                return found
    return None


def main():
    binary = sys.argv[1]
    launcher = start_accessibility_bus()
    listener = Listener()
    program = subprocess.Popen([binary])
    try:
        check(program, listener)
    finally:
        program.terminate()
        program.wait(5)
        launcher.terminate()
    print("screen reader: ok")


def check(program, listener):
    app = None
    deadline = time.time() + 15
    while app is None:
        listener.pump(0.2)
        desktop = pyatspi.Registry.getDesktop(0)
        app = next((a for a in desktop if a is not None and a.get_process_id() == program.pid),
                   None)
        if time.time() > deadline:
            fail("the program did not appear on the accessibility bus")
    if app.name != "Letterfibel" or "/" in app.description:
        fail("application named %r, described %r" % (app.name, app.description))
    frame = app[0]
    if frame.getRole() != pyatspi.ROLE_FRAME or frame.name != "Letterfibel":
        fail("the window is a %s named %r, not a frame with its title"
             % (frame.getRoleName(), frame.name))
    listener.pump(1)
    focused = find(frame, lambda o: o.getState().contains(pyatspi.STATE_FOCUSED))
    if focused is None or focused.name != "Ende":
        fail("the focus is not on Ende at start")

    def label(name_matches):
        return find(frame, lambda o: o.getRole() == pyatspi.ROLE_LABEL and name_matches(o))

    glyph = label(lambda o: o.name == "Angezeigter Buchstabe")
    if glyph is None:
        fail("no letter display named 'Angezeigter Buchstabe'")

    # Typed letters move the focus, said as Tab's is: "e" reaches Epsilon, never Ende, and
    # Space judges it; the program runs on.
    listener.step(["e"], quiet=0.5)
    if listener.focused != ["Epsilon"]:
        fail("after typing e the focus was said to be on %r, not Epsilon" % listener.focused)
    listener.step(["space"], quiet=0.5)
    if program.poll() is not None:
        fail("e and Space at start ended the program")
    # "k" and Space: the question is said.
    said = listener.step(["k", "space"])
    if said != [QUESTION] or listener.focused != ["Kleinbuchstaben"]:
        fail("after k and Space the screen reader was given %r and the focus %r"
             % (said, listener.focused))

    # Omega by its first letter, and Space: the verdict, the name shown and the counter that
    # changed.
    said = listener.step(["o", "space"])
    pattern = r"^(Falsch: (%s)\. 1 falsch|Richtig: Omega\. 1 richtig)$" % "|".join(NAMES)
    if len(said) != 1 or not re.match(pattern, said[0]):
        fail("after an answer the screen reader was given %r" % said)
    verdict, shown = re.match(r"^(\w+): (\w+)", said[0]).groups()
    feedback = label(lambda o: o.name == shown)
    if feedback is None or feedback.description != verdict:
        fail("the feedback does not carry the verdict %r in words" % verdict)
    doubled = {c for c in listener.name_changes if listener.name_changes.count(c) > 1}
    if doubled:
        fail("one change sent several name-change events: %r" % sorted(doubled))

    if verdict == "Falsch":
        # The right name typed whole.
        said = listener.step(list(shown.lower()) + ["space"])
        if said != ["Richtig: %s" % shown]:
            fail("after the right answer the screen reader was given %r" % said)

    # The pause ends: the emptied feedback is not presented as anything.
    said = listener.step([], quiet=2.6)
    if said:
        fail("after the pause the screen reader was given %r" % said)
    if label(lambda o: o.name == QUESTION) is not None:
        fail("a label took the question as its name")
    if glyph.name != "Angezeigter Buchstabe":
        fail("the letter display gives the answer away: %r" % glyph.name)


if __name__ == "__main__":
    main()

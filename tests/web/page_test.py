#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Letterfibel developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""The page as a learner's browser gets it, in each engine (browsers.py), driven from outside
with real clicks and keys, served from a folder of a school's host on 127.0.0.1: the drill,
the screens it is shown on, the start without a network, and what assistive technology gets.

    page_test.py SITE_FOLDER AXE_SCRIPT [unittest arguments, e.g. DrillInFirefox]
"""
import json
import os
import re
import shutil
import subprocess
import sys
import tempfile
import time
import unittest

# The source tree stays as checked out.
sys.dont_write_bytecode = True
from browsers import Host, Unsupported, in_every_engine, wait_for  # noqa: E402

SITE = AXE = None


def page_table():
    """The program's own table of the controls and of each glyph's name, as the build wrote it:
    the specified values are checked against it once, in the shared layer's tests."""
    with open(os.environ["PAGE_TABLE"], encoding="utf-8") as file:
        return json.load(file)


TABLE = page_table()
CONTROLS = {control["name"]: control for control in TABLE["controls"]}
NAMES = TABLE["letters"]
BUTTON = {c["caption"]: c["name"] for c in TABLE["controls"] if c["caption"] in NAMES.values()}
TAB_ORDER = [c["name"] for c in sorted(TABLE["controls"], key=lambda c: c["tab"])
             if c["kind"] == "button"]
LOWER = "Welcher griechische Kleinbuchstabe ist sichtbar ?"
UPPER = "Welcher griechische Grossbuchstabe ist sichtbar ?"
RED, GREEN = "rgb(255, 0, 0)", "rgb(0, 192, 0)"


class PageTest:
    """A scenario; browsers.in_every_engine makes a test class of it for each engine."""
    engine = None

    def setUp(self):
        self.host = Host(SITE)
        self.browser = self.engine()
        self.open(self.host.address)

    def tearDown(self):
        # Nothing but the page's own files, and not a word on the console, in any test.
        try:
            foreign = [url for url in self.browser.requests()
                       if not url.startswith(self.host.origin) and not url.startswith("data:")]
        except Unsupported as reason:
            foreign = []
            self.unchecked(reason)
        try:
            console = [m for m in self.browser.console() if not self.expected_on_console(m)]
        except Unsupported as reason:
            console = []
            self.unchecked(reason)
        self.browser.quit()
        self.host.stop()
        self.assertEqual(foreign, [], "requests to another origin")
        self.assertEqual(console, [], "console messages")

    def expected_on_console(self, message):
        return False

    def unchecked(self, reason):
        said = self.__dict__.setdefault("said_unchecked", set())
        if str(reason) not in said:
            said.add(str(reason))
            print("%s: not checked: %s" % (self.engine.name, reason), file=sys.stderr)

    def open(self, address):
        self.browser.navigate(address)
        self.assertTrue(wait_for(lambda: self.browser.js(
            "document.getElementById('loading').hidden && document.fonts.status === 'loaded'"),
            10), "the engine did not start")

    def text(self, element_id):
        return self.browser.js("document.getElementById(%s).textContent" % json.dumps(element_id))

    def colour(self, element_id):
        return self.browser.js("getComputedStyle(document.getElementById(%s)).color"
                               % json.dumps(element_id))

    def shows(self, element_id, text):
        """Waits a moment for the text, as a key's action may come after the key is sent."""
        return wait_for(lambda: self.text(element_id) == text, 1)

    def press(self, key=" "):
        """Presses the focused button with a key; where the engine's keys cannot, the key still
        ends a typed word, and a click presses the button."""
        self.browser.keys(key)
        if not self.browser.keys_press_buttons:
            self.unchecked("its keys do not press buttons when driven from outside; clicked")
            self.browser.click(self.focused())

    def focused(self):
        return self.browser.js("document.activeElement.id")

    def said(self):
        return self.text("notice")

    # Reads the letter on display and returns the button of its name.
    def right_button(self):
        return BUTTON[NAMES[self.text("LabelAnzeige")]]

    def wrong_button(self):
        right = self.right_button()
        return "CommandAl" if right != "CommandAl" else "CommandBe"

    def wait_for_the_next_letter(self):
        return wait_for(lambda: self.text("LabelAnzeigeText") == "", 4)


class Drill(PageTest):
    def test_every_mode_judges_counts_colours_and_says_it(self):
        b = self.browser
        self.assertEqual(b.js("document.title"), "Letterfibel")
        self.assertEqual(self.text("Frame1-caption"), "")
        self.assertEqual(self.text("LabelRichtig"), "0 richtig")
        for mode, question in (("CommandKlein", LOWER), ("CommandGross", UPPER),
                               ("CommandGemischt", None)):
            with self.subTest(mode=mode):
                b.click(mode)
                glyph = self.text("LabelAnzeige")
                self.assertIn(glyph, NAMES)
                expected = question or (LOWER if glyph.islower() else UPPER)
                self.assertEqual(self.text("Frame1-caption"), expected)
                # Said once the click's handler has returned; the last verdict stands till then.
                wait_for(lambda: self.said() == expected, 1)
                self.assertEqual(self.said(), expected)
                name = NAMES[glyph]

                b.click(self.wrong_button())
                self.assertEqual(self.text("LabelAnzeigeText"), name)
                self.assertEqual(self.colour("LabelAnzeigeText"), RED)
                self.assertEqual(self.text("LabelFalsch"), "1 falsch")
                self.assertEqual(wait_for(lambda: self.said().startswith("Falsch"), 1) and
                                 self.said(), "Falsch: %s. 1 falsch" % name)

                b.click(BUTTON[name])
                self.assertEqual(self.colour("LabelAnzeigeText"), GREEN)
                self.assertEqual(self.text("LabelRichtig"), "0 richtig")
                self.assertEqual(wait_for(lambda: self.said().startswith("Richtig"), 1) and
                                 self.said(), "Richtig: %s" % name)
                self.assertTrue(self.wait_for_the_next_letter(), "the pause did not end")

                name = NAMES[self.text("LabelAnzeige")]
                b.click(BUTTON[name])
                self.assertEqual(self.text("LabelRichtig"), "1 richtig")
                self.assertTrue(wait_for(lambda: self.said() == "Richtig: %s. 1 richtig" % name,
                                         1), "the right answer was not said")
                self.assertTrue(self.wait_for_the_next_letter())
        # The words leave nothing behind for a later review.
        self.assertTrue(wait_for(lambda: self.said() == "", 3))
        # Nothing of it is kept: no cookie, no storage.
        self.assertEqual(b.js("document.cookie"), "")
        self.assertEqual(b.js("localStorage.length + sessionStorage.length"), 0)
        self.assertEqual(b.js_async("return (await indexedDB.databases()).length"), 0)

    def test_the_pause_ignores_names_and_a_new_drill_is_judged_at_once(self):
        b = self.browser
        b.click("CommandKlein")
        right = self.right_button()
        b.click(right)
        started = time.monotonic()
        # The right name again and four wrong ones in one burst of real clicks, inside the pause.
        b.burst([right] + [n for n in BUTTON.values() if n != right][:4])
        self.assertLess(time.monotonic() - started, 1.8, "the burst was too slow to test")
        self.assertEqual(self.text("LabelFalsch"), "0 falsch", "a name was judged in the pause")
        self.assertEqual(self.text("LabelRichtig"), "1 richtig")
        self.assertTrue(self.wait_for_the_next_letter())
        took = time.monotonic() - started
        self.assertGreaterEqual(took, 1.9)
        self.assertLess(took, 3.5)

        # A mode during the pause: its drill at once, judged at once; the old pause draws
        # nothing, and does not cut the next right answer's pause short.
        b.click(self.right_button())
        b.click("CommandGross")
        self.assertEqual(self.text("Frame1-caption"), UPPER)
        glyph = self.text("LabelAnzeige")
        self.assertTrue(glyph.isupper())
        b.click(self.wrong_button())
        self.assertEqual(self.text("LabelFalsch"), "1 falsch")
        time.sleep(2.5)
        self.assertEqual(self.text("LabelAnzeige"), glyph)
        self.assertEqual(self.text("LabelAnzeigeText"), NAMES[glyph])

        b.click(self.right_button())
        first = time.monotonic()
        b.click("CommandKlein")
        # Late in the pause that the mode click ended, so that a pause cut short shows.
        time.sleep(max(0, first + 1 - time.monotonic()))
        b.click(self.right_button())
        started = time.monotonic()
        self.assertTrue(self.wait_for_the_next_letter())
        self.assertGreaterEqual(time.monotonic() - started, 1.9,
                                "the pause after a right answer was cut short by the pause that"
                                " a mode click ended")

    def test_ende_ends_the_program_also_in_the_pause(self):
        b = self.browser
        b.click("CommandGemischt")
        b.click(self.right_button())
        glyph = self.text("LabelAnzeige")
        b.click("CommandEnde")
        self.assertTrue(b.js("document.getElementById('stage').hidden"))
        self.assertFalse(b.js("document.getElementById('ended').hidden"))
        self.assertIn("beendet", self.text("ended"))
        self.assertEqual(b.js("[...document.querySelectorAll('button')]"
                              ".filter(e => e.checkVisibility()).length"), 0)
        # The pause that ran ends with the program: no new letter, no new question said.
        time.sleep(2.5)
        self.assertEqual(self.text("LabelAnzeige"), glyph, "a letter was drawn after Ende")
        self.assertNotIn("Welcher", self.said(), "a question was said after Ende")

    def test_keyboard_only(self):
        b = self.browser
        self.assertEqual(self.focused(), "CommandEnde")
        seen = ["CommandEnde"]
        for _ in TAB_ORDER[1:]:
            b.keys("\t")
            seen.append(self.focused())
        self.assertEqual(seen, TAB_ORDER)
        try:
            b.keys("\t", modifier="shift")
            self.assertEqual(self.focused(), "CommandGross")
        except Unsupported as reason:
            self.unchecked(reason)
            b.js("document.getElementById('CommandGross').focus()")
        self.press("\n")
        self.assertTrue(self.shows("Frame1-caption", UPPER), "Enter on Grossbuchstaben did nothing")
        b.js("document.getElementById(%s).focus()" % json.dumps(self.wrong_button()))
        self.press()
        self.assertTrue(self.shows("LabelFalsch", "1 falsch"), "Space on a name judged nothing")
        # A browser shortcut stays the browser's: Ctrl+G neither moves the focus nor is taken.
        b.js("addEventListener('keydown', e => window.lastKeyTaken = e.defaultPrevented)")
        focused = self.focused()
        b.keys("g", modifier="control")
        self.assertEqual(self.focused(), focused, "Ctrl+G moved the focus")
        self.assertFalse(b.js("window.lastKeyTaken"), "Ctrl+G was kept from the browser")
        # Letters typed into the open error box stay there.
        b.js("(box => (box.show(), box.querySelector('button').focus()))"
             "(document.getElementById('fehler'))")
        b.keys("a")
        self.assertEqual(b.js("document.activeElement.closest('dialog')?.id"), "fehler",
                         "a letter typed moved the focus out of the error box")

    def focused_as_heard(self):
        """The names of the controls that a screen reader has as focused, the page aside, or
        None where the engine does not show it."""
        try:
            tree = self.browser.accessibility_tree()
        except Unsupported as reason:
            self.unchecked(reason)
            return None
        return [n.get("name", {}).get("value") for n in tree
                if n.get("role", {}).get("value") != "RootWebArea" and
                any(p["name"] == "focused" and p["value"]["value"]
                    for p in n.get("properties", []))]

    def test_a_whole_drill_by_typing(self):
        b = self.browser
        # "e" from Ende reaches Epsilon, never Ende: Space judges it, the program runs on.
        b.keys("e")
        self.assertEqual(self.focused(), "CommandEp")
        self.assertIn(self.focused_as_heard(), (["Epsilon"], None))
        self.press()
        self.assertFalse(b.js("document.getElementById('stage').hidden"),
                         "e and Space at start ended the program")
        b.keys("k")
        self.press()
        self.assertTrue(self.shows("Frame1-caption", LOWER), "k and Space started no drill")
        self.assertIn(self.focused_as_heard(), (["Kleinbuchstaben"], None))

        # A wrong name typed is counted once.
        b.keys(self.wrong_button()[len("Command"):].lower())
        self.press()
        self.assertTrue(self.shows("LabelFalsch", "1 falsch"), "a wrong name typed was not counted")
        self.assertTrue(wait_for(lambda: self.text("LabelAnzeigeText") != "", 1))

        keys = answers = 0
        # Right answers as a learner types them: fifteen for the figure in one engine, a few
        # for the wiring in the others.
        wanted = 15 if self.engine.name == "Chromium" else 5
        while answers < wanted:
            name = NAMES[self.text("LabelAnzeige")]
            target = BUTTON[name]
            b.keys(name[0].lower())
            typed = used = 1
            while self.focused() != target:
                # The same letter again moves on, for E and P; further letters for the rest.
                same = name[0] in "EP"
                b.keys(name[0].lower() if same else name[typed].lower())
                typed += 0 if same else 1
                used += 1
                self.assertLess(used, 4, "typing does not reach " + name)
            self.press()
            keys += used + 1
            answers += 1
            self.assertTrue(wait_for(lambda: self.colour("LabelAnzeigeText") == GREEN, 1),
                            "typed %s was not right" % name)
            self.assertEqual(self.text("LabelRichtig"), "%d richtig" % (answers - 1))
            self.assertTrue(self.wait_for_the_next_letter())
        self.assertEqual(self.text("LabelFalsch"), "1 falsch")
        print("%s: a drill of %d right answers by keyboard: %.2f keys per answer"
              % (self.engine.name, wanted, keys / wanted), file=sys.stderr)
        if wanted == 15:
            self.assertLessEqual(keys / wanted, 2.5)


class Screens(PageTest):
    def rectangles(self):
        return self.browser.js(
            "[...document.querySelectorAll('#window > *, #Frame1 > .control')]"
            ".map(e => { const r = e.getBoundingClientRect(); return [e.id, e.tagName, r.left,"
            " r.top, r.width, r.height]; })")

    def window(self):
        return self.browser.js("(r => [r.left, r.top, r.width, r.height])"
                               "(document.getElementById('window').getBoundingClientRect())")

    def test_the_exact_layout_centred(self):
        window = self.window()
        self.assertEqual(window[2:], TABLE["window"])
        self.assertEqual(window[0], (900 - window[2]) / 2)
        left, top = window[:2]
        expected = {name: [left + c["place"][0], top + c["place"][1], *c["place"][2:]]
                    for name, c in CONTROLS.items()}
        self.assertEqual({name: rect for name, _, *rect in self.rectangles()}, expected)

    def test_the_window_is_drawn_with_every_button_alive(self):
        # The window as the engine draws it: each button has its frame and a dark caption (they
        # are grey until the engine runs). An engine may show its last frame a moment late.
        if not wait_for(lambda: not self.buttons_not_drawn(), 5, interval=0.3):
            self.fail("the picture of the window lacks: %s" % self.buttons_not_drawn())

    def buttons_not_drawn(self):
        left, top = (round(v) for v in self.window()[:2])
        width, height = self.browser.js("[innerWidth, innerHeight]")
        pixels = subprocess.run(["convert", "png:-", "-depth", "8", "rgb:-"],
                                input=self.browser.screenshot(), stdout=subprocess.PIPE,
                                check=True).stdout
        if len(pixels) != width * height * 3:
            return ["a picture of the viewport"]

        def grey(x, y):
            offset = 3 * (y * width + x)
            return sum(pixels[offset:offset + 3]) // 3

        missing = []
        for name in TAB_ORDER:
            x, y, w, h = CONTROLS[name]["place"]
            x, y = left + x, top + y
            inside = [grey(i, j) for i in range(x + 4, x + w - 4) for j in range(y + 4, y + h - 4)]
            face = sorted(inside)[len(inside) // 2]
            # A frame darker than the face on all four sides, and dark caption pixels inside.
            edges = [min(grey(x + w // 2, j) for j in range(y - 1, y + 3)),
                     min(grey(x + w // 2, j) for j in range(y + h - 3, y + h + 1)),
                     min(grey(i, y + h // 2) for i in range(x - 1, x + 3)),
                     min(grey(i, y + h // 2) for i in range(x + w - 3, x + w + 1))]
            if max(edges) > face - 40:
                missing.append(name + "'s frame")
            if min(inside) > 96:
                missing.append(name + "'s dark caption")
        return missing

    def test_a_small_window_scales_down_and_answers(self):
        b = self.browser
        b.viewport(640, 480)
        window = wait_for(lambda: b.js(
            "(r => r.width < 741 && [r.left, r.top, r.right, r.bottom])"
            "(document.getElementById('window').getBoundingClientRect())"), 2)
        self.assertTrue(window)
        self.assertGreaterEqual(window[0], 0)
        self.assertLessEqual(window[2], 640.5)
        self.assertLessEqual(window[3], 480.5)
        b.click("CommandKlein")
        self.assertEqual(self.text("Frame1-caption"), LOWER)

    def test_a_phone_shows_the_whole_drill_with_large_targets(self):
        b = self.browser
        b.viewport(360, 640, mobile=True)
        self.assertTrue(wait_for(lambda: b.js("innerWidth <= 450 && innerWidth < innerHeight"),
                                 2), "no phone-sized viewport")
        width, height = b.js("[innerWidth, innerHeight]")
        if width != 360:
            print("%s: a phone of %dx%d, the narrowest it gets" % (self.engine.name, width,
                                                                  height), file=sys.stderr)
        b.click("CommandKlein")
        b.click(self.wrong_button())
        self.assertTrue(wait_for(lambda: b.js(
            "document.getElementById('CommandAl').getBoundingClientRect().width < 200"), 2))
        self.assertLessEqual(b.js("document.documentElement.scrollHeight"), height)
        self.assertLessEqual(b.js("document.documentElement.scrollWidth"), width)
        for name, tag, left, top, w, h in self.rectangles():
            with self.subTest(control=name):
                self.assertGreaterEqual(left, 0)
                self.assertGreaterEqual(top, 0)
                self.assertLessEqual(left + w, width + 0.5)
                self.assertLessEqual(top + h, height + 0.5)
                # As large as a fingertip, as Apple's and Google's guides ask.
                if tag == "BUTTON":
                    self.assertGreaterEqual(w, 44, "a button too narrow to tap")
                    self.assertGreaterEqual(h, 44, "a button too low to tap")
        b.click(self.right_button())
        self.assertEqual(self.colour("LabelAnzeigeText"), GREEN)


class Offline(PageTest):
    def expected_on_console(self, message):
        # Requests to the stopped host failed; the console says so, and the page did not.
        return "ERR_CONNECTION_REFUSED" in message or "NetworkError" in message

    def test_after_the_first_visit_it_starts_and_drills_without_the_network(self):
        b = self.browser
        # The worker keeps the files as it installs, and takes the page over once active.
        self.assertTrue(wait_for(lambda: b.js_async(
            "const r = await navigator.serviceWorker.getRegistration();"
            "const kept = (await caches.keys()).length === 1 &&"
            "  (await (await caches.open((await caches.keys())[0])).keys()).length >= 10;"
            "return kept && r?.active?.state === 'activated'"), 10), "the page was never kept")
        # Bodies are kept decoded: a length or encoding of the answer as sent no longer fits.
        self.assertEqual(b.js_async(
            "const cache = await caches.open((await caches.keys())[0]);"
            "const kept = await Promise.all((await cache.keys()).map(k => cache.match(k)));"
            "return [...new Set(kept.flatMap(r => [...r.headers.keys()]))]"), ["content-type"])
        try:
            self.assertEqual(b.installability_errors(), [])
        except Unsupported as reason:
            self.unchecked(reason)
        self.host.stop()
        b.reload()
        self.assertTrue(wait_for(lambda: b.js("document.getElementById('loading').hidden"), 10),
                        "without the network the page did not start")
        b.click("CommandGemischt")
        self.assertIn(self.text("LabelAnzeige"), NAMES)
        b.click(self.right_button())
        self.assertEqual(self.colour("LabelAnzeigeText"), GREEN)

    def test_a_start_that_fails_says_so(self):
        for missing in ("the .wasm", "WebAssembly"):
            with self.subTest(missing=missing):
                self.start_fails(missing)

    def start_fails(self, missing):
        with tempfile.TemporaryDirectory() as site:
            shutil.copytree(SITE, site, dirs_exist_ok=True)
            if missing == "the .wasm":
                os.remove(os.path.join(site, "letterfibel.wasm"))
            host = Host(site)
            browser = self.engine()
            try:
                if missing == "WebAssembly":
                    try:
                        browser.before_every_page("delete globalThis.WebAssembly;")
                    except Unsupported as reason:
                        self.skipTest(str(reason))
                browser.navigate(host.address)
                said = wait_for(lambda: browser.js(
                    "document.getElementById('fehlstart').innerText"), 5)
                self.assertIn("ließ sich nicht laden", said or "",
                              "without %s the learner was left waiting" % missing)
                self.assertFalse(browser.js(
                    "document.getElementById('loading').checkVisibility()"))
                self.assertEqual(browser.js(
                    "[...document.querySelectorAll('[role=alert]')].filter(e => e.innerText)"
                    ".length"), 1, "the failure is not one alert")
            finally:
                browser.quit()
                host.stop()


class Accessibility(PageTest):
    def expected_on_console(self, message):
        return "inline script" in message or "Content-Security-Policy" in message

    def test_a_script_slipped_into_the_page_does_not_run(self):
        blocked = self.browser.js_async(
            "return await new Promise(done => {"
            "document.addEventListener('securitypolicyviolation', e => done(e.violatedDirective));"
            "const script = document.createElement('script');"
            "script.textContent = 'window.slippedIn = true';"
            "document.body.append(script);"
            "setTimeout(() => done(window.slippedIn ? 'ran' : 'no violation reported'), 2000);"
            "})")
        self.assertTrue(blocked.startswith("script-src"),
                        "an inline script was not refused by the page's policy: " + blocked)

    def audit(self):
        b = self.browser
        with open(AXE, encoding="utf-8") as f:
            b.js("(() => { %s\n return 0; })()" % f.read())
        return b.js_async("return (await axe.run(document, {resultTypes: ['violations']}))"
                          ".violations.map(v => [v.id, v.nodes.length])")

    def test_what_a_screen_reader_gets(self):
        b = self.browser
        b.click("CommandKlein")
        b.click(self.wrong_button())
        first = time.monotonic()
        name = NAMES[self.text("LabelAnzeige")]
        # Words said again are kept their whole time, not emptied when the first ones would be.
        time.sleep(1.5)
        b.click(self.wrong_button())
        time.sleep(max(0, first + 2.4 - time.monotonic()))
        self.assertEqual(self.said(), "Falsch: %s. 2 falsch" % name,
                         "the screen reader's words were emptied before their time")
        try:
            tree = b.accessibility_tree()
        except Unsupported as reason:
            self.skipTest(str(reason))
        names = [n.get("name", {}).get("value", "") for n in tree if not n.get("ignored")]
        greek = [n for n in names if re.search("[\u0370-\u03ff]", str(n))]
        self.assertEqual(greek, [], "no node may be named by a Greek letter")
        self.assertIn("Angezeigter Buchstabe", names)
        self.assertIn(LOWER, names)
        buttons = [n.get("name", {}).get("value") for n in tree
                   if n.get("role", {}).get("value") == "button" and not n.get("ignored")]
        self.assertEqual(len(buttons), 19)
        live = [n for n in tree if n.get("role", {}).get("value") == "status"]
        self.assertEqual(len(live), 1)

    def test_axe_finds_only_the_designs_own_contrast_and_nothing_with_more_contrast(self):
        b = self.browser
        b.click("CommandKlein")
        b.click(self.wrong_button())
        self.assertEqual([rule for rule, _ in self.audit() if rule != "color-contrast"], [])
        try:
            b.prefer_more_contrast()
        except Unsupported as reason:
            self.skipTest(str(reason))
        self.assertEqual(self.colour("LabelAnzeigeText"), "rgb(176, 0, 0)")
        self.assertEqual(self.audit(), [])


in_every_engine(globals(), Drill, Screens, Offline, Accessibility)


def main():
    global SITE, AXE
    SITE, AXE = sys.argv[1], sys.argv[2]
    unittest.main(argv=[sys.argv[0]] + sys.argv[3:], verbosity=2)


if __name__ == "__main__":
    main()

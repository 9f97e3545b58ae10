#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Letterfibel developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""The page in headless Chromium, driven from outside with real input (WebDriver clicks and
keys), served from 127.0.0.1 as a static web host would.

    page_test.py SITE_FOLDER AXE_SCRIPT [unittest arguments]
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

from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.keys import Keys

SITE = AXE = None
SERVE = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "scripts",
                     "serve_web.py")

def page_table():
    """The program's own table of the controls and of each glyph's name, as the build wrote it:
    the specified values are checked against it once, in the shared layer's tests."""
    with open(os.environ["PAGE_TABLE"], encoding="utf-8") as file:
        return json.load(file)


TABLE = page_table()
CONTROLS = {control["name"]: control for control in TABLE["controls"]}
NAMES = TABLE["letters"]
BUTTON = {c["caption"]: c["name"] for c in TABLE["controls"] if c["kind"] == "button"}
TAB_ORDER = [c["name"] for c in sorted(TABLE["controls"], key=lambda c: c["tab"])
             if c["kind"] == "button"]
LOWER = "Welcher griechische Kleinbuchstabe ist sichtbar ?"
UPPER = "Welcher griechische Grossbuchstabe ist sichtbar ?"
RED, GREEN = "rgb(255, 0, 0)", "rgb(0, 192, 0)"


class Server:
    def __init__(self, port=0, site=None):
        self.process = subprocess.Popen([sys.executable, SERVE, site or SITE, str(port)],
                                        stdout=subprocess.PIPE, text=True)
        self.address = self.process.stdout.readline().strip()
        self.port = int(self.address.rsplit(":", 1)[1].strip("/"))

    def stop(self):
        self.process.terminate()
        self.process.wait(10)
        self.process.stdout.close()


class Browser:
    """One Chromium with a fresh profile; every request and console message is recorded."""

    def __init__(self, width=900, height=700, mobile=False):
        options = webdriver.ChromeOptions()
        options.binary_location = "/usr/bin/chromium"
        self.profile = tempfile.TemporaryDirectory()
        for argument in ("--headless=new", "--no-sandbox", "--disable-gpu",
                         "--no-first-run", "--user-data-dir=" + self.profile.name,
                         "--window-size=%d,%d" % (width, height)):
            options.add_argument(argument)
        options.set_capability("goog:loggingPrefs", {"browser": "ALL", "performance": "ALL"})
        self.driver = webdriver.Chrome(service=Service("/usr/bin/chromedriver"),
                                       options=options)
        self.cdp("Emulation.setDeviceMetricsOverride", width=width, height=height,
                 deviceScaleFactor=1, mobile=mobile)
        self.requests = []
        self.console = []

    def cdp(self, command, **parameters):
        return self.driver.execute_cdp_cmd(command, parameters)

    def open(self, address):
        # What the browser asked for of itself before the page: its new tab.
        self.driver.get_log("performance")
        self.driver.get(address)
        self.wait_for(lambda: self.js(
            "return document.getElementById('loading').hidden && document.fonts.status"
            " === 'loaded'"), 10)

    def js(self, script, *arguments):
        return self.driver.execute_script(script, *arguments)

    def wait_for(self, condition, seconds, interval=0.02):
        deadline = time.monotonic() + seconds
        while time.monotonic() < deadline:
            value = condition()
            if value:
                return value
            time.sleep(interval)
        return condition()

    def click(self, element_id):
        self.driver.find_element("id", element_id).click()

    def text(self, element_id):
        return self.js("return document.getElementById(arguments[0]).textContent", element_id)

    def colour(self, element_id):
        return self.js("return getComputedStyle(document.getElementById(arguments[0])).color",
                       element_id)

    def said(self):
        return self.text("notice")

    def collect_logs(self):
        for entry in self.driver.get_log("performance"):
            message = json.loads(entry["message"])["message"]
            if message["method"] == "Network.requestWillBeSent":
                self.requests.append(message["params"]["request"]["url"])
        self.console += self.driver.get_log("browser")

    def quit(self):
        self.collect_logs()
        self.driver.quit()
        self.profile.cleanup()


class PageTest(unittest.TestCase):
    width, height, mobile = 900, 700, False

    def setUp(self):
        self.server = Server()
        self.browser = Browser(self.width, self.height, self.mobile)
        self.browser.open(self.server.address)

    def tearDown(self):
        self.browser.quit()
        self.server.stop()
        # Nothing but the page's own files, and not a word on the console, in any test.
        foreign = [url for url in self.browser.requests
                   if not url.startswith(self.server.address) and not url.startswith("data:")]
        self.assertEqual(foreign, [], "requests to another origin")
        self.assertEqual(self.browser.console, [], "console messages")

    # Reads the letter on display and returns the button of its name.
    def right_button(self):
        return BUTTON[NAMES[self.browser.text("LabelAnzeige")]]

    def wrong_button(self):
        right = self.right_button()
        return "CommandAl" if right != "CommandAl" else "CommandBe"

    def wait_for_the_next_letter(self):
        return self.browser.wait_for(lambda: self.browser.text("LabelAnzeigeText") == "", 4)


class Drill(PageTest):
    def test_every_mode_judges_counts_colours_and_says_it(self):
        b = self.browser
        self.assertEqual(b.js("return document.documentElement.lang"), "de")
        self.assertEqual(b.driver.title, "Letterfibel")
        self.assertEqual(b.text("Frame1-caption"), "")
        self.assertEqual(b.text("LabelRichtig"), "0 richtig")
        for mode, question in (("CommandKlein", LOWER), ("CommandGross", UPPER),
                               ("CommandGemischt", None)):
            with self.subTest(mode=mode):
                b.click(mode)
                glyph = b.text("LabelAnzeige")
                self.assertIn(glyph, NAMES)
                expected = question or (LOWER if glyph.islower() else UPPER)
                self.assertEqual(b.text("Frame1-caption"), expected)
                self.assertEqual(b.wait_for(b.said, 1), expected)
                name = NAMES[glyph]

                b.click(self.wrong_button())
                self.assertEqual(b.text("LabelAnzeigeText"), name)
                self.assertEqual(b.colour("LabelAnzeigeText"), RED)
                self.assertEqual(b.text("LabelFalsch"), "1 falsch")
                self.assertEqual(b.wait_for(lambda: b.said().startswith("Falsch"), 1) and
                                 b.said(), "Falsch: %s. 1 falsch" % name)

                b.click(BUTTON[name])
                self.assertEqual(b.colour("LabelAnzeigeText"), GREEN)
                self.assertEqual(b.text("LabelRichtig"), "0 richtig")
                self.assertEqual(b.wait_for(lambda: b.said().startswith("Richtig"), 1) and
                                 b.said(), "Richtig: %s" % name)
                self.assertTrue(self.wait_for_the_next_letter(), "the pause did not end")

                name = NAMES[b.text("LabelAnzeige")]
                b.click(BUTTON[name])
                self.assertEqual(b.text("LabelRichtig"), "1 richtig")
                self.assertEqual(b.wait_for(lambda: b.said() == "Richtig: %s. 1 richtig" % name,
                                            1), True)
                self.assertTrue(self.wait_for_the_next_letter())
        # The words leave nothing behind for a later review.
        self.assertTrue(b.wait_for(lambda: b.said() == "", 3))
        # Nothing of it is kept: no cookie, no storage.
        self.assertEqual(b.driver.get_cookies(), [])
        self.assertEqual(b.js("return localStorage.length + sessionStorage.length"), 0)
        self.assertEqual(b.js("return indexedDB.databases().then(d => d.length)"), 0)

    def test_the_pause_ignores_names_and_a_new_drill_is_judged_at_once(self):
        b = self.browser
        b.click("CommandKlein")
        right = self.right_button()
        b.click(right)
        started = time.monotonic()
        # The right name again and four wrong ones in one burst of real clicks, inside the pause.
        burst = ActionChains(b.driver, duration=0)
        for button in [right] + [n for n in BUTTON.values() if n != right][:4]:
            burst.move_to_element(b.driver.find_element("id", button)).click()
        burst.perform()
        self.assertLess(time.monotonic() - started, 1.8, "the burst was too slow to test")
        self.assertEqual(b.text("LabelFalsch"), "0 falsch", "a name was judged in the pause")
        self.assertEqual(b.text("LabelRichtig"), "1 richtig")
        self.assertTrue(self.wait_for_the_next_letter())
        took = time.monotonic() - started
        self.assertGreaterEqual(took, 1.9)
        self.assertLess(took, 3.5)

        # A mode during the pause: its drill at once, judged at once; the old pause draws
        # nothing, and does not cut the next right answer's pause short.
        b.click(self.right_button())
        b.click("CommandGross")
        self.assertEqual(b.text("Frame1-caption"), UPPER)
        glyph = b.text("LabelAnzeige")
        self.assertTrue(glyph.isupper())
        b.click(self.wrong_button())
        self.assertEqual(b.text("LabelFalsch"), "1 falsch")
        time.sleep(2.5)
        self.assertEqual(b.text("LabelAnzeige"), glyph)
        self.assertEqual(b.text("LabelAnzeigeText"), NAMES[glyph])

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
        glyph = b.text("LabelAnzeige")
        b.click("CommandEnde")
        self.assertTrue(b.js("return document.getElementById('stage').hidden"))
        self.assertFalse(b.js("return document.getElementById('ended').hidden"))
        self.assertIn("beendet", b.text("ended"))
        self.assertEqual(b.js("return [...document.querySelectorAll('button')]"
                              ".filter(e => e.checkVisibility()).length"), 0)
        # The pause that ran ends with the program: no new letter, no new question said.
        time.sleep(2.5)
        self.assertEqual(b.text("LabelAnzeige"), glyph, "a letter was drawn after Ende")
        self.assertNotIn("Welcher", b.said(), "a question was said after Ende")

    def test_keyboard_only(self):
        b = self.browser
        self.assertEqual(b.js("return document.activeElement.id"), "CommandEnde")
        seen = ["CommandEnde"]
        for _ in TAB_ORDER[1:]:
            ActionChains(b.driver).send_keys(Keys.TAB).perform()
            seen.append(b.js("return document.activeElement.id"))
        self.assertEqual(seen, TAB_ORDER)
        ActionChains(b.driver).key_down(Keys.SHIFT).send_keys(Keys.TAB).key_up(
            Keys.SHIFT).perform()
        self.assertEqual(b.js("return document.activeElement.id"), "CommandGross")
        ActionChains(b.driver).send_keys(Keys.ENTER).perform()
        self.assertEqual(b.text("Frame1-caption"), UPPER)
        b.js("document.getElementById(arguments[0]).focus()", self.wrong_button())
        ActionChains(b.driver).send_keys(Keys.SPACE).perform()
        self.assertEqual(b.text("LabelFalsch"), "1 falsch")
        # A browser shortcut stays the browser's: Ctrl+G neither moves the focus nor is taken.
        b.js("addEventListener('keydown', e => window.lastKeyTaken = e.defaultPrevented)")
        focused = b.js("return document.activeElement.id")
        ActionChains(b.driver).key_down(Keys.CONTROL).send_keys("g").key_up(Keys.CONTROL).perform()
        self.assertEqual(b.js("return document.activeElement.id"), focused, "Ctrl+G moved the focus")
        self.assertFalse(b.js("return window.lastKeyTaken"), "Ctrl+G was kept from the browser")
        # Letters typed into the open error box stay there.
        b.js("const box = document.getElementById('fehler'); box.show(); box.querySelector('button').focus()")
        ActionChains(b.driver).send_keys("a").perform()
        self.assertEqual(b.js("return document.activeElement.closest('dialog')?.id"), "fehler",
                         "a letter typed moved the focus out of the error box")

    def focused_as_heard(self):
        """The names of the controls that a screen reader has as focused, the page aside."""
        tree = self.browser.cdp("Accessibility.getFullAXTree")["nodes"]
        return [n.get("name", {}).get("value") for n in tree
                if n.get("role", {}).get("value") != "RootWebArea" and
                any(p["name"] == "focused" and p["value"]["value"]
                    for p in n.get("properties", []))]

    def test_a_whole_drill_by_typing(self):
        b = self.browser
        focused = lambda: b.js("return document.activeElement.id")
        def type_keys(keys):
            ActionChains(b.driver).send_keys(keys).perform()
        # "e" from Ende reaches Epsilon, never Ende: Space judges it, the program runs on.
        type_keys("e")
        self.assertEqual(focused(), "CommandEp")
        self.assertEqual(self.focused_as_heard(), ["Epsilon"])
        type_keys(" ")
        self.assertFalse(b.js("return document.getElementById('stage').hidden"),
                         "e and Space at start ended the program")
        type_keys("k ")
        self.assertEqual(b.text("Frame1-caption"), LOWER)
        self.assertEqual(self.focused_as_heard(), ["Kleinbuchstaben"])

        # A wrong name typed is counted once.
        type_keys(self.wrong_button()[len("Command"):].lower() + " ")
        self.assertEqual(b.text("LabelFalsch"), "1 falsch")
        self.assertTrue(b.wait_for(lambda: b.text("LabelAnzeigeText") != "", 1))

        keys = answers = 0
        # Fifteen right answers, as a learner types them.
        while answers < 15:
            name = NAMES[b.text("LabelAnzeige")]
            target = BUTTON[name]
            type_keys(name[0].lower())
            typed = used = 1
            while focused() != target:
                # The same letter again moves on, for E and P; further letters for the rest.
                same = name[0] in "EP"
                type_keys(name[0].lower() if same else name[typed].lower())
                typed += 0 if same else 1
                used += 1
                self.assertLess(used, 4, "typing does not reach " + name)
            type_keys(" ")
            keys += used + 1
            answers += 1
            self.assertEqual(b.colour("LabelAnzeigeText"), GREEN, "typed %s was not right" % name)
            self.assertEqual(b.text("LabelRichtig"), "%d richtig" % (answers - 1))
            self.assertTrue(self.wait_for_the_next_letter())
        self.assertEqual(b.text("LabelFalsch"), "1 falsch")
        print("a drill of 15 right answers by keyboard: %.2f keys per answer" % (keys / 15),
              file=sys.stderr)
        self.assertLessEqual(keys / 15, 2.5)


class Screens(PageTest):
    def rectangles(self):
        return self.browser.js(
            "return [...document.querySelectorAll('#window > *, #Frame1 > .control')]"
            ".map(e => { const r = e.getBoundingClientRect(); return [e.id, e.tagName, r.left,"
            " r.top, r.width, r.height]; })")

    def test_the_exact_layout_centred(self):
        b = self.browser
        window = b.js("const r = document.getElementById('window').getBoundingClientRect();"
                      " return [r.left, r.top, r.width, r.height]")
        self.assertEqual(window[2:], TABLE["window"])
        self.assertEqual(window[0], (900 - window[2]) / 2)
        left, top = window[:2]
        expected = {name: [left + c["place"][0], top + c["place"][1], *c["place"][2:]]
                    for name, c in CONTROLS.items()}
        self.assertEqual({name: rect for name, _, *rect in self.rectangles()}, expected)

    def test_a_small_window_scales_down_and_answers(self):
        b = self.browser
        b.cdp("Emulation.setDeviceMetricsOverride", width=640, height=480, deviceScaleFactor=1,
              mobile=False)
        window = b.wait_for(lambda: b.js(
            "const r = document.getElementById('window').getBoundingClientRect();"
            " return r.width < 741 && [r.left, r.top, r.right, r.bottom]"), 2)
        self.assertTrue(window)
        self.assertGreaterEqual(window[0], 0)
        self.assertLessEqual(window[2], 640.5)
        self.assertLessEqual(window[3], 480.5)
        b.click("CommandKlein")
        self.assertEqual(b.text("Frame1-caption"), LOWER)

    def test_a_phone_shows_the_whole_drill_with_large_targets(self):
        b = self.browser
        b.cdp("Emulation.setDeviceMetricsOverride", width=360, height=640, deviceScaleFactor=2,
              mobile=True)
        b.click("CommandKlein")
        b.click(self.wrong_button())
        self.assertTrue(b.wait_for(lambda: b.js(
            "return document.getElementById('CommandAl').getBoundingClientRect().width < 200"),
            2))
        self.assertLessEqual(b.js("return document.documentElement.scrollHeight"), 640)
        self.assertLessEqual(b.js("return document.documentElement.scrollWidth"), 360)
        for name, tag, left, top, width, height in self.rectangles():
            with self.subTest(control=name):
                self.assertGreaterEqual(left, 0)
                self.assertGreaterEqual(top, 0)
                self.assertLessEqual(left + width, 360.5)
                self.assertLessEqual(top + height, 640.5)
                # As large as a fingertip, as Apple's and Google's guides ask.
                if tag == "BUTTON":
                    self.assertGreaterEqual(width, 44, "a button too narrow to tap")
                    self.assertGreaterEqual(height, 44, "a button too low to tap")
        b.click(self.right_button())
        self.assertEqual(b.colour("LabelAnzeigeText"), GREEN)


class Offline(PageTest):
    def test_after_the_first_visit_it_starts_and_drills_without_the_network(self):
        b = self.browser
        self.assertTrue(b.wait_for(lambda: b.js(
            "return navigator.serviceWorker.controller !== null || "
            "navigator.serviceWorker.ready.then(() => true)"), 10))
        # The worker takes the page over once it is active; it keeps the files as it installs.
        self.assertTrue(b.wait_for(lambda: b.js(
            "return caches.keys().then(k => k.length > 0 && caches.open(k[0]))"
            ".then(c => c && c.keys()).then(r => r && r.length >= 10)"), 10))
        self.assertEqual(b.cdp("Page.getInstallabilityErrors")["installabilityErrors"], [])
        self.server.stop()
        b.driver.refresh()
        b.wait_for(lambda: b.js("return document.getElementById('loading').hidden"), 10)
        b.click("CommandGemischt")
        self.assertIn(b.text("LabelAnzeige"), NAMES)
        b.click(self.right_button())
        self.assertEqual(b.colour("LabelAnzeigeText"), GREEN)
        self.server = Server(self.server.port)  # for tearDown, which stops it again
        # Requests to the stopped server failed; the console says so, and the page did not.
        b.collect_logs()
        b.console = [m for m in b.console if "net::ERR_CONNECTION_REFUSED" not in m["message"]]


    def test_a_start_that_fails_says_so(self):
        for missing in ("the .wasm", "WebAssembly"):
            with self.subTest(missing=missing):
                self.start_fails(missing)

    def start_fails(self, missing):
        with tempfile.TemporaryDirectory() as site:
            shutil.copytree(SITE, site, dirs_exist_ok=True)
            if missing == "the .wasm":
                os.remove(os.path.join(site, "letterfibel.wasm"))
            server = Server(site=site)
            browser = Browser()
            try:
                if missing == "WebAssembly":
                    browser.cdp("Page.addScriptToEvaluateOnNewDocument",
                                source="delete globalThis.WebAssembly")
                browser.driver.get(server.address)
                said = browser.wait_for(lambda: browser.js(
                    "return document.getElementById('fehlstart').innerText"), 5)
                self.assertIn("ließ sich nicht laden", said or "",
                              "without %s the learner was left waiting" % missing)
                self.assertFalse(browser.js(
                    "return document.getElementById('loading').checkVisibility()"))
                tree = browser.cdp("Accessibility.getFullAXTree")["nodes"]
                alerts = [n for n in tree if n.get("role", {}).get("value") == "alert"]
                self.assertEqual(len(alerts), 1, "the failure is not an alert")
            finally:
                browser.quit()
                server.stop()


class Accessibility(PageTest):
    def test_a_script_slipped_into_the_page_does_not_run(self):
        b = self.browser
        blocked = b.driver.execute_async_script(
            "const done = arguments[0];"
            "document.addEventListener('securitypolicyviolation', e => done(e.violatedDirective));"
            "const script = document.createElement('script');"
            "script.textContent = 'window.slippedIn = true';"
            "document.body.append(script);"
            "setTimeout(() => done(window.slippedIn ? 'ran' : 'no violation reported'), 2000);")
        self.assertTrue(blocked.startswith("script-src"),
                        "an inline script was not refused by the page's policy: " + blocked)
        b.collect_logs()
        b.console = [m for m in b.console if "inline script violates" not in m["message"]]

    def audit(self):
        b = self.browser
        with open(AXE, encoding="utf-8") as f:
            b.cdp("Runtime.evaluate", expression=f.read())
        result = b.cdp("Runtime.evaluate", awaitPromise=True, returnByValue=True,
                       expression="axe.run(document, {resultTypes: ['violations']})"
                                  ".then(r => r.violations.map(v => [v.id, v.nodes.length]))")
        return result["result"]["value"]

    def test_what_a_screen_reader_gets(self):
        b = self.browser
        b.click("CommandKlein")
        b.click(self.wrong_button())
        first = time.monotonic()
        name = NAMES[b.text("LabelAnzeige")]
        # Words said again are kept their whole time, not emptied when the first ones would be.
        time.sleep(1.5)
        b.click(self.wrong_button())
        time.sleep(max(0, first + 2.4 - time.monotonic()))
        self.assertEqual(b.said(), "Falsch: %s. 2 falsch" % name,
                         "the screen reader's words were emptied before their time")
        tree = b.cdp("Accessibility.getFullAXTree")["nodes"]
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
        b.cdp("Emulation.setEmulatedMedia",
              features=[{"name": "prefers-contrast", "value": "more"}])
        self.assertEqual(b.colour("LabelAnzeigeText"), "rgb(176, 0, 0)")
        self.assertEqual(self.audit(), [])


def main():
    global SITE, AXE
    SITE, AXE = sys.argv[1], sys.argv[2]
    unittest.main(argv=[sys.argv[0]] + sys.argv[3:], verbosity=2)


if __name__ == "__main__":
    main()

#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Letterfibel developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""The drill in the two other browser engines, driven from outside with real input: WebKit
(WebKitGTK's MiniBrowser through WebKitWebDriver, on a screen of its own; every browser of an
iPhone or iPad is WebKit) and Firefox ESR (headless, through its own WebDriver BiDi).

    engines_test.py SITE_FOLDER [unittest arguments]
"""
import json
import os
import socket
import subprocess
import sys
import tempfile
import time
import unittest

import websocket
from selenium import webdriver
from selenium.webdriver.common.action_chains import ActionChains

# The source tree stays as checked out.
sys.dont_write_bytecode = True
import page_test  # noqa: E402
from page_test import BUTTON, LOWER, NAMES, RED, GREEN, TAB_ORDER, UPPER, Server  # noqa: E402

MINIBROWSER = "/usr/lib/x86_64-linux-gnu/webkit2gtk-4.1/MiniBrowser"


class WebKit:
    name = "WebKit"

    def __init__(self):
        self.screen = subprocess.Popen(["Xvfb", "-displayfd", "1", "-screen", "0", "1024x768x24",
                                        "-nolisten", "tcp"], stdout=subprocess.PIPE, text=True)
        os.environ["DISPLAY"] = ":" + self.screen.stdout.readline().strip()
        options = webdriver.WebKitGTKOptions()
        options.binary_location = MINIBROWSER
        options.add_argument("--automation")
        self.driver = webdriver.WebKitGTK(executable_path="/usr/bin/WebKitWebDriver",
                                          options=options)

    def viewport(self, width, height):
        """The page's own viewport at that size: the window's frame is added to it."""
        self.driver.set_window_size(width, height)
        inner = self.js("[innerWidth, innerHeight]")
        self.driver.set_window_size(2 * width - inner[0], 2 * height - inner[1])

    def open(self, address):
        self.driver.get(address)

    def js(self, expression):
        return self.driver.execute_script("return " + expression)

    def click(self, element_id):
        ActionChains(self.driver).move_to_element(
            self.driver.find_element("id", element_id)).click().perform()

    def keys(self, keys):
        ActionChains(self.driver).send_keys(keys).perform()

    def console(self):
        """WebKitWebDriver has no way to read the console."""
        return None

    def quit(self):
        self.driver.quit()
        self.screen.terminate()
        self.screen.wait(10)


class Firefox:
    """Firefox ESR spoken to in WebDriver BiDi over its WebSocket; there is no geckodriver."""
    name = "Firefox"

    def __init__(self):
        self.profile = tempfile.TemporaryDirectory()
        with socket.socket() as probe:
            probe.bind(("127.0.0.1", 0))
            port = probe.getsockname()[1]
        environment = dict(os.environ, HOME=self.profile.name)
        self.process = subprocess.Popen(
            ["firefox-esr", "--headless", "--no-remote", "--profile", self.profile.name,
             "--remote-debugging-port", str(port)],
            env=environment, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        deadline = time.monotonic() + 30
        while True:
            try:
                # Firefox turns away a connection that names an origin.
                self.socket = websocket.create_connection("ws://127.0.0.1:%d/session" % port,
                                                          timeout=30, suppress_origin=True)
                break
            except (OSError, websocket.WebSocketException):
                if time.monotonic() > deadline:
                    raise
                time.sleep(0.2)
        self.last_id, self.entries = 0, []
        self.command("session.new", capabilities={})
        self.command("session.subscribe", events=["log.entryAdded"])
        self.context = self.command("browsingContext.getTree")["contexts"][0]["context"]

    def command(self, method, **parameters):
        self.last_id += 1
        self.socket.send(json.dumps({"id": self.last_id, "method": method,
                                     "params": parameters}))
        while True:
            message = json.loads(self.socket.recv())
            if message.get("id") == self.last_id:
                if message.get("type") == "error":
                    raise RuntimeError("%s: %s" % (method, message["message"]))
                return message["result"]
            if message.get("method") == "log.entryAdded":
                self.entries.append(message["params"])

    def viewport(self, width, height):
        self.command("browsingContext.setViewport", context=self.context,
                     viewport={"width": width, "height": height})

    def open(self, address):
        self.command("browsingContext.navigate", context=self.context, url=address,
                     wait="complete")

    def js(self, expression):
        result = self.command("script.evaluate", expression="JSON.stringify(%s)" % expression,
                              target={"context": self.context}, awaitPromise=False)
        return json.loads(result["result"].get("value", "null"))

    def perform(self, source):
        self.command("input.performActions", context=self.context, actions=[source])

    def click(self, element_id):
        x, y = self.js("(r => [Math.round(r.left + r.width / 2), Math.round(r.top + r.height / 2)])"
                       "(document.getElementById(%s).getBoundingClientRect())"
                       % json.dumps(element_id))
        self.perform({"type": "pointer", "id": "mouse", "actions": [
            {"type": "pointerMove", "x": x, "y": y}, {"type": "pointerDown", "button": 0},
            {"type": "pointerUp", "button": 0}]})

    def keys(self, keys):
        actions = []
        for key in keys:
            actions += [{"type": "keyDown", "value": key}, {"type": "keyUp", "value": key}]
        self.perform({"type": "key", "id": "keyboard", "actions": actions})

    def console(self):
        self.js("0")  # collects what came since
        return ["%s: %s" % (entry.get("level"), entry.get("text")) for entry in self.entries]

    def quit(self):
        try:
            self.command("session.end")
        except (RuntimeError, OSError, websocket.WebSocketException):
            pass
        self.process.terminate()
        self.process.wait(30)
        self.profile.cleanup()


class Engine:
    """The same checks in each engine; whatever differs must be fixed in the page."""
    engine = None

    def setUp(self):
        self.server = Server()
        self.browser = self.engine()
        self.browser.viewport(900, 700)
        self.browser.open(self.server.address)
        self.assertTrue(self.wait_for(lambda: self.browser.js(
            "document.getElementById('loading').hidden && document.fonts.status === 'loaded'"),
            10), "the engine did not start")

    def tearDown(self):
        console = self.browser.console()
        self.browser.quit()
        self.server.stop()
        if console is None:
            print("%s: its console cannot be read from outside; not checked" % self.browser.name,
                  file=sys.stderr)
        else:
            self.assertEqual(console, [], "console messages")

    def wait_for(self, condition, seconds):
        deadline = time.monotonic() + seconds
        while time.monotonic() < deadline:
            if condition():
                return True
            time.sleep(0.02)
        return bool(condition())

    def text(self, element_id):
        return self.browser.js("document.getElementById(%s).textContent" % json.dumps(element_id))

    def colour(self, element_id):
        return self.browser.js("getComputedStyle(document.getElementById(%s)).color"
                               % json.dumps(element_id))

    def right_button(self):
        return BUTTON[NAMES[self.text("LabelAnzeige")]]

    def wrong_button(self):
        return "CommandAl" if self.right_button() != "CommandAl" else "CommandBe"

    def test_a_drill_in_each_mode_by_mouse_and_keyboard(self):
        b = self.browser
        self.assertEqual(b.js("document.activeElement.id"), "CommandEnde")
        seen = ["CommandEnde"]
        for _ in TAB_ORDER[1:]:
            b.keys("\ue004")  # Tab
            seen.append(b.js("document.activeElement.id"))
        self.assertEqual(seen, TAB_ORDER, "the keyboard's order")
        for mode, question in (("CommandKlein", LOWER), ("CommandGross", UPPER),
                               ("CommandGemischt", None)):
            with self.subTest(mode=mode):
                b.click(mode)
                glyph = self.text("LabelAnzeige")
                self.assertIn(glyph, NAMES)
                self.assertEqual(self.text("Frame1-caption"),
                                 question or (LOWER if glyph.islower() else UPPER))
                b.click(self.wrong_button())
                self.assertEqual(self.colour("LabelAnzeigeText"), RED)
                self.assertEqual(self.text("LabelFalsch"), "1 falsch")
                b.click(self.right_button())
                self.assertEqual(self.colour("LabelAnzeigeText"), GREEN)
                # A name in the pause is not judged.
                b.click(self.wrong_button())
                self.assertEqual(self.text("LabelFalsch"), "1 falsch")
                self.assertTrue(self.wait_for(lambda: self.text("LabelAnzeigeText") == "", 4),
                                "the pause did not end")
        # A new drill in the pause starts at once; the focused button answers Space.
        b.click(self.right_button())
        b.click("CommandGross")
        self.assertEqual(self.text("Frame1-caption"), UPPER)
        b.js("document.getElementById(%s).focus()" % json.dumps(self.right_button()))
        b.keys(" ")
        self.assertEqual(self.colour("LabelAnzeigeText"), GREEN)
        b.click("CommandEnde")
        self.assertTrue(b.js("document.getElementById('stage').hidden"))
        self.assertIn("beendet", self.text("ended"))

    def test_a_phone_shows_the_whole_drill_with_large_targets(self):
        b = self.browser
        b.viewport(360, 640)
        # MiniBrowser's window is never narrower than 447 pixels: the narrowest it gets.
        self.assertTrue(self.wait_for(lambda: b.js("innerWidth <= 450 && innerWidth < innerHeight"),
                                      2), "no phone-sized viewport")
        width, height = b.js("[innerWidth, innerHeight]")
        if width != 360:
            print("%s: a phone of %dx%d" % (b.name, width, height), file=sys.stderr)
        b.click("CommandKlein")
        b.click(self.wrong_button())
        self.assertLessEqual(b.js("document.documentElement.scrollHeight"), height)
        places = b.js("[...document.querySelectorAll('#window > *, #Frame1 > .control')]"
                      ".map(e => { const r = e.getBoundingClientRect();"
                      " return [e.id, e.tagName, r.left, r.top, r.right, r.bottom]; })")
        self.assertEqual(len(places), 26)
        for name, tag, left, top, right, bottom in places:
            with self.subTest(control=name):
                self.assertGreaterEqual(min(left, top), 0)
                self.assertLessEqual(right, width + 0.5)
                self.assertLessEqual(bottom, height + 0.5)
                if tag == "BUTTON":
                    self.assertGreaterEqual(bottom - top, 44, "a button too low to tap")
        b.click(self.right_button())
        self.assertEqual(self.colour("LabelAnzeigeText"), GREEN)


class WebKitDrill(Engine, unittest.TestCase):
    engine = WebKit


class FirefoxDrill(Engine, unittest.TestCase):
    engine = Firefox


def main():
    page_test.SITE = sys.argv[1]
    print("not tried in these engines: use without a network and install (Chromium's tests)",
          file=sys.stderr)
    unittest.main(argv=[sys.argv[0]] + sys.argv[2:], verbosity=2)


if __name__ == "__main__":
    main()

# SPDX-FileCopyrightText: 2026 The Letterfibel developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""What the page's tests drive: one test host, a school's static web host on 127.0.0.1 that the
tests can turn, and one interface over three browser engines, each driven from outside with real
input: Chromium (its DevTools protocol), WebKitGTK's MiniBrowser
(WebKitWebDriver, on a screen of its own; every browser of an iPhone or iPad is WebKit) and
Firefox ESR (its own WebDriver BiDi, headless). Where an engine cannot do a thing, its driver says
so with Unsupported, and the test that needed it says so in its output.
"""
import base64
import json
import os
import socket
import subprocess
import sys
import tempfile
import threading
import time
import unittest
from http.server import ThreadingHTTPServer

import websocket
from selenium import webdriver
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.keys import Keys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..",
                                "scripts"))
from serve_web import StaticFiles  # noqa: E402

MINIBROWSER = "/usr/lib/x86_64-linux-gnu/webkit2gtk-4.1/MiniBrowser"
# Letterfibel in a folder of a school's host, another web app beside it.
PLACE = "/letterfibel/"
OTHER_APP = b"<!DOCTYPE html><title>Vokabeln</title><p>Vokabeln</p>"
PORTAL = b"<!DOCTYPE html><title>WLAN-Anmeldung</title><p>Bitte melden Sie sich an.</p>"


class Unsupported(Exception):
    """What this engine cannot be asked from outside."""


class HostFiles(StaticFiles):
    def end_headers(self):
        if self.server.cacheable:
            self.send_header("Cache-Control", "max-age=3600")
        super().end_headers()

    def answer(self, status, content_type, body, sent=None):
        """Says the whole body's length but sends only what `sent` allows: an answer broken off."""
        self.send_response(status)
        self.send_header("Content-Type", content_type)
        self.send_header("Content-Length", str(len(body)))
        self.end_headers()
        self.wfile.write(body[:sent])

    def do_GET(self):
        host = self.server
        # A kept-alive connection outlives a release.
        self.directory = host.site
        if host.silent:
            host.stopping.wait(60)
            self.close_connection = True
            return
        if host.portal:
            self.answer(200, "text/html", PORTAL)
            return
        if self.path == "/vokabeln/":
            self.answer(200, "text/html", OTHER_APP)
            return
        if not self.path.startswith(PLACE):
            self.answer(404, "text/plain", b"")
            return
        self.path = self.path[len(PLACE) - 1:]
        path = self.path.split("?")[0]
        self.directory = host.stale.get(path, host.site)
        time.sleep(host.late.get(path, 0))
        if path in host.cut:
            with open(os.path.join(host.site, path.lstrip("/")), "rb") as file:
                body = file.read()
            self.answer(200, self.guess_type(path), body, sent=len(body) // 2)
            self.close_connection = True
            return
        super().do_GET()


class Host(ThreadingHTTPServer):
    """A school's static host the test can turn: to a new release of Letterfibel, files that come
    late, a file that breaks off half-way (every time: browsers retry), a file left from another release, files the
    browser may keep for an hour, a captive portal that answers everything with its login page,
    a network that never answers, and one that is gone."""

    def __init__(self, site, port=0):
        super().__init__(("127.0.0.1", port), HostFiles)
        self.site, self.cut, self.late, self.stale = site, set(), {}, {}
        self.portal = self.silent = self.cacheable = False
        self.stopping = threading.Event()
        threading.Thread(target=self.serve_forever, daemon=True).start()
        self.origin = "http://127.0.0.1:%d" % self.server_address[1]
        self.address, self.other_app = self.origin + PLACE, self.origin + "/vokabeln/"

    def handle_error(self, request, client_address):
        # A browser that closes a connection early, or is closed, is no fault of the host's.
        if not isinstance(sys.exc_info()[1], ConnectionError):
            super().handle_error(request, client_address)

    def stop(self):
        if not self.stopping.is_set():
            self.stopping.set()
            self.shutdown()
            self.server_close()


def _free_port():
    with socket.socket() as probe:
        probe.bind(("127.0.0.1", 0))
        return probe.getsockname()[1]


class Screen:
    """A private X server, for an engine that needs one."""

    def __init__(self, size="1024x768"):
        self.process = subprocess.Popen(["Xvfb", "-displayfd", "1", "-screen", "0", size + "x24",
                                         "-nolisten", "tcp"], stdout=subprocess.PIPE, text=True)
        self.display = ":" + self.process.stdout.readline().strip()

    def stop(self):
        self.process.terminate()
        self.process.wait(10)
        self.process.stdout.close()


class OverSocket:
    """What the drivers that speak to a browser over its WebSocket share: scripts run in the page
    come back as JSON (evaluate, by each protocol's own command)."""

    def js(self, expression):
        return self.evaluate("JSON.stringify(%s)" % expression, False)

    def js_async(self, body):
        return self.evaluate("(async () => {%s})().then((v) => JSON.stringify(v),"
                             " (error) => JSON.stringify('failed: ' + error))" % body, True)

    def centre(self, element_id):
        return self.js("(r => [Math.round(r.left + r.width / 2), Math.round(r.top + r.height / 2)])"
                       "(document.getElementById(%s).getBoundingClientRect())"
                       % json.dumps(element_id))


class Chromium(OverSocket):
    """Chromium spoken to over its DevTools protocol alone. ChromeDriver attaches itself to every
    service worker, and under it a worker told to take over was activated late, once after 45 s,
    where a learner's Chromium takes it at once."""
    name = "Chromium"
    keys_press_buttons = True
    # key, code and Windows key code of the keys the tests send by name
    KEYS = {"\t": ("Tab", "Tab", 9), "\n": ("Enter", "Enter", 13), " ": (" ", "Space", 32)}
    MODIFIERS = {"control": 2, "shift": 8}

    def __init__(self):
        # Chromium's helpers may still write to the profile after it has ended.
        self.profile = tempfile.TemporaryDirectory(ignore_cleanup_errors=True)
        self.process = subprocess.Popen(
            ["/usr/bin/chromium", "--headless=new", "--no-sandbox", "--disable-gpu",
             "--no-first-run", "--user-data-dir=" + self.profile.name,
             "--remote-debugging-port=0", "--window-size=900,700", "about:blank"],
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        # Chromium writes the port it took into the profile.
        port_file = os.path.join(self.profile.name, "DevToolsActivePort")

        def read_port():
            if os.path.exists(port_file):
                with open(port_file) as file:
                    return file.read().split()
        written = wait_for(read_port, 30)
        if not written:
            self.quit()
            raise RuntimeError("Chromium did not open its DevTools port")
        self.socket = websocket.create_connection("ws://127.0.0.1:%s%s" % tuple(written[:2]),
                                                  timeout=30, suppress_origin=True)
        self.last_id, self.session, self.target = 0, None, None
        self.seen_requests, self.messages, self.page_scripts = [], [], []
        page = [t for t in self.command("Target.getTargets")["targetInfos"] if t["type"] == "page"]
        self.attach(page[0]["targetId"])
        self.viewport(900, 700)

    def command(self, method, until=None, **parameters):
        """Sends a command to the page (or to the browser, before there is one); with until, also
        waits for that event of the page. Events that come meanwhile are kept."""
        self.last_id += 1
        message = {"id": self.last_id, "method": method, "params": parameters}
        if self.session and not method.startswith("Target."):
            message["sessionId"] = self.session
        self.socket.send(json.dumps(message))
        result = seen = None
        while result is None or (until and not seen):
            message = json.loads(self.socket.recv())
            if message.get("id") == self.last_id:
                if "error" in message:
                    raise RuntimeError("%s: %s" % (method, message["error"]["message"]))
                result = message["result"]
            elif message.get("sessionId") == self.session:
                seen = seen or message.get("method") == until
                self.keep(message.get("method"), message.get("params", {}))
        return result

    def keep(self, event, details):
        # The browser's own pages (its new tab) are none of the page's requests.
        if event == "Network.requestWillBeSent" and \
                not details.get("documentURL", "").startswith("chrome"):
            self.seen_requests.append(details["request"]["url"])
        elif event == "Log.entryAdded":
            self.messages.append("%s %s" % (details["entry"].get("url", ""),
                                            details["entry"]["text"]))
        elif event == "Runtime.consoleAPICalled":
            self.messages.append(" ".join(str(a.get("value", a.get("description")))
                                          for a in details["args"]))
        elif event == "Runtime.exceptionThrown":
            self.messages.append(details["exceptionDetails"]["text"])

    def attach(self, target):
        self.target = target
        self.session = self.command("Target.attachToTarget", targetId=target,
                                    flatten=True)["sessionId"]
        for domain in ("Page", "Network", "Log", "Runtime"):
            self.command(domain + ".enable")
        for script in self.page_scripts:
            self.command("Page.addScriptToEvaluateOnNewDocument", source=script)

    def viewport(self, width, height, mobile=False):
        self.command("Emulation.setDeviceMetricsOverride", width=width, height=height,
                     deviceScaleFactor=2 if mobile else 1, mobile=mobile)

    def before_every_page(self, script):
        self.page_scripts.append(script)
        self.command("Page.addScriptToEvaluateOnNewDocument", source=script)

    def navigate(self, address):
        self.command("Page.navigate", url=address, until="Page.loadEventFired")

    def reload(self):
        self.command("Page.reload", until="Page.loadEventFired")

    def reopen(self, address):
        closed = self.target
        self.attach(self.command("Target.createTarget", url="about:blank")["targetId"])
        self.command("Target.closeTarget", targetId=closed)
        self.navigate(address)

    def evaluate(self, expression, awaited):
        result = self.command("Runtime.evaluate", expression=expression, awaitPromise=awaited,
                              returnByValue=True)
        if "exceptionDetails" in result:
            raise RuntimeError(result["exceptionDetails"]["text"])
        return json.loads(result["result"].get("value", "null"))

    def click(self, element_id):
        self.burst([element_id])

    def burst(self, element_ids):
        for element_id in element_ids:
            x, y = self.centre(element_id)
            for kind in ("mousePressed", "mouseReleased"):
                self.command("Input.dispatchMouseEvent", type=kind, x=x, y=y, button="left",
                             clickCount=1)

    def keys(self, keys, modifier=None):
        modifiers = self.MODIFIERS[modifier] if modifier else 0
        for key in keys:
            name, code, number = self.KEYS.get(key, (key, "Key" + key.upper(), ord(key.upper())))
            # A key with a modifier types no text; without, it does, Tab aside.
            text = "" if modifiers or key == "\t" else ("\r" if key == "\n" else key)
            for kind in ("keyDown" if text else "rawKeyDown", "keyUp"):
                self.command("Input.dispatchKeyEvent", type=kind, key=name, code=code,
                             windowsVirtualKeyCode=number, modifiers=modifiers,
                             text=text if kind == "keyDown" else "")

    def screenshot(self):
        return base64.b64decode(self.command("Page.captureScreenshot")["data"])

    def requests(self):
        self.js("0")  # collects what came since
        return self.seen_requests

    def console(self):
        self.js("0")
        return self.messages

    def accessibility_tree(self):
        return self.command("Accessibility.getFullAXTree")["nodes"]

    def prefer_more_contrast(self):
        self.command("Emulation.setEmulatedMedia",
                     features=[{"name": "prefers-contrast", "value": "more"}])

    def installability_errors(self):
        return self.command("Page.getInstallabilityErrors")["installabilityErrors"]

    def quit(self):
        try:
            self.socket.close()
        except AttributeError:
            pass
        self.process.terminate()
        self.process.wait(30)
        self.profile.cleanup()


class WebKit:
    """WebKitGTK's MiniBrowser, driven through Selenium and WebKitWebDriver."""
    name = "WebKit"
    keys_press_buttons = True

    def __init__(self):
        self.screen = Screen()
        os.environ["DISPLAY"] = self.screen.display
        options = webdriver.WebKitGTKOptions()
        options.binary_location = MINIBROWSER
        options.add_argument("--automation")
        try:
            self.driver = webdriver.WebKitGTK(executable_path="/usr/bin/WebKitWebDriver",
                                              options=options)
        except Exception:
            self.screen.stop()
            raise
        self.driver.set_page_load_timeout(20)
        self.viewport(900, 700)

    def viewport(self, width, height, mobile=False):
        """The page's own viewport at that size: the window's frame is added to it. MiniBrowser's
        window is never narrower than 447 pixels, the narrowest phone it can be."""
        self.driver.set_window_size(width, height)
        inner = self.js("[innerWidth, innerHeight]")
        self.driver.set_window_size(2 * width - inner[0], 2 * height - inner[1])

    def keys(self, keys, modifier=None):
        if modifier == "shift" and "\t" in keys:
            raise Unsupported("WebKitWebDriver sends Shift+Tab as an unidentified key")
        chain = ActionChains(self.driver)
        if modifier:
            chain.key_down(getattr(Keys, modifier.upper()))
        chain.send_keys(keys.replace("\n", Keys.ENTER))
        if modifier:
            chain.key_up(getattr(Keys, modifier.upper()))
        chain.perform()

    def navigate(self, address):
        self.driver.get(address)

    def reload(self):
        self.driver.refresh()

    def js(self, expression):
        return self.driver.execute_script("return " + expression)

    def js_async(self, body):
        return self.driver.execute_async_script(
            "const done = arguments[arguments.length - 1];"
            "(async () => {" + body + "})().then(done, (error) => done('failed: ' + error));")

    def click(self, element_id):
        ActionChains(self.driver).move_to_element(
            self.driver.find_element("id", element_id)).click().perform()

    def burst(self, element_ids):
        """Clicks them all as fast as the engine takes real clicks."""
        chain = ActionChains(self.driver, duration=0)
        for element_id in element_ids:
            chain.move_to_element(self.driver.find_element("id", element_id)).click()
        chain.perform()

    def reopen(self, address):
        """Closes the page's tab and opens the address in a new one, as a learner would."""
        closed = self.driver.current_window_handle
        self.driver.switch_to.new_window("tab")
        opened = self.driver.current_window_handle
        self.driver.switch_to.window(closed)
        self.driver.close()
        self.driver.switch_to.window(opened)
        self.driver.get(address)

    def screenshot(self):
        return self.driver.get_screenshot_as_png()

    def before_every_page(self, script):
        raise Unsupported("WebKitWebDriver runs no script before a page's own")

    def requests(self):
        raise Unsupported("WebKitWebDriver does not show the page's requests")

    def console(self):
        raise Unsupported("WebKitWebDriver cannot read the console")

    def accessibility_tree(self):
        raise Unsupported("WebKitWebDriver does not show the accessibility tree")

    def prefer_more_contrast(self):
        raise Unsupported("WebKitWebDriver cannot ask for more contrast")

    def installability_errors(self):
        raise Unsupported("WebKitGTK does not install web apps")

    def quit(self):
        try:
            self.driver.quit()
        finally:
            self.screen.stop()


class Firefox(OverSocket):
    """Firefox ESR spoken to in WebDriver BiDi over its WebSocket; there is no geckodriver."""
    name = "Firefox"
    # Its keys reach the page as trusted events, yet Space and Enter never press the focused
    # button, not even on a page of one button (tried: headless, on a screen of its own, with
    # focusmanager.testmode).
    keys_press_buttons = False
    KEYS = {"\t": "\ue004", "\n": "\ue007"}
    MODIFIERS = {"control": "\ue009", "shift": "\ue008"}

    def __init__(self):
        self.profile = tempfile.TemporaryDirectory()
        port = _free_port()
        environment = dict(os.environ, HOME=self.profile.name)
        environment.pop("DISPLAY", None)
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
                if time.monotonic() > deadline or self.process.poll() is not None:
                    self.quit()
                    raise
                time.sleep(0.2)
        self.last_id, self.entries, self.seen_requests = 0, [], []
        self.command("session.new", capabilities={})
        self.command("session.subscribe", events=["log.entryAdded", "network.beforeRequestSent"])
        self.context = self.command("browsingContext.getTree")["contexts"][0]["context"]
        self.viewport(900, 700)

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
            elif message.get("method") == "network.beforeRequestSent":
                self.seen_requests.append(message["params"]["request"]["url"])

    def viewport(self, width, height, mobile=False):
        self.command("browsingContext.setViewport", context=self.context,
                     viewport={"width": width, "height": height},
                     devicePixelRatio=2 if mobile else 1)

    def navigate(self, address):
        self.command("browsingContext.navigate", context=self.context, url=address,
                     wait="complete")

    def reload(self):
        self.command("browsingContext.reload", context=self.context, wait="complete")

    def reopen(self, address):
        opened = self.command("browsingContext.create", type="tab")["context"]
        self.command("browsingContext.close", context=self.context)
        self.context = opened
        self.navigate(address)

    def evaluate(self, expression, awaited):
        result = self.command("script.evaluate", expression=expression,
                              target={"context": self.context}, awaitPromise=awaited)
        if result.get("type") == "exception":
            raise RuntimeError(result["exceptionDetails"]["text"])
        return json.loads(result["result"].get("value", "null"))

    def perform(self, source):
        self.command("input.performActions", context=self.context, actions=[source])

    def click(self, element_id):
        self.burst([element_id])

    def burst(self, element_ids):
        actions = []
        for element_id in element_ids:
            x, y = self.centre(element_id)
            actions += [{"type": "pointerMove", "x": x, "y": y},
                        {"type": "pointerDown", "button": 0}, {"type": "pointerUp", "button": 0}]
        self.perform({"type": "pointer", "id": "mouse", "actions": actions})

    def keys(self, keys, modifier=None):
        actions = []
        if modifier:
            actions.append({"type": "keyDown", "value": self.MODIFIERS[modifier]})
        for key in keys:
            key = self.KEYS.get(key, key)
            actions += [{"type": "keyDown", "value": key}, {"type": "keyUp", "value": key}]
        if modifier:
            actions.append({"type": "keyUp", "value": self.MODIFIERS[modifier]})
        self.perform({"type": "key", "id": "keyboard", "actions": actions})

    def before_every_page(self, script):
        self.command("script.addPreloadScript", functionDeclaration="() => {%s}" % script)

    def screenshot(self):
        return base64.b64decode(self.command("browsingContext.captureScreenshot",
                                             context=self.context)["data"])

    def requests(self):
        self.js("0")  # collects what came since
        return self.seen_requests

    def console(self):
        self.js("0")
        return ["%s: %s" % (entry.get("level"), entry.get("text")) for entry in self.entries]

    def accessibility_tree(self):
        raise Unsupported("Firefox's WebDriver BiDi does not show the accessibility tree")

    def prefer_more_contrast(self):
        raise Unsupported("Firefox's WebDriver BiDi cannot ask for more contrast")

    def installability_errors(self):
        raise Unsupported("Firefox does not install web apps")

    def quit(self):
        try:
            self.command("session.end")
        except (AttributeError, RuntimeError, OSError, websocket.WebSocketException):
            pass
        self.process.terminate()
        self.process.wait(30)
        self.profile.cleanup()


ENGINES = (Chromium, WebKit, Firefox)


def wait_for(condition, seconds, interval=0.02):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        value = condition()
        if value:
            return value
        time.sleep(interval)
    return condition()


def in_every_engine(namespace, *scenarios):
    """Makes a test class of each scenario for each engine: DrillInChromium, DrillInWebKit, ..."""
    for scenario in scenarios:
        for engine in ENGINES:
            name = scenario.__name__ + "In" + engine.name
            namespace[name] = type(name, (scenario, unittest.TestCase),
                                   {"engine": engine, "__module__": namespace["__name__"]})

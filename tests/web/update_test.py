#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Letterfibel developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""The page and its kept copy as a school's host and network treat them, in headless Chromium: a
slow network, a host shared with another web app, an update that breaks off half-way, a network
that never answers, a captive portal.

    update_test.py SITE_FOLDER [unittest arguments]
"""
import hashlib
import os
import re
import shutil
import sys
import tempfile
import threading
import time
import unittest
from http.server import ThreadingHTTPServer

# The source tree stays as checked out.
sys.dont_write_bytecode = True
import page_test  # noqa: E402
from page_test import Browser  # noqa: E402

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..",
                                "scripts"))
from serve_web import StaticFiles  # noqa: E402

# Letterfibel in a folder of a school's host, another web app beside it.
PLACE = "/letterfibel/"
OTHER_APP = b"<!DOCTYPE html><title>Vokabeln</title><p>Vokabeln</p>"
PORTAL = b"<!DOCTYPE html><title>WLAN-Anmeldung</title><p>Bitte melden Sie sich an.</p>"
RELEASE_NAME = re.compile(r'(kPrefix \+ ")([0-9a-f]{16})(")')


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
        if path in host.cut_once:
            host.cut_once.discard(path)
            with open(os.path.join(host.site, path.lstrip("/")), "rb") as file:
                body = file.read()
            self.answer(200, self.guess_type(path), body, sent=len(body) // 2)
            self.close_connection = True
            return
        super().do_GET()


class Host(ThreadingHTTPServer):
    """A school's static host the test can turn: to a new release of Letterfibel, files that come
    late, a file that breaks off once half-way, a file left from another release, files the
    browser may keep for an hour, a captive portal that answers everything with its login page,
    a network that never answers."""

    def __init__(self, site):
        super().__init__(("127.0.0.1", 0), HostFiles)
        self.site, self.cut_once, self.late, self.stale = site, set(), {}, {}
        self.portal = self.silent = self.cacheable = False
        self.stopping = threading.Event()
        threading.Thread(target=self.serve_forever, daemon=True).start()
        origin = "http://127.0.0.1:%d" % self.server_address[1]
        self.address, self.other_app = origin + PLACE, origin + "/vokabeln/"

    def stop(self):
        self.stopping.set()
        self.shutdown()
        self.server_close()


def next_release(site, folder):
    """A copy of the site as the next build would be: one file changed, the worker's list and
    release name with it."""
    shutil.copytree(site, folder, dirs_exist_ok=True)
    script = os.path.join(folder, "letterfibel.js")
    old = hashlib.sha256(open(script, "rb").read()).hexdigest()
    with open(script, "a") as file:
        file.write("\n// next release\n")
    new = hashlib.sha256(open(script, "rb").read()).hexdigest()
    worker = os.path.join(folder, "sw.js")
    text = open(worker).read()
    changed = RELEASE_NAME.sub(lambda m: m[1] + new[:16] + m[3], text.replace(old, new))
    assert changed != text.replace(old, new) and new in changed
    open(worker, "w").write(changed)


class Updates(unittest.TestCase):
    def setUp(self):
        self.folder = tempfile.TemporaryDirectory()
        self.release_a = os.path.join(self.folder.name, "a")
        self.release_b = os.path.join(self.folder.name, "b")
        shutil.copytree(page_test.SITE, self.release_a)
        next_release(page_test.SITE, self.release_b)
        self.host = Host(self.release_a)
        self.browser = Browser()
        self.browser.driver.set_page_load_timeout(20)

    def tearDown(self):
        self.browser.quit()
        self.host.stop()
        self.folder.cleanup()

    def js(self, script):
        return self.browser.driver.execute_async_script(
            "const done = arguments[0];"
            "Promise.resolve().then(async () => {" + script + "})"
            ".then(done, (error) => done('failed: ' + error));")

    def open_drill(self, seconds=10):
        """The page, its drill started and one question answered in mixed mode."""
        b = self.browser
        b.driver.get(self.host.address)
        drawn = b.wait_for(lambda: b.js("return document.getElementById('loading').hidden"),
                           seconds)
        if not drawn:
            self.fail("the drill did not start: %s %s" % (b.js(
                "return [document.readyState, document.body.innerText, runDependencies, "
                "Module.calledRun, navigator.serviceWorker.controller?.scriptURL]"),
                b.driver.get_log("browser")))
        b.click("CommandGemischt")
        self.assertTrue(b.text("LabelAnzeige").strip(), "no letter shown")

    def letterfibel_caches(self):
        return self.js("return (await caches.keys()).filter(n => n.startsWith('letterfibel'))")

    def kept_script(self):
        """The page's script as the page gets it now."""
        return self.js("return (await fetch('letterfibel.js')).text()")

    def take_release(self, folder):
        """Publishes a release, lets the open page find it, then closes and opens the page."""
        self.host.site = folder
        found = self.js("const r = await navigator.serviceWorker.getRegistration();"
                        "await r.update().catch(() => {});"
                        "for (let i = 0; i < 100 && r.installing; ++i)"
                        "  await new Promise(done => setTimeout(done, 50));"
                        "return r.waiting !== null;")
        # The learner closes the page. Another app of the host, outside Letterfibel's folder,
        # sees the new release take over.
        driver = self.browser.driver
        closed = driver.current_window_handle
        driver.switch_to.new_window("tab")
        opened = driver.current_window_handle
        driver.switch_to.window(closed)
        driver.close()
        driver.switch_to.window(opened)
        driver.get(self.host.other_app)
        if found:
            self.assertTrue(self.browser.wait_for(lambda: self.js(
                "const r = await navigator.serviceWorker.getRegistration('%s');"
                "return !r.waiting && r.active.state === 'activated'" % PLACE), 10),
                "the next release did not take over when the page was closed")
        return found

    def install(self):
        self.open_drill()
        self.assertTrue(self.browser.wait_for(lambda: self.js(
            "const r = await navigator.serviceWorker.getRegistration();"
            "return r && r.active && r.active.state === 'activated'"), 10),
            "the page was never kept")
        # From now on the page comes from the kept copy.
        self.open_drill()

    def places(self):
        return self.browser.js(
            "return [...document.querySelectorAll('#window *')].map(e => {"
            " const r = e.getBoundingClientRect();"
            " return [e.id, r.left, r.top, r.width, r.height, getComputedStyle(e).font]; })")

    def test_a_late_engine_finds_the_window_drawn_and_nothing_moves(self):
        self.host.late["/letterfibel.wasm"] = 3
        b = self.browser
        # Not through WebDriver's navigation, which waits for the whole page.
        b.js("location.href = arguments[0]", self.host.address)
        self.assertTrue(b.wait_for(lambda: b.js(
            "return document.getElementById('CommandGemischt')?.checkVisibility()"), 2))
        painted = b.wait_for(lambda: b.js(
            "return performance.getEntriesByName('first-contentful-paint')[0]?.startTime"), 1)
        self.assertLess(painted, 1000, "the window was not drawn within 1 s")
        self.assertFalse(b.js("return document.getElementById('loading').hidden"),
                         "the engine did not come late")
        before = self.places()
        self.assertEqual(len(before), 28)
        self.assertEqual(b.js("return [...document.querySelectorAll('#window button')]"
                              ".filter(e => e.ariaDisabled === 'true').length"), 19)
        # A click before the engine runs does nothing, then or later.
        b.click("CommandKlein")
        self.assertTrue(b.wait_for(lambda: b.js(
            "return document.getElementById('loading').hidden"), 10), "the engine never ran")
        self.assertEqual(b.text("Frame1-caption"), "")
        self.assertEqual(self.places(), before, "the window moved when the engine started")
        self.assertEqual(b.js("return document.querySelectorAll('[aria-disabled]').length"), 0)
        b.click("CommandKlein")
        self.assertEqual(b.text("Frame1-caption"), page_test.LOWER)

    def test_another_apps_cache_on_the_same_host_survives_install_and_update(self):
        # A host that lets the browser keep files: the update comes all the same.
        self.host.cacheable = True
        self.browser.driver.get(self.host.other_app)
        self.js("await (await caches.open('vokabeltrainer')).put('/vokabeln', new Response('x'));")
        self.install()
        self.assertTrue(self.take_release(self.release_b), "the next release was not found")
        self.open_drill()
        self.assertTrue("next release" in self.kept_script(), "the next release was not taken")
        self.assertEqual(len(self.letterfibel_caches()), 1, "the earlier release was kept")
        self.assertEqual(self.js(
            "return (await (await caches.open('vokabeltrainer')).match('/vokabeln'))?.text()"),
            "x", "Letterfibel deleted another app's offline data")

    def test_an_update_broken_off_half_way_leaves_one_whole_release(self):
        self.install()
        self.host.cut_once.add("/letterfibel.wasm")
        self.assertFalse(self.take_release(self.release_b),
                         "a release whose .wasm broke off was taken")
        self.open_drill()
        self.assertFalse("next release" in self.kept_script(), "two releases mixed")
        # A host still serving the last release's script beside the new worker.
        self.host.stale["/letterfibel.js"] = self.release_a
        self.assertFalse(self.take_release(self.release_b),
                         "a release with another release's script was taken")
        del self.host.stale["/letterfibel.js"]
        self.open_drill()
        # The next try finds the whole release, and it is taken as a whole.
        self.assertTrue(self.take_release(self.release_b), "the whole release was not found")
        self.open_drill()
        self.assertTrue("next release" in self.kept_script(), "the next release was not taken")

    def test_a_network_that_never_answers_does_not_hold_up_the_start(self):
        self.install()
        self.host.silent = True
        started = time.monotonic()
        self.open_drill(seconds=5)
        self.assertLess(time.monotonic() - started, 5)

    def test_a_captive_portals_page_never_replaces_a_kept_file(self):
        self.install()
        self.host.portal = True
        self.assertFalse(self.take_release(self.release_b))
        self.open_drill()
        self.host.portal = False
        self.host.silent = True
        self.open_drill(seconds=5)


def main():
    page_test.SITE = sys.argv[1]
    unittest.main(argv=[sys.argv[0]] + sys.argv[2:], verbosity=2)


if __name__ == "__main__":
    main()

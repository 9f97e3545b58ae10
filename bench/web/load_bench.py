#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Letterfibel developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""The page against a plain HTML and JavaScript page with the same 26 controls, side by side in
one headless Chromium, served from 127.0.0.1:
  1. a cold load (no cache, no service worker) until the drill is ready: the window shown, its
     fonts loaded, and a click on "Kleinbuchstaben" answered with a letter;
  2. everything a first visit transfers, gzipped;
  3. the page's script time over one pause (DevTools Performance.getMetrics).

    load_bench.py SITE BASELINE_SITE [LOADS]
"""
import gzip
import json
import os
import statistics
import subprocess
import sys
import tempfile
import time
import urllib.parse

from selenium import webdriver
from selenium.webdriver.chrome.service import Service

SERVE = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "scripts",
                     "serve_web.py")
# Runs in the page before its own scripts: notes when the drill first answers.
WATCH = """
window.__ready = new Promise((resolve) => {
  const check = () => {
    const stage = document.getElementById("stage");
    const klein = document.getElementById("CommandKlein");
    if (stage && !stage.hidden && klein && document.fonts.status === "loaded") {
      klein.click();
      const glyph = document.getElementById("LabelAnzeige");
      if (glyph && glyph.textContent) return resolve(performance.now());
    }
    requestAnimationFrame(check);
  };
  requestAnimationFrame(check);
});
"""


def serve(folder):
    process = subprocess.Popen([sys.executable, SERVE, folder], stdout=subprocess.PIPE, text=True)
    return process, process.stdout.readline().strip()


def main():
    site, baseline_site = sys.argv[1], sys.argv[2]
    loads = int(sys.argv[3]) if len(sys.argv) > 3 else 15
    servers = [serve(site), serve(baseline_site)]
    profile = tempfile.TemporaryDirectory()
    options = webdriver.ChromeOptions()
    options.binary_location = "/usr/bin/chromium"
    for argument in ("--headless=new", "--no-sandbox", "--disable-gpu", "--no-first-run",
                     "--user-data-dir=" + profile.name, "--window-size=900,700"):
        options.add_argument(argument)
    options.set_capability("goog:loggingPrefs", {"performance": "ALL"})
    driver = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
    cdp = driver.execute_cdp_cmd
    cdp("Network.enable", {})
    cdp("Network.setCacheDisabled", {"cacheDisabled": True})
    cdp("Page.addScriptToEvaluateOnNewDocument", {"source": WATCH})

    def cold_load(address):
        origin = urllib.parse.urlsplit(address)
        cdp("Storage.clearDataForOrigin", {"origin": "%s://%s" % (origin.scheme, origin.netloc),
                                           "storageTypes": "all"})
        driver.get("about:blank")
        driver.get(address)
        return driver.execute_script("return window.__ready")

    times = {"letterfibel": [], "baseline": []}
    for _ in range(2):  # warm the browser and the disk cache of the machine
        cold_load(servers[0][1])
        cold_load(servers[1][1])
    for _ in range(loads):
        times["letterfibel"].append(cold_load(servers[0][1]))
        times["baseline"].append(cold_load(servers[1][1]))
    page = statistics.median(times["letterfibel"])
    base = statistics.median(times["baseline"])
    print("cold load until the drill answers (median of %d): letterfibel %.1f ms, baseline "
          "%.1f ms, ratio %.3f" % (loads, page, base, page / base))

    # A first visit, the service worker's own fetches included.
    driver.get_log("performance")
    cdp("Storage.clearDataForOrigin", {"origin": servers[0][1].rstrip("/"),
                                       "storageTypes": "all"})
    driver.get("about:blank")
    driver.get(servers[0][1])
    driver.execute_script("return window.__ready")
    time.sleep(2)
    paths = set()
    for entry in driver.get_log("performance"):
        message = json.loads(entry["message"])["message"]
        if message["method"] == "Network.requestWillBeSent":
            url = message["params"]["request"]["url"]
            if url.startswith(servers[0][1]):
                path = urllib.parse.urlsplit(url).path.lstrip("/") or "index.html"
                paths.add(path)
    total = 0
    for path in sorted(paths):
        with open(os.path.join(site, path), "rb") as f:
            total += len(gzip.compress(f.read(), 9))
    print("everything a first visit transfers, gzipped: %.1f KB in %d files"
          % (total / 1000, len(paths)))

    # Script time over one pause: a right answer, then the two seconds and the next letter.
    cdp("Performance.enable", {})
    driver.execute_script(
        "const names = {'α':'CommandAl','β':'CommandBe','γ':'CommandGa','δ':'CommandDe',"
        "'ε':'CommandEp','η':'CommandEt','ϑ':'CommandTh','λ':'CommandLa','μ':'CommandMy',"
        "'ν':'CommandNy','π':'CommandPi','ρ':'CommandRh','σ':'CommandSi','φ':'CommandPh',"
        "'ω':'CommandOm'}; window.__right = () => names[document.getElementById("
        "'LabelAnzeige').textContent];")
    script = []
    for _ in range(5):
        right = driver.execute_script("return window.__right()")
        before = {m["name"]: m["value"] for m in cdp("Performance.getMetrics", {})["metrics"]}
        driver.find_element("id", right).click()
        time.sleep(2.5)
        after = {m["name"]: m["value"] for m in cdp("Performance.getMetrics", {})["metrics"]}
        script.append(1000 * (after["ScriptDuration"] - before["ScriptDuration"]))
    print("script time over one pause (median of 5): %.2f ms" % statistics.median(script))

    driver.quit()
    profile.cleanup()
    for process, _ in servers:
        process.terminate()


if __name__ == "__main__":
    main()

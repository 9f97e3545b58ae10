#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Letterfibel developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Lighthouse (mobile preset, simulated slow network and CPU, the local Chromium) on the page and
on the plain baseline page, alternating, each served from 127.0.0.1: the medians of largest
contentful paint and time to interactive, their ratios, the category scores, and every scored
audit the page does not pass.

    lighthouse_bench.py LIGHTHOUSE SITE BASELINE_SITE [RUNS]
"""
import json
import os
import statistics
import subprocess
import sys
import tempfile

SERVE = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "scripts",
                     "serve_web.py")


def serve(folder):
    process = subprocess.Popen([sys.executable, SERVE, folder], stdout=subprocess.PIPE, text=True)
    return process, process.stdout.readline().strip()


def audit(lighthouse, address, report):
    subprocess.run([lighthouse, address, "--quiet", "--output=json", "--output-path=" + report,
                    "--chrome-flags=--headless=new --no-sandbox"],
                   env=dict(os.environ, CHROME_PATH="/usr/bin/chromium"), check=True)
    with open(report, encoding="utf-8") as f:
        return json.load(f)


def main():
    lighthouse, site, baseline_site = sys.argv[1:4]
    runs = int(sys.argv[4]) if len(sys.argv) > 4 else 5
    servers = {"letterfibel": serve(site), "baseline": serve(baseline_site)}
    reports = {name: [] for name in servers}
    with tempfile.TemporaryDirectory() as scratch:
        for run in range(runs):
            for name, (_, address) in servers.items():
                reports[name].append(audit(lighthouse, address,
                                           os.path.join(scratch, "%s-%d.json" % (name, run))))
    for process, _ in servers.values():
        process.terminate()

    def median(name, metric):
        return statistics.median(r["audits"][metric]["numericValue"] for r in reports[name])

    for metric, label in (("largest-contentful-paint", "largest contentful paint"),
                          ("interactive", "time to interactive")):
        page, base = median("letterfibel", metric), median("baseline", metric)
        print("%s (median of %d): letterfibel %.0f ms, baseline %.0f ms, ratio %.2f"
              % (label, runs, page, base, page / base))
    last = reports["letterfibel"][-1]
    print("scores: " + ", ".join("%s %d" % (c["title"], round(100 * c["score"]))
                                 for c in last["categories"].values()))
    failing = sorted(key for key, a in last["audits"].items()
                     if a.get("score") is not None and a["score"] < 0.9 and
                     a.get("scoreDisplayMode") in ("binary", "numeric", "metricSavings"))
    print("audits not passed: " + (", ".join(failing) or "none"))


if __name__ == "__main__":
    main()

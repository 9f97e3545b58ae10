// SPDX-FileCopyrightText: 2026 The Letterfibel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What the page does around the window: scales it to fit a small screen, loads the letter's
// font, closes the error box, says so when the start fails, and keeps the app's files for use
// without a network. It runs first in the module's script, which is loaded async: the
// WebAssembly is fetched and compiled while the page is parsed, and the window is built once
// both are done.

// The window at its designed size where that fits, else as large as fits; never larger. Its
// size is its layout box, which the transform leaves alone.
function fitWindow() {
  const box = document.getElementById("window");
  if (!box || !box.offsetWidth)
    return;
  const scale = Math.min(1, innerWidth / box.offsetWidth, innerHeight / box.offsetHeight);
  document.documentElement.style.setProperty("--scale", String(scale));
}

// The window is built into the parsed page.
function whenParsed(start) {
  if (document.readyState === "loading")
    addEventListener("DOMContentLoaded", start);
  else
    start();
}

// Before the module runs, not while this script runs: the module's own set-up, further down,
// starts its count of what it waits for at nought.
Module["preRun"] = () => {
  if (document.readyState === "loading") {
    addRunDependency("parsed");
    whenParsed(() => removeRunDependency("parsed"));
  }
};

addEventListener("resize", fitWindow);

// A start that fails (no WebAssembly, a missing or broken .wasm) says so in place of "wird
// geladen", as an alert, so that the learner knows what to try.
Module["onAbort"] = () => whenParsed(() => {
  const alert = document.getElementById("fehlstart");
  if (alert.childElementCount)
    return;
  document.getElementById("loading").hidden = true;
  document.getElementById("stage").hidden = true;
  alert.append(document.getElementById("fehlstart-text").content.cloneNode(true));
});

document.fonts.load('37px "Letterfibel Griechisch"');

whenParsed(() => {
  document.querySelector("#fehler button").addEventListener("click", (event) => {
    event.target.closest("dialog").close();
  });
});

// Once the page has loaded: the worker fetches every file again to keep it, which must not
// hold up the first start.
if ("serviceWorker" in navigator) {
  addEventListener("load", () => navigator.serviceWorker.register("sw.js"));
}

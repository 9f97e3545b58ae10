// SPDX-FileCopyrightText: 2026 The Letterfibel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What the page does around the window: scales it to fit a small screen, loads the letter's
// font, closes the error box, and keeps the app's files for use without a network.
"use strict";

const kWindowWidth = 741;
const kWindowHeight = 592;

function fitWindow() {
  // Never larger than designed, and as large as fits: the same rule as the Windows program's.
  const scale = Math.min(1, innerWidth / kWindowWidth, innerHeight / kWindowHeight);
  document.documentElement.style.setProperty("--scale", String(scale));
}

addEventListener("resize", fitWindow);
fitWindow();

document.fonts.load('37px "Letterfibel Griechisch"');

document.querySelector("#fehler button").addEventListener("click", (event) => {
  event.target.closest("dialog").close();
});

if ("serviceWorker" in navigator) {
  navigator.serviceWorker.register("sw.js");
}

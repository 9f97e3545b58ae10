// SPDX-FileCopyrightText: 2026 The Letterfibel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What the page does around the window, which its HTML and stylesheet draw: closes the error
// box, says so when the start fails, and keeps the app's files for use without a network. It
// runs first in the module's script, which is deferred: it runs once the page is parsed, so the
// window is there, then fetches the WebAssembly, which brings the window to life. On a slow
// phone the first paint thus has the network to itself.

// A start that fails (no WebAssembly, a missing or broken .wasm) says so in place of "wird
// geladen", as an alert, so that the learner knows what to try.
Module["onAbort"] = () => {
  const alert = document.getElementById("fehlstart");
  if (alert.childElementCount)
    return;
  document.getElementById("loading").hidden = true;
  document.getElementById("stage").hidden = true;
  alert.append(document.getElementById("fehlstart-text").content.cloneNode(true));
};

document.querySelector("#fehler button").addEventListener("click", (event) => {
  event.target.closest("dialog").close();
});

// Once the page has loaded: the worker fetches every file again to keep it, which must not
// hold up the first start. A release that waited for its turn takes over at the next start, a
// reload included, while nothing of a drill has happened yet: the page then starts again, wholly
// from the new release. Once the learner has begun, it waits for the start after.
if ("serviceWorker" in navigator) {
  let begun = false;
  for (const type of ["pointerdown", "keydown"])
    addEventListener(type, () => { begun = true; }, { capture: true, once: true });
  navigator.serviceWorker.getRegistration().then((registration) => {
    if (!registration || !registration.waiting || !navigator.serviceWorker.controller)
      return;
    navigator.serviceWorker.addEventListener("controllerchange", () => {
      if (!begun)
        location.reload();
    });
    registration.waiting.postMessage("take over");
  });
  addEventListener("load", () => navigator.serviceWorker.register("sw.js"));
}

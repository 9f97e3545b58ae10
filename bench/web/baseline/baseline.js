// SPDX-FileCopyrightText: 2026 The Letterfibel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The benchmark's baseline: the same 26 controls on the same stylesheet and font, built by plain
// JavaScript with a drill of a few lines, and no WebAssembly.
"use strict";

const controls = [
  ["Label1", "h1", "Letterfibel", 48, 48, 433, 49, 27],
  ["CommandEnde", "button", "Ende", 272, 496, 185, 33, 11],
  ["CommandAl", "button", "Alpha", 40, 232, 105, 25, 13],
  ["CommandBe", "button", "Beta", 176, 232, 105, 25, 13],
  ["CommandGa", "button", "Gamma", 312, 232, 105, 25, 13],
  ["CommandDe", "button", "Delta", 448, 232, 105, 25, 13],
  ["Frame1", "div", "", 40, 120, 649, 89, 12],
  ["LabelAnzeige", "div", "", 152, 24, 73, 49, 37],
  ["LabelAnzeigeText", "div", "", 280, 32, 241, 49, 35],
  ["CommandEp", "button", "Epsilon", 584, 232, 105, 25, 13],
  ["CommandEt", "button", "Eta", 40, 280, 105, 25, 13],
  ["CommandTh", "button", "Theta", 176, 280, 105, 25, 13],
  ["CommandLa", "button", "Lambda", 312, 280, 105, 25, 13],
  ["CommandMy", "button", "My", 448, 280, 105, 25, 13],
  ["CommandNy", "button", "Ny", 584, 280, 105, 25, 13],
  ["CommandPi", "button", "Pi", 40, 328, 105, 25, 13],
  ["CommandRh", "button", "Rho", 176, 328, 105, 25, 13],
  ["CommandSi", "button", "Sigma", 312, 328, 105, 25, 13],
  ["CommandPh", "button", "Phi", 448, 328, 105, 25, 13],
  ["CommandOm", "button", "Omega", 584, 328, 105, 25, 13],
  ["LabelRichtig", "div", "0 richtig", 512, 24, 97, 25, 16],
  ["LabelFalsch", "div", "0 falsch", 504, 56, 105, 25, 16],
  ["CommandKlein", "button", "Kleinbuchstaben", 40, 416, 185, 33, 13],
  ["CommandGross", "button", "Großbuchstaben", 272, 416, 185, 33, 13],
  ["CommandGemischt", "button", "Gemischt", 504, 416, 185, 33, 13],
  ["Label2", "div", "Griechisch lesen", 552, 56, 129, 25, 13],
];
const glyphs = "αβγδεηλμνπρσφωϑ";
const names = ["Alpha", "Beta", "Gamma", "Delta", "Epsilon", "Eta", "Lambda", "My", "Ny", "Pi",
  "Rho", "Sigma", "Phi", "Omega", "Theta"];
let letter = 0;

function show(id, text) {
  document.getElementById(id).textContent = text;
}

function draw() {
  letter = Math.floor(Math.random() * 15);
  show("LabelAnzeige", glyphs[letter]);
}

for (const [id, tag, caption, left, top, width, height, size] of controls) {
  const element = document.createElement(tag);
  element.id = id;
  element.className = "control " + (tag === "button" ? "button centre" : "label left");
  element.textContent = caption;
  for (const [name, value] of [["--left", left], ["--top", top], ["--width", width],
    ["--height", height], ["--font-size", size]])
    element.style.setProperty(name, value + "px");
  const inFrame = id.startsWith("LabelAnzeige") || id === "LabelRichtig" || id === "LabelFalsch";
  document.getElementById(inFrame ? "Frame1" : "window").append(element);
  if (tag === "button")
    element.addEventListener("click", () => {
      if (caption === "Kleinbuchstaben") draw();
      else show("LabelAnzeigeText", names[letter]);
    });
}
document.documentElement.style.setProperty("--window-width", "741px");
document.documentElement.style.setProperty("--window-height", "592px");
document.fonts.load('37px "Letterfibel Griechisch"');
document.getElementById("loading").hidden = true;
document.getElementById("stage").hidden = false;

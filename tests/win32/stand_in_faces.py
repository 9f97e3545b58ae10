#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Letterfibel developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""stand_in_faces.py LIBERATION_FOLDER OUT_FOLDER: a system whose Arial lacks the Greek letters.

Writes an "Arial" that has Basic Latin only, and a "Times New Roman" that has Greek, both made
from their Liberation twins, for fontconfig (and so Wine) to offer under those names.
"""
import sys
from pathlib import Path

from fontTools import subset
from fontTools.ttLib import TTFont


def stand_in(source: Path, family: str, latin_only: bool) -> TTFont:
    font = TTFont(source)
    if latin_only:
        options = subset.Options()
        options.name_IDs = ["*"]
        options.notdef_outline = True
        subsetter = subset.Subsetter(options)
        subsetter.populate(unicodes=range(0x20, 0x7F))
        subsetter.subset(font)
    for record in font["name"].names:
        if record.nameID in (1, 4, 16):
            record.string = family
        elif record.nameID == 6:
            record.string = family.replace(" ", "")
    return font


def main() -> None:
    liberation, out = Path(sys.argv[1]), Path(sys.argv[2])
    out.mkdir(parents=True, exist_ok=True)
    stand_in(liberation / "LiberationSans-Regular.ttf", "Arial", True).save(out / "arial.ttf")
    stand_in(liberation / "LiberationSerif-Regular.ttf", "Times New Roman", False).save(
        out / "times.ttf")


if __name__ == "__main__":
    main()

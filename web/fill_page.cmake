# SPDX-FileCopyrightText: 2026 The Letterfibel developers
# SPDX-License-Identifier: GPL-3.0-or-later
# cmake -DTEXTS=page_texts.cmake -DIN=file.in -DOUT=file -P fill_page.cmake: one of the page's
# static files with the texts of the shared layer put in (see page_facts.cpp).
include(${TEXTS})
configure_file(${IN} ${OUT} @ONLY)

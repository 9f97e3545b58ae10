# SPDX-FileCopyrightText: 2026 The Letterfibel developers
# SPDX-License-Identifier: GPL-3.0-or-later
# cmake -DTEXTS=page_texts.cmake -DWINDOW=window.html -DPLACES=places.css -DIN=file.in -DOUT=file
#       -P fill_page.cmake
# One of the page's static files with the texts, the window's controls and their places from
# the shared layer put in (see page_facts.cpp).
include(${TEXTS})
file(READ ${WINDOW} WINDOW_HTML)
file(READ ${PLACES} WINDOW_PLACES)
configure_file(${IN} ${OUT} @ONLY)

# SPDX-FileCopyrightText: 2026 The Letterfibel developers
# SPDX-License-Identifier: GPL-3.0-or-later
# cmake -DSITE=site -DFILES=a,b,... -DIN=sw.js.in -DOUT=sw.js -P release_files.cmake: the
# service worker with the release's files and their SHA-256 put in, and the release named by
# all of them. The start page is asked for as the folder itself, so it is listed twice.
string(REPLACE "," ";" files "${FILES}")
set(entries "\"./\": \"")
file(SHA256 ${SITE}/index.html hash)
string(APPEND entries "${hash}\"")
set(release "${hash}")
foreach(name ${files})
    file(SHA256 ${SITE}/${name} hash)
    string(APPEND entries ",\n  \"./${name}\": \"${hash}\"")
    string(APPEND release " ${name} ${hash}")
endforeach()
set(WEB_FILES "\n  ${entries},\n")
string(SHA256 RELEASE "${release}")
string(SUBSTRING "${RELEASE}" 0 16 RELEASE)
configure_file(${IN} ${OUT} @ONLY)

# SPDX-FileCopyrightText: 2026 The Letterfibel developers
# SPDX-License-Identifier: GPL-3.0-or-later
# A Debian package of the program: `cpack -G DEB` in a release build (scripts/package.sh).
set(CPACK_PACKAGE_NAME letterfibel)
set(CPACK_PACKAGE_VENDOR "Letterfibel")
# The packager names themselves here; the default is the project, with an address in the
# reserved .invalid domain, so that nobody mistakes it for a person to write to.
set(LETTERFIBEL_MAINTAINER "Letterfibel developers <maintainer@letterfibel.invalid>"
    CACHE STRING "Maintainer of the Debian package: Name <address>")
set(CPACK_PACKAGE_CONTACT "${LETTERFIBEL_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Griechische Buchstaben lesen lernen")
set(CPACK_PACKAGE_DESCRIPTION
    "Letterfibel zeigt einen griechischen Buchstaben in großer Schrift;\nman klickt auf den Knopf mit seinem Namen. Kleinbuchstaben,\nGroßbuchstaben oder gemischt.")
set(CPACK_PACKAGE_INSTALL_DIRECTORY letterfibel)
set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# Library dependencies come from dpkg-shlibdeps. The font is loaded at run time, so no library
# names it; the X11 platform plugin comes with libqt6gui6, Wayland's is recommended.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland")
set(CPACK_STRIP_FILES ON)
# File times in the package from the source's time, so that two builds give the same bytes.
configure_file(${CMAKE_CURRENT_LIST_DIR}/cpack_options.cmake.in
               ${CMAKE_BINARY_DIR}/packaging/cpack_options.cmake @ONLY)
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_BINARY_DIR}/packaging/cpack_options.cmake)

# What Debian policy asks of every package: the copyright, the changelog and manual pages,
# compressed as lintian expects.
set(doc_dir ${CMAKE_INSTALL_DATADIR}/doc/letterfibel)
configure_file(${CMAKE_CURRENT_LIST_DIR}/changelog ${CMAKE_BINARY_DIR}/packaging/changelog @ONLY)
set(compressed)
foreach(pair "packaging/changelog|changelog" "data/letterfibel.1|letterfibel.1"
             "data/letterfibel.de.1|letterfibel.de.1")
    string(REPLACE "|" ";" pair "${pair}")
    list(GET pair 0 source)
    list(GET pair 1 name)
    set(input ${PROJECT_SOURCE_DIR}/${source})
    if(source STREQUAL "packaging/changelog")
        set(input ${CMAKE_BINARY_DIR}/packaging/changelog)
    endif()
    add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/packaging/${name}.gz
        COMMAND gzip -9nc ${input} > ${CMAKE_BINARY_DIR}/packaging/${name}.gz
        DEPENDS ${input} VERBATIM)
    list(APPEND compressed ${CMAKE_BINARY_DIR}/packaging/${name}.gz)
endforeach()
add_custom_target(package_documents ALL DEPENDS ${compressed})
install(FILES ${CMAKE_CURRENT_LIST_DIR}/copyright DESTINATION ${doc_dir})
install(FILES ${CMAKE_BINARY_DIR}/packaging/changelog.gz DESTINATION ${doc_dir})
install(FILES ${CMAKE_BINARY_DIR}/packaging/letterfibel.1.gz
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${CMAKE_BINARY_DIR}/packaging/letterfibel.de.1.gz
        DESTINATION ${CMAKE_INSTALL_MANDIR}/de/man1 RENAME letterfibel.1.gz)
include(CPack)

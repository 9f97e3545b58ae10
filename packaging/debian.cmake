# A Debian package of the program: `cpack -G DEB` in a release build (scripts/package.sh).
set(CPACK_PACKAGE_NAME letterfibel)
set(CPACK_PACKAGE_VENDOR "Letterfibel")
set(CPACK_PACKAGE_CONTACT "Letterfibel-Entwickler <letterfibel@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Griechische Buchstaben lesen lernen")
set(CPACK_PACKAGE_DESCRIPTION
    "Letterfibel zeigt einen griechischen Buchstaben in großer Schrift;\nman klickt auf den Knopf mit seinem Namen. Kleinbuchstaben,\nGroßbuchstaben oder gemischt.")
set(CPACK_PACKAGE_INSTALL_DIRECTORY letterfibel)
set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# Library dependencies come from dpkg-shlibdeps. The font is loaded at run time, so no library
# names it; the X11 platform plugin comes with libqt6gui6, Wayland's and VNC's are extras.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland, qt6-qpa-plugins")
set(CPACK_STRIP_FILES ON)
include(CPack)

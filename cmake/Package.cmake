# `cmake --build build --target package` makes the Debian package: the program folder in
# /usr/lib/games/quendo, the quendo command in /usr/games, the menu entry, the icon, the
# AppStream metainfo, the manual page, the copyright and the change log. It has no maintainer
# scripts: the sound module is loaded by its full path, so ldconfig has nothing to do. (CPack
# adds ldconfig calls for a shared object in /usr/lib or one folder below it; the program
# folder, where Debian keeps games' own files, is two below.)
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quendo)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Quendo")
set(CPACK_PACKAGE_CONTACT "Quendo <quendo@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "word-guessing game for children")
# Package tools show the long description's lines as they are: at most 80 characters each.
set(CPACK_PACKAGE_DESCRIPTION
    "One to four children take turns guessing hidden words letter by letter;\n\
a wrong letter adds a stroke to a chalk drawing. Teachers keep their own\n\
word lists in a built-in editor. The game speaks German, English, Swedish,\n\
Italian, Portuguese, Spanish and French, and can read the game aloud.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://quendo.example.org/")
# dpkg-shlibdeps names the runtime packages of every library the program and its sound and
# speech modules link, with the versions they were built against; no -dev package can come in
# this way. Reading aloud needs the speech server and its voices only when it is turned on.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS
    "qt6-speech-speechd-plugin, speech-dispatcher, speech-dispatcher-espeak-ng")
include(CPack)

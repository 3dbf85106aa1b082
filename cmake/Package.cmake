# `cmake --build build --target package` makes the Debian package: the program folder in
# /usr/lib/quendo, the Quendo command, the menu entry, the icon and the AppStream metainfo.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quendo)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Quendo")
set(CPACK_PACKAGE_CONTACT "Quendo <quendo@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "word-guessing game for children")
set(CPACK_PACKAGE_DESCRIPTION
    "One to four children take turns guessing hidden words letter by letter; a wrong letter\n\
adds a stroke to a chalk drawing. Teachers keep their own word lists in a built-in editor.\n\
The game speaks German, English, Swedish, Italian, Portuguese, Spanish and French.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://quendo.example.org/")
# dpkg-shlibdeps names the runtime packages of every library the program and its sound module
# link, with the versions they were built against; no -dev package can come in this way.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
include(CPack)

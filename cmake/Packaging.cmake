# Debian package: `cpack -G DEB` in the build folder gives hill-cipher_<version>_<arch>.deb.
# dpkg-shlibdeps works out the library dependencies from the installed program.
set(CPACK_PACKAGE_NAME hill-cipher)
set(CPACK_PACKAGE_VENDOR "The hill-cipher developers")
set(CPACK_PACKAGE_CONTACT "The hill-cipher developers <hill-cipher@example.org>")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://example.org/hill-cipher")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "step-by-step Hill cipher for informatics lessons")
# CPack indents each line of this for the control file.
set(CPACK_PACKAGE_DESCRIPTION [[
A small teaching program, with its texts in Bulgarian, for informatics
lessons. It turns a message into letter codes, multiplies the 3x3 key
matrix by each group of three modulo 26, shows every product together
with its calculation and decrypts the result with the inverse matrix.]])
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${CPACK_PACKAGE_CONTACT}")
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Loaded at run time, through fontconfig and by Qt, so dpkg-shlibdeps cannot see them: the
# window's font, and Qt's own Bulgarian texts for its menus.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2, qt6-translations-l10n")

include(CPack)

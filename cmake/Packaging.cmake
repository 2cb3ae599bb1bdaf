# The Debian package (scripts/package.sh): `cpack -G DEB` in a Release build configured
# with CMAKE_INSTALL_PREFIX=/usr. Its dependencies come from dpkg-shlibdeps.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tallyfox)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Tallyfox developers")
set(CPACK_PACKAGE_CONTACT "Tallyfox developers <maintainers@tallyfox.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "verify files against SFV, MD5 and SHA checksum lists")
set(CPACK_PACKAGING_INSTALL_PREFIX ${CMAKE_INSTALL_PREFIX})
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://tallyfox.org/")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's own German texts (standard buttons and dialogs), where the window is in German.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-translations-l10n)
# The long description; CPack puts the summary above it as the synopsis.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Tallyfox reads checksum lists (.sfv lists of CRC-32 values, .md5 lists and
the lists sha1sum, sha256sum and sha512sum write), checks every listed file
on disk and shows each one as OK, bad, missing or unchecked, with running
totals. It also makes new .sfv and .md5 lists of files picked in its folder
browser.
.
The package holds the desktop program and the command-line tools
tallyfox-check and tallyfox-create.")
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
include(CPack)

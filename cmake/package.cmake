# The Debian package that scripts/package builds with CPack from what
# cmake/install.cmake installs: build/tessaline_<version>_<arch>.deb.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tessaline)
set(CPACK_PACKAGE_VENDOR "Korvane Software")
set(CPACK_PACKAGE_CONTACT "Korvane Software <feedback@korvane.example>")
set(CPACK_PACKAGE_HOMEPAGE_URL https://www.korvane.example)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Delphi (Object Pascal) source to syntax-highlighted HTML")
# Debian shows the description as it stands: lines of at most 80 characters.
set(CPACK_PACKAGE_DESCRIPTION [[
Tessaline shows Delphi (Object Pascal) source on the left of its window and
the HTML made of it on the right. Comments, strings, numbers and reserved
words are marked in the colours and styles you choose: with font tags in the
HTML itself, or as classes of a style sheet. The HTML can be saved as a page,
previewed in the browser, or copied to the clipboard, as HTML source or
formatted for a mail or a word processor.

The package also holds tessaline-convert, which makes the same pages from the
same settings on the command line, for build scripts and whole source trees.]])
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION devel)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The dependencies are those of the shared libraries the programs link.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)

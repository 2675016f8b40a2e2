# The Debian package of the program: cpack in a build tree (tools/package) writes
# quintabor_<version>-<release>_<arch>.deb with what install() names, under /usr.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quintabor)
set(CPACK_PACKAGE_CONTACT "Quintabor <kontakt@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "equation calculator: roots, plots and linear systems")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "Finds every root of an equation in one unknown inside an interval, plots both sides\n"
    "and their difference, and solves linear systems of up to ten unknowns, in extended\n"
    "precision. The user interface is in German, with an English translation.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_SECTION math)
# dpkg-shlibdeps (dpkg-dev) derives the dependencies from the libraries the binary links.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's SVG plugins draw the window's icon; the binary links Qt Svg (plots written as SVG) and
# Qt PrintSupport, which dpkg-shlibdeps names, but not the plugins. Qt's catalogues put its own
# texts (context menus, standard buttons) into the window's language.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6svg6, qt6-translations-l10n")

include(CPack)

# A Debian package of the game, built on demand with `cpack` (or the `package` target) in a
# configured build directory; it is not part of the default build.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ravelo2)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Ravelo2 developers")
# No mailing list exists yet: the address is a placeholder to replace before publishing.
set(CPACK_PACKAGE_CONTACT "The Ravelo2 developers <maintainers@ravelo2.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "pit-and-marble sowing game against the computer")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${CPACK_PACKAGE_CONTACT}")
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The extended description below the summary line, a Japanese summary included (the game itself
# speaks only Japanese).
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Ravelo2 is a two-player pit-and-marble sowing game played against the
computer: two rows of six pits and a store at each end. Each turn you lift the
marbles of one of your pits and sow them one by one round the board; a last
marble in your own store gives another turn, and whoever first empties their
own row wins. Four think levels, take-back, six boards and six marble colours.
All texts of the game are in Japanese.
.
ラヴェロ2: コンピュータと対戦するビー玉のボードゲーム。")
# Libraries through dpkg-shlibdeps (package dpkg-dev); besides them the game needs Qt's X11/
# Wayland platform plugins, which it loads at run time, the Japanese font its texts are set in,
# and Qt's Japanese translation for the standard dialogs.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-ipafont-gothic, qt6-translations-l10n")

include(CPack)

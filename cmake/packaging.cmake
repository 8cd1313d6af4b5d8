# A Debian package of the game, built on demand with `cpack` (or the `package` target) in a
# configured build directory; it is not part of the default build.
include(${PROJECT_SOURCE_DIR}/cmake/gzip_doc.cmake)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ravelo2)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Ravelo2 developers")
# No mailing list exists yet: the address is a placeholder to replace before publishing. The
# changelog's signature in packaging/debian carries the same one.
set(CPACK_PACKAGE_CONTACT "The Ravelo2 developers <maintainers@ravelo2.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "pit-and-marble sowing game against the computer")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
# The programs are stripped as Debian's own packages are, by a script of ours: CPack's stripping
# would leave the compiler's .comment section in.
set(CPACK_PRE_BUILD_SCRIPTS ${PROJECT_SOURCE_DIR}/cmake/strip_programs.cmake)
set(CPACK_RAVELO2_STRIP ${CMAKE_STRIP})
set(CPACK_RAVELO2_GAMES_DIR ${CPACK_PACKAGING_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR})

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# The Debian revision says who built the package: "0upstream1" is the first package the game's
# own developers make, outside Debian (it closes no bug of Debian's, as a first upload there
# would), and a package that Debian itself ships one day, revision 1 or later, supersedes it.
# The changelog in packaging/debian names the same version.
set(CPACK_DEBIAN_PACKAGE_VERSION ${PROJECT_VERSION}-0upstream1)
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
# Wayland platform plugins, which it loads at run time (qt6-wayland so that it runs as a native
# Wayland client instead of through XWayland), the Japanese font its texts are set in, Qt's
# Japanese translation for the standard dialogs, and sensible-browser (sensible-utils), with
# which F1 shows the manual where xdg-open is missing.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "qt6-qpa-plugins, qt6-wayland, fonts-ipafont-gothic, qt6-translations-l10n, sensible-utils")
# xdg-open finds the desktop's own browser for F1's manual.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils")

# What Debian asks of every package's documents: the copyright in the machine-readable format
# and the changelog of the Debian package, compressed.
set(_ravelo2_debian_dir ${PROJECT_SOURCE_DIR}/packaging/debian)
ravelo2_gzip_doc(ravelo2_debian_changelog ${_ravelo2_debian_dir}/changelog
    ${PROJECT_BINARY_DIR}/packaging/changelog.Debian.gz)
install(FILES ${_ravelo2_debian_dir}/copyright ${PROJECT_BINARY_DIR}/packaging/changelog.Debian.gz
    DESTINATION ${CMAKE_INSTALL_DOCDIR})
# The user manual registered with doc-base, so that help browsers list it.
install(FILES ${_ravelo2_debian_dir}/ravelo2.doc-base DESTINATION ${CMAKE_INSTALL_DATADIR}/doc-base
    RENAME ravelo2-manual)

include(CPack)

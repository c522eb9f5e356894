# The Debian package of the game (cpack -G DEB in the build folder): the
# program, its companion tool and every installed file but the licence
# texts, which Debian keeps in the copyright file; binaries stripped, the
# libraries it needs found by dpkg-shlibdeps; the programs in /usr/games.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME novenario)
set(CPACK_PACKAGE_VENDOR "Orvalia Software")
set(CPACK_PACKAGE_CONTACT "Orvalia Software <novenario@orvalia.example>")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Sudoku game for the desktop, with a Spanish interface")
set(CPACK_PACKAGE_DESCRIPTION
  "Fill the 81 cells of the board with the digits 1 to 9 so that none repeats
in its row, its column or its block. Novenario creates games at five levels,
checks every digit as it is entered, shows the possible digits of every cell
on request, gives hints, solves the board while showing its work, keeps a
game clock and a list of moves, saves games to .sdk files and prints the
board. The interface is in Spanish.
The package also holds novenario-cli, the same game without a window.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_GROUPING ALL_COMPONENTS_IN_ONE)
set(CPACK_COMPONENTS_ALL novenario)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://www.orvalia.example/novenario/")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The program reads these fonts from the system; Qt's own words (the file
# dialogs) in Spanish come with the translations.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2, fonts-comic-neue")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/paquete_debian.cmake)
include(CPack)

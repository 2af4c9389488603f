# `cpack -G DEB` (or `make package` at the top) makes a Debian package of the install: the game folder in
# /usr/lib/zorban, the launchers in /usr/games, desktop entries, the AppStream file, icons and the stage
# files' type. dpkg's triggers refresh the desktop's caches; saves go to $XDG_DATA_HOME/zorban as in every
# read-only install. Included from the top CMakeLists.txt, after install/.

include(GNUInstallDirs)

set(ZORBAN_PACKAGE_MAINTAINER "ゾルバン開発チーム <zorban@example.org>")

# What Debian asks of every package: the copyright file and the changelog in /usr/share/doc/zorban.
set(_doc ${CMAKE_INSTALL_DATAROOTDIR}/doc/zorban)
configure_file(${PROJECT_SOURCE_DIR}/install/changelog.in ${CMAKE_BINARY_DIR}/install/changelog @ONLY)
add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/install/changelog.gz
    COMMAND gzip -9nfk ${CMAKE_BINARY_DIR}/install/changelog
    DEPENDS ${CMAKE_BINARY_DIR}/install/changelog
    COMMENT "Compressing the changelog"
    VERBATIM)
add_custom_target(zorban_changelog ALL DEPENDS ${CMAKE_BINARY_DIR}/install/changelog.gz)
install(FILES ${PROJECT_SOURCE_DIR}/install/copyright ${CMAKE_BINARY_DIR}/install/changelog.gz DESTINATION ${_doc})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zorban)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "ゾルバン開発チーム")
set(CPACK_PACKAGE_CONTACT ${ZORBAN_PACKAGE_MAINTAINER})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "block-breaking game with a stage player and a stage editor")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "One ball moves a whole cell at a time through a field of blocks that explode,\n"
    "blast rows, slow the ball, heal, poison, multiply or pay extra. Every hit of\n"
    "the bar raises a combo that multiplies the points. Six courses of official\n"
    "stages keep records per course, and money from play buys draws in a lottery\n"
    "of collectible toys.\n"
    "\n"
    "zorban_maker paints stages of your own, and zorban_runner plays any stage file.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_PRE_BUILD_SCRIPTS ${PROJECT_SOURCE_DIR}/install/PackageLayout.cmake)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://zorban.example.org/")
# The libraries (Qt 6 Widgets, SDL2 and theirs) by dpkg-shlibdeps; the fonts the windows are drawn in by name.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-ipafont-gothic, fonts-ipafont-mincho")
# Qt's Wayland plugin: without it the windows run through XWayland on a Wayland desktop.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland")
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS OFF)
include(CPack)

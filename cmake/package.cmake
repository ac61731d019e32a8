# cpack -G DEB, from any build folder: a Debian package of what cmake --install
# puts under /usr, the programs stripped, the libraries they need worked out by
# dpkg-shlibdeps, with the manual page, the copyright file and the changelog
# Debian asks for. tests/package/deb_test.sh builds, checks and installs it.
set(VORNIX_PACKAGE_MAINTAINER "Brimlock <vornix-simulator@brimlock.invalid>" CACHE STRING
    "The Debian package's maintainer, name <address>")
set(dist ${CMAKE_BINARY_DIR}/dist)

# The manual page: its options come from the program's --help.
add_custom_command(
  OUTPUT ${dist}/vornix-simulator.6.gz
  COMMAND ${CMAKE_COMMAND} -DPROGRAM=$<TARGET_FILE:vornix-simulator> -DOUTPUT=${dist}/vornix-simulator.6.gz
          -DTEMPLATE=${PROJECT_SOURCE_DIR}/dist/vornix-simulator.6.in -DPROJECT_VERSION=${PROJECT_VERSION}
          -DVORNIX_RELEASE_DATE=${VORNIX_RELEASE_DATE} -P ${PROJECT_SOURCE_DIR}/cmake/manpage.cmake
  DEPENDS vornix-simulator ${PROJECT_SOURCE_DIR}/dist/vornix-simulator.6.in ${PROJECT_SOURCE_DIR}/cmake/manpage.cmake
  COMMENT "Writing the manual page" VERBATIM)
add_custom_target(manpage ALL DEPENDS ${dist}/vornix-simulator.6.gz)
install(FILES ${dist}/vornix-simulator.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)

# The changelog's entry is dated at noon of the release day, in the form of RFC 2822.
string(REGEX MATCH "^([0-9]+)-([0-9]+)-([0-9]+)$" _ "${VORNIX_RELEASE_DATE}")
math(EXPR y "${CMAKE_MATCH_1}")
math(EXPR month_index "${CMAKE_MATCH_2} - 1")
set(offsets 0 3 2 5 0 3 5 1 4 6 2 4)  # the weekday by Sakamoto's method
list(GET offsets ${month_index} offset)
if(month_index LESS 2)
  math(EXPR y "${y} - 1")
endif()
math(EXPR weekday "(${y} + ${y} / 4 - ${y} / 100 + ${y} / 400 + ${offset} + ${CMAKE_MATCH_3}) % 7")
set(weekdays Sun Mon Tue Wed Thu Fri Sat)
set(months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
list(GET weekdays ${weekday} weekday)
list(GET months ${month_index} month)
set(VORNIX_RELEASE_TIME "${weekday}, ${CMAKE_MATCH_3} ${month} ${CMAKE_MATCH_1} 12:00:00 +0000")
configure_file(dist/changelog.in ${dist}/changelog @ONLY)
execute_process(COMMAND gzip -9nkf ${dist}/changelog COMMAND_ERROR_IS_FATAL ANY)
configure_file(dist/copyright ${dist}/copyright @ONLY)
install(FILES ${dist}/copyright ${dist}/changelog.gz DESTINATION ${CMAKE_INSTALL_DOCDIR})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vornix-simulator)
set(CPACK_PACKAGE_VENDOR Brimlock)
set(CPACK_PACKAGE_CONTACT "${VORNIX_PACKAGE_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "tabletop space-shooter console with a fluorescent screen")
set(CPACK_PACKAGE_DESCRIPTION
    "The whole console drawn on the desktop: its case, the glowing screen, the score\n"
    "panel, the buttons and the joystick. Its game runs cell by cell on a screen of\n"
    "five columns by nine rows, with the console's fourteen sounds: scrolling rows\n"
    "and diving attackers, a swirling formation, a mothership of three parts and\n"
    "the docking of a shuttle. Two skins, a shaped window or full screen, zoom,\n"
    "assignable keys and gamepads.")
string(JOIN "" CPACK_PACKAGE_DESCRIPTION ${CPACK_PACKAGE_DESCRIPTION})
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_PRE_BUILD_SCRIPTS ${PROJECT_SOURCE_DIR}/cmake/package_games_dir.cmake)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Beyond the linked libraries: SDL2 and SDL2_mixer, which the program opens
# when it first needs them (so dpkg-shlibdeps cannot see them; the versions are
# those that bring every function it takes: SDL_ResetHint, Mix_PlayChannel as a
# function), the forms' font (metric-compatible with Arial), and Qt's Wayland
# platform (without it Qt falls back to XWayland).
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libsdl2-2.0-0 (>= 2.24.0), libsdl2-mixer-2.0-0 (>= 2.6.0), fonts-liberation2")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-wayland)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)

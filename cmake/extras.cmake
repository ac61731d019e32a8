# Beyond the original console: gamepads, zoom, pause when the window is inactive,
# and the installation (program, data, desktop entry, icons, AppStream metainfo).
find_package(PkgConfig REQUIRED)
pkg_check_modules(SDL2_ONLY REQUIRED IMPORTED_TARGET sdl2)

# Gamepads over SDL's game controller API.
add_library(vornix-gamepad STATIC src/platform/gamepad.cpp)
target_include_directories(vornix-gamepad PUBLIC src)
target_link_libraries(vornix-gamepad PUBLIC PkgConfig::SDL2_ONLY)

# Sound held while the game is paused.
target_sources(vornix-sound PRIVATE src/sound/sound_pause.cpp)

# The console window's additions: zoom (fitted to the screen), full screen fitted,
# pause while inactive, pads, the window's place remembered.
target_sources(vornix-display PRIVATE src/display/console_view.cpp src/display/console_window_extras.cpp
                                      src/display/window_placement.cpp src/display/console_window_place.cpp)
target_link_libraries(vornix-display PUBLIC vornix-gamepad)

# Held keys on an X server: XKB's detectable auto-repeat on the program's connection.
pkg_check_modules(XCB_XKB IMPORTED_TARGET xcb-xkb)
target_sources(vornix-platform-qt PRIVATE src/platform/x11_key_repeat.cpp)
if(XCB_XKB_FOUND)
  target_compile_definitions(vornix-platform-qt PRIVATE VORNIX_HAVE_XCB_XKB=1)
  target_link_libraries(vornix-platform-qt PUBLIC PkgConfig::XCB_XKB)
else()
  message(WARNING "xcb-xkb not found (libxcb-xkb-dev): on an X server a held key may count as several presses")
endif()

# --script FILE: a scenario played in the desktop program on the real clock.
add_library(vornix-script-player STATIC src/app/script_player.cpp)
target_link_libraries(vornix-script-player PUBLIC vornix-display vornix-script-lib)
target_link_libraries(vornix-simulator PRIVATE vornix-script-player)

# The program's icon, drawn by our own code: the window icon, and the installed
# icons written by make-icons at build time.
set(VORNIX_APP_ID org.brimlock.VornixSimulator)
add_library(vornix-icon STATIC src/frontend/app_icon.cpp)
target_include_directories(vornix-icon PUBLIC src)
target_link_libraries(vornix-icon PUBLIC Qt6::Gui)
target_link_libraries(vornix-simulator PRIVATE vornix-icon)
target_compile_definitions(vornix-simulator PRIVATE VORNIX_APP_ID="${VORNIX_APP_ID}")
add_executable(make-icons tools/make-icons/main.cpp)
target_link_libraries(make-icons PRIVATE vornix-icon)
set(icon_dir ${CMAKE_BINARY_DIR}/icons/hicolor)
add_custom_command(
  OUTPUT ${CMAKE_BINARY_DIR}/icons.stamp
  COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen $<TARGET_FILE:make-icons> ${icon_dir} ${VORNIX_APP_ID}
  COMMAND ${CMAKE_COMMAND} -E touch ${CMAKE_BINARY_DIR}/icons.stamp
  DEPENDS make-icons
  COMMENT "Drawing the program's icons")
add_custom_target(icons ALL DEPENDS ${CMAKE_BINARY_DIR}/icons.stamp)
configure_file(dist/${VORNIX_APP_ID}.metainfo.xml.in ${CMAKE_BINARY_DIR}/dist/${VORNIX_APP_ID}.metainfo.xml @ONLY)

# cmake --install: the program in bin/, its data in share/vornix-simulator/ (where
# the program looks for it: ../share/vornix-simulator from its own folder), the
# desktop entry, the icons and the AppStream metainfo.
include(GNUInstallDirs)
set(data_dest ${CMAKE_INSTALL_DATADIR}/vornix-simulator)
cmake_path(RELATIVE_PATH data_dest BASE_DIRECTORY ${CMAKE_INSTALL_BINDIR} OUTPUT_VARIABLE data_from_bin)
if(NOT data_from_bin STREQUAL "../share/vornix-simulator")
  message(WARNING "The installed vornix-simulator looks for its data in ../share/vornix-simulator beside "
                  "its own folder, not in ${data_from_bin}: start it with --data-dir")
endif()
install(TARGETS vornix-simulator RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${CMAKE_BINARY_DIR}/Config.ini ${CMAKE_BINARY_DIR}/Readme.txt ${CMAKE_BINARY_DIR}/Whatsnew.txt
        DESTINATION ${data_dest})
install(DIRECTORY ${CMAKE_BINARY_DIR}/Graphics ${CMAKE_BINARY_DIR}/Sound DESTINATION ${data_dest})
install(FILES dist/${VORNIX_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_BINARY_DIR}/dist/${VORNIX_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(DIRECTORY ${icon_dir} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)

if(VORNIX_TESTS)
  file(GLOB extras_tests CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/extras/*.cpp)
  add_executable(extras-tests ${extras_tests} ${CMAKE_SOURCE_DIR}/tests/desktop/main.cpp)
  target_link_libraries(extras-tests PRIVATE vornix-gamepad vornix-script-player vornix-icon vornix-frontend vornix-test-install Qt6::Test GTest::gtest)
  target_include_directories(extras-tests PRIVATE ${CMAKE_SOURCE_DIR}/tests)
  # A 1600 x 1000 offscreen screen, where every zoom level of the test console fits.
  set(offscreen_screen "offscreen:configfile=${CMAKE_SOURCE_DIR}/tests/extras/offscreen_1600x1000.json")
  target_compile_definitions(extras-tests PRIVATE VORNIX_SIMULATOR="$<TARGET_FILE:vornix-simulator>"
                                                  VORNIX_OFFSCREEN_SCREEN="${offscreen_screen}")
  add_dependencies(extras-tests vornix-simulator)
  gtest_discover_tests(extras-tests DISCOVERY_MODE PRE_TEST
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=${offscreen_screen};SDL_AUDIODRIVER=dummy")

  # An installation into a temporary prefix, validated and run from there.
  add_test(NAME install-and-run COMMAND sh ${CMAKE_SOURCE_DIR}/tests/extras/install_test.sh
                                           ${CMAKE_COMMAND} ${CMAKE_BINARY_DIR})
endif()

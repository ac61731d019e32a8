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

# --script FILE: a scenario's presses and waits played in the desktop program.
add_library(vornix-script-player STATIC src/app/script_player.cpp)
target_link_libraries(vornix-script-player PUBLIC vornix-display)
target_link_libraries(vornix-simulator PRIVATE vornix-script-player)

if(VORNIX_TESTS)
  file(GLOB extras_tests CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/extras/*.cpp)
  add_executable(extras-tests ${extras_tests})
  target_link_libraries(extras-tests PRIVATE vornix-gamepad vornix-script-player GTest::gtest)
  target_include_directories(extras-tests PRIVATE ${CMAKE_SOURCE_DIR}/tests)
  gtest_discover_tests(extras-tests DISCOVERY_MODE PRE_TEST
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen;SDL_AUDIODRIVER=dummy")
endif()

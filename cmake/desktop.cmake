# The desktop program vornix-simulator: platform pieces, the skin loader, the
# console window, the launcher and the program's start. The executable lands at
# the top of the build folder, which is its data folder.
find_package(Qt6 REQUIRED COMPONENTS Core Gui Widgets Test)
find_package(PNG REQUIRED)
find_package(JPEG REQUIRED)

# Toolkit-free platform pieces: INI files, picture decoding, paths, termination.
add_library(vornix-platform STATIC
  src/platform/ini_file.cpp
  src/platform/picture_file.cpp
  src/platform/png_decode.cpp
  src/platform/jpeg_decode.cpp
  src/platform/bmp_decode.cpp
  src/platform/data_folder.cpp
  src/platform/termination.cpp
  src/platform/output_file.cpp
)
target_include_directories(vornix-platform PUBLIC src)
target_link_libraries(vornix-platform PUBLIC vornix-core PNG::PNG JPEG::JPEG PRIVATE simpleini)

# The skin, toolkit-free: its description and pictures read within the skin's
# limits, the skin list of Config.ini, and the loader gfxinit that puts them on
# the console's board. make-assets reads skins through it too.
add_library(vornix-skin STATIC
  src/skin/skin_description.cpp
  src/display/skin_table.cpp
  src/display/gfxinit.cpp
)
target_link_libraries(vornix-skin PUBLIC vornix-platform)

# Platform pieces over Qt: key codes, the error box, the shell's "open".
add_library(vornix-platform-qt STATIC
  src/platform/key_codes.cpp
  src/platform/qt_message_box.cpp
  src/platform/shell.cpp
  src/platform/qt_picture.cpp
)
target_link_libraries(vornix-platform-qt PUBLIC vornix-platform Qt6::Widgets)


# The skin loader and the console window.
add_library(vornix-display STATIC
  src/display/mouse_map.cpp
  src/display/form_design.cpp
  src/display/board_painter.cpp
  src/display/game_menu.cpp
  src/display/console_window.cpp
  src/display/console_window_input.cpp
  src/display/console_window_menu.cpp
)
target_link_libraries(vornix-display PUBLIC vornix-skin vornix-platform-qt vornix-settings vornix-sound)

# The launcher.
add_library(vornix-frontend STATIC
  src/frontend/picture_label.cpp
  src/frontend/splash_form.cpp
)
target_link_libraries(vornix-frontend PUBLIC vornix-display)

# The program, at the top of the build folder beside its data.
add_executable(vornix-simulator src/app/main.cpp src/app/command_line.cpp src/app/traces.cpp)
target_compile_definitions(vornix-simulator PRIVATE VORNIX_VERSION="${PROJECT_VERSION}")
target_link_libraries(vornix-simulator PRIVATE vornix-frontend)
set_target_properties(vornix-simulator PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})

if(VORNIX_TESTS)
  add_library(vornix-test-install STATIC tests/support/test_install.cpp tests/support/picture_writers.cpp
  tests/support/hostile_pictures.cpp)
  target_include_directories(vornix-test-install PUBLIC tests)
  target_link_libraries(vornix-test-install PUBLIC vornix-core PNG::PNG JPEG::JPEG)
  add_executable(write-test-install tests/support/write_test_install.cpp)
  target_link_libraries(write-test-install PRIVATE vornix-test-install)

  # Widget and loader tests: offscreen, a temporary settings folder (tests/desktop/main.cpp).
  file(GLOB desktop_tests CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/desktop/*.cpp)
  add_executable(desktop-tests ${desktop_tests})
  target_link_libraries(desktop-tests PRIVATE vornix-frontend vornix-test-install Qt6::Test GTest::gtest)
  target_compile_definitions(desktop-tests PRIVATE VORNIX_SIMULATOR="$<TARGET_FILE:vornix-simulator>")
  add_dependencies(desktop-tests vornix-simulator)
  gtest_discover_tests(desktop-tests DISCOVERY_MODE PRE_TEST
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen;SDL_AUDIODRIVER=dummy")
endif()

if(VORNIX_TESTS)
  add_executable(platform-tests
    tests/platform/ini_file_test.cpp
    tests/platform/picture_file_test.cpp
    tests/platform/data_folder_test.cpp
    tests/platform/key_codes_test.cpp
  )
  target_link_libraries(platform-tests PRIVATE vornix-platform-qt vornix-test-install GTest::gtest_main)
  gtest_discover_tests(platform-tests DISCOVERY_MODE PRE_TEST)
endif()

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
)
target_include_directories(vornix-platform PUBLIC src)
target_link_libraries(vornix-platform PUBLIC vornix-core PNG::PNG JPEG::JPEG PRIVATE simpleini)

# Platform pieces over Qt: key codes, the error box, the shell's "open".
add_library(vornix-platform-qt STATIC
  src/platform/key_codes.cpp
  src/platform/qt_message_box.cpp
  src/platform/shell.cpp
)
target_link_libraries(vornix-platform-qt PUBLIC vornix-platform Qt6::Widgets)

if(VORNIX_TESTS)
  add_executable(platform-tests
    tests/platform/ini_file_test.cpp
    tests/platform/picture_file_test.cpp
    tests/platform/data_folder_test.cpp
    tests/platform/key_codes_test.cpp
    tests/support/picture_writers.cpp
  )
  target_include_directories(platform-tests PRIVATE tests)
  target_link_libraries(platform-tests PRIVATE vornix-platform-qt GTest::gtest_main)
  gtest_discover_tests(platform-tests DISCOVERY_MODE PRE_TEST)
endif()

find_package(Qt6 REQUIRED COMPONENTS Core)

# The per-user settings store.
add_library(vornix-settings STATIC src/platform/settings.cpp)
target_include_directories(vornix-settings PUBLIC src)
target_link_libraries(vornix-settings PUBLIC Qt6::Core)

if(VORNIX_TESTS)
  add_executable(settings-tests tests/platform/settings_test.cpp)
  target_link_libraries(settings-tests PRIVATE vornix-settings GTest::gtest_main)
  gtest_discover_tests(settings-tests DISCOVERY_MODE PRE_TEST)
endif()

# Sound over the FSOUND layer.
add_library(vornix-sound STATIC src/sound/sound.cpp)
target_link_libraries(vornix-sound PUBLIC vornix-core vornix-settings)

find_package(Qt6 REQUIRED COMPONENTS Core)
find_package(PkgConfig REQUIRED)
pkg_check_modules(SDL2 REQUIRED IMPORTED_TARGET sdl2 SDL2_mixer)

# The per-user settings store.
add_library(vornix-settings STATIC src/platform/settings.cpp)
target_include_directories(vornix-settings PUBLIC src)
target_link_libraries(vornix-settings PUBLIC Qt6::Core)

# Sound: the FSOUND layer over SDL2_mixer and the console's Snd_ operations.
add_library(vornix-sound STATIC src/sound/fsound.cpp src/sound/sound.cpp)
# vornix-platform (the termination request) comes with the desktop area.
target_link_libraries(vornix-sound PUBLIC vornix-core vornix-settings vornix-platform PkgConfig::SDL2)

# The effects' synthesis (also compiled into make-assets, which writes the files).
add_library(vornix-sound-synth STATIC
  tools/make-assets/sound_synth.cpp
  tools/make-assets/sound_effects.cpp
  tools/make-assets/sound_wav.cpp
  tools/make-assets/sounds.cpp)
target_include_directories(vornix-sound-synth PUBLIC tools/make-assets)
target_link_libraries(vornix-sound-synth PUBLIC vornix-core vornix-platform)

# vornix-sound-replay: a game's sound events, heard or rendered to a WAV file.
find_package(nlohmann_json 3 REQUIRED)
add_library(vornix-sound-replay-lib STATIC tools/sound-replay/sound_replay.cpp)
target_include_directories(vornix-sound-replay-lib PUBLIC tools/sound-replay)
target_link_libraries(vornix-sound-replay-lib PUBLIC vornix-sound nlohmann_json::nlohmann_json)
add_executable(vornix-sound-replay tools/sound-replay/main.cpp)
target_link_libraries(vornix-sound-replay PRIVATE vornix-sound-replay-lib vornix-sound-synth)

if(VORNIX_TESTS)
  add_executable(settings-tests tests/platform/settings_test.cpp)
  target_link_libraries(settings-tests PRIVATE vornix-settings GTest::gtest_main)
  gtest_discover_tests(settings-tests DISCOVERY_MODE PRE_TEST)

  file(GLOB sound_tests CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/sound/*.cpp)
  add_executable(sound-tests ${sound_tests})
  target_link_libraries(sound-tests PRIVATE vornix-sound vornix-sound-synth vornix-sound-replay-lib vornix-autoplay GTest::gtest_main)
  target_compile_definitions(sound-tests PRIVATE
    VORNIX_DATA_DIR="${CMAKE_BINARY_DIR}")
  add_dependencies(sound-tests assets)
  # Every test opens SDL's dummy driver unless it asks for another; none sleeps.
  gtest_discover_tests(sound-tests DISCOVERY_MODE PRE_TEST PROPERTIES ENVIRONMENT "SDL_AUDIODRIVER=dummy")

  # The replay program from a dump to a WAV file.
  add_test(NAME sound-replay-to-wav
    COMMAND vornix-sound-replay --data-dir ${CMAKE_BINARY_DIR} --wav ${CMAKE_BINARY_DIR}/replay_check.wav
            ${CMAKE_SOURCE_DIR}/tests/sound/replay_check.sounds)
endif()

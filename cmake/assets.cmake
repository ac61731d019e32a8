# make-assets generates the installation data at build time into the build
# folder itself, which is the data folder of the programs built there; the
# hand-written files of data/ are copied over it. It also checks and composes
# skins (--check, --compose).
find_package(Qt6 REQUIRED COMPONENTS Gui)
find_package(PNG REQUIRED)
find_package(JPEG REQUIRED)

file(GLOB make_assets_sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tools/make-assets/*.cpp)
list(FILTER make_assets_sources EXCLUDE REGEX "/main\\.cpp$")
add_library(make-assets-lib STATIC ${make_assets_sources})
target_include_directories(make-assets-lib PUBLIC ${CMAKE_SOURCE_DIR}/tools/make-assets)
target_link_libraries(make-assets-lib PUBLIC vornix-core vornix-skin Qt6::Gui PNG::PNG JPEG::JPEG)
add_executable(make-assets ${CMAKE_SOURCE_DIR}/tools/make-assets/main.cpp)
target_link_libraries(make-assets PRIVATE make-assets-lib)

# Fonts come through fontconfig, which keeps its caches to the end: a sanitized
# build must not fail on those "leaks".
set(make_assets_env QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0)
file(GLOB_RECURSE hand_written_data CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/data/*)
add_custom_command(
  OUTPUT ${CMAKE_BINARY_DIR}/data.stamp
  COMMAND ${CMAKE_COMMAND} -E env ${make_assets_env} $<TARGET_FILE:make-assets> ${CMAKE_BINARY_DIR}
  COMMAND ${CMAKE_COMMAND} -E copy_directory ${CMAKE_SOURCE_DIR}/data ${CMAKE_BINARY_DIR}
  COMMAND ${CMAKE_COMMAND} -E touch ${CMAKE_BINARY_DIR}/data.stamp
  DEPENDS make-assets ${hand_written_data}
  COMMENT "Generating the installation data")
add_custom_target(assets ALL DEPENDS ${CMAKE_BINARY_DIR}/data.stamp)

if(VORNIX_TESTS)
  # The generated data as the program's loaders see it: make-assets writes a
  # fresh data folder for the tests, which read it with libpng, libjpeg and
  # SimpleIni of their own.
  file(GLOB asset_tests CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/assets/*.cpp)
  add_executable(assets-tests ${asset_tests})
  target_link_libraries(assets-tests PRIVATE make-assets-lib simpleini GTest::gtest)
  target_compile_definitions(assets-tests PRIVATE SI_NO_CONVERSION MAKE_ASSETS="$<TARGET_FILE:make-assets>")
  add_dependencies(assets-tests make-assets)
  set(assets_test_dir ${CMAKE_BINARY_DIR}/assets-test-data)
  add_test(NAME assets-generate COMMAND ${CMAKE_COMMAND} -E env ${make_assets_env}
                                        $<TARGET_FILE:make-assets> ${assets_test_dir})
  set_tests_properties(assets-generate PROPERTIES FIXTURES_SETUP assets-data)
  gtest_discover_tests(assets-tests DISCOVERY_MODE PRE_TEST
                       PROPERTIES FIXTURES_REQUIRED assets-data ENVIRONMENT ASSETS_TEST_DIR=${assets_test_dir})

  # The data of this build: both skins pass --check and compose in every state
  # (the pictures land in compose/ for a look).
  file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/compose)
  foreach(n 1 2)
    add_test(NAME skin${n}-check COMMAND make-assets --check ${CMAKE_BINARY_DIR}/Graphics/Skin${n})
    foreach(state off on all demo phase4)
      add_test(NAME skin${n}-compose-${state}
               COMMAND ${CMAKE_COMMAND} -E env ${make_assets_env} $<TARGET_FILE:make-assets>
                       --compose ${CMAKE_BINARY_DIR}/Graphics/Skin${n} --state ${state}
                       --out ${CMAKE_BINARY_DIR}/compose/skin${n}-${state}.png)
    endforeach()
  endforeach()
endif()

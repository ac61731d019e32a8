# Fault injection: the installation with files missing in turn and hostile
# pictures in a skin, through the skin loader, the launcher and sound in the
# process, and through the whole program for the faults that end it; hostile
# scripts and a full disk through the programs themselves.
if(VORNIX_TESTS)
  file(GLOB fault_tests CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/faults/*.cpp)
  add_executable(faults-tests ${fault_tests} ${CMAKE_SOURCE_DIR}/tests/desktop/main.cpp)
  target_include_directories(faults-tests PRIVATE ${CMAKE_SOURCE_DIR}/tests/faults)
  target_link_libraries(faults-tests PRIVATE vornix-forms vornix-test-install GTest::gtest)
  target_compile_definitions(faults-tests PRIVATE
    VORNIX_SIMULATOR="$<TARGET_FILE:vornix-simulator>"
    VORNIX_SCRIPT="$<TARGET_FILE:vornix-script>"
    VORNIX_SOUND_REPLAY="$<TARGET_FILE:vornix-sound-replay>"
    MAKE_ASSETS="$<TARGET_FILE:make-assets>"
    VORNIX_DATA_DIR="${CMAKE_BINARY_DIR}")
  add_dependencies(faults-tests vornix-simulator vornix-script vornix-sound-replay make-assets assets)
  gtest_discover_tests(faults-tests DISCOVERY_MODE PRE_TEST
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen;SDL_AUDIODRIVER=dummy")
endif()

# Benchmarks (bench/run.sh builds them in Release and prints the table).
option(VORNIX_BENCH "Build the benchmarks" OFF)
if(VORNIX_BENCH)
  find_package(benchmark REQUIRED)
  add_executable(core-bench bench/core_bench.cpp)
  target_link_libraries(core-bench PRIVATE vornix-autoplay benchmark::benchmark)

  # The skin loader and the painter on the bundled skins of this build's data.
  add_executable(display-bench bench/display_bench.cpp)
  target_link_libraries(display-bench PRIVATE vornix-display benchmark::benchmark)
  target_compile_definitions(display-bench PRIVATE VORNIX_DATA_DIR="${CMAKE_BINARY_DIR}")
  add_dependencies(display-bench assets)

  # The floor for the whole-program figures.
  add_executable(bare-window bench/bare_window.cpp)
  target_link_libraries(bare-window PRIVATE Qt6::Widgets)

  # Hostile pictures refused (their writer lives with the tests' support code).
  if(VORNIX_TESTS)
    add_executable(picture-bench bench/picture_bench.cpp)
    target_link_libraries(picture-bench PRIVATE vornix-platform vornix-test-install benchmark::benchmark)
    # The costliest skin within the limits, for the whole program's start-up and memory.
    add_executable(worst-skin bench/worst_skin.cpp)
    target_link_libraries(worst-skin PRIVATE vornix-skin vornix-test-install)
  endif()
endif()

# Benchmarks (bench/run.sh builds them in Release and prints the table).
option(VORNIX_BENCH "Build the benchmarks" OFF)
if(VORNIX_BENCH)
  find_package(benchmark REQUIRED)
  add_executable(core-bench bench/core_bench.cpp)
  target_link_libraries(core-bench PRIVATE vornix-autoplay benchmark::benchmark)
endif()

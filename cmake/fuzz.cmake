# libFuzzer targets (configure with clang and -DVORNIX_FUZZ=ON; tools/fuzz.sh does
# it, with AddressSanitizer and UBSan on everything). The code under test is built
# with the fuzzer's coverage instrumentation, not only the harnesses, so that the
# fuzzers see which paths of the decoders, the readers, the script runner and the
# skin loader an input reaches.
option(VORNIX_FUZZ "Build the fuzz targets" OFF)
if(VORNIX_FUZZ)
  foreach(lib vornix-core vornix-platform vornix-skin vornix-settings vornix-script-lib)
    target_compile_options(${lib} PRIVATE -fsanitize=fuzzer-no-link)
  endforeach()
  set(fuzz_flags -fsanitize=fuzzer,address,undefined -fno-omit-frame-pointer)
  function(vornix_fuzz_target name source)
    add_executable(${name} ${source})
    target_compile_options(${name} PRIVATE ${fuzz_flags})
    target_link_options(${name} PRIVATE ${fuzz_flags})
    target_link_libraries(${name} PRIVATE ${ARGN})
  endfunction()
  vornix_fuzz_target(fuzz-vxs fuzz/vxs_fuzz.cpp vornix-script-lib)
  vornix_fuzz_target(fuzz-png fuzz/png_fuzz.cpp vornix-platform)
  vornix_fuzz_target(fuzz-jpeg fuzz/jpeg_fuzz.cpp vornix-platform)
  vornix_fuzz_target(fuzz-bmp fuzz/bmp_fuzz.cpp vornix-platform)
  vornix_fuzz_target(fuzz-ini fuzz/ini_fuzz.cpp vornix-platform)
  vornix_fuzz_target(fuzz-settings fuzz/settings_fuzz.cpp vornix-settings)
  vornix_fuzz_target(fuzz-skin fuzz/skin_fuzz.cpp vornix-skin)
endif()

if(VORNIX_TESTS)
  # The fuzz build's configuration: the code under test instrumented, every harness a target.
  add_test(NAME fuzz-build-instruments-the-code
           COMMAND sh ${CMAKE_SOURCE_DIR}/tests/fuzz/instrumented_test.sh ${CMAKE_SOURCE_DIR})
endif()

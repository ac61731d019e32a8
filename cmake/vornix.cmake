# vornix_library(NAME SOURCES...): one static library of a folder under src/ (or
# tools/), its headers included as "folder/file.h". With VORNIX_FUZZ the libraries
# the fuzzers reach are built with the fuzzer's coverage, not only the harnesses.
set(VORNIX_FUZZ_INSTRUMENTED vornix-skin vornix-game vornix-host vornix-script-lib vornix-platform vornix-display)

function(vornix_library name)
  add_library(${name} STATIC ${ARGN})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  if(VORNIX_FUZZ AND name IN_LIST VORNIX_FUZZ_INSTRUMENTED)
    target_compile_options(${name} PRIVATE -fsanitize=fuzzer-no-link)
  endif()
endfunction()

# A program at the top of the build folder.
function(vornix_program name)
  add_executable(${name} ${ARGN})
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${VORNIX_PROGRAM_DIR})
endfunction()

# The web build (emscripten; tools/web.sh): the portable libraries, the page's
# console (web/src) and vornix-script for node, each from the same sources as the
# desktop program. Emscripten cannot see /usr/include, so SimpleIni's header (a
# header-only dependency of src/skin) is copied into the build folder.
find_file(VORNIX_SIMPLEINI_HEADER SimpleIni.h PATHS /usr/include NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH)
if(NOT VORNIX_SIMPLEINI_HEADER)
  message(FATAL_ERROR "SimpleIni.h not found in /usr/include (apt-get install libsimpleini-dev)")
endif()
file(COPY ${VORNIX_SIMPLEINI_HEADER} DESTINATION ${CMAKE_BINARY_DIR}/vendor)
add_library(simpleini INTERFACE)
target_include_directories(simpleini INTERFACE ${CMAKE_BINARY_DIR}/vendor)
# Debian ships the templates compiled in libsimpleini; here the header defines them.
target_compile_definitions(simpleini INTERFACE SI_IMPLEMENTATION)

# The script runner reports a script's faults by exception: keep them catchable.
add_compile_options(-fexceptions)
add_link_options(-fexceptions)

add_subdirectory(src/skin)
add_subdirectory(src/game)
add_subdirectory(src/host)
add_subdirectory(src/script)

# vornix-script.js: the runner's command line and output under node, reading the
# script from the real file system or standard input.
add_subdirectory(tools/vornix-script)
target_link_options(vornix-script PRIVATE -sNODERAWFS=1 -sEXIT_RUNTIME=1 -sALLOW_MEMORY_GROWTH=1
                                          -sENVIRONMENT=node)

# vornix-web.js and .wasm: the page's console (web/src/console_web.cpp); the form's
# starting look and the mouse map are the desktop window's own toolkit-free sources.
vornix_program(vornix-web ${PROJECT_SOURCE_DIR}/web/src/console_web.cpp
                          ${PROJECT_SOURCE_DIR}/src/display/form_design.cpp
                          ${PROJECT_SOURCE_DIR}/src/display/mouse_map.cpp)
target_link_libraries(vornix-web PRIVATE vornix-script-lib)
target_link_options(vornix-web PRIVATE -sMODULARIZE=1 -sEXPORT_NAME=VornixCore -sENVIRONMENT=web
  -sALLOW_MEMORY_GROWTH=1 -sFILESYSTEM=0
  "-sEXPORTED_FUNCTIONS=_malloc,_free"
  "-sEXPORTED_RUNTIME_METHODS=UTF8ToString,stringToUTF8,lengthBytesUTF8")

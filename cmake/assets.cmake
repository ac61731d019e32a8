# make-assets generates the installation data at build time into the build
# folder itself, which is the data folder of the programs built there.
file(GLOB make_assets_sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tools/make-assets/*.cpp)
add_executable(make-assets ${make_assets_sources})
target_include_directories(make-assets PRIVATE ${CMAKE_SOURCE_DIR}/tools/make-assets)
target_link_libraries(make-assets PRIVATE vornix-core)

file(GLOB_RECURSE hand_written_data CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/data/*)
add_custom_command(
  OUTPUT ${CMAKE_BINARY_DIR}/data.stamp
  COMMAND make-assets ${CMAKE_BINARY_DIR}
  COMMAND ${CMAKE_COMMAND} -E copy_directory ${CMAKE_SOURCE_DIR}/data ${CMAKE_BINARY_DIR}
  COMMAND ${CMAKE_COMMAND} -E touch ${CMAKE_BINARY_DIR}/data.stamp
  DEPENDS make-assets ${hand_written_data}
  COMMENT "Generating the installation data")
add_custom_target(assets ALL DEPENDS ${CMAKE_BINARY_DIR}/data.stamp)

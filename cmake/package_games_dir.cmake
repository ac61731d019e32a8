# Run by cpack after it has installed into its staging folder: Debian keeps games
# in /usr/games (section games), where the program finds its data as from bin/
# (../share/vornix-simulator).
file(GLOB staged ${CPACK_TEMPORARY_INSTALL_DIRECTORY}${CPACK_PACKAGING_INSTALL_PREFIX}/bin/*)
if(NOT staged)
  message(FATAL_ERROR "nothing staged in ${CPACK_TEMPORARY_INSTALL_DIRECTORY}${CPACK_PACKAGING_INSTALL_PREFIX}/bin")
endif()
file(MAKE_DIRECTORY ${CPACK_TEMPORARY_INSTALL_DIRECTORY}${CPACK_PACKAGING_INSTALL_PREFIX}/games)
foreach(program IN LISTS staged)
  get_filename_component(name ${program} NAME)
  file(RENAME ${program} ${CPACK_TEMPORARY_INSTALL_DIRECTORY}${CPACK_PACKAGING_INSTALL_PREFIX}/games/${name})
endforeach()
file(REMOVE_RECURSE ${CPACK_TEMPORARY_INSTALL_DIRECTORY}${CPACK_PACKAGING_INSTALL_PREFIX}/bin)  # empty now

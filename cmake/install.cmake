# cmake --install: the program in bin/, its data in share/vornix-simulator/ (where
# the program looks for it: ../share/vornix-simulator from its own folder), the
# desktop entry, the icons and the AppStream metainfo.
include(GNUInstallDirs)
configure_file(dist/${VORNIX_APP_ID}.metainfo.xml.in ${CMAKE_BINARY_DIR}/dist/${VORNIX_APP_ID}.metainfo.xml @ONLY)
set(data_dest ${CMAKE_INSTALL_DATADIR}/vornix-simulator)
cmake_path(RELATIVE_PATH data_dest BASE_DIRECTORY ${CMAKE_INSTALL_BINDIR} OUTPUT_VARIABLE data_from_bin)
if(NOT data_from_bin STREQUAL "../share/vornix-simulator")
  message(WARNING "The installed vornix-simulator looks for its data in ../share/vornix-simulator beside "
                  "its own folder, not in ${data_from_bin}: start it with --data-dir")
endif()
install(TARGETS vornix-simulator RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${CMAKE_BINARY_DIR}/Config.ini ${CMAKE_BINARY_DIR}/Readme.txt ${CMAKE_BINARY_DIR}/Whatsnew.txt
        DESTINATION ${data_dest})
install(DIRECTORY ${CMAKE_BINARY_DIR}/Graphics ${CMAKE_BINARY_DIR}/Sound DESTINATION ${data_dest})
install(FILES dist/${VORNIX_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_BINARY_DIR}/dist/${VORNIX_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(DIRECTORY ${CMAKE_BINARY_DIR}/icons/hicolor DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)

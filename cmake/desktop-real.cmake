# The real-desktop suite (tests/desktop-real/*.sh): the real program on real X
# servers (Xvfb with openbox, and with no window manager) and on a headless Wayland
# compositor (weston), judged by screenshots, window shapes and places. Label
# `desktop-real`: `ctest -L desktop-real` runs it alone, `ctest -LE desktop-real`
# leaves it out. A test whose servers or tools are missing is skipped.
if(VORNIX_TESTS)
  function(vornix_desktop_real name script)
    add_test(NAME desktop-real.${name} COMMAND bash ${CMAKE_SOURCE_DIR}/tests/desktop-real/${script} ${ARGN})
    set_tests_properties(desktop-real.${name} PROPERTIES
      LABELS desktop-real TIMEOUT 180 SKIP_RETURN_CODE 77 ENVIRONMENT "VORNIX_BUILD=${CMAKE_BINARY_DIR}")
  endfunction()
  vornix_desktop_real(x11-launcher x11_launcher.sh)
  vornix_desktop_real(x11-modes-skin1 x11_modes.sh 1)
  vornix_desktop_real(x11-modes-skin2 x11_modes.sh 2)
  vornix_desktop_real(x11-no-window-manager x11_no_wm.sh)
  vornix_desktop_real(x11-zoom-1024x768 x11_zoom.sh 1024x768)
  vornix_desktop_real(x11-zoom-1920x1080 x11_zoom.sh 1920x1080)
  vornix_desktop_real(x11-zoom-3840x2160 x11_zoom.sh 3840x2160)
  vornix_desktop_real(x11-place x11_place.sh)
  vornix_desktop_real(wayland-modes-skin1 wayland_modes.sh 1)
  vornix_desktop_real(wayland-modes-skin2 wayland_modes.sh 2)
  # Three busy processes of its own: alone, so it does not slow the others.
  vornix_desktop_real(x11-held-keys x11_held_keys.sh)
  set_tests_properties(desktop-real.x11-held-keys PROPERTIES RUN_SERIAL TRUE)
endif()

# The secondary forms: key settings, the manual viewer and the about box.
find_package(Qt6 REQUIRED COMPONENTS Widgets Test)

add_library(vornix-forms STATIC
  src/frontend/about_form.cpp
  src/frontend/form_look.cpp
  src/frontend/keys_form.cpp
  src/frontend/manual_form.cpp
  src/frontend/manual_loader.cpp
  src/frontend/secondary_forms.cpp
  src/frontend/window_place.cpp
)
set_target_properties(vornix-forms PROPERTIES AUTOMOC ON)
target_include_directories(vornix-forms PUBLIC src)
target_link_libraries(vornix-forms PUBLIC vornix-frontend Qt6::Widgets)
target_link_libraries(vornix-simulator PRIVATE vornix-forms)

if(VORNIX_TESTS)
  # Widget tests: offscreen, with a temporary settings folder (the desktop tests' main).
  file(GLOB forms_tests CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/forms/*_test.cpp)
  add_executable(forms-tests ${forms_tests} ${CMAKE_SOURCE_DIR}/tests/desktop/main.cpp)
  set_target_properties(forms-tests PROPERTIES AUTOMOC ON)
  target_link_libraries(forms-tests PRIVATE vornix-forms vornix-test-install Qt6::Test GTest::gtest)
  gtest_discover_tests(forms-tests DISCOVERY_MODE PRE_TEST
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen;SDL_AUDIODRIVER=dummy")
endif()

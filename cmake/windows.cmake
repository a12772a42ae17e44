# The Windows side of the build: kelvane-info.exe, KelvaneProp.dll (the
# shell's property-sheet handler) and the programs the Wine tests run
# (scripts/test-windows runs them under Wine with ctest).
enable_language(RC)

target_link_libraries(kelvane-info PRIVATE shell32)

# The in-process COM server: the shell extension and the page window.
file(GLOB KELVANE_SHELL_SOURCES CONFIGURE_DEPENDS shell/*.cpp page/win32/*.cpp)
add_library(KelvaneProp SHARED ${KELVANE_SHELL_SOURCES}
  shell/KelvaneProp.def shell/KelvaneProp.rc)
set_target_properties(KelvaneProp PROPERTIES PREFIX "" OUTPUT_NAME KelvaneProp)
set_source_files_properties(shell/KelvaneProp.rc PROPERTIES
  OBJECT_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/shell/KelvaneProp.manifest)
target_include_directories(KelvaneProp PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
target_link_libraries(KelvaneProp PRIVATE kelvane_page
  ole32 oleaut32 uuid shell32 shlwapi comctl32 comdlg32 gdi32 user32 advapi32 windowscodecs)

if(KELVANE_TESTS)
  enable_testing()
  # GoogleTest from Debian's source package, built with the cross compiler.
  set(KELVANE_GTEST_SOURCE /usr/src/googletest/googletest CACHE PATH "GoogleTest sources")
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  add_subdirectory(${KELVANE_GTEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

  file(GLOB KELVANE_WINDOWS_TEST_SOURCES CONFIGURE_DEPENDS tests/windows/*_test.cpp
    tests/windows/support/*.cpp)
  add_executable(kelvane_windows_tests ${KELVANE_WINDOWS_TEST_SOURCES})
  target_include_directories(kelvane_windows_tests PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
  target_link_libraries(kelvane_windows_tests PRIVATE kelvane_cli gtest gtest_main
    ole32 oleaut32 uuid shell32 shlwapi comctl32 gdi32 user32 advapi32 windowscodecs)
  add_dependencies(kelvane_windows_tests KelvaneProp kelvane-info)

  # The tests find the modules beside themselves; under Wine they run with
  # the prefix and display scripts/test-windows prepares.
  add_test(NAME windows_tests COMMAND kelvane_windows_tests)
  set_tests_properties(windows_tests PROPERTIES
    ENVIRONMENT "KELVANE_CORPUS=$ENV{KELVANE_CORPUS}")
endif()

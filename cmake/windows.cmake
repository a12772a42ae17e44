# The Windows side of the build: kelvane-info.exe, KelvaneProp.dll (the
# shell's property-sheet handler) and the programs the Wine tests run
# (scripts/test-windows runs them under Wine with ctest).
enable_language(RC)

# The engine decodes JPEG thumbnails with WIC, which ships with Windows,
# instead of libjpeg.
get_target_property(loader_sources kelvane_loader SOURCES)
list(FILTER loader_sources INCLUDE REGEX "jpeg_decode_libjpeg\\.cpp$")
set_source_files_properties(${loader_sources} PROPERTIES HEADER_FILE_ONLY ON)
target_sources(kelvane_loader PRIVATE page/win32/jpeg_decode_wic.cpp)
target_link_libraries(kelvane_loader PUBLIC ole32 windowscodecs uuid)

target_link_libraries(kelvane-info PRIVATE shell32)

# On x86 the exported COM functions are stdcall (decorated "Name@n"); the
# .def files export them by their plain names.
if(CMAKE_SIZEOF_VOID_P EQUAL 4)
  add_link_options(-Wl,--enable-stdcall-fixup)
endif()

# The page window, in the shell extension and in the viewer alike.
file(GLOB KELVANE_PAGE_WIN32_SOURCES CONFIGURE_DEPENDS page/win32/*.cpp)
list(FILTER KELVANE_PAGE_WIN32_SOURCES EXCLUDE REGEX "jpeg_decode_wic\\.cpp$")
set(KELVANE_PAGE_WIN32_LIBRARIES
  ole32 oleaut32 uuid shell32 shlwapi comctl32 comdlg32 gdi32 user32 advapi32 windowscodecs)

# The in-process COM server: the shell extension and the page window.
file(GLOB KELVANE_SHELL_SOURCES CONFIGURE_DEPENDS shell/*.cpp)
add_library(KelvaneProp SHARED ${KELVANE_SHELL_SOURCES} ${KELVANE_PAGE_WIN32_SOURCES}
  shell/KelvaneProp.def shell/KelvaneProp.rc)
set_target_properties(KelvaneProp PROPERTIES PREFIX "" OUTPUT_NAME KelvaneProp)
set_source_files_properties(shell/KelvaneProp.rc PROPERTIES
  OBJECT_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/shell/KelvaneProp.manifest)
target_include_directories(KelvaneProp PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
target_link_libraries(KelvaneProp PRIVATE kelvane_page ${KELVANE_PAGE_WIN32_LIBRARIES})
kelvane_warnings(KelvaneProp)

# Kelvane.exe, the stand-alone viewer: the page window in a frame of its
# own. The frame is built once and linked into the viewer and its tests.
add_library(kelvane_viewer_frame STATIC viewer/viewer_frame.cpp ${KELVANE_PAGE_WIN32_SOURCES})
target_include_directories(kelvane_viewer_frame PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
target_link_libraries(kelvane_viewer_frame PUBLIC kelvane_viewer ${KELVANE_PAGE_WIN32_LIBRARIES})
kelvane_warnings(kelvane_viewer_frame)
add_executable(Kelvane WIN32 viewer/main.cpp viewer/Kelvane.rc)
target_include_directories(Kelvane PRIVATE ${CMAKE_BINARY_DIR})
set_source_files_properties(viewer/Kelvane.rc PROPERTIES
  OBJECT_DEPENDS "${CMAKE_CURRENT_SOURCE_DIR}/viewer/Kelvane.manifest;${CMAKE_BINARY_DIR}/generated/kelvane_version.h")
target_link_options(Kelvane PRIVATE -municode)
target_link_libraries(Kelvane PRIVATE kelvane_viewer_frame kelvane_version)
kelvane_warnings(Kelvane)

# The installer, an MSI per architecture made with msitools' wixl from
# installer/Kelvane.wxs, its version the project's. The "Open with" entries
# for the kinds the loader reads come from a program built for this machine
# (wixl's preprocessor has no loop). msibuild then adds what wixl cannot
# write (installer/package_additions.sql and the generated open_with.sql):
# the registry root HKMU as Windows Installer reads it (-1, where wixl
# writes 4), the search for each kind's registration with its component's
# condition.
find_program(KELVANE_HOST_CXX NAMES g++ c++ REQUIRED NO_CMAKE_FIND_ROOT_PATH)
find_program(KELVANE_WIXL wixl REQUIRED)
find_program(KELVANE_MSIBUILD msibuild REQUIRED)
if(CMAKE_SIZEOF_VOID_P EQUAL 8)
  set(KELVANE_MSI_ARCH x64)
else()
  set(KELVANE_MSI_ARCH x86)
endif()
set(open_with_entries ${CMAKE_BINARY_DIR}/open_with_entries)
set(open_with)
foreach(part types components refs)
  list(APPEND open_with ${CMAKE_BINARY_DIR}/open_with_${part}.wxi)
endforeach()
list(APPEND open_with ${CMAKE_BINARY_DIR}/open_with.sql)
add_custom_command(OUTPUT ${open_with}
  COMMAND ${KELVANE_HOST_CXX} -std=c++20 -O1 -I${CMAKE_CURRENT_SOURCE_DIR}
    ${CMAKE_CURRENT_SOURCE_DIR}/installer/open_with_entries.cpp -o ${open_with_entries}
  COMMAND ${open_with_entries} types ${CMAKE_BINARY_DIR}/open_with_types.wxi
  COMMAND ${open_with_entries} sql ${CMAKE_BINARY_DIR}/open_with.sql
  COMMAND ${open_with_entries} components ${CMAKE_BINARY_DIR}/open_with_components.wxi
  COMMAND ${open_with_entries} refs ${CMAKE_BINARY_DIR}/open_with_refs.wxi
  DEPENDS installer/open_with_entries.cpp cli/file_list.h
  COMMENT "Writing the installer's Open with entries")
function(kelvane_msi target output version)
  add_custom_command(OUTPUT ${output}
    COMMAND ${KELVANE_WIXL} -a ${KELVANE_MSI_ARCH} -D Version=${version}
      -D Arch=${KELVANE_MSI_ARCH} -I ${CMAKE_BINARY_DIR} -o ${output}.tmp
      ${CMAKE_CURRENT_SOURCE_DIR}/installer/Kelvane.wxs
    COMMAND ${CMAKE_COMMAND} -DMSIBUILD=${KELVANE_MSIBUILD} -DMSI=${output}.tmp
      -DQUERIES=${CMAKE_CURRENT_SOURCE_DIR}/installer/package_additions.sql
      -DMORE_QUERIES=${CMAKE_BINARY_DIR}/open_with.sql
      -P ${CMAKE_CURRENT_SOURCE_DIR}/installer/msi_queries.cmake
    COMMAND ${CMAKE_COMMAND} -E rename ${output}.tmp ${output}
    WORKING_DIRECTORY ${CMAKE_BINARY_DIR}
    DEPENDS installer/Kelvane.wxs ${open_with} installer/package_additions.sql
      installer/msi_queries.cmake KelvaneProp Kelvane kelvane-info
      $<TARGET_FILE:KelvaneProp> $<TARGET_FILE:Kelvane> $<TARGET_FILE:kelvane-info>
    COMMENT "Building ${output}"
    VERBATIM)
  add_custom_target(${target} ALL DEPENDS ${output})
endfunction()
set(KELVANE_MSI ${CMAKE_BINARY_DIR}/Kelvane-${PROJECT_VERSION}-${KELVANE_MSI_ARCH}.msi)
kelvane_msi(kelvane_msi ${KELVANE_MSI} ${PROJECT_VERSION})

if(KELVANE_TESTS)
  enable_testing()
  # GoogleTest from Debian's source package, built with the cross compiler.
  set(KELVANE_GTEST_SOURCE /usr/src/googletest/googletest CACHE PATH "GoogleTest sources")
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  add_subdirectory(${KELVANE_GTEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

  file(GLOB KELVANE_WINDOWS_TEST_SOURCES CONFIGURE_DEPENDS tests/windows/*_test.cpp
    tests/windows/support/*.cpp)
  # XmlLite read as expat reads (the same cases run on Linux).
  list(APPEND KELVANE_WINDOWS_TEST_SOURCES tests/xmp/xml_reader_whitespace_test.cpp)
  # The page window's layout helpers, tested on their own, and the viewer's
  # frame, tested in the test program's own thread.
  add_executable(kelvane_windows_tests ${KELVANE_WINDOWS_TEST_SOURCES})
  target_include_directories(kelvane_windows_tests PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
  target_link_libraries(kelvane_windows_tests PRIVATE kelvane_viewer_frame kelvane_cli kelvane_page
    gtest gtest_main msi)
  kelvane_warnings(kelvane_windows_tests)
  add_dependencies(kelvane_windows_tests KelvaneProp kelvane-info KelvaneMapServer Kelvane)

  # A substitute for the map application's COM server.
  add_library(KelvaneMapServer SHARED tests/windows/map_server/map_server.cpp
    tests/windows/map_server/map_server.def)
  set_target_properties(KelvaneMapServer PROPERTIES PREFIX "")
  target_include_directories(KelvaneMapServer PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
  target_link_libraries(KelvaneMapServer PRIVATE ole32 oleaut32 uuid)
  kelvane_warnings(KelvaneMapServer)

  # The tests run under Wine: the x64 ones in a 64-bit prefix, the x86 ones
  # in a 32-bit prefix (32-bit Wine, wine32:i386), a lean set of them: the
  # page, the shell extension, the viewer's frame, XML, the installer and
  # the command line against Linux's. They find the modules beside
  # themselves and run with the prefix and display scripts/test-windows
  # prepares; KELVANE_CORPUS comes from the environment ctest runs in.
  set(KELVANE_X86_TEST_FILTER
    "Page.ListShows*:Page.ScreenshotsOf*:Page.SaveThumbnail*:Page.TheListKeeps*:Page.Thumbnails*:Page.SwitchesRerun*:Page.EachChoiceSurvives*:Shell*:Frame.*:XmlReaderWhitespace.*:ThumbnailFit.*")
  set(x64 FALSE)
  if(CMAKE_SIZEOF_VOID_P EQUAL 8)
    set(x64 TRUE)
  endif()
  # Each test runs its Windows programs in a Wine session of its own, held
  # open by this program (tests/windows/wine_session.sh).
  add_executable(wine_session_holder tests/windows/session_holder.cpp)
  kelvane_warnings(wine_session_holder)
  set(holder $<TARGET_FILE:wine_session_holder>)

  if(x64)
    add_test(NAME windows_tests
      COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/tests/windows/gtest_under_wine.sh
        ${holder} $<TARGET_FILE:kelvane_windows_tests>)
  else()
    add_test(NAME windows_tests
      COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/tests/windows/gtest_under_wine.sh
        ${holder} $<TARGET_FILE:kelvane_windows_tests> --gtest_filter=${KELVANE_X86_TEST_FILTER})
  endif()
  set_tests_properties(windows_tests PROPERTIES TIMEOUT 600)

  if(x64)
    # The page as an English and a Japanese Windows show it, and at 100 % to
    # 200 %, each in a Wine prefix of its own.
    add_test(NAME windows_page_in_locales
      COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/tests/windows/page_in_locale.sh
        ${holder} $<TARGET_FILE:kelvane_windows_tests>)
    add_test(NAME windows_page_at_dpi
      COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/tests/windows/page_at_dpi.sh
        ${holder} $<TARGET_FILE:kelvane_windows_tests>)
    set_tests_properties(windows_page_in_locales windows_page_at_dpi PROPERTIES TIMEOUT 600)

    # Every CP932 byte pair and every BMP character convert as on Linux.
    add_executable(encoding_dump tests/windows/encoding_dump.cpp)
    target_link_libraries(encoding_dump PRIVATE kelvane_text)
    kelvane_warnings(encoding_dump)
    set(dump_linux ${CMAKE_BINARY_DIR}/encoding_dump_linux)
    add_custom_command(OUTPUT ${dump_linux}
      COMMAND ${KELVANE_HOST_CXX} -std=c++20 -O1 -I${CMAKE_CURRENT_SOURCE_DIR}
        ${CMAKE_CURRENT_SOURCE_DIR}/tests/windows/encoding_dump.cpp
        ${CMAKE_CURRENT_SOURCE_DIR}/engine/text/encoding.cpp -o ${dump_linux}
      DEPENDS tests/windows/encoding_dump.cpp engine/text/encoding.cpp engine/text/encoding.h
      COMMENT "Building the Linux encoding dump")
    add_custom_target(encoding_dump_host ALL DEPENDS ${dump_linux})
    add_test(NAME windows_cp932_matches_linux
      COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/tests/windows/encoding_matches_linux.sh
        ${dump_linux} $<TARGET_FILE:encoding_dump> ${holder})
    set_tests_properties(windows_cp932_matches_linux PROPERTIES TIMEOUT 600)
  endif()

  # The MSI installed, upgraded by a newer one and removed, per user and
  # per machine, in a Wine prefix of its own.
  math(EXPR newer_patch "${PROJECT_VERSION_PATCH} + 1")
  set(newer_version ${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}.${newer_patch})
  set(newer_msi ${CMAKE_BINARY_DIR}/upgrade-test-Kelvane-${newer_version}-${KELVANE_MSI_ARCH}.msi)
  kelvane_msi(kelvane_newer_msi ${newer_msi} ${newer_version})
  add_test(NAME windows_installer
    COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/tests/windows/installer.sh
      ${holder} $<TARGET_FILE:kelvane_windows_tests> ${KELVANE_MSI} ${newer_msi} ${newer_version}
      $<TARGET_FILE:kelvane-info>)
  set_tests_properties(windows_installer PROPERTIES TIMEOUT 900)

  # kelvane-info.exe against the Linux build's kelvane-info.
  set(KELVANE_LINUX_INFO "${CMAKE_CURRENT_SOURCE_DIR}/build/kelvane-info"
    CACHE FILEPATH "The Linux kelvane-info the Windows one is compared with")
  add_test(NAME windows_cli_matches_linux
    COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/tests/windows/cli_matches_linux.sh
      ${KELVANE_LINUX_INFO} $<TARGET_FILE:kelvane-info> ${holder})
  set_tests_properties(windows_cli_matches_linux PROPERTIES TIMEOUT 600)
endif()

# Cross build of the two Windows programs and their tests (run through Wine).
enable_language(RC)

set(CMAKE_RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
set(CMAKE_RC_FLAGS "${CMAKE_RC_FLAGS} -c 65001 -I${CMAKE_SOURCE_DIR}/resources -I${CMAKE_SOURCE_DIR}")

set(WIN_DEFINES UNICODE _UNICODE NOMINMAX _WIN32_WINNT=0x0A00 WINVER=0x0A00)
set(WIN_LIBS wbemuuid taskschd pdh iphlpapi wlanapi psapi wininet version winmm
             gdiplus comctl32 shell32 ole32 oleaut32 uuid uxtheme)

function(orvanel_win_defaults target)
  target_compile_definitions(${target} PUBLIC ${WIN_DEFINES})
  target_include_directories(${target} PUBLIC ${CMAKE_SOURCE_DIR})
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wno-multichar -Wno-cast-function-type
                                           -Wno-missing-field-initializers)
endfunction()

function(orvanel_glob out)
  set(files)
  foreach(dir IN LISTS ARGN)
    file(GLOB _f CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/${dir}/*.cpp)
    list(APPEND files ${_f})
  endforeach()
  set(${out} ${files} PARENT_SCOPE)
endfunction()

# Platform-neutral core, cross-compiled.
add_library(orvanel_core STATIC ${CORE_SOURCES})
orvanel_win_defaults(orvanel_core)

# Win32 code shared by both programs: framework, settings, collectors.
orvanel_glob(SHARED_SOURCES framework settings collectors)
add_library(orvanel_shared STATIC ${SHARED_SOURCES})
orvanel_win_defaults(orvanel_shared)
target_link_libraries(orvanel_shared PUBLIC orvanel_core ${WIN_LIBS})

# The main program's own windows and services. Its entry object lives in
# app/OrvanelMain.cpp so that tests can link everything else.
orvanel_glob(MAIN_SOURCES app smart pages widgets services)
list(FILTER MAIN_SOURCES EXCLUDE REGEX "/app/OrvanelMain\\.cpp$")
add_library(orvanel_main STATIC ${MAIN_SOURCES})
orvanel_win_defaults(orvanel_main)
target_link_libraries(orvanel_main PUBLIC orvanel_shared)

# windres reports no dependencies: rebuild when any resource file changes.
file(GLOB RESOURCE_FILES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/resources/*.h ${CMAKE_SOURCE_DIR}/resources/*.rc
     ${CMAKE_SOURCE_DIR}/resources/*.ico ${CMAKE_SOURCE_DIR}/resources/*.png ${CMAKE_SOURCE_DIR}/resources/*.ttf
     ${CMAKE_SOURCE_DIR}/resources/*.manifest)
add_library(orvanel_res OBJECT ${CMAKE_SOURCE_DIR}/resources/orvanel.rc)
set_source_files_properties(${CMAKE_SOURCE_DIR}/resources/orvanel.rc PROPERTIES OBJECT_DEPENDS "${RESOURCE_FILES}")

add_executable(orvanel WIN32 ${CMAKE_SOURCE_DIR}/app/OrvanelMain.cpp $<TARGET_OBJECTS:orvanel_res>)
orvanel_win_defaults(orvanel)
target_link_libraries(orvanel PRIVATE orvanel_main)
target_link_options(orvanel PRIVATE -static -municode -mwindows)

# What ships, without the tests: every program that ships is added here.
add_custom_target(orvanel-shipped)
add_dependencies(orvanel-shipped orvanel)

# Language files and the embedded font's licence ship next to the program.
configure_file(${CMAKE_SOURCE_DIR}/resources/SebastianGothicNBP-LICENSE.txt
               ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/SebastianGothicNBP-LICENSE.txt COPYONLY)
file(GLOB LANGUAGE_FILES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/resources/lang/*.lng)
foreach(lng IN LISTS LANGUAGE_FILES)
  get_filename_component(name ${lng} NAME)
  configure_file(${lng} ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/${name} COPYONLY)
endforeach()

# Opens one window on its own for screenshots (see tools/showcase).
file(GLOB SHOWCASE_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tools/showcase/*.cpp)
add_executable(orvanel-showcase WIN32 ${SHOWCASE_SOURCES} $<TARGET_OBJECTS:orvanel_res>)
orvanel_win_defaults(orvanel-showcase)
target_link_libraries(orvanel-showcase PRIVATE orvanel_main)
target_link_options(orvanel-showcase PRIVATE -static -municode -mwindows)

# Console diagnostic: prints what every collector reports on this machine.
file(GLOB FACTS_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tools/facts/*.cpp ${CMAKE_SOURCE_DIR}/tools/facts/*.rc)
if(FACTS_SOURCES)
  add_executable(orvanel-facts ${FACTS_SOURCES})
  orvanel_win_defaults(orvanel-facts)
  target_link_libraries(orvanel-facts PRIVATE orvanel_shared)
  target_link_options(orvanel-facts PRIVATE -static -municode)
endif()

# ---- tests ---------------------------------------------------------------
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(gtest_disable_pthreads ON CACHE BOOL "" FORCE)
add_subdirectory(${GTEST_SOURCE_DIR} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
include(GoogleTest)

# In-process tests: each tests/wine/<name>_test.cpp becomes its own program,
# linked with everything the main program has (resources included).
file(GLOB WINE_SUPPORT CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/wine/support/*.cpp)
list(FILTER WINE_SUPPORT EXCLUDE REGEX "/TestSupport\\.cpp$")
# An object library: every support object (the test's application object
# among them) is linked into each test program, referenced or not.
add_library(wine_test_support OBJECT ${WINE_SUPPORT} ${CMAKE_SOURCE_DIR}/tests/wine/support/TestSupport.cpp)
orvanel_win_defaults(wine_test_support)
target_link_libraries(wine_test_support PUBLIC orvanel_main GTest::gtest GTest::gmock)

file(GLOB WINE_TESTS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/wine/*_test.cpp)
foreach(src IN LISTS WINE_TESTS)
  get_filename_component(name ${src} NAME_WE)
  add_executable(wine_${name} ${src} $<TARGET_OBJECTS:orvanel_res>)
  orvanel_win_defaults(wine_${name})
  target_link_libraries(wine_${name} PRIVATE wine_test_support GTest::gtest_main)
  target_link_options(wine_${name} PRIVATE -static)
  target_compile_definitions(wine_${name} PRIVATE CORPUS_DIR="${CORPUS_DIR}")
  # A test program <base>_test.cpp with a tests/wine/<base>_server.py gets
  # that server for its run: started before its first test and stopped after
  # its last. The program finds the server's files in TEST_SERVER_DIR.
  string(REGEX REPLACE "_test$" "" base ${name})
  set(server ${CMAKE_SOURCE_DIR}/tests/wine/${base}_server.py)
  set(fixture)
  if(EXISTS ${server})
    set(state ${CMAKE_BINARY_DIR}/servers/${name})
    add_test(NAME ${name}_server_start COMMAND python3 ${server} start ${state})
    add_test(NAME ${name}_server_stop COMMAND python3 ${server} stop ${state})
    set_tests_properties(${name}_server_start PROPERTIES FIXTURES_SETUP ${name}_server TIMEOUT 60)
    set_tests_properties(${name}_server_stop PROPERTIES FIXTURES_CLEANUP ${name}_server TIMEOUT 60)
    target_compile_definitions(wine_${name} PRIVATE TEST_SERVER_DIR="${state}")
    set(fixture FIXTURES_REQUIRED ${name}_server)
  endif()
  # Tests that change the logon task share the test prefix's task folder with
  # the end-to-end tests, which take the same lock.
  set(lock)
  if(name MATCHES "autorun|widgets_dialog")
    set(lock RESOURCE_LOCK desktop)
  endif()
  gtest_discover_tests(wine_${name} DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 120
                       PROPERTIES TIMEOUT 180 ${fixture} ${lock})
endforeach()

# End-to-end tests: programs that start orvanel.exe (found next to them) as
# a separate process with a private settings folder and inspect its windows.
file(GLOB E2E_SUPPORT CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/e2e/support/*.cpp)
list(FILTER E2E_SUPPORT EXCLUDE REGEX "/Process\\.cpp$")
add_library(e2e_support OBJECT ${E2E_SUPPORT} ${CMAKE_SOURCE_DIR}/tests/e2e/support/Process.cpp)
orvanel_win_defaults(e2e_support)
target_link_libraries(e2e_support PUBLIC orvanel_core GTest::gtest ${WIN_LIBS})

file(GLOB E2E_TESTS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/e2e/*_test.cpp)
foreach(src IN LISTS E2E_TESTS)
  get_filename_component(name ${src} NAME_WE)
  add_executable(e2e_${name} ${src})
  orvanel_win_defaults(e2e_${name})
  target_link_libraries(e2e_${name} PRIVATE e2e_support GTest::gtest_main)
  target_link_options(e2e_${name} PRIVATE -static)
  add_dependencies(e2e_${name} orvanel)
  gtest_discover_tests(e2e_${name} DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 120
                       PROPERTIES TIMEOUT 180 RESOURCE_LOCK desktop)
endforeach()

# Checks that compare what the Windows programs report with what Linux says
# about the same machine: tests/e2e/<name>_check.py, run with the build's
# program folder as argument (they start programs through scripts/wine-run).
file(GLOB HOST_CHECKS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/e2e/*_check.py)
foreach(py IN LISTS HOST_CHECKS)
  get_filename_component(name ${py} NAME_WE)
  add_test(NAME ${name} COMMAND python3 ${py} ${CMAKE_RUNTIME_OUTPUT_DIRECTORY})
  set_tests_properties(${name} PROPERTIES TIMEOUT 180 RESOURCE_LOCK desktop)
  if(CMAKE_SIZEOF_VOID_P EQUAL 8)
    # As the emulator of this build does (cmake/mingw-x86_64.cmake).
    set_tests_properties(${name} PROPERTIES ENVIRONMENT ORVANEL_FORCE_WIN64=1)
  endif()
endforeach()

# ---- start-up benchmark (bench/startup) ----------------------------------
# A bare dialog program as the yardstick, and the probe that starts a
# program and times it until its first paint (and the main window's pages).
add_executable(bare_dialog WIN32 ${CMAKE_SOURCE_DIR}/bench/bare_dialog.cpp)
orvanel_win_defaults(bare_dialog)
target_link_options(bare_dialog PRIVATE -static -municode -mwindows)

add_executable(startup_probe ${CMAKE_SOURCE_DIR}/bench/startup_probe.cpp)
orvanel_win_defaults(startup_probe)
target_link_libraries(startup_probe PRIVATE e2e_support)
target_link_options(startup_probe PRIVATE -static -municode)

# bench/idle opens the CPU monitor of a running program with this helper.
add_executable(open_cpu_monitor ${CMAKE_SOURCE_DIR}/bench/open_cpu_monitor.cpp)
orvanel_win_defaults(open_cpu_monitor)
target_link_libraries(open_cpu_monitor PRIVATE e2e_support)
target_link_options(open_cpu_monitor PRIVATE -static -municode)

# ---- the screensaver, orvanel.scr ------------------------------------------
# Its own windows and resources over the shared framework, settings and
# collectors; nothing of the main program (app/ and the rest) is linked in.
orvanel_glob(SCR_SOURCES screensaver)
list(FILTER SCR_SOURCES EXCLUDE REGEX "/screensaver/ScreensaverMain\\.cpp$")
add_library(orvanel_scr_lib STATIC ${SCR_SOURCES})
orvanel_win_defaults(orvanel_scr_lib)
target_link_libraries(orvanel_scr_lib PUBLIC orvanel_shared)

file(GLOB SCR_RESOURCE_FILES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/resources/screensaver/*.h
     ${CMAKE_SOURCE_DIR}/resources/screensaver/*.rc ${CMAKE_SOURCE_DIR}/resources/screensaver/*.png
     ${CMAKE_SOURCE_DIR}/resources/screensaver/*.manifest ${CMAKE_SOURCE_DIR}/resources/orvanel.ico)
add_library(orvanel_scr_res OBJECT ${CMAKE_SOURCE_DIR}/resources/screensaver/screensaver.rc)
set_source_files_properties(${CMAKE_SOURCE_DIR}/resources/screensaver/screensaver.rc
                            PROPERTIES OBJECT_DEPENDS "${SCR_RESOURCE_FILES}")

add_executable(orvanel-scr WIN32 ${CMAKE_SOURCE_DIR}/screensaver/ScreensaverMain.cpp $<TARGET_OBJECTS:orvanel_scr_res>)
set_target_properties(orvanel-scr PROPERTIES OUTPUT_NAME orvanel SUFFIX .scr)
orvanel_win_defaults(orvanel-scr)
target_link_libraries(orvanel-scr PRIVATE orvanel_scr_lib)
target_link_options(orvanel-scr PRIVATE -static -municode -mwindows)
add_dependencies(orvanel-shipped orvanel-scr)

# The screensaver's language files (the same names as the main program's,
# other texts) wait in their own folder for the installer.
file(GLOB SCR_LANGUAGE_FILES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/resources/screensaver/lang/*.lng)
foreach(lng IN LISTS SCR_LANGUAGE_FILES)
  get_filename_component(name ${lng} NAME)
  configure_file(${lng} ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/screensaver-lang/${name} COPYONLY)
endforeach()

# End-to-end tests of the screensaver start orvanel.scr.
foreach(name IN ITEMS screensaver_test)
  if(TARGET e2e_${name})
    add_dependencies(e2e_${name} orvanel-scr)
  endif()
endforeach()

# bench/screensaver reads the frame count of a running board with this probe.
add_executable(screensaver_frames ${CMAKE_SOURCE_DIR}/bench/screensaver_frames.cpp)
orvanel_win_defaults(screensaver_frames)
target_link_options(screensaver_frames PRIVATE -static -municode)

# ---- widget benchmark (bench/widgets) --------------------------------------
# Renders widgets in-process many times, watching objects and working set.
add_executable(widget_render ${CMAKE_SOURCE_DIR}/bench/widget_render.cpp $<TARGET_OBJECTS:orvanel_res>)
orvanel_win_defaults(widget_render)
target_link_libraries(widget_render PRIVATE orvanel_main)
target_link_options(widget_render PRIVATE -static -municode)

# bench/soak runs the programs for a long time through this probe, which
# opens the monitor windows and reads what the program holds.
add_executable(soak_probe ${CMAKE_SOURCE_DIR}/bench/soak_probe.cpp)
orvanel_win_defaults(soak_probe)
target_link_libraries(soak_probe PRIVATE e2e_support)
target_link_options(soak_probe PRIVATE -static -municode)

# ---- the setup program, orvanel-setup.exe ---------------------------------
# Only the 32-bit build makes it: it installs the shipped programs. Its
# version is the main program's, read from resources/version.rc, and the
# command it sends to end a running copy is read from resources/resource.h.
if(CMAKE_SIZEOF_VOID_P EQUAL 4)
  find_program(MAKENSIS makensis REQUIRED)
  file(STRINGS ${CMAKE_SOURCE_DIR}/resources/version.rc _fileversion REGEX "^[ \t]*FILEVERSION[ \t]")
  if(NOT _fileversion MATCHES "([0-9]+),([0-9]+),([0-9]+),([0-9]+)")
    message(FATAL_ERROR "no FILEVERSION in resources/version.rc")
  endif()
  set(ORVANEL_VERSION "${CMAKE_MATCH_1}.${CMAKE_MATCH_2}.${CMAKE_MATCH_3}.${CMAKE_MATCH_4}")
  file(STRINGS ${CMAKE_SOURCE_DIR}/resources/resource.h _exit REGEX "^#define[ \t]+ID_TRAY_EXIT[ \t]")
  if(NOT _exit MATCHES "ID_TRAY_EXIT[ \t]+([0-9]+)")
    message(FATAL_ERROR "no ID_TRAY_EXIT in resources/resource.h")
  endif()
  set(_exit_command ${CMAKE_MATCH_1})

  # The language files of both programs, installed and removed one by one.
  set(_files "; Generated by cmake/Windows.cmake\n!macro ORVANEL_MAIN_LANGUAGES\n")
  set(_unfiles "!macro ORVANEL_UN_MAIN_LANGUAGES\n")
  foreach(lng IN LISTS LANGUAGE_FILES)
    get_filename_component(name ${lng} NAME)
    string(APPEND _files "  File \"${lng}\"\n")
    string(APPEND _unfiles "  Delete \"$INSTDIR\\${name}\"\n")
  endforeach()
  string(APPEND _files "!macroend\n!macro ORVANEL_SCREENSAVER_LANGUAGES\n")
  string(APPEND _unfiles "!macroend\n!macro ORVANEL_UN_SCREENSAVER_LANGUAGES\n")
  foreach(lng IN LISTS SCR_LANGUAGE_FILES)
    get_filename_component(name ${lng} NAME)
    string(APPEND _files "  File \"${lng}\"\n")
    string(APPEND _unfiles "  Delete \"\${SCREENSAVER_LANGUAGES}\\${name}\"\n")
  endforeach()
  string(APPEND _files "!macroend\n${_unfiles}!macroend\n")
  file(CONFIGURE OUTPUT ${CMAKE_BINARY_DIR}/installer/files.nsh CONTENT "${_files}" @ONLY)

  set(SETUP_EXE ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/orvanel-setup.exe)
  add_custom_command(
    OUTPUT ${SETUP_EXE}
    COMMAND ${MAKENSIS} -V2 -INPUTCHARSET UTF8 -DVERSION=${ORVANEL_VERSION} -DEXIT_COMMAND=${_exit_command}
            -DFILES=${CMAKE_BINARY_DIR}/installer/files.nsh -DBIN=${CMAKE_RUNTIME_OUTPUT_DIRECTORY}
            -DSRC=${CMAKE_SOURCE_DIR} -DOUTFILE=${SETUP_EXE} ${CMAKE_SOURCE_DIR}/installer/orvanel.nsi
    DEPENDS orvanel orvanel-scr ${CMAKE_SOURCE_DIR}/installer/orvanel.nsi ${CMAKE_SOURCE_DIR}/installer/readme.txt
            ${CMAKE_BINARY_DIR}/installer/files.nsh ${CMAKE_SOURCE_DIR}/resources/orvanel.ico
            ${CMAKE_SOURCE_DIR}/resources/SebastianGothicNBP-LICENSE.txt ${LANGUAGE_FILES} ${SCR_LANGUAGE_FILES}
    COMMENT "Building orvanel-setup.exe ${ORVANEL_VERSION}"
    VERBATIM)
  add_custom_target(orvanel-setup ALL DEPENDS ${SETUP_EXE})
  add_dependencies(orvanel-shipped orvanel-setup)
endif()

# The setup program's round trip in a fresh prefix (tests/installer). The
# 64-bit build has no setup program of its own: it checks the shipped one,
# which scripts/build makes beside it, by listing it.
if(CMAKE_SIZEOF_VOID_P EQUAL 4)
  set(_setup_under_test ${SETUP_EXE})
else()
  set(ORVANEL_SHIPPED_SETUP ${CMAKE_SOURCE_DIR}/build/win/bin/orvanel-setup.exe
      CACHE FILEPATH "The shipped setup program the 64-bit build's tests list")
  set(_setup_under_test ${ORVANEL_SHIPPED_SETUP})
endif()
add_test(NAME installer_check COMMAND python3 ${CMAKE_SOURCE_DIR}/tests/installer/installer_check.py ${_setup_under_test})
set_tests_properties(installer_check PROPERTIES TIMEOUT 600 RESOURCE_LOCK desktop)
if(CMAKE_SIZEOF_VOID_P EQUAL 8)
  set_tests_properties(installer_check PROPERTIES ENVIRONMENT ORVANEL_FORCE_WIN64=1)
endif()

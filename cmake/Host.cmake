# Host build of the platform-neutral core: unit tests under the sanitizers,
# and (with a clang compiler and ORVANEL_FUZZ) libFuzzer targets.
option(ORVANEL_FUZZ "Build libFuzzer targets (needs clang)" OFF)

set(SANITIZE -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all)
if(ORVANEL_FUZZ)
  set(SANITIZE -fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all)
endif()

add_library(orvanel_core STATIC ${CORE_SOURCES})
target_include_directories(orvanel_core PUBLIC ${CMAKE_SOURCE_DIR})
target_compile_options(orvanel_core PUBLIC ${SANITIZE} -Wall -Wextra)
target_link_options(orvanel_core PUBLIC ${SANITIZE})

if(ORVANEL_FUZZ)
  file(GLOB FUZZ_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/fuzz/*_fuzz.cpp)
  foreach(src IN LISTS FUZZ_SOURCES)
    get_filename_component(name ${src} NAME_WE)
    add_executable(${name} ${src})
    target_link_libraries(${name} PRIVATE orvanel_core)
    target_link_options(${name} PRIVATE -fsanitize=fuzzer)
  endforeach()
  return()
endif()

set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(${GTEST_SOURCE_DIR} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

file(GLOB HOST_TEST_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/host/*_test.cpp)
add_executable(host_tests ${HOST_TEST_SOURCES})
target_link_libraries(host_tests PRIVATE orvanel_core GTest::gtest_main GTest::gmock)
target_compile_definitions(host_tests PRIVATE CORPUS_DIR="${CORPUS_DIR}")
include(GoogleTest)
gtest_discover_tests(host_tests PROPERTIES TIMEOUT 120 DISCOVERY_TIMEOUT 60)

# Test helpers: host-native unit tests, and Windows tests run under Wine by cmake/wine-harness.sh.
include(GoogleTest)

set(KESTRUM_HARNESS ${CMAKE_SOURCE_DIR}/cmake/wine-harness.sh)

if(WIN32)
  # Every Windows test program runs through the harness, which supplies prefix and display.
  set(CMAKE_CROSSCOMPILING_EMULATOR ${KESTRUM_HARNESS} run ${CMAKE_BINARY_DIR})

  add_test(NAME wine.setup COMMAND ${KESTRUM_HARNESS} setup ${CMAKE_BINARY_DIR})
  set_tests_properties(wine.setup PROPERTIES FIXTURES_SETUP wine TIMEOUT 300)
  add_test(NAME wine.teardown COMMAND ${KESTRUM_HARNESS} teardown ${CMAKE_BINARY_DIR})
  set_tests_properties(wine.teardown PROPERTIES FIXTURES_CLEANUP wine)
endif()

# A GoogleTest program over portable code. Natively each case is its own CTest test; for
# Windows the program runs once under Wine (process start there is not free).
function(kestrum_unit_test name)
  cmake_parse_arguments(PARSE_ARGV 1 arg "" "" "SOURCES;LIBS")
  add_executable(${name} ${arg_SOURCES})
  target_link_libraries(${name} PRIVATE kestrum_options ${arg_LIBS} GTest::gtest_main)
  if(WIN32)
    add_test(NAME ${name} COMMAND ${name})
    set_tests_properties(${name} PROPERTIES FIXTURES_REQUIRED wine RESOURCE_LOCK wineprefix
      TIMEOUT 300)
  else()
    gtest_discover_tests(${name} DISCOVERY_TIMEOUT 30)
  endif()
endfunction()

# A GoogleTest program that drives real windows, the registry or the shell under Wine:
# one process per program, never two at once in the shared prefix.
function(kestrum_wine_test name)
  if(NOT WIN32)
    return()
  endif()
  cmake_parse_arguments(PARSE_ARGV 1 arg "" "TIMEOUT" "SOURCES;LIBS;ARGS;DEPENDS")
  if(NOT arg_TIMEOUT)
    set(arg_TIMEOUT 300)
  endif()
  add_executable(${name} ${arg_SOURCES})
  target_link_libraries(${name} PRIVATE kestrum_options ${arg_LIBS} GTest::gtest_main)
  # Test resource scripts include the program's resource IDs.
  target_include_directories(${name} PRIVATE ${KESTRUM_RESOURCE_DIR})
  if(arg_DEPENDS)
    add_dependencies(${name} ${arg_DEPENDS})
  endif()
  add_test(NAME ${name} COMMAND ${name} ${arg_ARGS})
  set_tests_properties(${name} PROPERTIES FIXTURES_REQUIRED wine RESOURCE_LOCK wineprefix
    TIMEOUT ${arg_TIMEOUT})
endfunction()

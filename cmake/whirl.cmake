# Build helpers shared by every part of the tree. One source tree is configured three
# times: natively (portable core, unit tests, tools), for x86_64 Windows (the programs
# and the Wine tests) and for i686 Windows (the shipped programs).

set(WHIRL_TEMPLATES ${CMAKE_CURRENT_LIST_DIR})

# Strict warnings on our own targets only (third-party code keeps its own flags).
function(whirl_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Werror)
endfunction()

# A portable static library: no <windows.h>, built in all three trees.
function(whirl_core_library name)
  add_library(${name} STATIC ${ARGN})
  whirl_warnings(${name})
  target_include_directories(${name} PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
endfunction()

# A Windows GUI program with the product's version resource.
#   whirl_program(<name> DESCRIPTION <text> [SUFFIX .scr] SOURCES ... LIBS ...)
function(whirl_program name)
  cmake_parse_arguments(P "" "DESCRIPTION;SUFFIX" "SOURCES;LIBS" ${ARGN})
  set(WHIRL_NAME ${name})
  set(WHIRL_FILE ${name}${P_SUFFIX})
  if(NOT P_SUFFIX)
    set(WHIRL_FILE ${name}.exe)
  endif()
  set(WHIRL_DESCRIPTION "${P_DESCRIPTION}")
  configure_file(${WHIRL_TEMPLATES}/version.rc.in ${CMAKE_CURRENT_BINARY_DIR}/${name}_version.rc @ONLY)
  add_executable(${name} WIN32 ${P_SOURCES} ${CMAKE_CURRENT_BINARY_DIR}/${name}_version.rc)
  if(P_SUFFIX)
    set_target_properties(${name} PROPERTIES SUFFIX ${P_SUFFIX})
  endif()
  whirl_warnings(${name})
  target_link_libraries(${name} PRIVATE ${P_LIBS})
endfunction()

# A native GoogleTest program for the portable core (native tree only).
#   whirl_native_test(<name> SOURCES ... LIBS ...)
function(whirl_native_test name)
  if(CMAKE_CROSSCOMPILING)
    return()
  endif()
  cmake_parse_arguments(T "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  whirl_warnings(${name})
  target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest GTest::gtest_main)
  gtest_discover_tests(${name} TEST_PREFIX "native.")
endfunction()

# A Windows GoogleTest program run under Wine, one fresh prefix and display per test
# case (x86_64 tree only; i686 programs cannot be run at build time).
#   whirl_wine_test(<name> SOURCES ... LIBS ... [TIMEOUT seconds])
function(whirl_wine_test name)
  if(NOT WHIRL_WINE_TESTS)
    return()
  endif()
  cmake_parse_arguments(T "" "TIMEOUT" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  whirl_warnings(${name})
  target_link_libraries(${name} PRIVATE ${T_LIBS} whirl_test_support gtest_main)
  if(NOT T_TIMEOUT)
    set(T_TIMEOUT 120)
  endif()
  gtest_add_tests(TARGET ${name} TEST_PREFIX "wine.${name}." TEST_LIST added)
  set_tests_properties(${added} PROPERTIES TIMEOUT ${T_TIMEOUT}
    ENVIRONMENT "WHIRL_TEST_TIMEOUT=${T_TIMEOUT}")
endfunction()

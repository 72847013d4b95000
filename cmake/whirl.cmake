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

# A Windows GUI program with the product's version resource and, when asked, an
# application manifest (cmake/app.manifest.in):
#   whirl_program(<name> DESCRIPTION <text> [SUFFIX .scr]
#                 [MANIFEST asInvoker|requireAdministrator system|PerMonitorV2]
#                 SOURCES ... LIBS ...)
# The manifest's first word is the execution level Vista and later give the program,
# the second its DPI awareness: system-wide, or per monitor.
function(whirl_program name)
  cmake_parse_arguments(P "" "DESCRIPTION;SUFFIX" "MANIFEST;SOURCES;LIBS" ${ARGN})
  set(WHIRL_NAME ${name})
  set(WHIRL_FILE ${name}${P_SUFFIX})
  if(NOT P_SUFFIX)
    set(WHIRL_FILE ${name}.exe)
  endif()
  set(WHIRL_DESCRIPTION "${P_DESCRIPTION}")
  set(WHIRL_MANIFEST_RC "")
  if(P_MANIFEST)
    list(GET P_MANIFEST 0 WHIRL_EXECUTION_LEVEL)
    list(GET P_MANIFEST 1 dpi)
    if(dpi STREQUAL "PerMonitorV2")
      set(WHIRL_DPI_AWARE true/pm)
      set(WHIRL_DPI_AWARENESS "\n      <dpiAwareness xmlns=\"http://schemas.microsoft.com/SMI/2016/WindowsSettings\">PerMonitorV2</dpiAwareness>")
    elseif(dpi STREQUAL "system")
      set(WHIRL_DPI_AWARE true)
      set(WHIRL_DPI_AWARENESS "")
    else()
      message(FATAL_ERROR "whirl_program(${name}): DPI awareness '${dpi}' is neither system nor PerMonitorV2")
    endif()
    set(manifest ${CMAKE_CURRENT_BINARY_DIR}/${WHIRL_FILE}.manifest)
    configure_file(${WHIRL_TEMPLATES}/app.manifest.in ${manifest} @ONLY)
    set(WHIRL_MANIFEST_RC "// The application manifest.\n1 24 \"${manifest}\"")
  endif()
  configure_file(${WHIRL_TEMPLATES}/version.rc.in ${CMAKE_CURRENT_BINARY_DIR}/${name}_version.rc @ONLY)
  add_executable(${name} WIN32 ${P_SOURCES} ${CMAKE_CURRENT_BINARY_DIR}/${name}_version.rc)
  if(P_MANIFEST)
    set_property(SOURCE ${CMAKE_CURRENT_BINARY_DIR}/${name}_version.rc APPEND PROPERTY
                 OBJECT_DEPENDS ${manifest})
  endif()
  if(P_SUFFIX)
    set_target_properties(${name} PROPERTIES SUFFIX ${P_SUFFIX})
  endif()
  whirl_warnings(${name})
  target_link_libraries(${name} PRIVATE ${P_LIBS})
endfunction()

# Every GoogleTest case passes only when it prints its own verdict (tests/gtest-verdict):
# a case whose process ends early with exit code 0 fails.
set(WHIRL_GTEST_VERDICT ${CMAKE_CURRENT_LIST_DIR}/../tests/gtest-verdict)

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
  set_target_properties(${name} PROPERTIES CROSSCOMPILING_EMULATOR ${WHIRL_GTEST_VERDICT})
  gtest_discover_tests(${name} TEST_PREFIX "native." PROPERTIES SKIP_RETURN_CODE 77)
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
  set_tests_properties(${added} PROPERTIES TIMEOUT ${T_TIMEOUT} SKIP_RETURN_CODE 77
    ENVIRONMENT "WHIRL_TEST_TIMEOUT=${T_TIMEOUT}")
endfunction()

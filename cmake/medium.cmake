# The installation medium: the programs Setup copies, with the licence and readme, in
# <build>/medium; `cpack -G ZIP` in the i686 tree zips it. The x86_64 tree builds the same
# folder for the Wine tests.
set(WHIRL_MEDIUM ${CMAKE_BINARY_DIR}/medium)
set(medium_programs "")
foreach(program Setup Uninstall Whirlmark)
  if(TARGET ${program})
    list(APPEND medium_programs $<TARGET_FILE:${program}>)
  endif()
endforeach()
file(GLOB medium_docs CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/docs/*.txt)
add_custom_target(medium ALL
  COMMAND ${CMAKE_COMMAND} -E make_directory ${WHIRL_MEDIUM}
  COMMAND ${CMAKE_COMMAND} -E copy_if_different ${medium_programs} ${medium_docs} ${WHIRL_MEDIUM}
  COMMENT "Installation medium in ${WHIRL_MEDIUM}")
foreach(program Setup Uninstall Whirlmark)
  if(TARGET ${program})
    add_dependencies(medium ${program})
  endif()
endforeach()

install(DIRECTORY ${WHIRL_MEDIUM}/ DESTINATION .)
set(CPACK_PACKAGE_NAME Whirlmark)
set(CPACK_PACKAGE_VENDOR Brindlecroft)
set(CPACK_PACKAGE_VERSION 1.0.0.1)
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
set(CPACK_GENERATOR ZIP)
include(CPack)

# The art the saver embeds: the logo model and its six textures, taken from one folder.
# A customer's logo replaces ours by pointing WHIRL_ART_DIR at a folder with the same
# seven files. Before the resources are compiled the build checks the model with
# model_inspect, built for the build machine, together with the bitmaps, and stops with
# its error line when the saver could not use them.
#
# The resource script names the files without a folder ("logo.3ds", "sky.bmp"...);
# the resource compiler finds them in WHIRL_ART_DIR, which comes first on its path.

set(WHIRL_ART_DIR "${PROJECT_SOURCE_DIR}/saver/res" CACHE PATH
    "Folder with logo.3ds and the six texture bitmaps that the saver embeds")
set(WHIRL_ART_FILES logo.3ds sky.bmp grass2.bmp fractex1.bmp fractex2.bmp fractex3.bmp fractex5.bmp)

# whirl_embed_art(<target>): the target's resource scripts take the art from
# WHIRL_ART_DIR, are recompiled when it changes, and wait for the model check.
function(whirl_embed_art target)
  get_filename_component(art_dir "${WHIRL_ART_DIR}" ABSOLUTE)
  set(art_paths "")
  foreach(file ${WHIRL_ART_FILES})
    if(NOT EXISTS "${art_dir}/${file}")
      message(FATAL_ERROR "WHIRL_ART_DIR ${art_dir} has no ${file}; it needs: ${WHIRL_ART_FILES}")
    endif()
    list(APPEND art_paths "${art_dir}/${file}")
  endforeach()

  # model_inspect for the build machine, from the same portable sources.
  find_program(WHIRL_HOST_CXX NAMES c++ g++ clang++ REQUIRED)
  set(scene ${PROJECT_SOURCE_DIR}/saver/scene)
  set(inspect_sources ${PROJECT_SOURCE_DIR}/tools/model_inspect/model_inspect.cpp
      ${scene}/model_reader.cpp ${scene}/model.cpp)
  set(inspect ${CMAKE_BINARY_DIR}/host/model_inspect)
  add_custom_command(OUTPUT ${inspect}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/host
    COMMAND ${WHIRL_HOST_CXX} -std=c++17 -O2 -Wall -Wextra -Werror -I${scene} ${inspect_sources} -o ${inspect}
    DEPENDS ${inspect_sources} ${scene}/model.h ${scene}/model_reader.h
    COMMENT "Building model_inspect for the build machine" VERBATIM)

  set(stamp ${CMAKE_CURRENT_BINARY_DIR}/${target}_art_checked)
  add_custom_command(OUTPUT ${stamp}
    COMMAND ${inspect} --check ${art_paths}
    COMMAND ${CMAKE_COMMAND} -E touch ${stamp}
    DEPENDS ${inspect} ${art_paths}
    COMMENT "Checking the logo model and textures in ${art_dir}" VERBATIM)
  add_custom_target(${target}_art_check DEPENDS ${stamp})
  add_dependencies(${target} ${target}_art_check)

  target_include_directories(${target} BEFORE PRIVATE ${art_dir})
  get_target_property(sources ${target} SOURCES)
  foreach(source ${sources})
    if(source MATCHES "\\.rc$")
      set_property(SOURCE ${source} APPEND PROPERTY OBJECT_DEPENDS ${art_paths})
    endif()
  endforeach()
endfunction()

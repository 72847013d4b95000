# Regenerates the art into OUT_DIR with ARTGEN and compares every file with the
# committed one under REPO_DIR.
set(ASSETS
    saver/res/logo.3ds
    saver/res/sky.bmp
    saver/res/grass2.bmp
    saver/res/fractex1.bmp
    saver/res/fractex2.bmp
    saver/res/fractex3.bmp
    saver/res/fractex5.bmp
    wizard/res/sidebar.bmp
    wizard/res/whirlmark.ico
)
file(REMOVE_RECURSE "${OUT_DIR}")
execute_process(COMMAND "${ARTGEN}" "${OUT_DIR}" RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
    message(FATAL_ERROR "artgen failed with ${rc}")
endif()
set(differ "")
foreach(asset IN LISTS ASSETS)
    execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files "${OUT_DIR}/${asset}" "${REPO_DIR}/${asset}"
                    RESULT_VARIABLE same)
    if(NOT same EQUAL 0)
        list(APPEND differ ${asset})
    endif()
endforeach()
if(differ)
    message(FATAL_ERROR "regenerated art differs from the committed files: ${differ}\n"
                        "Run artgen with the repository root as OUTDIR and commit the result.")
endif()
list(LENGTH ASSETS count)
message(STATUS "all ${count} assets match the committed files")

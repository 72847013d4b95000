# Shared part of the mingw-w64 toolchain files. WHIRL_THREAD_MODEL picks the compilers:
#   win32  no winpthreads, so nothing newer than Windows 95/NT 4.0 is linked in by the
#          runtime (the i686 tree, which builds the shipped programs);
#   posix  std::mutex and std::thread, which GoogleTest needs (the x86_64 test tree).
if(NOT WHIRL_THREAD_MODEL)
  set(WHIRL_THREAD_MODEL posix)
endif()
set(CMAKE_C_COMPILER ${WHIRL_MINGW}-gcc-${WHIRL_THREAD_MODEL})
set(CMAKE_CXX_COMPILER ${WHIRL_MINGW}-g++-${WHIRL_THREAD_MODEL})
set(CMAKE_RC_COMPILER ${WHIRL_MINGW}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${WHIRL_MINGW})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
# A dynamically linked program exits silently under Wine when the runtime DLLs are missing.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static-libgcc -static-libstdc++")

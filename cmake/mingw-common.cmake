# Shared part of the mingw-w64 toolchain files. The -posix compilers are used because
# GoogleTest needs std::mutex, which the win32 thread model lacks.
set(CMAKE_C_COMPILER ${WHIRL_MINGW}-gcc-posix)
set(CMAKE_CXX_COMPILER ${WHIRL_MINGW}-g++-posix)
set(CMAKE_RC_COMPILER ${WHIRL_MINGW}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${WHIRL_MINGW})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
# A dynamically linked program exits silently under Wine when the runtime DLLs are missing.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static-libgcc -static-libstdc++")

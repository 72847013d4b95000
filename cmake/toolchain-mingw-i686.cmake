# Cross toolchain for the i686 Windows build: the shipped product. The win32 thread
# model keeps winpthreads (and the newer kernel32 functions it imports) out of it.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)
set(WHIRL_MINGW i686-w64-mingw32)
set(WHIRL_THREAD_MODEL win32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)

// A GoogleTest case that ends its process in the middle with exit code 0, as a stray
// ExitProcess(0) would. It is never part of the suite: verdict_selftest.sh runs it to
// show that such a case fails.
#include <gtest/gtest.h>

#include <cstdio>
#ifdef _WIN32
#include <windows.h>
#else
#include <cstdlib>
#endif

TEST(EarlyExit, EndsBeforeItsVerdict) {
    std::printf("early exit: ending the process with exit code 0\n");
    std::fflush(stdout);
#ifdef _WIN32
    ExitProcess(0);
#else
    std::_Exit(0);
#endif
}

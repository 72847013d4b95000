// A program that crashes on purpose, so the harness can show that a crash ends at once.
#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    volatile int* nowhere = nullptr;
    *nowhere = 1;
    return 0;
}

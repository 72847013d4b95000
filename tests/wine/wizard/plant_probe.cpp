// The planting test's control: loads the DLL named on its command line by name, with
// the default search, as any program that does not restrict it would. Exit code 0 when
// it loaded.
#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int) {
    return LoadLibraryA(commandLine) ? 0 : 1;
}

// The program entry of a wizard: hands over to the application object. Compiled into
// each wizard program (a WinMain inside a static library would not be linked).
#include "app.h"
#include "dll_search.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    // Before anything loads a DLL: none may come from the folder the wizard runs from.
    RestrictDllSearch();
    CWinApp* app = AfxGetApp();
    return app ? app->WinMainBody(instance) : 0;
}

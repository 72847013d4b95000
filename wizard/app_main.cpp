// The program entry of a wizard: hands over to the application object. Compiled into
// each wizard program (a WinMain inside a static library would not be linked).
#include "app.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    CWinApp* app = AfxGetApp();
    return app ? app->WinMainBody(instance) : 0;
}

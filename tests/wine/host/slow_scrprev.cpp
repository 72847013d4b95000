// Test helper: a preview host like Scrprev that is busy for three seconds before it
// opens its window and starts reading its messages.
#include <windows.h>

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    Sleep(3000);
    WNDCLASSA wc{};
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = instance;
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    wc.lpszClassName = "Scrprev";
    RegisterClassA(&wc);
    HWND host = CreateWindowExA(0, "Scrprev", "Slow preview host", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                0, 0, 200, 160, nullptr, nullptr, instance, nullptr);
    CreateWindowExA(0, "Static", "", WS_CHILD | WS_VISIBLE, 10, 10, 152, 112, host, nullptr,
                    instance, nullptr);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) DispatchMessageA(&msg);
    return 0;
}

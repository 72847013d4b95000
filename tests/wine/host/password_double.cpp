// A stand-in for the system's PASSWORD.CPL: counts its calls and answers as the test
// says, both through HKCU\Software\Brindlecroft\PasswordDouble ("Calls", "Answer",
// and "OwnerIsSaver", set when the prompt's owner is the saver window).
#include <windows.h>

extern "C" __declspec(dllexport) BOOL WINAPI VerifyScreenSavePwd(HWND window) {
    HKEY key;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\Brindlecroft\\PasswordDouble", 0, nullptr, 0,
                        KEY_ALL_ACCESS, nullptr, &key, nullptr) != ERROR_SUCCESS)
        return TRUE;
    DWORD calls = 0, answer = 0, size = sizeof calls;
    RegQueryValueExA(key, "Calls", nullptr, nullptr, reinterpret_cast<BYTE*>(&calls), &size);
    size = sizeof answer;
    RegQueryValueExA(key, "Answer", nullptr, nullptr, reinterpret_cast<BYTE*>(&answer), &size);
    ++calls;
    char className[32] = "";
    GetClassNameA(window, className, sizeof className);
    DWORD ownerIsSaver = lstrcmpA(className, "ScrClass") == 0;
    RegSetValueExA(key, "Calls", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&calls), sizeof calls);
    RegSetValueExA(key, "OwnerIsSaver", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&ownerIsSaver),
                   sizeof ownerIsSaver);
    RegCloseKey(key);
    return answer != 0;
}

// Test stand-in for Simple MAPI's MAPI32.DLL. MAPISendMail writes what it was asked to
// send to the file named by WHIRL_FAKE_MAPI_LOG, as
//   <recipient count>|<class>|<name>|<address>|<flags>|<has ui window>
// and returns the number in WHIRL_FAKE_MAPI_RESULT (0, success, when unset).
#include <windows.h>
#include <mapi.h>

#include <cstdio>
#include <cstdlib>

extern "C" __declspec(dllexport) ULONG WINAPI MAPISendMail(LHANDLE, ULONG_PTR uiParam,
                                                          lpMapiMessage message, FLAGS flags,
                                                          ULONG) {
    char path[MAX_PATH];
    if (GetEnvironmentVariableA("WHIRL_FAKE_MAPI_LOG", path, MAX_PATH) > 0) {
        if (FILE* f = std::fopen(path, "w")) {
            const MapiRecipDesc* r = message && message->nRecipCount ? message->lpRecips : nullptr;
            std::fprintf(f, "%lu|%lu|%s|%s|%lu|%d", message ? message->nRecipCount : 0UL,
                         r ? r->ulRecipClass : 0UL, r && r->lpszName ? r->lpszName : "",
                         r && r->lpszAddress ? r->lpszAddress : "", static_cast<unsigned long>(flags),
                         uiParam != 0);
            std::fclose(f);
        }
    }
    char result[16];
    if (GetEnvironmentVariableA("WHIRL_FAKE_MAPI_RESULT", result, sizeof result) > 0)
        return static_cast<ULONG>(std::atoi(result));
    return SUCCESS_SUCCESS;
}

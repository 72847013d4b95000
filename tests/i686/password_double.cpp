// PASSWORD.CPL test double for the Windows 95 family password check of the saver.
// VerifyScreenSavePwd appends one line per call to the file named by WHIRL_PWD_LOG
// ("window=<handle> class=<window class> answer=<0|1>") and answers with the n-th
// character of WHIRL_PWD_ANSWERS ('1' accepts; accepts when the list is used up).
// It is a standard-call export taking one window handle, like the system's own, so a
// caller that declares it otherwise corrupts its stack in the 32-bit build.
#include <windows.h>

#include <cstdio>
#include <cstring>

extern "C" BOOL WINAPI VerifyScreenSavePwd(HWND window) {
    char log[MAX_PATH] = "", answers[64] = "";
    GetEnvironmentVariableA("WHIRL_PWD_LOG", log, sizeof log);
    GetEnvironmentVariableA("WHIRL_PWD_ANSWERS", answers, sizeof answers);
    int calls = 0;
    if (FILE* in = std::fopen(log, "r")) {
        for (int c; (c = std::fgetc(in)) != EOF;)
            if (c == '\n') ++calls;
        std::fclose(in);
    }
    BOOL answer = calls < static_cast<int>(std::strlen(answers)) ? answers[calls] == '1' : TRUE;
    char cls[64] = "";
    if (!IsWindow(window) || !GetClassNameA(window, cls, sizeof cls)) std::strcpy(cls, "(none)");
    if (FILE* out = std::fopen(log, "a")) {
        std::fprintf(out, "window=%lu class=%s answer=%d\n",
                     static_cast<unsigned long>(reinterpret_cast<UINT_PTR>(window)), cls, answer);
        std::fclose(out);
    }
    return answer;
}

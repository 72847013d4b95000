// CWinApp: the one application object of a wizard program, with its message loop, and
// the framework's program-wide helpers.
#pragma once

#include <windows.h>

#include "ansi_string.h"
#include "message_map.h"
#include "window.h"

// The framework's Help command.
#define ID_HELP 0xE146

class CWinApp : public CCmdTarget {
public:
    // Registers this object as the program's application. A null name makes the
    // application take its name from the program's module name ("Setup").
    explicit CWinApp(const char* appName = nullptr);
    ~CWinApp() override;
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    // Runs once after start-up; FALSE ends the program at once.
    virtual BOOL InitInstance();
    // The message loop: runs while the main window exists, then ExitInstance.
    virtual int Run();
    // Runs last; the result is the process exit code.
    virtual int ExitInstance();
    virtual BOOL PreTranslateMessage(MSG* msg);

    // Names the registry key of the application's profile; nothing is written.
    void SetRegistryKey(const char* company);
    void OnHelp();

    CWnd* m_pMainWnd = nullptr;
    HINSTANCE m_hInstance = nullptr;
    const char* m_pszAppName = nullptr;
    const char* m_pszRegistryKey = nullptr;

    // The framework's start-up: names the application, initialises the common controls,
    // runs InitInstance and the loop. Returns the process exit code.
    int WinMainBody(HINSTANCE instance);

    DECLARE_MESSAGE_MAP()

private:
    CString m_strAppName;
    CString m_strRegistryKey;
    int m_nExitCode = 0;
};

CWinApp* AfxGetApp();
const char* AfxGetAppName();
HINSTANCE AfxGetInstanceHandle();
HINSTANCE AfxGetResourceHandle();

// The folder that holds the running program, ending with "\".
CString AfxGetModuleFolder();

// A modal message box over the application's main window, captioned with the
// application's name. A box without an icon gets the exclamation icon when it has OK
// or OK and Cancel buttons, and the question icon when it has Yes and No buttons.
int AfxMessageBox(const char* text, UINT type = MB_OK, UINT helpId = 0);

// The saver under Wine as Windows starts it: full-screen window, close rules, password
// components on both Windows families, preview as a child window, the other switches
// and what lands in the registry.
#include "settings.h"
#include "wine_test.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {
const char kSystemKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Screen Savers";
const char kDoubleKey[] = "Software\\Brindlecroft\\PasswordDouble";

std::string SaverCommand(const std::string& arguments) {
    return "\"" + wt::BinDir() + "Whirlmark.scr\" " + arguments;
}

void SetValue(const char* key, const char* name, DWORD type, const void* data, DWORD size) {
    HKEY handle;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, key, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                              &handle, nullptr), ERROR_SUCCESS);
    EXPECT_EQ(RegSetValueExA(handle, name, 0, type, static_cast<const BYTE*>(data), size), ERROR_SUCCESS);
    RegCloseKey(handle);
}

void SetDword(const char* key, const char* name, DWORD value) {
    SetValue(key, name, REG_DWORD, &value, sizeof value);
}

bool KeyExists(const char* key) {
    HKEY handle;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, key, 0, KEY_READ, &handle) != ERROR_SUCCESS) return false;
    RegCloseKey(handle);
    return true;
}

DWORD DoubleValue(const char* name) {
    DWORD value = 0;
    return wt::ReadDword(HKEY_CURRENT_USER, kDoubleKey, name, value) ? value : 0;
}

// Reports the Windows 95 family ("win98") or the NT family ("winxp") to programs
// started from now on.
void ReportWindowsVersion(const char* version) {
    SetValue("Software\\Wine", "Version", REG_SZ, version, lstrlenA(version) + 1);
}

// Puts the PASSWORD.CPL test double into the system directory, answering `answer`.
void InstallPasswordDouble(DWORD answer) {
    char system[MAX_PATH];
    ASSERT_GT(GetSystemDirectoryA(system, MAX_PATH), 0u);
    std::string target = std::string(system) + "\\PASSWORD.CPL";
    ASSERT_TRUE(CopyFileA((wt::BinDir() + "password_double.dll").c_str(), target.c_str(), FALSE));
    SetDword(kDoubleKey, "Answer", answer);
}

// Waits up to ms for the process to end, pumping this thread's messages meanwhile.
DWORD WaitForExit(wt::Process& process, DWORD ms) {
    DWORD start = GetTickCount();
    for (;;) {
        DWORD code = process.Wait(0);
        if (code != STILL_ACTIVE || GetTickCount() - start >= ms) return code;
        wt::PumpFor(20);
    }
}

void SendKeys(std::initializer_list<WORD> down) {
    INPUT inputs[8]{};
    UINT n = 0;
    for (WORD key : down) {
        inputs[n].type = INPUT_KEYBOARD;
        inputs[n++].ki.wVk = key;
    }
    for (auto it = down.end(); it != down.begin();) {
        --it;
        inputs[n].type = INPUT_KEYBOARD;
        inputs[n].ki.wVk = *it;
        inputs[n++].ki.dwFlags = KEYEVENTF_KEYUP;
    }
    ASSERT_EQ(SendInput(n, inputs, sizeof(INPUT)), n);
}

// Where the pointer starts. Moving it before the saver runs is not reliable under Wine:
// a program without a window of its own moves only Wine's idea of the pointer, and the
// saver's window may then see the X pointer where it was and take that as travel. So
// the tests start wherever the pointer is and move it relative to that.
POINT StartPosition() {
    POINT start{};
    GetCursorPos(&start);
    return start;
}

void MovePointer(POINT start, int dx, int dy) { ASSERT_TRUE(SetCursorPos(start.x + dx, start.y + dy)); }

// A full-screen saver started with /s whose window is up, drawing and in front.
struct FullScreenSaver {
    wt::Process process;
    HWND window = nullptr;

    FullScreenSaver() {
        process = wt::Launch(SaverCommand("/s"));
        if (!process.Valid()) return;
        window = wt::WaitForWindow("ScrClass", nullptr, process.Id(), 20000);
        DWORD_PTR ignored;
        if (!window || !SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_NORMAL, 30000, &ignored)) {
            window = nullptr;
            return;
        }
        for (DWORD start = GetTickCount(); GetForegroundWindow() != window && GetTickCount() - start < 5000;)
            wt::PumpFor(20);
    }

    // True when the saver is still running after `ms` milliseconds.
    bool StillRunningAfter(DWORD ms) { return WaitForExit(process, ms) == STILL_ACTIVE && IsWindow(window); }
};

#define ASSERT_SAVER_UP(saver)                                        \
    ASSERT_TRUE((saver).process.Valid()) << "could not start the saver"; \
    ASSERT_NE((saver).window, nullptr) << "no responsive ScrClass window"

// Checks the eight settings in the registry against `expected`, in table order.
void ExpectSettings(const DWORD (&expected)[8]) {
    const char* names[] = {"Background", "Logo Size", "Interactive", "X Speed",
                           "Y Speed", "Z Speed", "Back Texture", "Icon Texture"};
    for (int i = 0; i < 8; ++i) {
        DWORD value = 0xDEADBEEF;
        EXPECT_TRUE(wt::ReadDword(HKEY_CURRENT_USER, kSettingsKey, names[i], value)) << names[i];
        EXPECT_EQ(value, expected[i]) << names[i];
    }
}
constexpr DWORD kDefaults[8] = {1, 0, 0, 10, 10, 10, 0, 1};
}  // namespace

TEST(FullScreen, TopmostPopupCoversTheScreenAndAKeyClosesAndSavesTheDefaults) {
    ASSERT_FALSE(KeyExists(kSettingsKey));
    FullScreenSaver saver;
    ASSERT_SAVER_UP(saver);
    EXPECT_EQ(GetWindowLongPtrA(saver.window, GWL_STYLE) & (WS_POPUP | WS_CHILD), WS_POPUP);
    EXPECT_TRUE(GetWindowLongPtrA(saver.window, GWL_EXSTYLE) & WS_EX_TOPMOST);
    RECT rect{};
    GetWindowRect(saver.window, &rect);
    EXPECT_EQ(rect.left, 0);
    EXPECT_EQ(rect.top, 0);
    EXPECT_EQ(rect.right, GetSystemMetrics(SM_CXSCREEN));
    EXPECT_EQ(rect.bottom, GetSystemMetrics(SM_CYSCREEN));
    char title[32] = "";
    GetWindowTextA(saver.window, title, sizeof title);
    EXPECT_STREQ(title, "SaverWindow");
    EXPECT_EQ(GetForegroundWindow(), saver.window);

    SendKeys({VK_SPACE});
    EXPECT_EQ(WaitForExit(saver.process, 10000), 0u);
    ExpectSettings(kDefaults);
}

TEST(FullScreen, PointerTravelOfExactlyTheThresholdStaysOneMorePixelCloses) {
    SetDword(kSystemKey, "Mouse Threshold", 20);
    const POINT start = StartPosition();
    FullScreenSaver saver;
    ASSERT_SAVER_UP(saver);
    MovePointer(start, 20, -20);
    EXPECT_TRUE(saver.StillRunningAfter(1500)) << "closed at exactly the threshold";
    MovePointer(start, -20, 20);
    EXPECT_TRUE(saver.StillRunningAfter(1000)) << "closed at exactly the threshold";
    MovePointer(start, 0, 21);
    EXPECT_EQ(WaitForExit(saver.process, 10000), 0u) << "one pixel past the threshold did not close";
}

void Click() {
    INPUT inputs[2]{};
    inputs[0].type = inputs[1].type = INPUT_MOUSE;
    inputs[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    inputs[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    ASSERT_EQ(SendInput(2, inputs, sizeof(INPUT)), 2u);
}

TEST(FullScreen, AltF4AForeignCloseAndAClickAreSwallowed) {
    FullScreenSaver saver;
    ASSERT_SAVER_UP(saver);
    Click();
    SendKeys({VK_MENU, VK_F4});
    PostMessageA(saver.window, WM_CLOSE, 0, 0);
    PostMessageA(saver.window, WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_TRUE(saver.StillRunningAfter(2000));
    SendKeys({VK_SPACE});
    EXPECT_EQ(WaitForExit(saver.process, 10000), 0u);
}

TEST(FullScreen, LosingActivationCloses) {
    FullScreenSaver saver;
    ASSERT_SAVER_UP(saver);
    HWND other = CreateWindowExA(WS_EX_TOPMOST, "STATIC", "other", WS_POPUP | WS_VISIBLE, 10, 10,
                                 100, 100, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(other, nullptr);
    SetForegroundWindow(other);
    EXPECT_EQ(WaitForExit(saver.process, 10000), 0u);
    DestroyWindow(other);
}

TEST(Interactive, PointerAndKeysNeverCloseEscapeEndsWithoutAPassword) {
    ReportWindowsVersion("win98");
    InstallPasswordDouble(FALSE);
    SetDword(kSystemKey, "Password Delay", 0);
    SetDword(kSettingsKey, "Interactive", 1);
    const POINT start = StartPosition();
    FullScreenSaver saver;
    ASSERT_SAVER_UP(saver);
    MovePointer(start, 300, 200);
    SendKeys({VK_SPACE});
    SendKeys({VK_NUMPAD0});
    EXPECT_TRUE(saver.StillRunningAfter(1500));
    SendKeys({VK_ESCAPE});
    EXPECT_EQ(WaitForExit(saver.process, 10000), 0u);
    EXPECT_EQ(DoubleValue("Calls"), 0u);
    DWORD interactive = 0;
    EXPECT_TRUE(wt::ReadDword(HKEY_CURRENT_USER, kSettingsKey, "Interactive", interactive));
    EXPECT_EQ(interactive, 1u);
}

TEST(Password95, WithinTheDelayNoPromptIsAsked) {
    ReportWindowsVersion("win98");
    InstallPasswordDouble(FALSE);
    FullScreenSaver saver;
    ASSERT_SAVER_UP(saver);
    SendKeys({VK_SPACE});
    EXPECT_EQ(WaitForExit(saver.process, 10000), 0u);
    EXPECT_EQ(DoubleValue("Calls"), 0u);
}

TEST(Password95, AfterTheDelayARefusalKeepsTheSaverWithThePointerReanchored) {
    ReportWindowsVersion("win98");
    InstallPasswordDouble(FALSE);
    SetDword(kSystemKey, "Password Delay", 0);
    SetDword(kSystemKey, "Mouse Threshold", 10);
    const POINT start = StartPosition();
    FullScreenSaver saver;
    ASSERT_SAVER_UP(saver);

    MovePointer(start, 11, 0);
    for (DWORD start = GetTickCount(); DoubleValue("Calls") == 0 && GetTickCount() - start < 10000;)
        wt::PumpFor(20);
    EXPECT_EQ(DoubleValue("Calls"), 1u);
    EXPECT_EQ(DoubleValue("OwnerIsSaver"), 1u);
    EXPECT_TRUE(saver.StillRunningAfter(1000)) << "a refused password closed the saver";

    // 12 pixels from where the saver started but 1 from where the prompt left it.
    MovePointer(start, 12, 0);
    EXPECT_TRUE(saver.StillRunningAfter(1500));
    EXPECT_EQ(DoubleValue("Calls"), 1u) << "pointer travel still measured from the old anchor";

    SetDword(kDoubleKey, "Answer", TRUE);
    SendKeys({VK_SPACE});
    EXPECT_EQ(WaitForExit(saver.process, 10000), 0u);
    EXPECT_EQ(DoubleValue("Calls"), 2u);
}

TEST(Password95, WithoutThePromptComponentClosingIsAllowed) {
    ReportWindowsVersion("win98");
    SetDword(kSystemKey, "Password Delay", 0);
    FullScreenSaver saver;
    ASSERT_SAVER_UP(saver);
    Sleep(50);
    SendKeys({VK_SPACE});
    EXPECT_EQ(WaitForExit(saver.process, 10000), 0u);
}

TEST(PasswordNt, NothingIsLoaded) {
    ReportWindowsVersion("winxp");
    InstallPasswordDouble(FALSE);
    SetDword(kSystemKey, "Password Delay", 0);
    FullScreenSaver saver;
    ASSERT_SAVER_UP(saver);
    Sleep(50);
    SendKeys({VK_SPACE});
    EXPECT_EQ(WaitForExit(saver.process, 10000), 0u);
    EXPECT_EQ(DoubleValue("Calls"), 0u);
}

TEST(Preview, DrawsAsAChildOfTheHostAndEndsWhenTheHostDestroysIt) {
    HWND host = CreateWindowExA(0, "STATIC", "preview host", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 50, 50,
                                320, 240, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(host, nullptr);
    wt::Process saver = wt::Launch(SaverCommand("/p " + std::to_string(reinterpret_cast<UINT_PTR>(host))));
    ASSERT_TRUE(saver.Valid());
    HWND child = nullptr;
    for (DWORD start = GetTickCount(); !child && GetTickCount() - start < 20000;) {
        wt::PumpFor(20);
        child = FindWindowExA(host, nullptr, "ScrClass", nullptr);
    }
    ASSERT_NE(child, nullptr) << "no preview child";
    char title[32] = "";
    GetWindowTextA(child, title, sizeof title);
    EXPECT_STREQ(title, "SaverPreview");
    EXPECT_TRUE(GetWindowLongPtrA(child, GWL_STYLE) & WS_CHILD);
    RECT hostRect{}, childRect{};
    GetWindowRect(host, &hostRect);
    GetWindowRect(child, &childRect);
    EXPECT_EQ(childRect.right - childRect.left, hostRect.right - hostRect.left);
    EXPECT_EQ(childRect.bottom - childRect.top, hostRect.bottom - hostRect.top);
    // Keys, pointer travel and close requests do nothing to a preview.
    SetCursorPos(0, 0);
    PostMessageA(child, WM_KEYDOWN, VK_SPACE, 0);
    EXPECT_EQ(WaitForExit(saver, 1500), static_cast<DWORD>(STILL_ACTIVE));

    DestroyWindow(host);
    EXPECT_EQ(WaitForExit(saver, 10000), 0u);
    ExpectSettings(kDefaults);
}

TEST(OtherSwitches, EndAtOnceWithoutAWindow) {
    for (const char* arguments : {"/x", "/p notanumber", "/p 0", "/a 0"}) {
        SCOPED_TRACE(arguments);
        wt::Process saver = wt::Launch(SaverCommand(arguments));
        ASSERT_TRUE(saver.Valid());
        EXPECT_EQ(WaitForExit(saver, 15000), 0u);
        EXPECT_EQ(FindWindowA("ScrClass", nullptr), nullptr);
    }
    EXPECT_FALSE(KeyExists(kSettingsKey)) << "settings written without a saver window";
}

TEST(Settings, UnreadableValuesGetDefaultsAndOneWriteCompletesTheKey) {
    const BYTE eightBytes[8] = {33, 0, 0, 0, 0, 0, 0, 0};
    SetValue(kSettingsKey, "X Speed", REG_BINARY, eightBytes, sizeof eightBytes);
    SetDword(kSettingsKey, "Y Speed", 33);
    SetDword(kSettingsKey, "Logo Size", 2);
    // Four bytes, but not REG_DWORD: a string "100" is not the number 0x00303031.
    SetValue(kSettingsKey, "Z Speed", REG_SZ, "100", 4);
    const BYTE three[4] = {3, 0, 0, 0};
    SetValue(kSettingsKey, "Back Texture", REG_BINARY, three, sizeof three);
    SetValue(kSettingsKey, "DataRoot", REG_SZ, "C:\\Whirlmark\\", 14);
    FullScreenSaver saver;
    ASSERT_SAVER_UP(saver);
    SendKeys({VK_SPACE});
    EXPECT_EQ(WaitForExit(saver.process, 10000), 0u);
    ExpectSettings({1, 2, 0, 10, 33, 10, 0, 1});
    std::string dataRoot;
    EXPECT_TRUE(wt::ReadString(HKEY_CURRENT_USER, kSettingsKey, "DataRoot", dataRoot));
    EXPECT_EQ(dataRoot, "C:\\Whirlmark\\");
}

namespace {
// Processor time the process has used, in milliseconds.
double ProcessorMs(HANDLE process) {
    FILETIME created, ended, kernel, user;
    if (!GetProcessTimes(process, &created, &ended, &kernel, &user)) return -1.0;
    auto ms = [](const FILETIME& t) {
        return static_cast<double>((static_cast<ULONGLONG>(t.dwHighDateTime) << 32) | t.dwLowDateTime) / 1e4;
    };
    return ms(kernel) + ms(user);
}

// Whether the middle of the screen, where the logo spins, changes within `ms`.
bool Spinning(DWORD ms) {
    const RECT middle{GetSystemMetrics(SM_CXSCREEN) / 2 - 100, GetSystemMetrics(SM_CYSCREEN) / 2 - 100,
                      GetSystemMetrics(SM_CXSCREEN) / 2 + 100, GetSystemMetrics(SM_CYSCREEN) / 2 + 100};
    const std::vector<DWORD> a = wt::ScreenPixels(middle);
    wt::PumpFor(ms);
    const std::vector<DWORD> b = wt::ScreenPixels(middle);
    return !a.empty() && a != b;
}

// Waits up to 60 s for the saver's first frames: the logo turning in the middle.
bool StartsSpinning() {
    for (DWORD start = GetTickCount(); GetTickCount() - start < 60000;)
        if (Spinning(500)) return true;
    return false;
}
}  // namespace

TEST(Asleep, DisplayOffStopsTheFramesAndAKeyStillCloses) {
    FullScreenSaver saver;
    ASSERT_SAVER_UP(saver);
    ASSERT_TRUE(StartsSpinning());
    PostMessageA(saver.window, WM_SYSCOMMAND, SC_MONITORPOWER, 2);
    wt::PumpFor(500);
    const double before = ProcessorMs(saver.process.Handle());
    EXPECT_FALSE(Spinning(2000)) << "frames drawn with the display off";
    const double used = ProcessorMs(saver.process.Handle()) - before;
    std::printf("display off: %.0f ms of processor time in 2 s\n", used);
    EXPECT_LT(used, 200.0);
    SendKeys({VK_SPACE});
    EXPECT_EQ(WaitForExit(saver.process, 10000), 0u);
}

TEST(Asleep, DisplayBackOnDrawsAgain) {
    FullScreenSaver saver;
    ASSERT_SAVER_UP(saver);
    ASSERT_TRUE(StartsSpinning());
    PostMessageA(saver.window, WM_SYSCOMMAND, SC_MONITORPOWER, 1);  // low power
    wt::PumpFor(500);
    EXPECT_FALSE(Spinning(1000));
    PostMessageA(saver.window, WM_SYSCOMMAND, SC_MONITORPOWER, static_cast<LPARAM>(-1));
    EXPECT_TRUE(Spinning(1500)) << "no frames after the display came back";
    SendKeys({VK_SPACE});
    EXPECT_EQ(WaitForExit(saver.process, 10000), 0u);
}

TEST(Preview, EndsWhenItsHostProcessIsKilled) {
    // A host in another process, killed without destroying its windows.
    wt::Process host = wt::Launch("\"" + wt::BinDir() + "Scrprev.exe\" \"" + wt::BinDir() + "Whirlmark.scr\"");
    ASSERT_TRUE(host.Valid());
    HWND child = nullptr;
    for (DWORD start = GetTickCount(); !child && GetTickCount() - start < 30000;) {
        wt::PumpFor(50);
        HWND top = wt::WaitForWindow("Scrprev", nullptr, host.Id(), 0);
        HWND area = top ? GetWindow(top, GW_CHILD) : nullptr;
        child = area ? FindWindowExA(area, nullptr, "ScrClass", nullptr) : nullptr;
    }
    ASSERT_NE(child, nullptr) << "no preview child";
    DWORD saverPid = 0;
    GetWindowThreadProcessId(child, &saverPid);
    ASSERT_NE(saverPid, host.Id()) << "the preview runs in the host's process";
    HANDLE saver = OpenProcess(SYNCHRONIZE | PROCESS_QUERY_INFORMATION, FALSE, saverPid);
    ASSERT_NE(saver, nullptr);
    host.Kill();
    const DWORD ended = WaitForSingleObject(saver, 15000);
    DWORD code = STILL_ACTIVE;
    GetExitCodeProcess(saver, &code);
    if (ended != WAIT_OBJECT_0) TerminateProcess(saver, 1);
    CloseHandle(saver);
    EXPECT_EQ(ended, WAIT_OBJECT_0) << "the preview outlived its host";
    EXPECT_EQ(code, 0u);
}

// The hyperlink control as a user meets it: its font, its colours under and away from
// the pointer and after a click, and what a click opens (the shell, or a new mail).
#include <windows.h>
#include <mapi.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "hyperlink.h"
#include "test_util.h"
#include "wine_test.h"

namespace {

const COLORREF kBlue = RGB(0, 0, 238);
const COLORREF kPurple = RGB(85, 26, 139);
const COLORREF kRed = RGB(255, 0, 0);

RECT ScreenRect(HWND window) {
    RECT r;
    GetWindowRect(window, &r);
    return r;
}

// A link_probe process showing one link.
struct Probe {
    wt::Process process;
    HWND window = nullptr;
    HWND link = nullptr;

    Probe(const std::string& address, const std::string& caption) {
        process = wt::Launch("\"" + wt::BinDir() + "link_probe.exe\" \"" + address + "\" \"" +
                             caption + "\"");
        if (!process.Valid()) return;
        window = wt::WaitForWindow("LinkProbe", nullptr, process.Id(), 40000);
        if (!window) return;
        dt::WaitUntil([&] {
            link = FindWindowExA(window, nullptr, "HyperLinkWnd", nullptr);
            return link && IsWindowVisible(link);
        }, 20000);
        wt::PumpFor(300);  // let it paint
    }
    ~Probe() {
        if (window && IsWindow(window)) PostMessageA(window, WM_CLOSE, 0, 0);
        process.Wait(5000);
    }
};

// Sets an environment variable for the processes this test starts.
void SetEnv(const char* name, const std::string& value) { SetEnvironmentVariableA(name, value.c_str()); }

// Makes "whirltest:" addresses open with link_probe's recorder, which writes the address
// it was given to `file`.
void RegisterRecorder(const std::string& file) {
    HKEY key;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CLASSES_ROOT, "whirltest", 0, nullptr, 0,
                              KEY_ALL_ACCESS, nullptr, &key, nullptr), ERROR_SUCCESS);
    RegSetValueExA(key, "URL Protocol", 0, REG_SZ, reinterpret_cast<const BYTE*>(""), 1);
    RegCloseKey(key);
    const std::string command =
        "\"" + wt::BinDir() + "link_probe.exe\" --record \"" + file + "\" \"%1\"";
    ASSERT_EQ(RegCreateKeyExA(HKEY_CLASSES_ROOT, "whirltest\\shell\\open\\command",
                              0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr), ERROR_SUCCESS);
    RegSetValueExA(key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(command.c_str()),
                   static_cast<DWORD>(command.size() + 1));
    RegCloseKey(key);
}

// Sets how Wine loads MAPI32.DLL into link_probe: "native" (the stand-in put in the
// system folder) or "" (not at all).
void SetMapiLoadOrder(const char* order) {
    HKEY key;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER,
                              "Software\\Wine\\AppDefaults\\link_probe.exe\\DllOverrides", 0,
                              nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr), ERROR_SUCCESS);
    RegSetValueExA(key, "mapi32", 0, REG_SZ, reinterpret_cast<const BYTE*>(order),
                   static_cast<DWORD>(lstrlenA(order) + 1));
    RegCloseKey(key);
}

// Puts the Simple MAPI stand-in in place of the system's MAPI32.DLL for the processes
// this test starts; `result` is what its MAPISendMail returns.
std::string UseFakeMapi(int result) {
    char system[MAX_PATH];
    GetSystemDirectoryA(system, MAX_PATH);
    EXPECT_TRUE(CopyFileA((wt::BinDir() + "fake_mapi32.dll").c_str(),
                          (std::string(system) + "\\MAPI32.DLL").c_str(), FALSE));
    const std::string log = dt::NewTempFolder() + "mail.txt";
    SetEnv("WHIRL_FAKE_MAPI_LOG", log);
    SetEnv("WHIRL_FAKE_MAPI_RESULT", std::to_string(result));
    SetMapiLoadOrder("native");
    return log;
}

// Clicks the link and expects a message box titled "Error" saying `text` from the probe.
void ExpectErrorBoxAfterClick(Probe& probe, const char* text) {
    POINT c = dt::Centre(probe.link);
    dt::ClickAt(c.x, c.y);
    HWND box = wt::WaitForWindow("#32770", "Error", probe.process.Id(), 30000);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(dt::MessageBoxText(box), text);
    dt::AnswerMessageBox(box);
}

TEST(HyperLinkFont, WeightOutsideRangeGives400WithoutStyleFlags) {
    HWND parent = CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE, 0, 0, 300, 80,
                                  nullptr, nullptr, nullptr, nullptr);
    HyperLinkStyle style{};
    style.address = "whirltest:font";
    style.fontFace = "Tahoma";
    style.pointSize = 9;
    style.weight = 1000;
    style.styleFlags = kLinkItalic | kLinkUnderline | kLinkStrikeOut;
    HyperLink heavy(parent, style);
    style.weight = 700;
    style.y = 30;
    HyperLink bold(parent, style);

    LOGFONTA font{};
    ASSERT_NE(heavy.Window(), nullptr);
    ASSERT_EQ(GetObjectA(heavy.Font(), sizeof font, &font), static_cast<int>(sizeof font));
    EXPECT_EQ(font.lfWeight, 400);
    EXPECT_FALSE(font.lfItalic || font.lfUnderline || font.lfStrikeOut);
    EXPECT_STREQ(font.lfFaceName, "Tahoma");

    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    ASSERT_EQ(GetObjectA(bold.Font(), sizeof font, &font), static_cast<int>(sizeof font));
    EXPECT_EQ(font.lfWeight, 700);
    EXPECT_TRUE(font.lfItalic && font.lfUnderline && font.lfStrikeOut);
    EXPECT_EQ(font.lfHeight, -(9 * dpi) / 72);

    // The window is as large as its caption (here the address) in that font.
    RECT client;
    GetClientRect(heavy.Window(), &client);
    EXPECT_GT(client.right, 40);
    EXPECT_GT(client.bottom, 8);
    DestroyWindow(parent);
}

TEST(HyperLinkFont, NoParentOrNoAddressMakesNoWindow) {
    HyperLinkStyle style{};
    style.address = "whirltest:x";
    HyperLink orphan(nullptr, style);
    EXPECT_EQ(orphan.Window(), nullptr);
    HWND parent = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                  nullptr, nullptr);
    style.address = nullptr;
    HyperLink empty(parent, style);
    EXPECT_EQ(empty.Window(), nullptr);
    DestroyWindow(parent);
}

// On Windows 95 the link takes its pointer from winhlp32.exe, which it loads and frees.
TEST(HyperLinkFont, Windows95LinkComesAndGoesCleanly) {
    HKEY key;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\Wine\\AppDefaults\\link_probe.exe", 0,
                              nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr), ERROR_SUCCESS);
    RegSetValueExA(key, "Version", 0, REG_SZ, reinterpret_cast<const BYTE*>("win95"), 6);
    RegCloseKey(key);
    Probe probe("whirltest:old", "Old system");
    ASSERT_NE(probe.link, nullptr);
    char title[32] = "";
    GetWindowTextA(probe.window, title, sizeof title);
    EXPECT_STREQ(title, "Link probe 2");  // the Windows 95 class
    EXPECT_TRUE(dt::WaitUntil([&] { return dt::CountColour(ScreenRect(probe.link), kBlue) > 20; }, 3000));
    PostMessageA(probe.window, WM_CLOSE, 0, 0);
    EXPECT_EQ(probe.process.Wait(20000), 0u);
}

// Default colours: blue, red under the pointer, blue again soon after the pointer
// leaves, purple once clicked. The click opens the address with the shell.
TEST(HyperLinkColours, HoverLeaveAndVisited) {
    const std::string record = dt::NewTempFolder() + "opened.txt";
    RegisterRecorder(record);
    Probe probe("whirltest:visit", "Visit the test page");
    ASSERT_NE(probe.link, nullptr);
    const RECT r = ScreenRect(probe.link);
    const POINT c = dt::Centre(probe.link);

    dt::MovePointer(600, 500);
    ASSERT_TRUE(dt::WaitUntil([&] { return dt::CountColour(r, kBlue) > 20; }, 3000));
    EXPECT_EQ(dt::CountColour(r, kRed), 0);

    dt::MovePointer(c.x, c.y);
    EXPECT_TRUE(dt::WaitUntil([&] { return dt::CountColour(r, kRed) > 20; }, 2000));
    EXPECT_EQ(dt::CountColour(r, kBlue), 0);

    dt::MovePointer(600, 500);
    const DWORD left = GetTickCount();
    EXPECT_TRUE(dt::WaitUntil([&] { return dt::CountColour(r, kBlue) > 20; }, 2000));
    const DWORD back = GetTickCount() - left;
    std::printf("link colour restored %lu ms after the pointer left\n", static_cast<unsigned long>(back));
    EXPECT_LE(back, 400u);  // one 100 ms tick, with room for a loaded machine
    EXPECT_EQ(dt::CountColour(r, kRed), 0);

    dt::ClickAt(c.x, c.y);
    EXPECT_TRUE(dt::WaitUntil([&] { return dt::ReadFileText(record) == "whirltest:visit"; }, 10000))
        << "the shell was not asked to open the address";
    dt::MovePointer(600, 500);
    EXPECT_TRUE(dt::WaitUntil([&] { return dt::CountColour(r, kPurple) > 20; }, 2000));
    EXPECT_EQ(dt::CountColour(r, kBlue), 0);
    EXPECT_FALSE(dt::HasMessageBox(probe.process.Id(), "Error"));
}

TEST(HyperLinkClick, AddressTheShellCannotOpenSaysSo) {
    Probe probe("whirlnone:nowhere", "Nowhere");
    ASSERT_NE(probe.link, nullptr);
    ExpectErrorBoxAfterClick(probe, "Error Opening the Browser");
}

TEST(HyperLinkClick, CapitalMailtoStartsAMail) {
    const std::string log = UseFakeMapi(SUCCESS_SUCCESS);
    Probe probe("MAILTO:someone@example.test", "Someone");
    ASSERT_NE(probe.link, nullptr);
    POINT c = dt::Centre(probe.link);
    dt::ClickAt(c.x, c.y);
    ASSERT_TRUE(dt::WaitUntil([&] { return !dt::ReadFileText(log).empty(); }, 30000))
        << "MAPISendMail was not called";
    char expected[128];
    std::snprintf(expected, sizeof expected, "1|%d|Someone|MAILTO:someone@example.test|%d|1",
                  MAPI_TO, MAPI_LOGON_UI | MAPI_DIALOG);
    EXPECT_EQ(dt::ReadFileText(log), expected);
    wt::PumpFor(300);
    EXPECT_FALSE(dt::HasMessageBox(probe.process.Id(), "Error"));
}

TEST(HyperLinkClick, RefusedMailSaysMapiFailed) {
    const std::string log = UseFakeMapi(MAPI_E_USER_ABORT);
    Probe probe("mailto:someone@example.test", "Someone");
    ASSERT_NE(probe.link, nullptr);
    ExpectErrorBoxAfterClick(probe, "MAPI Failed");
    EXPECT_FALSE(dt::ReadFileText(log).empty());
}

TEST(HyperLinkClick, MissingMapiSaysMapiFailed) {
    SetMapiLoadOrder("");
    Probe probe("mailto:someone@example.test", "Someone");
    ASSERT_NE(probe.link, nullptr);
    ExpectErrorBoxAfterClick(probe, "MAPI Failed");
}

}  // namespace

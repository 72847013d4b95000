// Dialog 104 driven as a user drives it: what it shows with no saved settings and with an
// odd logo size, the speed sliders (stored on release, not while dragging), OK and
// Cancel, the product link; and the saver's own /c mode.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "config_dialog.h"
#include "hyperlink.h"
#include "saver_globals.h"
#include "test_util.h"
#include "wine_test.h"

namespace {

const char kCaption[] = "Brindlecroft Saver Config";

// Runs dialog 104 on this thread the way the saver's configure mode does, while `user`
// acts on it from another thread. The dialog is cancelled if `user` leaves it open.
INT_PTR RunDialog(const std::function<void(HWND)>& user) {
    SaverSettings settings;
    g_settings = &settings;
    g_instance = GetModuleHandleA(nullptr);
    settings.ReadSystemSaverValues();
    settings.ReadSettings();
    std::thread driver([&] {
        HWND dialog = wt::WaitForWindow("#32770", kCaption, GetCurrentProcessId(), 15000);
        if (!dialog) return;
        user(dialog);
        if (IsWindow(dialog) && IsWindowVisible(dialog)) PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    });
    RegisterConfigDialogClasses();
    INT_PTR result =
        DialogBoxParamA(g_instance, MAKEINTRESOURCEA(IDD_CONFIG), nullptr, ConfigDialogProc, 0);
    driver.join();
    g_settings = nullptr;
    return result;
}

bool Checked(HWND dialog, int id) { return IsDlgButtonChecked(dialog, id) == BST_CHECKED; }

std::string Text(HWND dialog, int id) {
    char text[256] = "";
    GetDlgItemTextA(dialog, id, text, sizeof text);
    return text;
}

std::vector<std::string> Items(HWND dialog, int id) {
    std::vector<std::string> items;
    const LRESULT count = SendDlgItemMessageA(dialog, id, CB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        char text[64] = "";
        SendDlgItemMessageA(dialog, id, CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text));
        items.push_back(text);
    }
    return items;
}

LRESULT Selection(HWND dialog, int id) { return SendDlgItemMessageA(dialog, id, CB_GETCURSEL, 0, 0); }
LRESULT SliderPos(HWND dialog, int id) { return SendDlgItemMessageA(dialog, id, TBM_GETPOS, 0, 0); }
void Click(HWND dialog, int id) { SendMessageA(GetDlgItem(dialog, id), BM_CLICK, 0, 0); }

bool Stored(const char* name, DWORD& value) {
    return wt::ReadDword(HKEY_CURRENT_USER, kSettingsKey, name, value);
}

DWORD StoredOr(const char* name, DWORD fallback) {
    DWORD value = fallback;
    Stored(name, value);
    return value;
}

void Store(const char* name, DWORD value) {
    HKEY key;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, kSettingsKey, 0, nullptr, 0, KEY_ALL_ACCESS,
                              nullptr, &key, nullptr), ERROR_SUCCESS);
    RegSetValueExA(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value);
    RegCloseKey(key);
}

// Presses the slider's thumb, drags it `dy` pixels, and returns the screen point where
// the button is still down.
POINT GrabAndDrag(HWND dialog, int id, int dy) {
    HWND slider = GetDlgItem(dialog, id);
    RECT thumb{};
    SendMessageA(slider, TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&thumb));
    POINT p{(thumb.left + thumb.right) / 2, (thumb.top + thumb.bottom) / 2};
    ClientToScreen(slider, &p);
    dt::MovePointer(p.x, p.y);
    Sleep(50);
    dt::PressLeft();
    for (int step = 1; step <= 4; ++step) {
        Sleep(40);
        dt::MovePointer(p.x, p.y + dy * step / 4);
    }
    p.y += dy;
    return p;
}

RECT ClientRectOf(HWND dialog, HWND control) {
    RECT r;
    GetWindowRect(control, &r);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

// The product link lies inside the dialog, below its note (centred on it) and clear of
// every other control.
void ExpectLinkUnderItsNote(HWND dialog, HWND link) {
    RECT client, linkRect = ClientRectOf(dialog, link), overlap;
    GetClientRect(dialog, &client);
    const RECT note = ClientRectOf(dialog, GetDlgItem(dialog, IDC_LINK_NOTE));
    EXPECT_TRUE(linkRect.left >= 0 && linkRect.top >= 0 && linkRect.right <= client.right &&
                linkRect.bottom <= client.bottom);
    EXPECT_GE(linkRect.top, note.bottom);
    EXPECT_LE(linkRect.top, note.bottom + (note.bottom - note.top));
    EXPECT_NEAR((linkRect.left + linkRect.right) / 2, (note.left + note.right) / 2, 1);
    for (HWND c = GetWindow(dialog, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
        const RECT r = ClientRectOf(dialog, c);
        if (c != link && IntersectRect(&overlap, &r, &linkRect))
            ADD_FAILURE() << "the link overlaps control " << GetDlgCtrlID(c);
    }
}

const char* kAllValues[] = {"Background", "Logo Size", "Interactive", "X Speed",
                            "Y Speed", "Z Speed", "Back Texture", "Icon Texture"};

TEST(ConfigDialog, ShowsTheDefaultsWithNoSavedSettings) {
    RunDialog([](HWND d) {
        EXPECT_TRUE(Checked(d, IDC_SHOW_BACKGROUND));
        EXPECT_TRUE(Checked(d, IDC_SIZE_SMALL));
        EXPECT_FALSE(Checked(d, IDC_SIZE_MEDIUM));
        EXPECT_FALSE(Checked(d, IDC_SIZE_LARGE));
        for (int id : {IDC_SPEED_X_VALUE, IDC_SPEED_Y_VALUE, IDC_SPEED_Z_VALUE}) EXPECT_EQ(Text(d, id), "10");
        for (int id : {IDC_SPEED_X, IDC_SPEED_Y, IDC_SPEED_Z}) {
            EXPECT_EQ(SliderPos(d, id), 90);
            EXPECT_EQ(SendDlgItemMessageA(d, id, TBM_GETRANGEMIN, 0, 0), 0);
            EXPECT_EQ(SendDlgItemMessageA(d, id, TBM_GETRANGEMAX, 0, 0), 100);
        }
        EXPECT_FALSE(Checked(d, IDC_INTERACTIVE));
        const std::vector<std::string> names{"sky", "GRASS2", "fractex1", "fractex2", "fractex3", "fractex5"};
        EXPECT_EQ(Items(d, IDC_BACK_TEXTURE), names);
        EXPECT_EQ(Items(d, IDC_ICON_TEXTURE), names);
        EXPECT_EQ(Selection(d, IDC_BACK_TEXTURE), 0);
        EXPECT_EQ(Selection(d, IDC_ICON_TEXTURE), 1);
        EXPECT_EQ(Text(d, IDC_SAMPLE_NOTE), "Sample copy - please distribute freely       ");
    });
    DWORD value;
    EXPECT_FALSE(Stored("Background", value)) << "Cancel stored something";
}

TEST(ConfigDialog, ControlsFollowTheTemplateInTabOrder) {
    struct Expected {
        int id;
        const char* cls;
        DWORD style;  // type bits compared exactly, other bits must be present
        DWORD typeMask;
        RECT dlu;     // x, y, cx, cy
        const char* text;
    };
    const DWORD btn = BS_TYPEMASK, stc = SS_TYPEMASK;
    const Expected expected[] = {
        {IDC_SHOW_BACKGROUND, "Button", BS_AUTOCHECKBOX | WS_TABSTOP, btn, {12, 10, 87, 10}, "Show &Background"},
        {IDC_SAMPLE_NOTE, "Static", SS_RIGHT | WS_GROUP, stc, {88, 11, 188, 11}, nullptr},
        {-1, "Button", BS_GROUPBOX, btn, {7, 24, 50, 66}, "Logo size"},
        {IDC_SIZE_SMALL, "Button", BS_AUTORADIOBUTTON, btn, {12, 41, 31, 10}, "&small"},
        {IDC_SIZE_MEDIUM, "Button", BS_AUTORADIOBUTTON, btn, {12, 52, 40, 10}, "&medium"},
        {IDC_SIZE_LARGE, "Button", BS_AUTORADIOBUTTON, btn, {12, 63, 31, 10}, "&large"},
        {-1, "Button", BS_GROUPBOX, btn, {68, 24, 61, 66}, "Spin speed"},
        {-1, "Static", SS_CENTER | WS_GROUP, stc, {76, 33, 8, 8}, "X"},
        {-1, "Static", SS_CENTER | WS_GROUP, stc, {94, 33, 8, 8}, "Y"},
        {-1, "Static", SS_CENTER | WS_GROUP, stc, {112, 33, 8, 8}, "Z"},
        {IDC_SPEED_X, TRACKBAR_CLASSA, TBS_VERT | TBS_BOTH | TBS_NOTICKS | WS_TABSTOP, 0, {73, 40, 18, 38}, nullptr},
        {IDC_SPEED_Y, TRACKBAR_CLASSA, TBS_VERT | TBS_BOTH | TBS_NOTICKS | WS_TABSTOP, 0, {91, 40, 18, 38}, nullptr},
        {IDC_SPEED_Z, TRACKBAR_CLASSA, TBS_VERT | TBS_BOTH | TBS_NOTICKS | WS_TABSTOP, 0, {109, 40, 18, 38}, nullptr},
        {IDC_SPEED_X_VALUE, "Static", SS_LEFTNOWORDWRAP | WS_GROUP, stc, {73, 77, 12, 9}, "10"},
        {IDC_SPEED_Y_VALUE, "Static", SS_LEFTNOWORDWRAP | WS_GROUP, stc, {91, 77, 12, 9}, "10"},
        {IDC_SPEED_Z_VALUE, "Static", SS_LEFTNOWORDWRAP | WS_GROUP, stc, {109, 77, 12, 9}, "10"},
        {-1, "Button", BS_GROUPBOX, btn, {139, 24, 137, 66}, "Interactive"},
        {IDC_INTERACTIVE, "Button", BS_AUTOCHECKBOX | WS_TABSTOP, btn, {146, 32, 48, 10}, "Yes/No"},
        {IDC_KEYS_LEFT, "Static", SS_LEFT | WS_GROUP, stc, {146, 47, 45, 35}, "Mouse:\nKeypad 0:\nKeyPad 1:\nEsc:\n"},
        {IDC_KEYS_RIGHT, "Static", SS_LEFT | WS_GROUP, stc, {194, 47, 64, 36},
         "manipulate icon\nbackground skin\nicon skin\nquit\n"},
        {-1, "Static", SS_LEFT | WS_GROUP, stc, {7, 95, 50, 8}, "Back texture"},
        {-1, "Static", SS_LEFT | WS_GROUP, stc, {68, 95, 53, 8}, "Icon texture"},
        {IDC_BACK_TEXTURE, "ComboBox", CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, 3, {7, 104, 50, 79}, nullptr},
        {IDC_ICON_TEXTURE, "ComboBox", CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, 3, {68, 104, 53, 83}, nullptr},
        {IDOK, "Button", BS_DEFPUSHBUTTON | WS_TABSTOP, btn, {154, 133, 50, 14}, "OK"},
        {IDCANCEL, "Button", BS_PUSHBUTTON | WS_TABSTOP, btn, {214, 133, 50, 14}, "Cancel"},
        {IDC_LINK_NOTE, "Static", SS_CENTER | WS_GROUP, stc, {151, 101, 115, 11}, "Get this saver with YOUR logo!"},
    };
    RunDialog([&](HWND d) {
        char title[64];
        GetWindowTextA(d, title, sizeof title);
        EXPECT_STREQ(title, kCaption);
        RECT size{0, 0, 284, 154}, client;
        MapDialogRect(d, &size);
        GetClientRect(d, &client);
        EXPECT_EQ(client.right, size.right);
        EXPECT_EQ(client.bottom, size.bottom);
        const LONG style = GetWindowLongA(d, GWL_STYLE);
        EXPECT_EQ(style & (WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME),
                  WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME);

        std::vector<HWND> controls;
        HWND link = nullptr;
        for (HWND c = GetWindow(d, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
            char cls[64];
            GetClassNameA(c, cls, sizeof cls);
            if (lstrcmpA(cls, "HyperLinkWnd") == 0) link = c;
            else controls.push_back(c);
        }
        ASSERT_EQ(controls.size(), sizeof expected / sizeof expected[0]);
        for (size_t i = 0; i < controls.size(); ++i) {
            const Expected& e = expected[i];
            HWND c = controls[i];
            SCOPED_TRACE("control " + std::to_string(i) + " (" + std::to_string(e.id) + ")");
            EXPECT_EQ(static_cast<int>(static_cast<short>(GetDlgCtrlID(c))), e.id);
            char cls[64];
            GetClassNameA(c, cls, sizeof cls);
            EXPECT_EQ(lstrcmpiA(cls, e.cls), 0) << cls;
            const DWORD s = static_cast<DWORD>(GetWindowLongA(c, GWL_STYLE));
            EXPECT_EQ(s & (WS_CHILD | WS_VISIBLE), static_cast<DWORD>(WS_CHILD | WS_VISIBLE));
            EXPECT_EQ(s & e.typeMask, e.style & e.typeMask);
            // A combo box hands WS_VSCROLL on to its drop-down list.
            const DWORD others = e.style & ~e.typeMask & ~(e.typeMask == 3 ? WS_VSCROLL : 0);
            EXPECT_EQ(s & others, others);
            // Position and size are converted separately, as the dialog manager does.
            RECT want = e.dlu;
            MapDialogRect(d, &want);
            want.right += want.left;
            want.bottom += want.top;
            RECT got;
            GetWindowRect(c, &got);
            MapWindowPoints(nullptr, d, reinterpret_cast<POINT*>(&got), 2);
            EXPECT_EQ(got.left, want.left);
            EXPECT_EQ(got.top, want.top);
            EXPECT_EQ(got.right, want.right);
            if (e.typeMask != 3) {
                EXPECT_EQ(got.bottom, want.bottom);  // a closed list is shorter
            }
            if (e.text) {
                char text[128] = "";
                GetWindowTextA(c, text, sizeof text);
                EXPECT_STREQ(text, e.text);
            }
        }

        ASSERT_NE(link, nullptr);
        EXPECT_TRUE(IsWindowVisible(link));
        ExpectLinkUnderItsNote(d, link);
        // Next after its note in the tab order.
        EXPECT_TRUE(GetWindowLongA(link, GWL_STYLE) & WS_TABSTOP);
        EXPECT_EQ(GetNextDlgTabItem(d, GetDlgItem(d, IDCANCEL), FALSE), link);
    });
}

TEST(ConfigDialog, DraggingChangesNothingUntilTheSliderIsReleased) {
    RunDialog([](HWND d) {
        GrabAndDrag(d, IDC_SPEED_X, -20);
        ASSERT_TRUE(dt::WaitUntil([&] { return SliderPos(d, IDC_SPEED_X) < 90; }, 3000))
            << "the thumb did not follow the pointer";
        wt::PumpFor(200);
        EXPECT_EQ(Text(d, IDC_SPEED_X_VALUE), "10");
        DWORD value;
        EXPECT_FALSE(Stored("X Speed", value)) << "stored while dragging";

        dt::ReleaseLeft();
        const std::string expected = std::to_string(100 - SliderPos(d, IDC_SPEED_X));
        EXPECT_TRUE(dt::WaitUntil([&] { return Text(d, IDC_SPEED_X_VALUE) != "10"; }, 3000));
        EXPECT_EQ(Text(d, IDC_SPEED_X_VALUE), expected);
        ASSERT_TRUE(Stored("X Speed", value)) << "not stored on release";
        EXPECT_EQ(std::to_string(value), expected);
        EXPECT_GT(value, 10u);
        for (const char* name : kAllValues) EXPECT_TRUE(Stored(name, value)) << name;
        EXPECT_EQ(Text(d, IDC_SPEED_Y_VALUE), "10");
    });
}

TEST(ConfigDialog, CancelKeepsOnlyTheReleasedSpeeds) {
    RunDialog([](HWND d) {
        Click(d, IDC_SHOW_BACKGROUND);
        Click(d, IDC_SIZE_LARGE);
        Click(d, IDC_INTERACTIVE);
        SendDlgItemMessageA(d, IDC_BACK_TEXTURE, CB_SETCURSEL, 4, 0);
        SendDlgItemMessageA(d, IDC_ICON_TEXTURE, CB_SETCURSEL, 2, 0);
        // The keyboard: one step up is one faster, stored when the key is let go.
        HWND y = GetDlgItem(d, IDC_SPEED_Y);
        SendMessageA(y, WM_KEYDOWN, VK_UP, 0);
        SendMessageA(y, WM_KEYUP, VK_UP, 0xC0000001);
        EXPECT_EQ(Text(d, IDC_SPEED_Y_VALUE), "11");
        Click(d, IDCANCEL);
    });
    EXPECT_EQ(StoredOr("Y Speed", 0), 11u);
    EXPECT_EQ(StoredOr("X Speed", 0), 10u);
    EXPECT_EQ(StoredOr("Background", 9), 1u);
    EXPECT_EQ(StoredOr("Logo Size", 9), 0u);
    EXPECT_EQ(StoredOr("Interactive", 9), 0u);
    EXPECT_EQ(StoredOr("Back Texture", 9), 0u);
    EXPECT_EQ(StoredOr("Icon Texture", 9), 1u);
}

TEST(ConfigDialog, OkStoresAllEightValues) {
    const INT_PTR result = RunDialog([](HWND d) {
        Click(d, IDC_SHOW_BACKGROUND);
        Click(d, IDC_SIZE_MEDIUM);
        Click(d, IDC_INTERACTIVE);
        SendDlgItemMessageA(d, IDC_BACK_TEXTURE, CB_SETCURSEL, 3, 0);
        SendDlgItemMessageA(d, IDC_ICON_TEXTURE, CB_SETCURSEL, 5, 0);
        Click(d, IDOK);
    });
    EXPECT_EQ(result, IDOK);
    const DWORD expected[] = {0, 1, 1, 10, 10, 10, 3, 5};
    for (int i = 0; i < 8; ++i) {
        DWORD value = 99;
        EXPECT_TRUE(Stored(kAllValues[i], value)) << kAllValues[i];
        EXPECT_EQ(value, expected[i]) << kAllValues[i];
    }
}

TEST(ConfigDialog, StoredLogoSizeFiveChecksNoRadioAndOkKeepsIt) {
    Store("Logo Size", 5);
    Store("Z Speed", 73);
    RunDialog([](HWND d) {
        EXPECT_FALSE(Checked(d, IDC_SIZE_SMALL));
        EXPECT_FALSE(Checked(d, IDC_SIZE_MEDIUM));
        EXPECT_FALSE(Checked(d, IDC_SIZE_LARGE));
        EXPECT_EQ(Text(d, IDC_SPEED_Z_VALUE), "73");
        EXPECT_EQ(SliderPos(d, IDC_SPEED_Z), 27);
        Click(d, IDOK);
    });
    EXPECT_EQ(StoredOr("Logo Size", 0), 5u);
    EXPECT_EQ(StoredOr("Z Speed", 0), 73u);
}

TEST(ConfigDialog, ProductLinkIsBlueAndGreenUnderThePointer) {
    RunDialog([](HWND) {
        const HyperLink* link = ProductLink();
        ASSERT_NE(link, nullptr);
        ASSERT_NE(link->Window(), nullptr);
        LOGFONTA font{};
        GetObjectA(link->Font(), sizeof font, &font);
        EXPECT_STREQ(font.lfFaceName, "Tahoma");
        EXPECT_TRUE(font.lfUnderline);
        EXPECT_EQ(font.lfWeight, 400);
        EXPECT_EQ(link->Look().caption, WHIRL_PRODUCT_CAPTION);
        EXPECT_EQ(link->Look().address, WHIRL_PRODUCT_URL);

        RECT r;
        GetWindowRect(link->Window(), &r);
        const POINT c = dt::Centre(link->Window());
        dt::MovePointer(r.left - 100, r.bottom + 60);
        EXPECT_TRUE(dt::WaitUntil([&] { return dt::CountColour(r, RGB(0, 0, 255)) > 20; }, 3000));
        dt::MovePointer(c.x, c.y);
        EXPECT_TRUE(dt::WaitUntil([&] { return dt::CountColour(r, RGB(0, 204, 0)) > 20; }, 3000));
        EXPECT_EQ(dt::CountColour(r, RGB(0, 0, 255)), 0);
        dt::MovePointer(r.left - 100, r.bottom + 60);
        EXPECT_TRUE(dt::WaitUntil([&] { return dt::CountColour(r, RGB(0, 0, 255)) > 20; }, 3000));
    });
}

// The saver's "/c" at `dpi` (LogPixels): shows dialog 104 with the link under its note,
// takes build/screenshots/`shot`.png (and `shot`-hover.png, the link under the pointer),
// and OK stores and ends the program.
void ConfigureModeAt(DWORD dpi, const std::string& shot) {
    HKEY key;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, "Control Panel\\Desktop", 0, nullptr, 0, KEY_ALL_ACCESS,
                              nullptr, &key, nullptr), ERROR_SUCCESS);
    RegSetValueExA(key, "LogPixels", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&dpi), sizeof dpi);
    RegCloseKey(key);
    // Without a window manager Wine draws the caption and frame only for unmanaged windows.
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\Wine\\AppDefaults\\Whirlmark.scr\\X11 Driver",
                              0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr), ERROR_SUCCESS);
    RegSetValueExA(key, "Managed", 0, REG_SZ, reinterpret_cast<const BYTE*>("N"), 2);
    RegCloseKey(key);

    wt::Process saver = wt::Launch("\"" + wt::BinDir() + "Whirlmark.scr\" /c");
    HWND d = wt::WaitForWindow("#32770", kCaption, saver.Id(), 30000);
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(Text(d, IDC_SPEED_X_VALUE), "10");
    EXPECT_EQ(SliderPos(d, IDC_SPEED_X), 90);

    HWND link = nullptr;
    ASSERT_TRUE(dt::WaitUntil([&] { return (link = FindWindowExA(d, nullptr, "HyperLinkWnd", nullptr)); }, 5000));
    RECT frame, linkRect, client;
    GetClientRect(d, &client);
    // The dialog grew with the DPI (284 dialog units are about 426 pixels at 96).
    EXPECT_GT(client.right, 400 * static_cast<LONG>(dpi) / 96);
    ExpectLinkUnderItsNote(d, link);
    GetWindowRect(d, &frame);
    GetWindowRect(link, &linkRect);
    InflateRect(&frame, 8, 8);
    frame.left = frame.left < 0 ? 0 : frame.left;
    frame.top = frame.top < 0 ? 0 : frame.top;
    dt::MovePointer(frame.right + 100, frame.bottom + 100);
    EXPECT_TRUE(dt::WaitUntil([&] { return dt::CountColour(linkRect, RGB(0, 0, 255)) > 20; }, 5000));
    EXPECT_TRUE(dt::Screenshot(shot, frame));
    const POINT c = dt::Centre(link);
    dt::MovePointer(c.x, c.y);
    EXPECT_TRUE(dt::WaitUntil([&] { return dt::CountColour(linkRect, RGB(0, 204, 0)) > 20; }, 5000));
    EXPECT_TRUE(dt::Screenshot(shot + "-hover", frame));
    dt::MovePointer(frame.right + 100, frame.bottom + 100);
    Click(d, IDC_SHOW_BACKGROUND);
    Click(d, IDOK);
    EXPECT_EQ(saver.Wait(10000), 0u);
    EXPECT_EQ(StoredOr("Background", 9), 0u);
}

TEST(ConfigDialog, SaverConfigureModeShowsTheDialog) { ConfigureModeAt(96, "config-dialog"); }

TEST(ConfigDialog, SaverConfigureModeAt144Dpi) { ConfigureModeAt(144, "config-dialog-144dpi"); }

}  // namespace

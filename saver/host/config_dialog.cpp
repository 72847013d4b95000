// The configuration dialog's procedure and its product link.
#include "config_dialog.h"

#include <commctrl.h>

#include <cstdio>

#include "config_dialog_rules.h"
#include "hyperlink.h"
#include "module.h"
#include "resource.h"
#include "saver_globals.h"
#include "texture_names.h"

#ifndef WHIRL_PRODUCT_URL
#error "WHIRL_PRODUCT_URL is set by the build"
#endif
#ifndef WHIRL_PRODUCT_CAPTION
#error "WHIRL_PRODUCT_CAPTION is set by the build"
#endif

namespace {

HyperLink* g_productLink = nullptr;

// The common controls the dialog's trackbars come from: version 6 where the manifest
// redirects comctl32.dll to it (XP on), the system folder's copy elsewhere; never a file
// of that name beside the saver.
Module LoadCommonControls() {
    using FindSection = BOOL(WINAPI*)(DWORD, const GUID*, ULONG, LPCSTR, PACTCTX_SECTION_KEYED_DATA);
    const auto find = Module::Loaded("kernel32.dll").Find<FindSection>("FindActCtxSectionStringA");
    ACTCTX_SECTION_KEYED_DATA redirection{};
    redirection.cbSize = sizeof redirection;
    const bool sideBySide =
        find && find(0, nullptr, ACTIVATION_CONTEXT_SECTION_DLL_REDIRECTION, "comctl32.dll", &redirection);
    return sideBySide ? Module::ByName("comctl32.dll") : Module::FromSystemDirectory("comctl32.dll");
}

// comctl32 is loaded for the dialog only (a start of /s does not pay for its classes) and
// kept for the process. InitCommonControlsEx arrived with comctl32 4.70; the classic call,
// which every version has, registers the trackbar class where it is missing or fails.
void InitCommonControlClasses() {
    using InitEx = BOOL(WINAPI*)(const INITCOMMONCONTROLSEX*);
    using Init = void(WINAPI*)();
    static const Module& comctl32 = *new Module(LoadCommonControls());
    INITCOMMONCONTROLSEX init{};
    init.dwSize = sizeof init;
    init.dwICC = 0xFF;
    if (const auto initEx = comctl32.Find<InitEx>("InitCommonControlsEx"); initEx && initEx(&init)) return;
    if (const auto classic = comctl32.Find<Init>("InitCommonControls")) classic();
}

void ShowNumber(HWND dialog, int control, int value) {
    char text[16];
    std::snprintf(text, sizeof text, "%d", value);
    SetDlgItemTextA(dialog, control, text);
}

void FillControls(HWND dialog, const SaverSettings& s) {
    for (const SettingEntry& b : kSettingsTable) {
        const std::int32_t value = s.*b.field;
        HWND control = GetDlgItem(dialog, b.control);
        switch (b.kind) {
        case DialogControlKind::Speed:
            SendMessageA(control, TBM_SETRANGE, TRUE, MAKELPARAM(0, b.maximum));
            SendMessageA(control, TBM_SETPOS, TRUE, TrackbarPosition(value));
            ShowNumber(dialog, b.valueControl, value);
            break;
        case DialogControlKind::RadioGroup: {
            int index = RadioIndexForLogoSize(value);
            if (index >= 0)
                CheckRadioButton(dialog, b.control, b.control + b.maximum, b.control + index);
            break;
        }
        case DialogControlKind::CheckBox:
            CheckDlgButton(dialog, b.control, static_cast<UINT>(value));
            break;
        case DialogControlKind::Texture:
            for (int slot = 0; slot <= b.maximum; ++slot)
                SendMessageA(control, CB_ADDSTRING, 0,
                             reinterpret_cast<LPARAM>(TextureDisplayName(slot).c_str()));
            SendMessageA(control, CB_SETCURSEL, static_cast<WPARAM>(value), 0);
            break;
        }
    }
    char note[128];
    if (LoadStringA(g_instance, IDS_SAMPLE_NOTE, note, sizeof note) > 0)
        SetDlgItemTextA(dialog, IDC_SAMPLE_NOTE, note);
}

void StoreControls(HWND dialog, SaverSettings& s) {
    for (const SettingEntry& b : kSettingsTable) {
        std::int32_t& value = s.*b.field;
        switch (b.kind) {
        case DialogControlKind::RadioGroup:
            for (int i = 0; i <= b.maximum; ++i) {
                if (IsDlgButtonChecked(dialog, b.control + i) == BST_CHECKED) {
                    value = i;
                    break;
                }
            }
            break;
        case DialogControlKind::CheckBox:
            value = IsDlgButtonChecked(dialog, b.control) == BST_CHECKED ? 1 : 0;
            break;
        case DialogControlKind::Texture:
            value = SlotForSelection(
                static_cast<long>(SendDlgItemMessageA(dialog, b.control, CB_GETCURSEL, 0, 0)), value);
            break;
        case DialogControlKind::Speed:
            break;  // stored when the slider is released
        }
    }
}

void OnSliderReleased(HWND dialog, HWND slider, SaverSettings& s) {
    const SettingEntry* b = FindSpeedSetting(GetDlgCtrlID(slider));
    if (!b) return;
    const int speed = SpeedFromTrackbar(static_cast<int>(SendMessageA(slider, TBM_GETPOS, 0, 0)));
    s.*b->field = speed;
    ShowNumber(dialog, b->valueControl, speed);
    s.WriteSettings();
}

// Centres the link under its note, one dialog unit below it, so it follows the dialog's
// font and DPI; next after the note in the tab order.
void PlaceLinkUnderNote(HWND dialog, HWND link) {
    HWND note = GetDlgItem(dialog, IDC_LINK_NOTE);
    if (!link || !note) return;
    RECT noteRect, linkRect, gap{0, 0, 1, 1};
    GetWindowRect(note, &noteRect);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&noteRect), 2);
    GetWindowRect(link, &linkRect);
    MapDialogRect(dialog, &gap);
    const int width = linkRect.right - linkRect.left;
    const int x = noteRect.left + (noteRect.right - noteRect.left - width) / 2;
    SetWindowPos(link, note, x, noteRect.bottom + gap.bottom, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE);
}

}  // namespace

void RegisterConfigDialogClasses() { InitCommonControlClasses(); }

const HyperLink* ProductLink() { return g_productLink; }

void AddProductLink(HWND dialog) {
    HyperLinkStyle style{};
    style.address = WHIRL_PRODUCT_URL;
    style.caption = WHIRL_PRODUCT_CAPTION;
    style.normalColour = LinkRgb(0, 0, 255);
    style.visitedColour = LinkRgb(0, 0, 255);
    style.hoverColour = LinkRgb(0, 204, 0);
    style.fontFace = "Tahoma";
    style.pointSize = 9;
    style.weight = 400;
    style.styleFlags = kLinkUnderline;
    delete g_productLink;  // from an earlier dialog of this run; its window is gone
    g_productLink = CreateHyperLink(dialog, style);
    PlaceLinkUnderNote(dialog, g_productLink->Window());
}

INT_PTR CALLBACK ConfigDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (!g_settings) return FALSE;
    SaverSettings& s = *g_settings;
    switch (message) {
    case WM_INITDIALOG:
        InitCommonControlClasses();
        AddProductLink(dialog);
        FillControls(dialog, s);
        return TRUE;
    case WM_VSCROLL:
        if (LOWORD(wParam) == TB_ENDTRACK && lParam)
            OnSliderReleased(dialog, reinterpret_cast<HWND>(lParam), s);
        return FALSE;
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDOK:
            StoreControls(dialog, s);
            s.WriteSettings();
            EndDialog(dialog, IDOK);
            break;
        case IDCANCEL:
            EndDialog(dialog, IDCANCEL);
            break;
        }
        return FALSE;
    }
    return FALSE;
}

// The i686 smoke driver: a 32-bit Windows test program that starts the shipped
// programs of the installation medium under emulated 32-bit Wine and drives them by
// messages and input, the way a user would. One test per run:
//   smoke-driver <test> <medium folder> [folder of the test doubles]
// Exit code 0 pass, 1 fail, 77 skipped (the program or feature is not there yet).
#include "smoke.h"

#include <shlwapi.h>

#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <vector>

namespace smoke {

const char kMakerKey[] = "Software\\Brindlecroft";

namespace {
const char* g_test = "smoke";
DWORD g_start;

void Print(const char* tag, const char* fmt, va_list args) {
    std::printf("  %s: %s", g_test, tag);
    std::vprintf(fmt, args);
    std::printf("\n");
    std::fflush(stdout);
}

std::vector<char> ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::vector<char>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}
}  // namespace

// Prints the caller's `fmt` and variable arguments after `tag`.
#define PRINT_ARGUMENTS(tag)        \
    do {                            \
        va_list args;               \
        va_start(args, fmt);        \
        Print(tag, fmt, args);      \
        va_end(args);               \
    } while (0)

void Note(const char* fmt, ...) { PRINT_ARGUMENTS(""); }

Verdict Fail(const char* fmt, ...) {
    PRINT_ARGUMENTS("FAIL: ");
    return kFail;
}

bool Expect(bool condition, const char* fmt, ...) {
    if (condition) return true;
    PRINT_ARGUMENTS("FAIL: ");
    return false;
}

Verdict Skip(const char* fmt, ...) {
    PRINT_ARGUMENTS("skip: ");
    return kSkip;
}

std::string ExitText(DWORD code) {
    char text[96];
    if (code == STILL_ACTIVE)
        std::snprintf(text, sizeof text, "still running");
    else if (code == 5)
        std::snprintf(text, sizeof text, "exit code 5, a crash");
    else if (code == 53)
        std::snprintf(text, sizeof text, "exit code 53, a DLL it imports is missing");
    else if (code >= 0xC0000000u)
        std::snprintf(text, sizeof text, "crashed with exception 0x%08lX", code);
    else
        std::snprintf(text, sizeof text, "exit code %lu", code);
    return text;
}

DWORD Elapsed() { return GetTickCount() - g_start; }

bool FileExists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool FileContains(const std::string& path, const char* text) {
    std::vector<char> bytes = ReadAll(path);
    size_t n = std::strlen(text);
    for (size_t i = 0; i + n <= bytes.size(); ++i)
        if (std::memcmp(&bytes[i], text, n) == 0) return true;
    return false;
}

bool HasResource(const std::string& path, LPCSTR type, WORD id) {
    HMODULE module = LoadLibraryExA(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (!module) return false;
    bool found = FindResourceA(module, MAKEINTRESOURCEA(id), type) != nullptr;
    FreeLibrary(module);
    return found;
}

bool SameFile(const std::string& a, const std::string& b) {
    if (!FileExists(a) || !FileExists(b)) return false;
    return ReadAll(a) == ReadAll(b);
}

void ForgetProduct() { SHDeleteKeyA(HKEY_CURRENT_USER, kMakerKey); }

void SetDword(const char* key, const char* name, long long value) {
    HKEY k;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, key, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &k,
                        nullptr) != ERROR_SUCCESS)
        return;
    if (value < 0) {
        RegDeleteValueA(k, name);
    } else {
        DWORD v = static_cast<DWORD>(value);
        RegSetValueExA(k, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&v), sizeof v);
    }
    RegCloseKey(k);
}

bool CheckSettings(const DWORD expected[8]) {
    static const char* const names[8] = {"Background", "Logo Size",    "Interactive",
                                         "X Speed",    "Y Speed",      "Z Speed",
                                         "Back Texture", "Icon Texture"};
    HKEY k;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, kSettingsKey, 0, KEY_READ, &k) != ERROR_SUCCESS) {
        Note("settings key %s is missing", kSettingsKey);
        return false;
    }
    bool ok = true;
    for (int i = 0; i < 8; ++i) {
        DWORD type = 0, value = 0, size = sizeof value;
        LONG rc = RegQueryValueExA(k, names[i], nullptr, &type, reinterpret_cast<BYTE*>(&value), &size);
        if (rc != ERROR_SUCCESS || type != REG_DWORD || size != 4) {
            Note("\"%s\" is missing or not a 4-byte REG_DWORD (rc %ld, type %lu, size %lu)",
                 names[i], rc, type, size);
            ok = false;
        } else if (value != expected[i]) {
            Note("\"%s\" is %lu, expected %lu", names[i], value, expected[i]);
            ok = false;
        }
    }
    RegCloseKey(k);
    return ok;
}

int NonBlackPercent(HWND window, RECT area) {
    if (window) MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&area), 2);
    const std::vector<DWORD> pixels = wt::ScreenPixels(area);
    if (pixels.empty()) return -1;
    long lit = 0, all = 0;
    for (size_t i = 0; i < pixels.size(); i += 3, ++all)
        if ((pixels[i] >> 16 & 0xFF) + (pixels[i] >> 8 & 0xFF) + (pixels[i] & 0xFF) > 24) ++lit;
    return static_cast<int>(lit * 100 / all);
}

void SaveScreen(const char* name) {
    char dir[MAX_PATH] = "";
    if (!GetEnvironmentVariableA("WHIRL_SMOKE_SHOTS", dir, MAX_PATH) || !dir[0]) return;
    const int w = GetSystemMetrics(SM_CXSCREEN), h = GetSystemMetrics(SM_CYSCREEN);
    const std::vector<DWORD> pixels = wt::ScreenPixels(RECT{0, 0, w, h});
    if (pixels.empty()) return;
    // A 24-bit bitmap, its rows from the bottom.
    BITMAPINFOHEADER head{};
    head.biSize = sizeof head;
    head.biWidth = w;
    head.biHeight = h;
    head.biPlanes = 1;
    head.biBitCount = 24;
    head.biCompression = BI_RGB;
    const DWORD stride = (w * 3 + 3) & ~3u;
    head.biSizeImage = stride * h;
    std::vector<BYTE> rows(head.biSizeImage);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const DWORD p = pixels[static_cast<size_t>(h - 1 - y) * w + x];
            BYTE* out = &rows[y * stride + x * 3];
            out[0] = p & 0xFF;
            out[1] = p >> 8 & 0xFF;
            out[2] = p >> 16 & 0xFF;
        }
    BITMAPFILEHEADER file{};
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof file + sizeof head;
    file.bfSize = file.bfOffBits + head.biSizeImage;
    std::ofstream out(std::string(dir) + "\\" + name + ".bmp", std::ios::binary);
    out.write(reinterpret_cast<const char*>(&file), sizeof file);
    out.write(reinterpret_cast<const char*>(&head), sizeof head);
    out.write(reinterpret_cast<const char*>(rows.data()), rows.size());
}

void PressKey(HWND window, WORD vk) {
    // The emulated program may still be starting its scene: a sent message returns once
    // its thread takes messages, and only then is its window sure to have the focus.
    DWORD_PTR result = 0;
    SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_NORMAL, 60000, &result);
    for (DWORD start = GetTickCount(); GetTickCount() - start < 10000; Sleep(100)) {
        if (GetForegroundWindow() == window) break;
        SetForegroundWindow(window);
    }
    if (GetForegroundWindow() != window) Note("the window is not in the foreground for the key");
    INPUT input[2] = {};
    input[0].type = input[1].type = INPUT_KEYBOARD;
    input[0].ki.wVk = input[1].ki.wVk = vk;
    input[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, input, sizeof(INPUT));
}

bool WaitGone(HWND window, DWORD ms) {
    DWORD start = GetTickCount();
    while (IsWindow(window)) {
        if (GetTickCount() - start >= ms) return false;
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
        Sleep(20);
    }
    return true;
}

}  // namespace smoke

int main(int argc, char** argv) {
    using namespace smoke;
    if (argc < 3) {
        std::printf("usage: smoke-driver <test> <medium folder> [test doubles folder]\n");
        return kFail;
    }
    g_test = argv[1];
    g_start = GetTickCount();
    Medium medium{argv[2]};
    if (!medium.dir.empty() && medium.dir.back() != '\\') medium.dir += '\\';
    std::string doubles = argc > 3 ? argv[3] : "";
    if (!doubles.empty() && doubles.back() != '\\') doubles += '\\';
    // "<test>-win98": the same test with Wine reporting Windows 98 (the 95 family) to
    // the programs it starts.
    std::string test = argv[1];
    const bool win98 = test.size() > 6 && test.compare(test.size() - 6, 6, "-win98") == 0;
    if (win98) {
        test.resize(test.size() - 6);
        wt::SetWindowsVersion("win98");
    }
    Verdict verdict;
    if (test == "saver-fullscreen") verdict = SaverFullScreen(medium);
    else if (test == "saver-config") verdict = SaverConfig(medium);
    else if (test == "saver-preview") verdict = SaverPreview(medium);
    else if (test == "saver-password") verdict = SaverPassword(medium, doubles);
    else if (test == "saver-change-password") verdict = SaverChangePassword(medium, doubles);
    else if (test == "setup") verdict = SetupWizard(medium, win98);
    else if (test == "uninstall") verdict = UninstallWizard(medium);
    else if (test == "planted-dlls") verdict = PlantedDlls(medium, doubles);
    else if (test == "silent-round-trip") verdict = SilentRoundTrip(medium);
    else if (test == "in-use-round-trip") verdict = InUseRoundTrip(medium);
    else verdict = Fail("unknown test");
    if (win98) wt::SetWindowsVersion(nullptr);
    return verdict;
}

// Shared pieces of the i686 smoke driver: the verdicts a smoke test returns, the
// medium it runs on, and helpers for screen pixels, input, registry and files.
#pragma once

#include <windows.h>

#include <string>

#include "install_layout.h"
#include "wine_test.h"

namespace smoke {

// Process exit codes of the driver; run-smoke.sh counts them.
enum Verdict { kPass = 0, kFail = 1, kSkip = 77 };

// Where the product lives: the installation medium folder, ending in "\".
struct Medium {
    std::string dir;
    std::string Path(const char* file) const { return dir + file; }
};

// Prints one line of progress or diagnosis, prefixed with the test name.
void Note(const char* fmt, ...) __attribute__((format(printf, 1, 2)));
// Prints the reason of a failure and returns kFail.
Verdict Fail(const char* fmt, ...) __attribute__((format(printf, 1, 2)));
// Prints the reason of a failure when `condition` is false; returns `condition`.
bool Expect(bool condition, const char* fmt, ...) __attribute__((format(printf, 2, 3)));
// Prints the reason of a skip and returns kSkip.
Verdict Skip(const char* fmt, ...) __attribute__((format(printf, 1, 2)));

// True when the file exists and holds the byte sequence `text` (used to tell whether a
// program already has a feature, e.g. its window class name).
bool FileContains(const std::string& path, const char* text);
// True when the module at `path` has resource `id` of `type`.
bool HasResource(const std::string& path, LPCSTR type, WORD id);
bool FileExists(const std::string& path);
// True when both files exist and have the same bytes.
bool SameFile(const std::string& a, const std::string& b);

// The saver's registry key and the maker's key above it.
inline constexpr const char* kSettingsKey = layout::kSettingsKey;
extern const char kMakerKey[];
// Removes the maker's key with everything below it (a fresh, never-run machine).
void ForgetProduct();
// Sets or deletes (value < 0) a REG_DWORD under HKEY_CURRENT_USER.
void SetDword(const char* key, const char* name, long long value);
using wt::SetString;

// Checks that the eight saver settings are REG_DWORD values with the given contents,
// in the order Background, Logo Size, Interactive, X/Y/Z Speed, Back/Icon Texture.
// Prints each mismatch; true when all match.
bool CheckSettings(const DWORD expected[8]);

// Share of pixels in `area` of the screen (or of `window` when given, client
// coordinates) that are not black, in percent; -1 when the capture failed.
int NonBlackPercent(HWND window, RECT area);

// Saves the whole screen as <WHIRL_SMOKE_SHOTS>\<name>.bmp when that folder is set,
// so the stage can keep a picture of what the test saw.
void SaveScreen(const char* name);

// Brings `window` to the front and types one key (down and up) with SendInput.
void PressKey(HWND window, WORD vk);

// Waits up to ms for `window` to be gone (pumping this thread's messages).
bool WaitGone(HWND window, DWORD ms);

// A process exit code in words: "exit code 0", "still running", or a crash explained
// (an exception code in hex; 5 when Wine's debugger is off; 53 for a missing DLL).
std::string ExitText(DWORD code);

// Milliseconds since the test started.
DWORD Elapsed();

// Each smoke test: runs against the medium and returns its verdict.
Verdict SaverFullScreen(const Medium& medium);
Verdict SaverConfig(const Medium& medium);
Verdict SaverPreview(const Medium& medium);
// `doubles` is the folder of the test doubles, ending in "\\".
Verdict SaverPassword(const Medium& medium, const std::string& doubles);
Verdict SaverChangePassword(const Medium& medium, const std::string& doubles);
// `family95`: Wine reports Windows 98, so the shortcuts go to the user's Programs folder.
Verdict SetupWizard(const Medium& medium, bool family95);
Verdict UninstallWizard(const Medium& medium);
// DLLs planted beside Setup.exe and Uninstall.exe (planted_dll.dll from `doubles`) are
// not loaded, with Wine told to prefer native copies of them.
Verdict PlantedDlls(const Medium& medium, const std::string& doubles);
// Setup.exe /S /D= with a space in the folder, then the installed Uninstall.exe /S.
Verdict SilentRoundTrip(const Medium& medium);
// Setup.exe /S into a folder that is a file fails and changes nothing; an install whose
// Uninstall.exe /S finds the saver in use ends with 3010; after a restart the machine
// is the machine before.
Verdict InUseRoundTrip(const Medium& medium);

}  // namespace smoke

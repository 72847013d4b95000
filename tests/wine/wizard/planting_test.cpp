// DLLs planted beside Setup.exe and Uninstall.exe are never loaded. Wine is told to
// prefer native copies of comctl32, uxtheme and dwmapi, as Windows' search order does
// for DLLs that are not Known DLLs; a control program in the same folder shows that the
// planted copies are then found. The wizards must open all the same, with common
// controls 6 as their manifest asks, and leave no marker.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdio>
#include <string>

#include "install_checks.h"
#include "wine_test.h"
#include "wizard_driver.h"

namespace {

const char kFolder[] = "C:\\plant\\";
const char* const kPlanted[] = {"comctl32.dll", "uxtheme.dll", "dwmapi.dll"};

class Planting : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(ic::CopyFolderFiles(ic::BuiltMedium(), kFolder));
        for (const char* name : kPlanted)
            ASSERT_TRUE(CopyFileA((wt::BinDir() + "planted_dll.dll").c_str(),
                                  (std::string(kFolder) + name).c_str(), FALSE));
        ASSERT_TRUE(CopyFileA((wt::BinDir() + "plant_probe.exe").c_str(),
                              (std::string(kFolder) + "plant_probe.exe").c_str(), FALSE));
        // Read by every program started after this (the environment's WINEDLLOVERRIDES
        // does not reach a child started from a Windows program).
        for (const char* name : {"comctl32", "uxtheme", "dwmapi"})
            ASSERT_TRUE(wt::SetString("Software\\Wine\\DllOverrides", name, "native,builtin"));
    }

    static std::string Markers() {
        std::string found;
        for (const char* name : kPlanted)
            if (ic::FileExists(std::string(kFolder) + name + ".loaded")) found += name + std::string(" ");
        return found;
    }

    static void RemoveMarkers() {
        for (const char* name : kPlanted) DeleteFileA((std::string(kFolder) + name + ".loaded").c_str());
    }

    // "<major version> <path>" of the comctl32 that the thread of `window` resolves by
    // name, asked from inside that process (version_probe.dll).
    static std::string CommonControlsVersionOf(HWND window) {
        DeleteFileA("C:\\comctl32.version");
        HMODULE dll = LoadLibraryA((wt::BinDir() + "version_probe.dll").c_str());
        auto proc = dll ? reinterpret_cast<HOOKPROC>(reinterpret_cast<void*>(
                              GetProcAddress(dll, "VersionCallWndProc")))
                        : nullptr;
        HHOOK hook = proc ? SetWindowsHookExA(WH_CALLWNDPROC, proc, dll,
                                              GetWindowThreadProcessId(window, nullptr))
                          : nullptr;
        DWORD_PTR unused = 0;
        if (hook) SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 5000, &unused);
        std::string version;
        ic::ReadBytes("C:\\comctl32.version", version);
        if (hook) UnhookWindowsHookEx(hook);
        if (dll) FreeLibrary(dll);
        return version;
    }

    void ExpectWizardWithoutPlantedDlls(const char* program) {
        wt::Wizard wizard(program);
        ASSERT_TRUE(wizard.Start(std::string(kFolder) + program + ".exe", kFolder))
            << program << " opened no wizard with the planted DLLs beside it";
        EXPECT_EQ(Markers(), "") << program << " loaded planted DLLs";
        HWND page = nullptr;
        for (int i = 0; i < 100 && !page; ++i, wt::PumpFor(50)) page = wizard.Page();
        ASSERT_NE(page, nullptr);
        // Wine 8 has one comctl32 whose DllGetVersion says 5 in either role; the manifest's
        // version 6 shows in the side-by-side folder it is loaded from.
        std::string comctl = CommonControlsVersionOf(page);
        std::printf("%s: comctl32 %s\n", program, comctl.c_str());
        EXPECT_NE(comctl.find("microsoft.windows.common-controls_6595b64144ccf1df_6.0."), std::string::npos)
            << program << " runs without common controls 6: " << comctl;
        PostMessageA(GetParent(page), WM_COMMAND, IDCANCEL, 0);
        EXPECT_NE(wizard.WaitForExit(), static_cast<DWORD>(STILL_ACTIVE)) << program << " did not end on Cancel";
    }
};

TEST_F(Planting, ControlProgramFindsThePlantedCopy) {
    wt::Process probe = wt::Launch(std::string("\"") + kFolder + "plant_probe.exe\" comctl32.dll", kFolder);
    ASSERT_TRUE(probe.Valid());
    EXPECT_EQ(probe.Wait(30000), 0u);
    EXPECT_EQ(Markers(), "comctl32.dll ") << "the overrides no longer make Wine search the program's folder";
}

TEST_F(Planting, SetupOpensAndLoadsNoneOfThem) { ExpectWizardWithoutPlantedDlls("Setup"); }

TEST_F(Planting, UninstallOpensAndLoadsNoneOfThem) { ExpectWizardWithoutPlantedDlls("Uninstall"); }

}  // namespace

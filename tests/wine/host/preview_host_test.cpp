// "Whirlmark.scr /p scrprev": the saver draws into the preview area of the Scrprev host,
// whether the host was already running or the saver starts it; a host that is not idle
// within two seconds gives no preview.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "test_util.h"
#include "wine_test.h"

namespace {

struct HostWindows {
    std::vector<HWND> found;
};

BOOL CALLBACK CollectHosts(HWND window, LPARAM param) {
    char cls[32];
    if (GetClassNameA(window, cls, sizeof cls) && lstrcmpA(cls, "Scrprev") == 0)
        reinterpret_cast<HostWindows*>(param)->found.push_back(window);
    return TRUE;
}

std::vector<HWND> AllHosts() {
    HostWindows hosts;
    EnumWindows(CollectHosts, reinterpret_cast<LPARAM>(&hosts));
    return hosts.found;
}

DWORD OwnerPid(HWND window) {
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    return pid;
}

// The window that process `pid` made inside the host's preview area, or null.
HWND PreviewIn(HWND host, DWORD pid) {
    HWND area = GetWindow(host, GW_CHILD);
    if (!area) return nullptr;
    for (HWND child = GetWindow(area, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        if (OwnerPid(child) == pid) return child;
    return nullptr;
}

// Ends the host that a saver started (the test's own Process objects end the others).
void EndHost(HWND host) {
    HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, OwnerPid(host));
    if (!process) return;
    TerminateProcess(process, 0);
    WaitForSingleObject(process, 5000);
    CloseHandle(process);
}

TEST(PreviewHost, ScrprevShowsOneAreaOfThePreviewBoxSize) {
    wt::Process host = wt::Launch("\"" + wt::BinDir() + "Scrprev.exe\"");
    HWND window = wt::WaitForWindow("Scrprev", nullptr, host.Id(), 15000);
    ASSERT_NE(window, nullptr);
    HWND area = GetWindow(window, GW_CHILD);
    ASSERT_NE(area, nullptr);
    EXPECT_EQ(GetWindow(area, GW_HWNDNEXT), nullptr);
    RECT r;
    GetClientRect(area, &r);
    EXPECT_EQ(r.right, 152);
    EXPECT_EQ(r.bottom, 112);
}

TEST(PreviewHost, UsesTheRunningHost) {
    wt::Process host = wt::Launch("\"" + wt::BinDir() + "Scrprev.exe\"");
    HWND window = wt::WaitForWindow("Scrprev", nullptr, host.Id(), 15000);
    ASSERT_NE(window, nullptr);

    wt::Process saver = wt::Launch("\"" + wt::BinDir() + "Whirlmark.scr\" /p scrprev");
    ASSERT_TRUE(saver.Valid());
    EXPECT_TRUE(dt::WaitUntil([&] { return PreviewIn(window, saver.Id()) != nullptr; }, 20000))
        << "no preview window in the host's area";
    EXPECT_EQ(AllHosts().size(), 1u) << "a second host was started";
    EXPECT_EQ(saver.Wait(0), STILL_ACTIVE);
}

TEST(PreviewHost, StartsTheHostWhenNoneRuns) {
    ASSERT_TRUE(AllHosts().empty());
    wt::Process saver = wt::Launch("\"" + wt::BinDir() + "Whirlmark.scr\" /p ScrPrev");
    ASSERT_TRUE(saver.Valid());
    HWND window = wt::WaitForWindow("Scrprev", nullptr, 0, 20000);
    ASSERT_NE(window, nullptr) << "the saver did not start Scrprev";
    EXPECT_NE(OwnerPid(window), saver.Id());
    EXPECT_TRUE(dt::WaitUntil([&] { return PreviewIn(window, saver.Id()) != nullptr; }, 20000))
        << "no preview window in the host's area";
    saver.Kill();
    EndHost(window);
}

// The saver copied beside a host that sleeps three seconds before it opens its window:
// the saver gives up after two seconds and ends without drawing, though the window
// opens later.
TEST(PreviewHost, HostThatIsNotIdleInTimeGivesNoPreview) {
    const std::string folder = dt::NewTempFolder();
    ASSERT_TRUE(CopyFileA((wt::BinDir() + "Whirlmark.scr").c_str(), (folder + "Whirlmark.scr").c_str(), FALSE));
    ASSERT_TRUE(CopyFileA((wt::BinDir() + "slow_scrprev.exe").c_str(), (folder + "Scrprev.exe").c_str(), FALSE));

    const DWORD start = GetTickCount();
    wt::Process saver = wt::Launch("\"" + folder + "Whirlmark.scr\" /p SCRPREV", folder);
    ASSERT_TRUE(saver.Valid());
    EXPECT_EQ(saver.Wait(20000), 0u) << "the saver did not end by itself";
    const DWORD ended = GetTickCount() - start;
    EXPECT_GE(ended, 1900u) << "the saver did not wait for the host";

    HWND window = wt::WaitForWindow("Scrprev", nullptr, 0, 10000);
    ASSERT_NE(window, nullptr) << "the slow host never opened its window";
    EXPECT_EQ(GetWindow(GetWindow(window, GW_CHILD), GW_CHILD), nullptr)
        << "something was drawn into the slow host";
    EndHost(window);
}

}  // namespace

// Checks the promises of the Wine harness that every other Windows test relies on.
#include "wine_test.h"

#include <gtest/gtest.h>

namespace {
const char* kMarkerKey = "Software\\Brindlecroft\\HarnessMarker";

// Both tests write the same marker and expect not to see the other's: each test case
// must run in its own prefix.
void ExpectFreshPrefixThenMark() {
    HKEY key;
    EXPECT_NE(RegOpenKeyExA(HKEY_CURRENT_USER, kMarkerKey, 0, KEY_READ, &key), ERROR_SUCCESS);
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, kMarkerKey, 0, nullptr, 0, KEY_ALL_ACCESS,
                              nullptr, &key, nullptr), ERROR_SUCCESS);
    RegCloseKey(key);
}
}  // namespace

TEST(Harness, FirstTestGetsAFreshPrefix) { ExpectFreshPrefixThenMark(); }
TEST(Harness, SecondTestGetsAFreshPrefix) { ExpectFreshPrefixThenMark(); }

TEST(Harness, HasADisplay) {
    EXPECT_GT(GetSystemMetrics(SM_CXSCREEN), 0);
    HWND w = CreateWindowExA(0, "STATIC", "probe", WS_POPUP | WS_VISIBLE, 0, 0, 10, 10,
                             nullptr, nullptr, nullptr, nullptr);
    EXPECT_NE(w, nullptr);
    DestroyWindow(w);
}

TEST(Harness, CrashEndsAtOnce) {
    DWORD start = GetTickCount();
    wt::Process p = wt::Launch("\"" + wt::BinDir() + "crasher.exe\"");
    ASSERT_TRUE(p.Valid());
    DWORD code = p.Wait(20000);
    EXPECT_NE(code, STILL_ACTIVE);
    EXPECT_NE(code, 0u);
    EXPECT_LT(GetTickCount() - start, 10000u);
}

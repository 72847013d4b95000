// The owning handles under Wine: registry values read safely whatever is stored, and
// modules freed once by their owner only.
#include "module.h"
#include "registry_key.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const char kKey[] = "Software\\WhirlHandlesTest";

TEST(RegistryKey, TextValuesAreReadOnlyWhenTheyAreWholeStrings) {
    const RegistryKey key = RegistryKey::Create(HKEY_CURRENT_USER, kKey, KEY_READ | KEY_WRITE);
    ASSERT_TRUE(key);
    ASSERT_TRUE(key.SetText("Plain", "C:\\Whirl\\"));
    ASSERT_TRUE(key.SetNumber("Number", 7));
    // Stored without its terminator, as any program may write it.
    ASSERT_EQ(RegSetValueExA(key.get(), "Bare", 0, REG_SZ, reinterpret_cast<const BYTE*>("abcd"), 4),
              ERROR_SUCCESS);
    ASSERT_TRUE(key.SetText("Long", std::string(40, 'x')));

    const RegistryKey read = RegistryKey::Open(HKEY_CURRENT_USER, kKey);
    EXPECT_EQ(read.ReadText("Plain"), "C:\\Whirl\\");
    EXPECT_EQ(read.ReadText("Bare", 4), "abcd");
    EXPECT_EQ(read.ReadText("Long", 16), "");
    EXPECT_EQ(read.ReadText("Number"), "");
    EXPECT_EQ(read.ReadText("Missing"), "");

    const RegistryKey missing = RegistryKey::Open(HKEY_CURRENT_USER, "Software\\WhirlNoSuchKey");
    EXPECT_FALSE(missing);
    EXPECT_EQ(missing.ReadText("Plain"), "");
    EXPECT_FALSE(missing.SetText("Plain", "x"));
    EXPECT_FALSE(RegistryKey::Create(nullptr, kKey));
    RegDeleteKeyA(HKEY_CURRENT_USER, kKey);
}

TEST(Module, AnOwnedModuleIsFreedOnceAndABorrowedOneNever) {
    ASSERT_EQ(GetModuleHandleA("mpr.dll"), nullptr);
    {
        Module mpr = Module::FromSystemDirectory("mpr.dll");
        ASSERT_TRUE(mpr);
        EXPECT_NE(mpr.Find<FARPROC>("WNetVerifyPasswordA"), nullptr);
        Module moved = std::move(mpr);
        EXPECT_FALSE(mpr);
        EXPECT_NE(GetModuleHandleA("mpr.dll"), nullptr);
    }
    EXPECT_EQ(GetModuleHandleA("mpr.dll"), nullptr);

    { const Module kernel = Module::Loaded("kernel32.dll"); }
    const Module kernel = Module::Loaded("kernel32.dll");
    ASSERT_TRUE(kernel);
    using Tick = DWORD(WINAPI*)();
    EXPECT_EQ(kernel.Find<Tick>("NoSuchFunction", &GetTickCount), &GetTickCount);
    EXPECT_EQ(Module().Find<Tick>("GetTickCount"), nullptr);
    EXPECT_FALSE(Module::FromSystemDirectory("whirl-no-such.dll"));
}

}  // namespace

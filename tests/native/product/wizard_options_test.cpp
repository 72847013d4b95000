// The wizards' command line: /S, /LOG=, /?, /D= last and unquoted, and what is refused.
#include "wizard_options.h"

#include <gtest/gtest.h>

using product::ParseWizardOptions;

TEST(WizardOptions, ArgumentsFollowTheProgramName) {
    EXPECT_EQ(product::ArgumentsOf("\"C:\\My Medium\\Setup.exe\"  /S /D=C:\\x"), "/S /D=C:\\x");
    EXPECT_EQ(product::ArgumentsOf("C:\\medium\\Setup.exe /s"), "/s");
    EXPECT_EQ(product::ArgumentsOf("Setup.exe"), "");
}

TEST(WizardOptions, SilentWithLogAndADestinationWithSpaces) {
    product::WizardOptions o =
        ParseWizardOptions("/s /LOG=\"C:\\My Logs\\setup.log\" /D=C:\\Program Files\\My Saver  ", true);
    EXPECT_TRUE(o.error.empty()) << o.error;
    EXPECT_TRUE(o.silent);
    EXPECT_FALSE(o.usage);
    EXPECT_EQ(o.logFile, "C:\\My Logs\\setup.log");
    EXPECT_EQ(o.destination, "C:\\Program Files\\My Saver");

    // Everything after /D= belongs to the folder, switches included.
    o = ParseWizardOptions("/D=C:\\a /S", true);
    EXPECT_EQ(o.destination, "C:\\a /S");
    EXPECT_FALSE(o.silent);
    EXPECT_TRUE(ParseWizardOptions("/?", false).usage);
    EXPECT_TRUE(ParseWizardOptions("", false).error.empty());
}

TEST(WizardOptions, BadArgumentsAreRefused) {
    for (const char* bad : {"/X", "/S extra", "/SILENT", "/LOG=", "/D=", "/D=  "})
        EXPECT_FALSE(ParseWizardOptions(bad, true).error.empty()) << bad;
    EXPECT_FALSE(ParseWizardOptions("/S /D=C:\\x", false).error.empty());
}

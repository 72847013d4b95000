// The saver's command line: switches, prefixes, program names and handle numbers.
#include "command_line.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace {
struct Case {
    const char* line;
    RunMode mode;
    ParentSource source;
    std::uintptr_t parent;
};

void Expect(const Case& c) {
    SCOPED_TRACE(std::string("command line: [") + c.line + "]");
    ParsedCommandLine parsed = ParseCommandLine(c.line);
    EXPECT_EQ(parsed.mode, c.mode);
    EXPECT_EQ(parsed.parentSource, c.source);
    EXPECT_EQ(parsed.parent, c.parent);
}

constexpr auto Number = ParentSource::Number;
}  // namespace

TEST(CommandLine, TheSwitchesWindowsPasses) {
    const Case cases[] = {
        {"saver.scr", RunMode::Configure, Number, 0},
        {"saver.scr /c:1234", RunMode::Configure, Number, 1234},
        {"saver.scr /c 1234", RunMode::Configure, Number, 1234},
        {"saver.scr /c", RunMode::Configure, ParentSource::ForegroundWindow, 0},
        {"saver.scr /s", RunMode::FullScreen, Number, 0},
        {"saver.scr /p 1234", RunMode::Preview, Number, 1234},
        {"saver.scr /l 1234", RunMode::Preview, Number, 1234},
        {"saver.scr /p scrprev", RunMode::Preview, ParentSource::PreviewHost, 0},
        {"saver.scr /a 1234", RunMode::ChangePassword, Number, 1234},
        {"saver.scr /x", RunMode::None, Number, 0},
    };
    for (const Case& c : cases) Expect(c);
}

TEST(CommandLine, ProgramNameQuotedOrNot) {
    const Case cases[] = {
        {"\"C:\\Program Files\\My Saver\\saver.scr\" /s", RunMode::FullScreen, Number, 0},
        {"\"C:\\Program Files\\My Saver\\saver.scr\"/s", RunMode::FullScreen, Number, 0},
        {"\"C:\\Program Files\\My Saver\\saver.scr\"", RunMode::Configure, Number, 0},
        {"\"C:\\unterminated /s", RunMode::Configure, Number, 0},
        {"C:\\WINDOWS\\SYSTEM\\SAVER.SCR    /p 77", RunMode::Preview, Number, 77},
        {"saver.scr ", RunMode::Configure, Number, 0},
        {"", RunMode::Configure, Number, 0},
    };
    for (const Case& c : cases) Expect(c);
    EXPECT_EQ(ParseCommandLine(nullptr).mode, RunMode::Configure);
}

TEST(CommandLine, PrefixesAndLetterCase) {
    for (const char* line : {"s.scr -S", "s.scr /s", "s.scr S", "s.scr s", "s.scr /S extra words"})
        Expect({line, RunMode::FullScreen, Number, 0});
    for (const char* line : {"s.scr C", "s.scr -c"}) Expect({line, RunMode::Configure, ParentSource::ForegroundWindow, 0});
    Expect({"s.scr -P 5", RunMode::Preview, Number, 5});
    Expect({"s.scr L5", RunMode::Preview, Number, 5});
    Expect({"s.scr A:9", RunMode::ChangePassword, Number, 9});
    // Only the space is skipped before the switch; a tab makes it an unknown letter.
    Expect({"s.scr \t/s", RunMode::None, Number, 0});
    Expect({"s.scr //s", RunMode::None, Number, 0});
    Expect({"s.scr /", RunMode::None, Number, 0});
}

TEST(CommandLine, SeparatorsAfterTheLetter) {
    Expect({"s.scr /p:5678", RunMode::Preview, Number, 5678});
    Expect({"s.scr /p   5678", RunMode::Preview, Number, 5678});
    Expect({"s.scr /p: : 5678", RunMode::Preview, Number, 5678});
    Expect({"s.scr /c:", RunMode::Configure, ParentSource::ForegroundWindow, 0});
    Expect({"s.scr /c: ", RunMode::Configure, ParentSource::ForegroundWindow, 0});
    Expect({"s.scr /a", RunMode::ChangePassword, Number, 0});
}

TEST(CommandLine, PreviewHostNameIsExact) {
    for (const char* line : {"s.scr /p scrprev", "s.scr /p ScrPrev", "s.scr /p SCRPREV", "s.scr /l:scrprev"})
        Expect({line, RunMode::Preview, ParentSource::PreviewHost, 0});
    for (const char* line : {"s.scr /p scrprev ", "s.scr /p Scrprev", "s.scr /p scrprevx"})
        Expect({line, RunMode::Preview, Number, 0});
}

TEST(CommandLine, HandleNumbers) {
    Expect({"s.scr /p 12ab", RunMode::Preview, Number, 12});
    Expect({"s.scr /p abc", RunMode::Preview, Number, 0});
    Expect({"s.scr /c:+42", RunMode::Configure, Number, 42});
    Expect({"s.scr /c x", RunMode::Configure, Number, 0});
    // Windows writes handles unsigned; values past 2^31 must not turn negative or clamp.
    Expect({"s.scr /p 4294967295", RunMode::Preview, Number, 4294967295u});
    EXPECT_EQ(ParseHandleNumber(" \t\n42"), 42u);
    EXPECT_EQ(ParseHandleNumber("-1"), ~std::uintptr_t{0});
    EXPECT_EQ(ParseHandleNumber("-"), 0u);
    EXPECT_EQ(ParseHandleNumber(""), 0u);
    EXPECT_EQ(ParseHandleNumber("99999999999999999999999999"), 0u);
}

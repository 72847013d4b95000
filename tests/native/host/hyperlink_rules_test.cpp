// Hyperlink style rules: defaults, the font rule, colour choice, mail detection, versions.
#include <gtest/gtest.h>

#include "hyperlink_rules.h"

namespace {

HyperLinkStyle Style() {
    HyperLinkStyle s{};
    s.address = "http://example.test/";
    return s;
}

TEST(HyperLinkRules, ZeroColoursAndNoFaceGiveTheDefaults) {
    LinkLook look = ResolveLinkLook(Style());
    EXPECT_EQ(look.normalColour, LinkRgb(0, 0, 238));
    EXPECT_EQ(look.visitedColour, LinkRgb(85, 26, 139));
    EXPECT_EQ(look.hoverColour, LinkRgb(255, 0, 0));
    EXPECT_EQ(look.font.face, "MS Sans Serif");
    EXPECT_EQ(look.font.pointSize, 8);
    EXPECT_EQ(look.font.weight, 400);
    EXPECT_EQ(look.caption, "http://example.test/");
}

TEST(HyperLinkRules, GivenValuesAreKept) {
    HyperLinkStyle s = Style();
    s.caption = "Example";
    s.normalColour = LinkRgb(1, 2, 3);
    s.visitedColour = LinkRgb(4, 5, 6);
    s.hoverColour = LinkRgb(7, 8, 9);
    s.fontFace = "Tahoma";
    s.pointSize = 9;
    s.weight = 700;
    s.styleFlags = kLinkItalic | kLinkUnderline | kLinkStrikeOut;
    LinkLook look = ResolveLinkLook(s);
    EXPECT_EQ(look.caption, "Example");
    EXPECT_EQ(look.normalColour, LinkRgb(1, 2, 3));
    EXPECT_EQ(look.visitedColour, LinkRgb(4, 5, 6));
    EXPECT_EQ(look.hoverColour, LinkRgb(7, 8, 9));
    EXPECT_EQ(look.font.face, "Tahoma");
    EXPECT_EQ(look.font.pointSize, 9);
    EXPECT_EQ(look.font.weight, 700);
    EXPECT_TRUE(look.font.italic && look.font.underline && look.font.strikeOut);
}

TEST(HyperLinkRules, WeightOutsideRangeGives400AndDropsStyleFlags) {
    for (int weight : {0, -5, 901, 1000}) {
        HyperLinkStyle s = Style();
        s.fontFace = "Tahoma";
        s.weight = weight;
        s.styleFlags = kLinkItalic | kLinkUnderline | kLinkStrikeOut;
        LinkLook look = ResolveLinkLook(s);
        EXPECT_EQ(look.font.weight, 400) << weight;
        EXPECT_FALSE(look.font.italic || look.font.underline || look.font.strikeOut) << weight;
    }
    HyperLinkStyle s = Style();
    s.weight = 900;
    s.styleFlags = kLinkUnderline;
    EXPECT_EQ(ResolveLinkLook(s).font.weight, 900);
    EXPECT_TRUE(ResolveLinkLook(s).font.underline);
}

TEST(HyperLinkRules, SizeBelowOneGivesEightPoints) {
    HyperLinkStyle s = Style();
    s.fontFace = "Tahoma";
    s.pointSize = 0;
    EXPECT_EQ(ResolveLinkLook(s).font.pointSize, 8);
    s.fontFace = "";
    s.pointSize = 20;  // no face: the default face at its default size
    EXPECT_EQ(ResolveLinkLook(s).font.face, "MS Sans Serif");
    EXPECT_EQ(ResolveLinkLook(s).font.pointSize, 8);
}

TEST(HyperLinkRules, HoverWinsOverVisited) {
    LinkLook look = ResolveLinkLook(Style());
    EXPECT_EQ(LinkTextColour(look, false, false), look.normalColour);
    EXPECT_EQ(LinkTextColour(look, false, true), look.visitedColour);
    EXPECT_EQ(LinkTextColour(look, true, true), look.hoverColour);
    EXPECT_EQ(LinkTextColour(look, true, false), look.hoverColour);
}

TEST(HyperLinkRules, MailAddressesInAnyCase) {
    EXPECT_TRUE(IsMailAddress("mailto:someone@example.test"));
    EXPECT_TRUE(IsMailAddress("MAILTO:someone@example.test"));
    EXPECT_TRUE(IsMailAddress("MailTo:"));
    EXPECT_FALSE(IsMailAddress("mailto"));
    EXPECT_FALSE(IsMailAddress("mail:x"));
    EXPECT_FALSE(IsMailAddress("http://mailto:x"));
    EXPECT_FALSE(IsMailAddress(""));
    EXPECT_FALSE(IsMailAddress(nullptr));
}

TEST(HyperLinkRules, FontHeightTruncatesTowardZero) {
    EXPECT_EQ(LinkFontHeight(9, 96), -12);
    EXPECT_EQ(LinkFontHeight(8, 96), -10);  // -10.67
    EXPECT_EQ(LinkFontHeight(9, 120), -15);
    EXPECT_EQ(LinkFontHeight(10, 120), -16);  // -16.67
}

TEST(HyperLinkRules, VersionClasses) {
    EXPECT_EQ(WindowsVersionClass(0, 3, 10), 1);
    EXPECT_EQ(WindowsVersionClass(1, 4, 0), 2);
    EXPECT_EQ(WindowsVersionClass(1, 4, 1), 4);
    EXPECT_EQ(WindowsVersionClass(1, 4, 10), 4);
    EXPECT_EQ(WindowsVersionClass(1, 4, 89), 4);
    EXPECT_EQ(WindowsVersionClass(1, 4, 90), 8);
    EXPECT_EQ(WindowsVersionClass(1, 5, 0), 8);
    EXPECT_EQ(WindowsVersionClass(2, 5, 1), 16);
    EXPECT_EQ(WindowsVersionClass(3, 10, 0), 0);
}

}  // namespace

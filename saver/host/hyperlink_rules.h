// How a hyperlink control looks and behaves, worked out from its creation parameters:
// default colours, the font rule, which text colour is shown, mail-address detection and
// the Windows version classes. Portable; the Win32 control is in hyperlink.cpp.
#pragma once

#include <cstdint>
#include <string>

// A colour as the system stores it: 0x00BBGGRR.
using LinkColour = std::uint32_t;

constexpr LinkColour LinkRgb(unsigned r, unsigned g, unsigned b) {
    return (r & 0xFFu) | ((g & 0xFFu) << 8) | ((b & 0xFFu) << 16);
}

constexpr LinkColour kDefaultNormalColour = LinkRgb(0, 0, 238);
constexpr LinkColour kDefaultVisitedColour = LinkRgb(85, 26, 139);
constexpr LinkColour kDefaultHoverColour = LinkRgb(255, 0, 0);

// Bits of HyperLinkStyle::styleFlags.
constexpr std::uint32_t kLinkItalic = 1u << 0;
constexpr std::uint32_t kLinkUnderline = 1u << 1;
constexpr std::uint32_t kLinkStrikeOut = 1u << 2;

// Creation parameters of a link. A colour of 0 means its default; text fields may be null.
struct HyperLinkStyle {
    const char* address;       // web address, or "mailto:" and a mail address
    const char* caption;       // text shown; the address when null or empty
    LinkColour normalColour;
    LinkColour visitedColour;
    LinkColour hoverColour;
    const char* fontFace;      // null or empty: "MS Sans Serif" at 8 points
    std::int32_t pointSize;    // below 1: 8
    std::int32_t weight;       // outside 1..900: 400, and styleFlags are dropped
    std::uint32_t styleFlags;  // kLinkItalic, kLinkUnderline, kLinkStrikeOut
    std::int32_t x;            // top-left corner in the parent's client area, pixels
    std::int32_t y;
};

struct LinkFont {
    std::string face;
    int pointSize = 8;
    int weight = 400;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
};

// Everything a link shows, with every default filled in.
struct LinkLook {
    std::string address;
    std::string caption;
    LinkColour normalColour = kDefaultNormalColour;
    LinkColour visitedColour = kDefaultVisitedColour;
    LinkColour hoverColour = kDefaultHoverColour;
    LinkFont font;
};

// Fills in the defaults of `style`. Does not look at `address` being empty; the caller
// makes no link then.
LinkLook ResolveLinkLook(const HyperLinkStyle& style);

// The text colour: hover wins over visited, visited over normal.
LinkColour LinkTextColour(const LinkLook& look, bool hovering, bool visited);

// True when the first seven characters of `address` are "mailto:" in any case.
bool IsMailAddress(const char* address);

// Font height for CreateFont: minus points times the screen's pixels per inch, over 72,
// truncated toward zero.
int LinkFontHeight(int pointSize, int pixelsPerInch);

// Version class from the platform id and version numbers of GetVersionEx: 1 Win32s,
// 2 Windows 95, 4 Windows 98, 8 Windows Me and later of that family, 16 the NT family,
// 0 anything else.
int WindowsVersionClass(unsigned long platformId, unsigned long major, unsigned long minor);

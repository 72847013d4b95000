// Style rules of the hyperlink control; see hyperlink_rules.h.
#include "hyperlink_rules.h"

namespace {
bool HasText(const char* text) { return text != nullptr && *text != '\0'; }
}  // namespace

LinkLook ResolveLinkLook(const HyperLinkStyle& style) {
    LinkLook look;
    if (style.address) look.address = style.address;
    look.caption = HasText(style.caption) ? style.caption : look.address;
    if (style.normalColour) look.normalColour = style.normalColour;
    if (style.visitedColour) look.visitedColour = style.visitedColour;
    if (style.hoverColour) look.hoverColour = style.hoverColour;

    if (HasText(style.fontFace)) {
        look.font.face = style.fontFace;
        look.font.pointSize = style.pointSize < 1 ? 8 : style.pointSize;
    } else {
        look.font.face = "MS Sans Serif";
        look.font.pointSize = 8;
    }
    if (style.weight >= 1 && style.weight <= 900) {
        look.font.weight = style.weight;
        look.font.italic = (style.styleFlags & kLinkItalic) != 0;
        look.font.underline = (style.styleFlags & kLinkUnderline) != 0;
        look.font.strikeOut = (style.styleFlags & kLinkStrikeOut) != 0;
    } else {
        look.font.weight = 400;
    }
    return look;
}

LinkColour LinkTextColour(const LinkLook& look, bool hovering, bool visited) {
    if (hovering) return look.hoverColour;
    if (visited) return look.visitedColour;
    return look.normalColour;
}

bool IsMailAddress(const char* address) {
    static const char kPrefix[] = "mailto:";
    if (!address) return false;
    for (int i = 0; i < 7; ++i) {
        char c = address[i];
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        if (c != kPrefix[i]) return false;  // also stops at the end of a short address
    }
    return true;
}

int LinkFontHeight(int pointSize, int pixelsPerInch) {
    long long height = -static_cast<long long>(pointSize) * pixelsPerInch / 72;
    return static_cast<int>(height);
}

int WindowsVersionClass(unsigned long platformId, unsigned long major, unsigned long minor) {
    switch (platformId) {
    case 0:
        return 1;
    case 1:
        if (major != 4) return 8;
        if (minor == 0) return 2;
        if (minor < 90) return 4;
        return 8;
    case 2:
        return 16;
    default:
        return 0;
    }
}

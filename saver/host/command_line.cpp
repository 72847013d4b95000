// Parsing of the saver's command line; see command_line.h.
#include "command_line.h"

#include <cstring>

RunMode g_runMode = RunMode::None;

namespace {
bool IsCSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

const char* SkipSpacesAndColons(const char* p) {
    while (*p == ' ' || *p == ':') ++p;
    return p;
}
}  // namespace

std::uintptr_t ParseHandleNumber(const char* p) {
    while (IsCSpace(*p)) ++p;
    bool negative = false;
    if (*p == '+' || *p == '-') negative = *p++ == '-';
    std::uintptr_t value = 0;
    constexpr std::uintptr_t kMax = ~std::uintptr_t{0};
    for (; *p >= '0' && *p <= '9'; ++p) {
        std::uintptr_t digit = static_cast<std::uintptr_t>(*p - '0');
        if (value > (kMax - digit) / 10) return 0;
        value = value * 10 + digit;
    }
    // A negative number wraps as an unsigned conversion does, so a handle that was
    // printed as a signed value still names the same window.
    return negative ? 0 - value : value;
}

ParsedCommandLine ParseCommandLine(const char* text) {
    ParsedCommandLine result;
    const char* p = text ? text : "";

    // The program name, quoted or not, and the one character that ends it.
    if (*p == '"') {
        ++p;
        while (*p && *p != '"') ++p;
    } else {
        while (*p && *p != ' ') ++p;
    }
    if (*p) ++p;
    while (*p == ' ') ++p;

    if (!*p) {
        result.mode = RunMode::Configure;
        return result;
    }
    if (*p == '-' || *p == '/') ++p;

    switch (*p) {
    case 'p': case 'P': case 'l': case 'L': {
        result.mode = RunMode::Preview;
        const char* rest = SkipSpacesAndColons(p + 1);
        if (std::strcmp(rest, "scrprev") == 0 || std::strcmp(rest, "ScrPrev") == 0 ||
            std::strcmp(rest, "SCRPREV") == 0)
            result.parentSource = ParentSource::PreviewHost;
        else
            result.parent = ParseHandleNumber(rest);
        break;
    }
    case 's': case 'S':
        result.mode = RunMode::FullScreen;
        break;
    case 'c': case 'C': {
        result.mode = RunMode::Configure;
        const char* rest = SkipSpacesAndColons(p + 1);
        if (*rest)
            result.parent = ParseHandleNumber(rest);
        else
            result.parentSource = ParentSource::ForegroundWindow;
        break;
    }
    case 'a': case 'A':
        result.mode = RunMode::ChangePassword;
        result.parent = ParseHandleNumber(SkipSpacesAndColons(p + 1));
        break;
    default:
        break;
    }
    return result;
}

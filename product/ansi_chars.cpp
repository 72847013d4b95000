// ANSI text by characters; see ansi_chars.h.
#include "ansi_chars.h"

namespace product {

std::size_t NextChar(const std::string& text, std::size_t at, LeadByteTest isLeadByte) {
    if (at + 1 < text.size() && isLeadByte && isLeadByte(static_cast<unsigned char>(text[at]))) return at + 2;
    return at + 1;
}

std::size_t FindSlash(const std::string& text, std::size_t from, LeadByteTest isLeadByte) {
    for (std::size_t k = 0; k < text.size(); k = NextChar(text, k, isLeadByte))
        if (k >= from && text[k] == '\\') return k;
    return std::string::npos;
}

std::size_t LastSlash(const std::string& text, LeadByteTest isLeadByte) {
    std::size_t last = std::string::npos;
    for (std::size_t k = 0; k < text.size(); k = NextChar(text, k, isLeadByte))
        if (text[k] == '\\') last = k;
    return last;
}

bool EndsWithSlash(const std::string& text, LeadByteTest isLeadByte) {
    return !text.empty() && LastSlash(text, isLeadByte) == text.size() - 1;
}

bool EndsInsideChar(const std::string& text, LeadByteTest isLeadByte) {
    std::size_t last = std::string::npos;
    for (std::size_t k = 0; k < text.size(); k = NextChar(text, k, isLeadByte)) last = k;
    return !text.empty() && last == text.size() - 1 && isLeadByte &&
           isLeadByte(static_cast<unsigned char>(text[last]));
}

std::string FirstChars(const std::string& text, std::size_t count, LeadByteTest isLeadByte) {
    std::size_t k = 0;
    for (std::size_t n = 0; n < count && k < text.size(); ++n) k = NextChar(text, k, isLeadByte);
    return text.substr(0, k);
}

std::string LowerAscii(const std::string& text, LeadByteTest isLeadByte) {
    std::string out = text;
    for (std::size_t k = 0; k < out.size(); k = NextChar(out, k, isLeadByte)) {
        const std::size_t next = NextChar(out, k, isLeadByte);
        if (next == k + 1 && out[k] >= 'A' && out[k] <= 'Z') out[k] = static_cast<char>(out[k] - 'A' + 'a');
    }
    return out;
}

}  // namespace product

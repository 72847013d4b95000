// Setup's journal; see install_journal.h.
#include "install_journal.h"

#include <cstdlib>

namespace product {

namespace {

// Fields are hexadecimal, so that a line never holds a space or a line end of its own.
std::string Hex(const std::string& bytes) {
    static const char digits[] = "0123456789abcdef";
    std::string out;
    out.reserve(bytes.size() * 2);
    for (unsigned char c : bytes) {
        out += digits[c >> 4];
        out += digits[c & 15];
    }
    return out;
}

int Digit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

bool Unhex(const std::string& text, std::string& out) {
    if (text.size() % 2) return false;
    out.clear();
    for (std::size_t i = 0; i < text.size(); i += 2) {
        int high = Digit(text[i]), low = Digit(text[i + 1]);
        if (high < 0 || low < 0) return false;
        out += static_cast<char>(high * 16 + low);
    }
    return true;
}

bool Number(const std::string& text, std::uint32_t& out) {
    if (text.empty() || text.size() > 10) return false;
    char* end = nullptr;
    unsigned long value = std::strtoul(text.c_str(), &end, 10);
    if (*end != '\0' || value > 0xFFFFFFFFul) return false;
    out = static_cast<std::uint32_t>(value);
    return true;
}

// "kind existed type number target name data"
constexpr std::size_t kFields = 7;

bool ReadLine(const std::string& line, JournalEntry& entry) {
    std::vector<std::string> fields(1);
    for (char c : line) {
        if (c == ' ')
            fields.emplace_back();
        else
            fields.back() += c;
    }
    std::uint32_t kind = 0, existed = 0;
    Before& b = entry.before;
    if (fields.size() != kFields || !Number(fields[0], kind) || kind > static_cast<std::uint32_t>(ChangeKind::SetSaverSwitch) ||
        !Number(fields[1], existed) || existed > 1 || !Number(fields[2], b.type) || !Number(fields[3], b.number) ||
        !Unhex(fields[4], entry.change.target) || !Unhex(fields[5], entry.change.name) || !Unhex(fields[6], b.data))
        return false;
    entry.change.kind = static_cast<ChangeKind>(kind);
    b.existed = existed == 1;
    return true;
}

}  // namespace

std::string JournalLine(const Change& c, const Before& b) {
    return std::to_string(static_cast<int>(c.kind)) + ' ' + (b.existed ? '1' : '0') + ' ' + std::to_string(b.type) + ' ' +
           std::to_string(b.number) + ' ' + Hex(c.target) + ' ' + Hex(c.name) + ' ' + Hex(b.data) + "\r\n";
}

std::vector<JournalEntry> ReadJournal(const std::string& text) {
    std::vector<JournalEntry> entries;
    for (std::size_t at = 0; at < text.size();) {
        std::size_t end = text.find("\r\n", at);
        if (end == std::string::npos) break;  // cut short: never acted on
        JournalEntry entry;
        if (!ReadLine(text.substr(at, end - at), entry)) break;
        entries.push_back(std::move(entry));
        at = end + 2;
    }
    return entries;
}

}  // namespace product

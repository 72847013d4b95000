// Folder path rules; see folder_paths.h.
#include "folder_paths.h"

#include <cstring>

namespace product {

namespace {

bool IsLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

// Length of the network root "\\server\share" at the start of `path`, or 0.
std::size_t NetworkRootLength(const std::string& path, LeadByteTest isLeadByte) {
    if (path.size() < 5 || path[0] != '\\' || path[1] != '\\') return 0;
    std::size_t server = FindSlash(path, 2, isLeadByte);
    if (server == std::string::npos || server == 2) return 0;
    std::size_t share = FindSlash(path, server + 1, isLeadByte);
    if (share == std::string::npos) share = path.size();
    return share > server + 1 ? share : 0;
}

// Whether each level of `rest` ("a\b\", "a\b" or "") is a name a folder can have.
bool LevelsAreNames(const std::string& rest, LeadByteTest isLeadByte) {
    if (EndsInsideChar(rest, isLeadByte)) return false;
    std::size_t start = 0;
    while (start < rest.size()) {
        std::size_t end = FindSlash(rest, start, isLeadByte);
        if (end == std::string::npos) end = rest.size();
        const std::string level = rest.substr(start, end - start);
        if (level.empty() || level == "." || level == "..") return false;
        // Only single-byte characters can be ones a name may not hold.
        for (std::size_t k = 0; k < level.size(); k = NextChar(level, k, isLeadByte)) {
            unsigned char c = static_cast<unsigned char>(level[k]);
            if (NextChar(level, k, isLeadByte) == k + 1 && (c < 32 || std::strchr("<>:\"/|?*", c))) return false;
        }
        start = end + 1;
    }
    return true;
}

}  // namespace

bool IsAbsoluteFolder(const std::string& path, LeadByteTest isLeadByte) {
    if (path.size() >= 3 && IsLetter(path[0]) && path[1] == ':' && path[2] == '\\')
        return LevelsAreNames(path.substr(3), isLeadByte);
    std::size_t root = NetworkRootLength(path, isLeadByte);
    if (root == 0 || !LevelsAreNames(path.substr(2, root - 2), isLeadByte)) return false;
    return root == path.size() || LevelsAreNames(path.substr(root + 1), isLeadByte);
}

std::string VolumeRoot(const std::string& path, LeadByteTest isLeadByte) {
    std::size_t root = NetworkRootLength(path, isLeadByte);
    if (root > 0) return path.substr(0, root) + '\\';
    return FirstChars(path, 3, isLeadByte);
}

std::string WithSlash(const std::string& path, LeadByteTest isLeadByte) {
    return EndsWithSlash(path, isLeadByte) ? path : path + '\\';
}

bool SamePath(const std::string& a, const std::string& b, LeadByteTest isLeadByte) {
    return LowerAscii(WithSlash(a, isLeadByte), isLeadByte) == LowerAscii(WithSlash(b, isLeadByte), isLeadByte);
}

bool LiesIn(const std::string& path, const std::string& folder, LeadByteTest isLeadByte) {
    // The folder ends with a "\" character, so a path that starts with its bytes has a
    // character boundary there too.
    const std::string f = LowerAscii(WithSlash(folder, isLeadByte), isLeadByte), p = LowerAscii(path, isLeadByte);
    return p.size() > f.size() && p.compare(0, f.size(), f) == 0;
}

std::vector<std::string> FolderLevels(const std::string& folder, LeadByteTest isLeadByte) {
    std::vector<std::string> levels;
    const std::string path = WithSlash(folder, isLeadByte);
    for (std::size_t k = VolumeRoot(path, isLeadByte).size(); k < path.size(); k = NextChar(path, k, isLeadByte))
        if (path[k] == '\\') levels.push_back(path.substr(0, k));
    return levels;
}

}  // namespace product

// Folder path rules; see folder_paths.h.
#include "folder_paths.h"

#include <cstring>

namespace product {

namespace {

bool IsLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

char Lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

std::string Lowered(std::string s) {
    for (char& c : s) c = Lower(c);
    return s;
}

// Length of the network root "\\server\share" at the start of `path`, or 0.
std::size_t NetworkRootLength(const std::string& path) {
    if (path.size() < 5 || path[0] != '\\' || path[1] != '\\') return 0;
    std::size_t server = path.find('\\', 2);
    if (server == std::string::npos || server == 2) return 0;
    std::size_t share = path.find('\\', server + 1);
    if (share == std::string::npos) share = path.size();
    return share > server + 1 ? share : 0;
}

// Whether each level of `rest` ("a\b\", "a\b" or "") is a name a folder can have.
bool LevelsAreNames(const std::string& rest) {
    std::size_t start = 0;
    while (start < rest.size()) {
        std::size_t end = rest.find('\\', start);
        if (end == std::string::npos) end = rest.size();
        std::string level = rest.substr(start, end - start);
        if (level.empty() || level == "." || level == "..") return false;
        for (unsigned char c : level)
            if (c < 32 || std::strchr("<>:\"/|?*", c)) return false;
        start = end + 1;
    }
    return true;
}

}  // namespace

bool IsAbsoluteFolder(const std::string& path) {
    if (path.size() >= 3 && IsLetter(path[0]) && path[1] == ':' && path[2] == '\\')
        return LevelsAreNames(path.substr(3));
    std::size_t root = NetworkRootLength(path);
    if (root == 0 || !LevelsAreNames(path.substr(2, root - 2))) return false;
    return root == path.size() || LevelsAreNames(path.substr(root + 1));
}

std::string VolumeRoot(const std::string& path) {
    std::size_t root = NetworkRootLength(path);
    if (root > 0) return path.substr(0, root) + '\\';
    return path.substr(0, 3);
}

std::string WithSlash(const std::string& path) {
    return !path.empty() && path.back() == '\\' ? path : path + '\\';
}

bool SamePath(const std::string& a, const std::string& b) {
    return Lowered(WithSlash(a)) == Lowered(WithSlash(b));
}

bool LiesIn(const std::string& path, const std::string& folder) {
    std::string f = Lowered(WithSlash(folder)), p = Lowered(path);
    return p.size() > f.size() && p.compare(0, f.size(), f) == 0;
}

std::vector<std::string> FolderLevels(const std::string& folder, bool (*isLeadByte)(unsigned char)) {
    std::vector<std::string> levels;
    const std::string path = WithSlash(folder);
    std::size_t k = VolumeRoot(path).size();
    for (; k < path.size(); ++k) {
        unsigned char c = static_cast<unsigned char>(path[k]);
        if (isLeadByte && isLeadByte(c) && k + 1 < path.size())
            ++k;
        else if (c == '\\')
            levels.push_back(path.substr(0, k));
    }
    return levels;
}

}  // namespace product

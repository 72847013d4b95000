// Rules of Setup's pages: see page_rules.h.
#include "page_rules.h"

#include "path_rules.h"

CString LicenseTextFromBytes(const char* bytes, int count) {
    if (count > LICENSE_MAX_BYTES) count = LICENSE_MAX_BYTES;
    return CString(bytes, count);
}

CString NearestExistingFolder(const CString& folder, bool (*isFolder)(const char* path),
                              product::LeadByteTest isLeadByte) {
    std::string rest = folder.c_str();
    while (!rest.empty()) {
        std::string candidate = rest;
        if (candidate.size() > 3 && product::EndsWithSlash(candidate, isLeadByte)) candidate.pop_back();
        if (isFolder(candidate.c_str())) return candidate.c_str();
        std::size_t cut = product::LastSlash(candidate, isLeadByte);
        if (cut == std::string::npos) break;
        std::string shorter = candidate.substr(0, cut + 1);
        if (shorter == candidate) break;
        rest = shorter;
    }
    return CString();
}

CString ProgramFolderPath(const char* programsDir, const CString& name, product::LeadByteTest isLeadByte) {
    CString path;
    path.Format("%s%s%s", programsDir ? programsDir : "", "\\",
                static_cast<const char*>(WithTrailingBackslash(name, isLeadByte)));
    return path;
}

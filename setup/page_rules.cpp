// Rules of Setup's pages: see page_rules.h.
#include "page_rules.h"

#include "path_rules.h"

CString LicenseTextFromBytes(const char* bytes, int count) {
    if (count > LICENSE_MAX_BYTES) count = LICENSE_MAX_BYTES;
    return CString(bytes, count);
}

CString NearestExistingFolder(const CString& folder, bool (*isFolder)(const char* path)) {
    CString rest = folder;
    while (!rest.IsEmpty()) {
        CString candidate = rest;
        if (candidate.GetLength() > 3 && candidate[candidate.GetLength() - 1] == '\\')
            candidate = candidate.Left(candidate.GetLength() - 1);
        if (isFolder(candidate)) return candidate;
        int cut = candidate.ReverseFind('\\');
        if (cut < 0) break;
        CString shorter = candidate.Left(cut + 1);
        if (shorter == candidate) break;
        rest = shorter;
    }
    return CString();
}

CString ProgramFolderPath(const char* programsDir, const CString& name) {
    CString path;
    path.Format("%s%s%s", programsDir ? programsDir : "", "\\",
                static_cast<const char*>(WithTrailingBackslash(name)));
    return path;
}

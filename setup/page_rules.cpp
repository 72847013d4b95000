// Rules of Setup's pages: see page_rules.h.
#include "page_rules.h"

#include "path_rules.h"

CString LicenseTextFromBytes(const char* bytes, int count) {
    if (count > LICENSE_MAX_BYTES) count = LICENSE_MAX_BYTES;
    return CString(bytes, count);
}

CString SpaceWarningDrive(const CString& systemRoot, uint64_t systemFree,
                          const CString& installRoot, uint64_t installFree) {
    if (systemFree < static_cast<uint64_t>(SYSTEM_DRIVE_MIN_FREE)) return systemRoot.Left(2);
    if (installFree < static_cast<uint64_t>(INSTALL_DRIVE_MIN_FREE)) return installRoot.Left(2);
    return CString();
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

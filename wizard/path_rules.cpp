// Path and platform rules shared by the wizards: see path_rules.h.
#include "path_rules.h"

CString WithTrailingBackslash(const CString& path) {
    CString result(path);
    if (result.IsEmpty() || result[result.GetLength() - 1] != '\\') result += '\\';
    return result;
}

CString DriveRoot(const CString& path) { return path.Left(3); }

int PlatformFamily(unsigned long platformId) {
    switch (platformId) {
    case 1:
        return 1;
    case 2:
        return 2;
    default:
        return 0;
    }
}

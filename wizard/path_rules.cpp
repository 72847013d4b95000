// Path and platform rules shared by the wizards: see path_rules.h.
#include "path_rules.h"

CString WithTrailingBackslash(const CString& path, product::LeadByteTest isLeadByte) {
    CString result(path);
    if (!product::EndsWithSlash(path.c_str(), isLeadByte)) result += '\\';
    return result;
}

CString DriveRoot(const CString& path, product::LeadByteTest isLeadByte) {
    return product::FirstChars(path.c_str(), 3, isLeadByte).c_str();
}

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

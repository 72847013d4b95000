// CFile: see file.h.
#include "file.h"

BOOL CFile::Open(const char* fileName, UINT, void*) {
    Close();
    m_hFile = ::CreateFileA(fileName, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    return m_hFile != INVALID_HANDLE_VALUE;
}

UINT CFile::Read(void* buffer, UINT count) {
    DWORD got = 0;
    if (m_hFile == INVALID_HANDLE_VALUE || !::ReadFile(m_hFile, buffer, count, &got, nullptr))
        return 0;
    return got;
}

void CFile::Close() {
    if (m_hFile != INVALID_HANDLE_VALUE) ::CloseHandle(m_hFile);
    m_hFile = INVALID_HANDLE_VALUE;
}

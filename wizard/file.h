// CFile: a file opened for reading, closed with the object. Nothing throws.
#pragma once

#include <windows.h>

class CFile {
public:
    enum OpenFlags : UINT { modeRead = 0x0000 };

    CFile() = default;
    CFile(const CFile&) = delete;
    CFile& operator=(const CFile&) = delete;
    ~CFile() { Close(); }

    // Opens `fileName` for reading (the only mode the wizards use). `error` is accepted
    // for the framework's shape and left untouched. FALSE when the file cannot be opened.
    BOOL Open(const char* fileName, UINT openFlags, void* error = nullptr);
    // Reads up to `count` bytes into `buffer`; returns the number read (0 on failure).
    UINT Read(void* buffer, UINT count);
    void Close();

    HANDLE m_hFile = INVALID_HANDLE_VALUE;
};

// The /LOG= file of Setup and Uninstall: one line per step, written as it happens, so a
// run that ends early still leaves what it did.
#pragma once

#include <windows.h>

#include <string>

namespace product {

class LogFile {
public:
    LogFile() = default;
    LogFile(const LogFile&) = delete;
    LogFile& operator=(const LogFile&) = delete;
    ~LogFile();

    // Creates (or empties) `path`; false when it cannot be written. An empty path is no log.
    bool Open(const std::string& path);
    // Appends `line` and a line break; nothing when no file is open.
    void Write(const std::string& line);

private:
    HANDLE m_file = INVALID_HANDLE_VALUE;
};

}  // namespace product

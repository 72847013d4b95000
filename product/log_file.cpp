// The /LOG= file; see log_file.h.
#include "log_file.h"

namespace product {

LogFile::~LogFile() {
    if (m_file != INVALID_HANDLE_VALUE) CloseHandle(m_file);
}

bool LogFile::Open(const std::string& path) {
    if (path.empty()) return true;
    m_file = CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS,
                         FILE_ATTRIBUTE_NORMAL, nullptr);
    return m_file != INVALID_HANDLE_VALUE;
}

void LogFile::Write(const std::string& line) {
    if (m_file == INVALID_HANDLE_VALUE) return;
    const std::string text = line + "\r\n";
    DWORD written = 0;
    WriteFile(m_file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
}

}  // namespace product

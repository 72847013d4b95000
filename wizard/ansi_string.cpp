// CString: see ansi_string.h.
#include "ansi_string.h"

#include <cstdio>
#include <cstring>
#include <vector>

CString::CString(const char* text, int length) {
    if (!text || length <= 0) return;
    const void* zero = std::memchr(text, '\0', static_cast<size_t>(length));
    size_t n = zero ? static_cast<size_t>(static_cast<const char*>(zero) - text)
                    : static_cast<size_t>(length);
    m_str.assign(text, n);
}

char CString::GetAt(int index) const {
    return index >= 0 && index < GetLength() ? m_str[static_cast<size_t>(index)] : '\0';
}

CString& CString::operator=(const char* text) {
    m_str = text ? text : "";
    return *this;
}

CString& CString::operator+=(const char* text) {
    if (text) m_str += text;
    return *this;
}

CString operator+(const CString& a, const CString& b) {
    CString r(a);
    r += b;
    return r;
}

CString operator+(const CString& a, const char* b) {
    CString r(a);
    r += b;
    return r;
}

CString operator+(const char* a, const CString& b) {
    CString r(a);
    r += b;
    return r;
}

CString operator+(const CString& a, char b) {
    CString r(a);
    r += b;
    return r;
}

int CString::Compare(const char* text) const {
    return std::strcmp(m_str.c_str(), text ? text : "");
}

CString CString::Left(int count) const {
    if (count <= 0) return CString();
    return CString(m_str.substr(0, static_cast<size_t>(count)).c_str());
}

CString CString::Right(int count) const {
    if (count <= 0) return CString();
    if (count >= GetLength()) return *this;
    return CString(m_str.substr(static_cast<size_t>(GetLength() - count)).c_str());
}

CString CString::Mid(int first) const { return Mid(first, GetLength()); }

CString CString::Mid(int first, int count) const {
    if (first < 0) first = 0;
    if (first >= GetLength() || count <= 0) return CString();
    return CString(m_str.substr(static_cast<size_t>(first), static_cast<size_t>(count)).c_str());
}

int CString::Find(char ch, int start) const {
    if (start < 0) start = 0;
    if (start >= GetLength()) return -1;
    size_t at = m_str.find(ch, static_cast<size_t>(start));
    return at == std::string::npos ? -1 : static_cast<int>(at);
}

int CString::Find(const char* text, int start) const {
    if (!text || start < 0 || start > GetLength()) return -1;
    size_t at = m_str.find(text, static_cast<size_t>(start));
    return at == std::string::npos ? -1 : static_cast<int>(at);
}

int CString::ReverseFind(char ch) const {
    size_t at = m_str.rfind(ch);
    return at == std::string::npos ? -1 : static_cast<int>(at);
}

void CString::Format(const char* format, ...) {
    va_list args;
    va_start(args, format);
    FormatV(format, args);
    va_end(args);
}

void CString::FormatV(const char* format, va_list args) {
    va_list copy;
    va_copy(copy, args);
    int n = std::vsnprintf(nullptr, 0, format, copy);
    va_end(copy);
    if (n < 0) {
        m_str.clear();
        return;
    }
    std::vector<char> buf(static_cast<size_t>(n) + 1);
    std::vsnprintf(buf.data(), buf.size(), format, args);
    m_str.assign(buf.data(), static_cast<size_t>(n));
}

char* CString::GetBuffer(int minLength) {
    if (minLength > GetLength()) m_str.resize(static_cast<size_t>(minLength), '\0');
    return &m_str[0];
}

void CString::ReleaseBuffer(int newLength) {
    if (newLength < 0 || newLength > GetLength()) {
        m_str.resize(std::strlen(m_str.c_str()));
    } else {
        m_str.resize(static_cast<size_t>(newLength));
    }
}

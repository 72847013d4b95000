// CString: the wizards' copyable ANSI string, with formatting, concatenation and
// character access. Portable: no <windows.h>, unit-tested natively.
#pragma once

#include <cstdarg>
#include <string>

#if defined(__MINGW32__)
#define WIZ_PRINTF_FORMAT(f, a) __attribute__((format(gnu_printf, f, a)))
#else
#define WIZ_PRINTF_FORMAT(f, a) __attribute__((format(printf, f, a)))
#endif

class CString {
public:
    CString() = default;
    CString(const char* text) : m_str(text ? text : "") {}
    // The first `length` bytes of `text`, or fewer when a zero byte comes first.
    CString(const char* text, int length);
    CString(char ch, int repeat = 1) : m_str(repeat > 0 ? repeat : 0, ch) {}

    int GetLength() const { return static_cast<int>(m_str.size()); }
    bool IsEmpty() const { return m_str.empty(); }
    void Empty() { m_str.clear(); }

    // Character at `index`; 0 outside the string.
    char GetAt(int index) const;
    char operator[](int index) const { return GetAt(index); }
    operator const char*() const { return m_str.c_str(); }
    const char* c_str() const { return m_str.c_str(); }

    CString& operator=(const char* text);
    CString& operator+=(const char* text);
    CString& operator+=(const CString& text) { m_str += text.m_str; return *this; }
    CString& operator+=(char ch) { m_str += ch; return *this; }

    friend CString operator+(const CString& a, const CString& b);
    friend CString operator+(const CString& a, const char* b);
    friend CString operator+(const char* a, const CString& b);
    friend CString operator+(const CString& a, char b);

    bool operator==(const char* text) const { return Compare(text) == 0; }
    bool operator!=(const char* text) const { return Compare(text) != 0; }
    bool operator==(const CString& text) const { return m_str == text.m_str; }
    bool operator!=(const CString& text) const { return m_str != text.m_str; }
    // strcmp order: negative, zero or positive.
    int Compare(const char* text) const;

    // Substrings; counts and positions are clamped to the string.
    CString Left(int count) const;
    CString Right(int count) const;
    CString Mid(int first) const;
    CString Mid(int first, int count) const;

    // Index of the first `ch` (or `text`) at or after `start`; -1 when there is none.
    int Find(char ch, int start = 0) const;
    int Find(const char* text, int start = 0) const;
    // Index of the last `ch`; -1 when there is none.
    int ReverseFind(char ch) const;

    // printf-style formatting into this string.
    void Format(const char* format, ...) WIZ_PRINTF_FORMAT(2, 3);
    void FormatV(const char* format, va_list args);

    // A writable buffer of at least `minLength` characters plus a terminating zero, for
    // APIs that fill a buffer; ReleaseBuffer ends the string at `newLength`, or at its
    // first zero byte when -1.
    char* GetBuffer(int minLength);
    void ReleaseBuffer(int newLength = -1);

private:
    std::string m_str;
};

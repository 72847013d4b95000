// CString: construction, concatenation, substrings, search, formatting and buffers.
#include "ansi_string.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

TEST(CStringTest, ConstructsFromBytesUpToTheFirstZero) {
    const char bytes[] = {'a', 'b', '\0', 'c'};
    EXPECT_STREQ(CString(bytes, 4), "ab");
    EXPECT_STREQ(CString("abc", 2), "ab");
    EXPECT_TRUE(CString("abc", 0).IsEmpty());
    EXPECT_TRUE(CString(static_cast<const char*>(nullptr)).IsEmpty());
    EXPECT_STREQ(CString('-', 3), "---");
}

TEST(CStringTest, ConcatenatesAndCompares) {
    CString s("C:\\Program Files");
    s += '\\';
    s += "Whirlmark";
    EXPECT_STREQ(s, "C:\\Program Files\\Whirlmark");
    EXPECT_TRUE(s + "\\" == "C:\\Program Files\\Whirlmark\\");
    EXPECT_TRUE("x" + CString("y") == CString("xy"));
    EXPECT_TRUE(CString("a") != "b");
    EXPECT_LT(CString("a").Compare("b"), 0);
}

TEST(CStringTest, SubstringsClampToTheString) {
    CString s("C:\\Games");
    EXPECT_STREQ(s.Left(3), "C:\\");
    EXPECT_STREQ(s.Left(99), "C:\\Games");
    EXPECT_STREQ(s.Left(-1), "");
    EXPECT_STREQ(s.Right(5), "Games");
    EXPECT_STREQ(s.Right(99), "C:\\Games");
    EXPECT_STREQ(s.Mid(3), "Games");
    EXPECT_STREQ(s.Mid(3, 2), "Ga");
    EXPECT_STREQ(s.Mid(-4, 2), "C:");
    EXPECT_STREQ(s.Mid(50), "");
}

TEST(CStringTest, FindsCharactersAndText) {
    CString s("a\\b\\c");
    EXPECT_EQ(s.Find('\\'), 1);
    EXPECT_EQ(s.Find('\\', 2), 3);
    EXPECT_EQ(s.Find('\\', 4), -1);
    EXPECT_EQ(s.Find('\\', 100), -1);
    EXPECT_EQ(s.Find("b\\c"), 2);
    EXPECT_EQ(s.ReverseFind('\\'), 3);
    EXPECT_EQ(s.ReverseFind('x'), -1);
    EXPECT_EQ(s.GetAt(0), 'a');
    EXPECT_EQ(s[99], '\0');
    EXPECT_EQ(s[-1], '\0');
}

TEST(CStringTest, FormatsAnyLength) {
    CString s;
    s.Format("Error while copying to %s", "C:\\x\\readme.txt");
    EXPECT_STREQ(s, "Error while copying to C:\\x\\readme.txt");
    std::string longText(5000, 'x');
    s.Format("%s%s%s", longText.c_str(), "\\", "y");
    EXPECT_EQ(s.GetLength(), 5002);
    EXPECT_EQ(s[5001], 'y');
}

TEST(CStringTest, BufferIsWritableAndReleasedAtTheZero) {
    CString s;
    char* buf = s.GetBuffer(260);
    std::strcpy(buf, "C:\\Windows\\system32");
    s.ReleaseBuffer();
    EXPECT_STREQ(s, "C:\\Windows\\system32");
    EXPECT_EQ(s.GetLength(), 19);
    s.GetBuffer(4);
    s.ReleaseBuffer(2);
    EXPECT_STREQ(s, "C:");
}

// Tests of the UTF-8 codec on both widths of wchar_t: valid text, characters beyond the BMP
// (surrogate pairs on Windows) and ill-formed input, each maximal bad subsequence one U+FFFD.
#include <gtest/gtest.h>

#include "Utf8.h"

TEST(Utf8, DecodesValidAndInvalidInput)
{
    const struct
    {
        const char* bytes;
        const wchar_t* text;
    } rows[] = {
        {"Hero", L"Hero"},
        {"\xE6\x9D\x8E\xE9\x80\x8D\xE9\x81\xA5", L"李逍遥"},
        {"\xF0\x9F\x98\x80!", L"\U0001F600!"},
        {"a\x80" "b", L"a\uFFFDb"},
        {"\xFF", L"\uFFFD"},
        {"\xE6\x9D", L"\uFFFD"},               // cut off in the middle of a character
        {"\xE6\x9D" "A", L"\uFFFDA"},
        {"\xC0\xAF", L"\uFFFD\uFFFD"},          // overlong
        {"\xED\xA0\x80", L"\uFFFD\uFFFD\uFFFD"}, // a surrogate
        {"\xF4\x90\x80\x80", L"\uFFFD\uFFFD\uFFFD\uFFFD"}, // above U+10FFFF
    };
    for (const auto& row : rows)
    {
        SCOPED_TRACE(row.bytes);
        EXPECT_EQ(DecodeUtf8(row.bytes), row.text);
    }
}

TEST(Utf8, EncodesWideTextBackToTheSameBytes)
{
    for (const char* bytes : {"Hero", "\xE6\x9D\x8E\xE9\x80\x8D\xE9\x81\xA5", "\xF0\x9F\x98\x80", "\xC3\xA9t\xC3\xA9"})
    {
        SCOPED_TRACE(bytes);
        EXPECT_EQ(EncodeUtf8(DecodeUtf8(bytes)), bytes);
    }
    EXPECT_EQ(EncodeUtf8(L"刚体"), "\xE5\x88\x9A\xE4\xBD\x93");
}

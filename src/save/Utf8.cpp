// Portable UTF-8 codec. Each maximal ill-formed subsequence decodes to one U+FFFD, as the
// Unicode standard recommends and the platform converters do.
#include "Utf8.h"

namespace
{
constexpr char32_t REPLACEMENT = 0xFFFD;

void AppendCodePoint(std::wstring& text, char32_t cp)
{
    if constexpr (sizeof(wchar_t) == 2)
    {
        if (cp > 0xFFFF)
        {
            cp -= 0x10000;
            text.push_back(wchar_t(0xD800 + (cp >> 10)));
            text.push_back(wchar_t(0xDC00 + (cp & 0x3FF)));
            return;
        }
    }
    text.push_back(wchar_t(cp));
}

void AppendUtf8(std::string& bytes, char32_t cp)
{
    if (cp < 0x80)
    {
        bytes.push_back(char(cp));
    }
    else if (cp < 0x800)
    {
        bytes.push_back(char(0xC0 | cp >> 6));
        bytes.push_back(char(0x80 | (cp & 0x3F)));
    }
    else if (cp < 0x10000)
    {
        bytes.push_back(char(0xE0 | cp >> 12));
        bytes.push_back(char(0x80 | (cp >> 6 & 0x3F)));
        bytes.push_back(char(0x80 | (cp & 0x3F)));
    }
    else
    {
        bytes.push_back(char(0xF0 | cp >> 18));
        bytes.push_back(char(0x80 | (cp >> 12 & 0x3F)));
        bytes.push_back(char(0x80 | (cp >> 6 & 0x3F)));
        bytes.push_back(char(0x80 | (cp & 0x3F)));
    }
}
} // namespace

std::wstring DecodeUtf8(std::string_view bytes)
{
    std::wstring text;
    size_t i = 0;
    while (i < bytes.size())
    {
        const auto lead = uint8_t(bytes[i]);
        if (lead < 0x80)
        {
            text.push_back(wchar_t(lead));
            ++i;
            continue;
        }
        // Length of the sequence and the range its second byte must lie in (this excludes
        // overlong forms, surrogates and values above U+10FFFF).
        size_t length = 0;
        uint8_t low = 0x80;
        uint8_t high = 0xBF;
        if (lead >= 0xC2 && lead <= 0xDF) length = 2;
        else if (lead == 0xE0) { length = 3; low = 0xA0; }
        else if (lead >= 0xE1 && lead <= 0xEC) length = 3;
        else if (lead == 0xED) { length = 3; high = 0x9F; }
        else if (lead >= 0xEE && lead <= 0xEF) length = 3;
        else if (lead == 0xF0) { length = 4; low = 0x90; }
        else if (lead >= 0xF1 && lead <= 0xF3) length = 4;
        else if (lead == 0xF4) { length = 4; high = 0x8F; }

        char32_t cp = length == 2 ? (lead & 0x1F) : length == 3 ? (lead & 0x0F) : (lead & 0x07);
        size_t taken = 1;
        while (length != 0 && taken < length && i + taken < bytes.size())
        {
            const auto next = uint8_t(bytes[i + taken]);
            if (next < low || next > high)
            {
                break;
            }
            cp = cp << 6 | (next & 0x3F);
            low = 0x80;
            high = 0xBF;
            ++taken;
        }
        AppendCodePoint(text, (length != 0 && taken == length) ? cp : REPLACEMENT);
        i += taken;
    }
    return text;
}

std::string EncodeUtf8(std::wstring_view text)
{
    std::string bytes;
    for (size_t i = 0; i < text.size(); ++i)
    {
        auto cp = char32_t(text[i]);
        if constexpr (sizeof(wchar_t) == 2)
        {
            cp &= 0xFFFF;
            if (cp >= 0xD800 && cp <= 0xDBFF && i + 1 < text.size() && (text[i + 1] & 0xFC00) == 0xDC00)
            {
                cp = 0x10000 + ((cp - 0xD800) << 10) + (char32_t(text[i + 1]) - 0xDC00);
                ++i;
            }
        }
        if ((cp >= 0xD800 && cp <= 0xDFFF) || cp > 0x10FFFF)
        {
            cp = REPLACEMENT;
        }
        AppendUtf8(bytes, cp);
    }
    return bytes;
}

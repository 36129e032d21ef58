// CObjScanner: the reading position in an OBJ or MTL text, one byte per character, with the rules
// of a formatted text stream in the classic locale: tokens separated by white space, numbers in C
// notation, and a failed read that ends all reading. A carriage return before a newline counts as
// nothing (text mode). Used by the reader only.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

class CObjScanner
{
public:
    explicit CObjScanner(std::span<const uint8_t> text)
        : m_at(reinterpret_cast<const char*>(text.data())), m_end(m_at + text.size())
    {
    }

    // The next token, at most `limit` characters (the rest of a longer one is read next time);
    // false at the end of the text or once a read has failed.
    bool ReadToken(std::string_view& token, size_t limit);
    // Numbers, after white space; a missing or malformed number fails the scanner.
    bool ReadFloat(float& value);
    bool ReadInt(int32_t& value);
    // A face index: optionally signed decimal, also past 32 bits up to the 64-bit range.
    bool ReadIndex(int64_t& value);
    // Whether the very next character is `c` (no white space skipped); Take also consumes it.
    bool NextIs(char c) const { return !m_failed && m_at != m_end && *m_at == c; }
    bool Take(char c);
    // Drops the rest of the line: at most 1000 characters, up to and including the newline.
    void SkipLine();

    bool Failed() const { return m_failed; }

private:
    bool SkipSpace();
    bool Fail()
    {
        m_failed = true;
        return false;
    }

    const char* m_at;
    const char* m_end;
    bool m_failed = false;
};

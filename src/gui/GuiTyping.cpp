// TypeInto: the edit box's typing rules.
#include "GuiTyping.h"

namespace
{
bool IsHighSurrogate(wchar_t unit)
{
    return unit >= 0xD800 && unit <= 0xDBFF;
}

bool IsLowSurrogate(wchar_t unit)
{
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

void EraseLastCharacter(std::wstring& text)
{
    if (text.empty())
    {
        return;
    }
    const bool pair = text.size() >= 2 && IsLowSurrogate(text.back()) && IsHighSurrogate(text[text.size() - 2]);
    text.resize(text.size() - (pair ? 2 : 1));
}
} // namespace

void TypeInto(std::wstring& text, std::wstring_view typed, bool digitsOnly, int maxLength)
{
    // -1 compares as the largest unsigned value: no limit.
    const size_t limit = static_cast<size_t>(static_cast<unsigned>(maxLength));
    for (size_t i = 0; i < typed.size(); ++i)
    {
        const wchar_t unit = typed[i];
        if (unit == L'\b')
        {
            EraseLastCharacter(text);
            continue;
        }
        // Esc, Tab, Enter and Ctrl+letter arrive as characters too; none belongs in a text.
        if (unit < 0x20 || unit == 0x7F || IsLowSurrogate(unit) || (digitsOnly && (unit < L'0' || unit > L'9')))
        {
            continue;
        }
        size_t length = 1;
        if (IsHighSurrogate(unit))
        {
            if (i + 1 == typed.size() || !IsLowSurrogate(typed[i + 1]))
            {
                continue;
            }
            length = 2;
        }
        if (text.size() + length <= limit)
        {
            text.append(typed.substr(i, length));
        }
        i += length - 1;
    }
}

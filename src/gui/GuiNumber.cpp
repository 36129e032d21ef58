// Decimal texts of int32 values for number boxes: writing and reading back.
#include "Gui.h"

#include <limits>

std::wstring FormatInt(int32_t value)
{
    return std::to_wstring(value);
}

int32_t ParseInt(const std::wstring& text)
{
    size_t position = 0;
    const bool negative = !text.empty() && text[0] == L'-';
    if (negative)
    {
        position = 1;
    }
    // Accumulate the magnitude in 64 bits and stop growing at the range's end, so that a long
    // digit string saturates instead of wrapping to an unrelated value.
    const int64_t limit = negative ? -int64_t{std::numeric_limits<int32_t>::min()}
                                   : int64_t{std::numeric_limits<int32_t>::max()};
    int64_t magnitude = 0;
    for (; position < text.size() && text[position] >= L'0' && text[position] <= L'9'; ++position)
    {
        magnitude = magnitude * 10 + (text[position] - L'0');
        if (magnitude > limit)
        {
            magnitude = limit;
        }
    }
    return static_cast<int32_t>(negative ? -magnitude : magnitude);
}

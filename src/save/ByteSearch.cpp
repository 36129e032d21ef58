// The plain Knuth-Morris-Pratt search and the hex decoder. The one-pass search that the loader
// uses is in SampledSearch.cpp and must give the same results as FindBytes.
#include "ByteSearch.h"

#include <string_view>

int32_t FindBytes(const uint8_t* buffer, int32_t length, const uint8_t* pattern, int32_t patternLength,
                  int32_t start)
{
    if (patternLength < 1)
    {
        return -1;
    }
    // Failure table with the usual optimisation: skip straight past entries that would compare
    // the same byte again.
    std::vector<int32_t> next(patternLength);
    next[0] = -1;
    int32_t i = -1;
    int32_t j = 0;
    while (j < patternLength - 1)
    {
        if (i == -1 || pattern[j] == pattern[i])
        {
            ++i;
            ++j;
            next[j] = (pattern[j] == pattern[i]) ? next[i] : i;
        }
        else
        {
            i = next[i];
        }
    }

    int32_t pos = start < 0 ? 0 : start;
    int32_t k = 0;
    while (pos < length && k < patternLength)
    {
        if (k == -1 || buffer[pos] == pattern[k])
        {
            ++pos;
            ++k;
        }
        else
        {
            k = next[k];
        }
    }
    return k == patternLength ? pos : -1;
}

std::vector<uint8_t> HexToBytes(std::string_view hex)
{
    constexpr std::string_view DIGITS = "0123456789ABCDEF";
    auto value = [&](char c) -> uint8_t
    {
        const size_t at = DIGITS.find(c);
        return at == std::string_view::npos ? 0 : uint8_t(at);
    };
    std::vector<uint8_t> bytes(hex.size() / 2);
    for (size_t i = 0; i < bytes.size(); ++i)
    {
        bytes[i] = uint8_t(value(hex[2 * i]) << 4 | value(hex[2 * i + 1]));
    }
    return bytes;
}

// CObjScanner: tokens and numbers of the model reader, read in place from the file's bytes.
#include "ObjScanner.h"

#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>

namespace
{
constexpr size_t LINE_SKIP_LIMIT = 1000;

bool IsSpace(char c)
{
    return c == ' ' || c == '\n' || c == '\t' || c == '\r' || c == '\v' || c == '\f';
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

const char* SkipDigits(const char* at, const char* end)
{
    while (at != end && IsDigit(*at))
    {
        ++at;
    }
    return at;
}
} // namespace

bool CObjScanner::SkipSpace()
{
    if (m_failed)
    {
        return false;
    }
    while (m_at != m_end && IsSpace(*m_at))
    {
        ++m_at;
    }
    return m_at != m_end;
}

bool CObjScanner::ReadToken(std::string_view& token, size_t limit)
{
    if (!SkipSpace())
    {
        return Fail();
    }
    const char* start = m_at;
    const char* stop = m_end - m_at > ptrdiff_t(limit) ? m_at + limit : m_end;
    while (m_at != stop && !IsSpace(*m_at))
    {
        ++m_at;
    }
    token = std::string_view(start, size_t(m_at - start));
    return true;
}

bool CObjScanner::ReadFloat(float& value)
{
    if (!SkipSpace())
    {
        return Fail();
    }
    // [+-] digits [. digits] [(e|E) [+-] digits], at least one mantissa digit.
    const char* start = m_at;
    const char* at = m_at;
    if (*at == '+' || *at == '-')
    {
        ++at;
    }
    const char* mantissa = at;
    at = SkipDigits(at, m_end);
    size_t digits = size_t(at - mantissa);
    if (at != m_end && *at == '.')
    {
        const char* fraction = ++at;
        at = SkipDigits(at, m_end);
        digits += size_t(at - fraction);
    }
    if (digits == 0)
    {
        return Fail();
    }
    if (at != m_end && (*at == 'e' || *at == 'E'))
    {
        ++at;
        if (at != m_end && (*at == '+' || *at == '-'))
        {
            ++at;
        }
        const char* exponent = at;
        at = SkipDigits(at, m_end);
        if (at == exponent)
        {
            return Fail();
        }
    }
    m_at = at;
    // from_chars takes no '+'; a value too small for a float becomes 0 or a subnormal, one too
    // large fails, as a stream's extraction does.
    const char* first = *start == '+' ? start + 1 : start;
    auto [end, error] = std::from_chars(first, at, value);
    if (error == std::errc::result_out_of_range)
    {
        double wide = 0.0;
        std::from_chars(first, at, wide);
        if (!(std::fabs(wide) < double(std::numeric_limits<float>::max())))
        {
            return Fail();
        }
        value = float(wide);
        return true;
    }
    return error == std::errc() && end == at ? true : Fail();
}

bool CObjScanner::ReadIndex(int64_t& value)
{
    if (!SkipSpace())
    {
        return Fail();
    }
    bool negative = false;
    if (*m_at == '+' || *m_at == '-')
    {
        negative = *m_at == '-';
        ++m_at;
    }
    const char* digits = m_at;
    uint64_t magnitude = 0;
    while (m_at != m_end && IsDigit(*m_at))
    {
        if (magnitude > uint64_t(std::numeric_limits<int64_t>::max() / 10))
        {
            return Fail();
        }
        magnitude = magnitude * 10 + uint64_t(*m_at - '0');
        ++m_at;
    }
    if (m_at == digits || magnitude > uint64_t(std::numeric_limits<int64_t>::max()))
    {
        return Fail();
    }
    value = negative ? -int64_t(magnitude) : int64_t(magnitude);
    return true;
}

bool CObjScanner::ReadInt(int32_t& value)
{
    int64_t wide = 0;
    if (!ReadIndex(wide))
    {
        return false;
    }
    if (wide < std::numeric_limits<int32_t>::min() || wide > std::numeric_limits<int32_t>::max())
    {
        return Fail();
    }
    value = int32_t(wide);
    return true;
}

bool CObjScanner::Take(char c)
{
    if (!NextIs(c))
    {
        return false;
    }
    ++m_at;
    return true;
}

void CObjScanner::SkipLine()
{
    if (m_failed)
    {
        return;
    }
    // One character more is looked at, for a carriage return before the newline, which does not count.
    const size_t left = size_t(m_end - m_at);
    const size_t window = left < LINE_SKIP_LIMIT + 1 ? left : LINE_SKIP_LIMIT + 1;
    const void* newline = std::memchr(m_at, '\n', window);
    if (newline)
    {
        const char* at = static_cast<const char*>(newline);
        size_t counted = size_t(at - m_at) + 1;
        if (at != m_at && at[-1] == '\r')
        {
            --counted;
        }
        if (counted <= LINE_SKIP_LIMIT)
        {
            m_at = at + 1;
            return;
        }
    }
    m_at += left < LINE_SKIP_LIMIT ? left : LINE_SKIP_LIMIT;
}

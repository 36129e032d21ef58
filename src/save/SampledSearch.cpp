// One pass that finds the first occurrence of each of several patterns (FindFirstOfEach).
// Every occurrence of a pattern of length m contains a four-byte gram at some offset 0 .. m-4 in
// each residue class modulo the stride, so sampling one gram per stride bytes cannot miss it. Grams
// of one repeated byte are left out where the class has another, so runs of 00 or FF stay cheap.
#include "ByteSearch.h"

#include <algorithm>
#include <cstring>

namespace
{
constexpr int32_t GRAM = 4;
constexpr int HASH_BITS = 16;

struct CGramEntry
{
    uint32_t m_gram;
    int32_t m_pattern;
    int32_t m_offset;
};

uint32_t LoadGram(const uint8_t* p)
{
    uint32_t gram;
    std::memcpy(&gram, p, sizeof gram);
    return gram;
}

uint32_t HashGram(uint32_t gram)
{
    return (gram * 0x9E3779B1u) >> (32 - HASH_BITS);
}

bool IsUniformGram(const uint8_t* p)
{
    return p[0] == p[1] && p[1] == p[2] && p[2] == p[3];
}

// Offsets of the grams sampled for one pattern: per residue class, the non-uniform ones if any.
std::vector<int32_t> ChooseOffsets(const std::vector<uint8_t>& pattern, int32_t stride)
{
    std::vector<int32_t> offsets;
    const int32_t last = int32_t(pattern.size()) - GRAM;
    for (int32_t residue = 0; residue < stride; ++residue)
    {
        bool anyNonUniform = false;
        for (int32_t o = residue; o <= last; o += stride)
        {
            anyNonUniform = anyNonUniform || !IsUniformGram(pattern.data() + o);
        }
        for (int32_t o = residue; o <= last; o += stride)
        {
            if (!anyNonUniform || !IsUniformGram(pattern.data() + o))
            {
                offsets.push_back(o);
            }
        }
    }
    return offsets;
}

bool EveryClassNonUniform(const std::vector<uint8_t>& pattern, int32_t stride)
{
    const int32_t last = int32_t(pattern.size()) - GRAM;
    for (int32_t residue = 0; residue < stride; ++residue)
    {
        bool found = false;
        for (int32_t o = residue; o <= last && !found; o += stride)
        {
            found = !IsUniformGram(pattern.data() + o);
        }
        if (!found)
        {
            return false;
        }
    }
    return true;
}

// The longest stride allowed by the shortest pattern, shortened while that lets every pattern
// avoid uniform grams entirely.
int32_t ChooseStride(std::span<const std::vector<uint8_t>> patterns, const std::vector<int32_t>& active)
{
    int32_t longest = INT32_MAX;
    for (int32_t k : active)
    {
        longest = std::min(longest, int32_t(patterns[k].size()) - GRAM + 1);
    }
    for (int32_t stride = longest; stride >= 1; --stride)
    {
        const bool clean = std::all_of(active.begin(), active.end(),
                                       [&](int32_t k) { return EveryClassNonUniform(patterns[k], stride); });
        if (clean)
        {
            return stride;
        }
    }
    return longest;
}
} // namespace

std::vector<int32_t> FindFirstOfEach(std::span<const uint8_t> buffer, std::span<const std::vector<uint8_t>> patterns,
                                     int32_t start)
{
    const auto count = int32_t(patterns.size());
    const auto length = int64_t(buffer.size());
    std::vector<int32_t> results(count, -1);
    start = std::max(start, 0);

    std::vector<int32_t> active;
    for (int32_t k = 0; k < count; ++k)
    {
        const auto size = int64_t(patterns[k].size());
        if (size < 1 || start + size > length)
        {
            continue;
        }
        if (size < GRAM)
        {
            results[k] = FindBytes(buffer.data(), int32_t(length), patterns[k].data(), int32_t(size), start);
            continue;
        }
        active.push_back(k);
    }
    if (active.empty())
    {
        return results;
    }

    const int32_t stride = ChooseStride(patterns, active);
    std::vector<CGramEntry> entries;
    for (int32_t k : active)
    {
        for (int32_t o : ChooseOffsets(patterns[k], stride))
        {
            entries.push_back({LoadGram(patterns[k].data() + o), k, o});
        }
    }
    std::sort(entries.begin(), entries.end(),
              [](const CGramEntry& a, const CGramEntry& b) { return a.m_gram < b.m_gram; });
    std::vector<uint64_t> bitmap((size_t(1) << HASH_BITS) / 64);
    for (const CGramEntry& entry : entries)
    {
        const uint32_t h = HashGram(entry.m_gram);
        bitmap[h >> 6] |= uint64_t(1) << (h & 63);
    }

    // best[k] is the earliest confirmed start so far; no earlier start can still turn up once the
    // samples pass best[k] + m - 4, since every occurrence is sampled within its first m - 3 bytes.
    std::vector<int64_t> best(count, -1);
    std::vector<int64_t> deadline(count, -1);
    auto remaining = int32_t(active.size());
    int64_t limit = length - GRAM;
    const uint8_t* data = buffer.data();
    for (int64_t p = start; p <= limit; p += stride)
    {
        const uint32_t gram = LoadGram(data + p);
        const uint32_t h = HashGram(gram);
        if (((bitmap[h >> 6] >> (h & 63)) & 1) == 0)
        {
            continue;
        }
        auto range = std::equal_range(entries.begin(), entries.end(), CGramEntry{gram, 0, 0},
                                      [](const CGramEntry& a, const CGramEntry& b) { return a.m_gram < b.m_gram; });
        for (auto entry = range.first; entry != range.second; ++entry)
        {
            const int32_t k = entry->m_pattern;
            const auto size = int64_t(patterns[k].size());
            const int64_t candidate = p - entry->m_offset;
            if ((best[k] >= 0 && (p > deadline[k] || candidate >= best[k])) || candidate < start ||
                candidate + size > length || std::memcmp(data + candidate, patterns[k].data(), size_t(size)) != 0)
            {
                continue;
            }
            remaining -= (best[k] < 0) ? 1 : 0;
            best[k] = candidate;
            deadline[k] = candidate + size - GRAM;
        }
        if (remaining == 0)
        {
            limit = std::min(limit, *std::max_element(deadline.begin(), deadline.end()));
        }
    }
    for (int32_t k : active)
    {
        results[k] = best[k] < 0 ? -1 : int32_t(best[k] + int64_t(patterns[k].size()));
    }
    return results;
}

// Tests of FindBytes (the KMP reference), HexToBytes, and of FindFirstOfEach against FindBytes on
// varied data: noise, long runs of 00 and FF, decoys of the marker's unit, planted occurrences.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "ByteSearch.h"
#include "Companions.h"

namespace
{
std::vector<uint8_t> Bytes(std::string_view text)
{
    return std::vector<uint8_t>(text.begin(), text.end());
}

std::vector<uint8_t> Marker()
{
    std::vector<uint8_t> marker;
    for (int unit = 0; unit < 6; ++unit)
    {
        marker.insert(marker.end(), {0xFF, 0xFF, 0xFF, 0xFF, 0, 0, 0, 0});
    }
    return marker;
}

int32_t Plain(const std::vector<uint8_t>& buffer, const std::vector<uint8_t>& pattern, int32_t start)
{
    return FindBytes(buffer.data(), int32_t(buffer.size()), pattern.data(), int32_t(pattern.size()), start);
}

// Buffers in several styles; each mixes in pieces of the patterns so that near-misses abound.
std::vector<uint8_t> MakeBuffer(std::mt19937& random, int style, size_t size,
                                const std::vector<std::vector<uint8_t>>& patterns)
{
    std::vector<uint8_t> b;
    while (b.size() < size)
    {
        const int kind = style == 0 ? int(random() % 2) + 2 : int(random() % 6);
        const size_t run = 1 + random() % (style == 2 ? 4000 : 300);
        switch (kind)
        {
        case 0: b.insert(b.end(), run, 0x00); break;
        case 1: b.insert(b.end(), run, 0xFF); break;
        case 2:
            for (size_t i = 0; i < run; ++i)
            {
                b.push_back(uint8_t(random()));
            }
            break;
        case 3:
        {
            // A whole pattern or a prefix, suffix or one-byte-off copy of one.
            const auto& p = patterns[random() % patterns.size()];
            std::vector<uint8_t> piece(p.begin(), p.begin() + ptrdiff_t(1 + random() % p.size()));
            if (random() % 3 == 0)
            {
                piece[random() % piece.size()] ^= uint8_t(1 + random() % 255);
            }
            b.insert(b.end(), piece.begin(), piece.end());
            break;
        }
        case 4:
            for (size_t unit = 0; unit < 1 + random() % 6; ++unit)
            {
                b.insert(b.end(), {0xFF, 0xFF, 0xFF, 0xFF, 0, 0, 0, 0});
            }
            break;
        default: b.insert(b.end(), {0xFF, 0xFF, 0xFF, 0x00, 0x00, 0xFF}); break;
        }
    }
    b.resize(size);
    return b;
}
} // namespace

TEST(FindBytes, ReturnsThePositionJustPastTheFirstOccurrence)
{
    const struct
    {
        const char* buffer;
        const char* pattern;
        int32_t start;
        int32_t expected;
    } rows[] = {
        {"abcabd", "abd", 0, 6},      {"abd", "abd", 0, 3},          {"xabd", "abd", 1, 4},
        {"abdabd", "abd", 1, 6},      {"abdabd", "abd", 4, -1},      {"aaab", "aab", 0, 4},
        {"abababc", "ababc", 0, 7},   {"ab", "abc", 0, -1},          {"abc", "c", 0, 3},
        {"abc", "abc", 3, -1},        {"abc", "abc", 100, -1},       {"", "a", 0, -1},
        {"aabaabaaab", "aabaaab", 0, 10},
    };
    for (const auto& row : rows)
    {
        SCOPED_TRACE(testing::Message() << row.buffer << " / " << row.pattern << " from " << row.start);
        EXPECT_EQ(Plain(Bytes(row.buffer), Bytes(row.pattern), row.start), row.expected);
    }
}

TEST(HexToBytes, DecodesUppercasePairs)
{
    EXPECT_EQ(HexToBytes("35E246901A069D252CB51D"),
              (std::vector<uint8_t>{0x35, 0xE2, 0x46, 0x90, 0x1A, 0x06, 0x9D, 0x25, 0x2C, 0xB5, 0x1D}));
    EXPECT_EQ(HexToBytes("0F00"), (std::vector<uint8_t>{0x0F, 0x00}));
    EXPECT_EQ(HexToBytes("ABC"), (std::vector<uint8_t>{0xAB}));
    EXPECT_TRUE(HexToBytes("").empty());
    for (const CCompanionEntry& companion : COMPANIONS)
    {
        EXPECT_EQ(HexToBytes(companion.m_face).size(), size_t(COMPANION_FACE_LENGTH)) << companion.m_face;
    }
}

TEST(FindFirstOfEach, GivesExactlyWhatFindBytesGives)
{
    std::vector<std::vector<uint8_t>> faces;
    for (const CCompanionEntry& companion : COMPANIONS)
    {
        faces.push_back(HexToBytes(companion.m_face));
    }
    const std::vector<std::vector<uint8_t>> oddPatterns = {
        std::vector<uint8_t>(8, 0x00), std::vector<uint8_t>(5, 0xFF), {0xFF, 0x00}, {0x00},
        {0xFF, 0xFF, 0xFF, 0x00, 0x00, 0xFF}, {1, 2, 1, 2, 1, 2, 1, 3}, {7, 7, 7, 7, 7, 7, 7, 7, 7, 8}};

    std::mt19937 random(12345);
    int found = 0;
    for (int round = 0; round < 240; ++round)
    {
        const int style = round % 3;
        const size_t size = round % 40 == 0 ? 1 + random() % 64 : 2000 + random() % 60000;
        std::vector<std::vector<uint8_t>> patterns;
        switch (round % 4)
        {
        case 0: patterns = {Marker()}; break;
        case 1: patterns = faces; break;
        case 2: patterns = oddPatterns; break;
        default:
            patterns = faces;
            patterns.push_back(Marker());
            break;
        }
        std::vector<uint8_t> buffer = MakeBuffer(random, style, size, patterns);
        // Patterns cut from the buffer itself always occur somewhere.
        for (int cut = 0; cut < 3 && buffer.size() > 70; ++cut)
        {
            const size_t at = random() % (buffer.size() - 64);
            patterns.emplace_back(buffer.begin() + ptrdiff_t(at), buffer.begin() + ptrdiff_t(at + 1 + random() % 64));
        }
        const int32_t starts[] = {0, int32_t(random() % (size + 1)), int32_t(size) - 11, -3};
        for (int32_t start : starts)
        {
            SCOPED_TRACE(testing::Message() << "round " << round << ", size " << size << ", start " << start);
            const std::vector<int32_t> fast = FindFirstOfEach(buffer, patterns, start);
            ASSERT_EQ(fast.size(), patterns.size());
            for (size_t k = 0; k < patterns.size(); ++k)
            {
                ASSERT_EQ(fast[k], Plain(buffer, patterns[k], std::max(start, 0))) << "pattern " << k;
                found += fast[k] >= 0 ? 1 : 0;
            }
        }
    }
    EXPECT_GT(found, 1000); // the comparison covered many real matches, not only misses
}

TEST(FindFirstOfEach, FindsOccurrencesAtBothEndsOfTheBuffer)
{
    const std::vector<uint8_t> marker = Marker();
    std::vector<uint8_t> buffer(5000, 0xFF);
    std::copy(marker.begin(), marker.end(), buffer.end() - 48);
    for (int32_t start : {0, 1, 4952, 4953})
    {
        SCOPED_TRACE(start);
        EXPECT_EQ(FindFirstOfEach(buffer, std::array{marker}, start)[0], start <= 4952 ? 5000 : -1);
    }
    std::copy(marker.begin(), marker.end(), buffer.begin());
    EXPECT_EQ(FindFirstOfEach(buffer, std::array{marker}, 0)[0], 48);
}

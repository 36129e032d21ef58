// Byte-pattern search over the save buffer and the hex decoding of the companions' face patterns.
// Results are positions just past the first occurrence at or after a start position, -1 for none.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

// Knuth-Morris-Pratt search, one byte at a time: the reference for every faster search below.
int32_t FindBytes(const uint8_t* buffer, int32_t length, const uint8_t* pattern, int32_t patternLength,
                  int32_t start);

// Decodes pairs of uppercase hex digits ("1A0B" -> 1A 0B); a trailing odd digit is ignored.
std::vector<uint8_t> HexToBytes(std::string_view hex);

// For each pattern, exactly what FindBytes returns for it from `start`, found in one pass over the
// buffer: four-byte samples are filtered through a bitmap and candidates confirmed with memcmp.
std::vector<int32_t> FindFirstOfEach(std::span<const uint8_t> buffer, std::span<const std::vector<uint8_t>> patterns,
                                     int32_t start);

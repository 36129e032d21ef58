// Fuzzer: the one-pass search must give exactly what the plain KMP search gives. The input is
// split into a few patterns (a length byte each), a start position and the buffer searched.
#include <cstdint>
#include <vector>

#include "ByteSearch.h"
#include "FuzzCheck.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 3)
    {
        return 0;
    }
    const int count = 1 + data[0] % 16;
    const int32_t start = int32_t(data[1] | data[2] << 8) - 16;
    size_t at = 3;
    std::vector<std::vector<uint8_t>> patterns;
    for (int k = 0; k < count && at < size; ++k)
    {
        const size_t length = std::min<size_t>(1 + data[at] % 64, size - at - 1);
        ++at;
        patterns.emplace_back(data + at, data + at + length);
        at += length;
    }
    const std::vector<uint8_t> buffer(data + std::min(at, size), data + size);
    const std::vector<int32_t> fast = FindFirstOfEach(buffer, patterns, start);
    FUZZ_CHECK(fast.size() == patterns.size());
    for (size_t k = 0; k < patterns.size(); ++k)
    {
        const int32_t plain = patterns[k].empty()
                                  ? -1
                                  : FindBytes(buffer.data(), int32_t(buffer.size()), patterns[k].data(),
                                              int32_t(patterns[k].size()), start < 0 ? 0 : start);
        FUZZ_CHECK(fast[k] == plain);
    }
    return 0;
}

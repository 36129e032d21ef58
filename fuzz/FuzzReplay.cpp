// Plain-main replayer: feeds every file of the given folders to a fuzzer's entry point, so fixed
// crashes stay fixed in ordinary builds. A missing or empty folder fails.
// Usage: FuzzReplay FOLDER...
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

int main(int argc, char** argv)
{
    int replayed = 0;
    for (int i = 1; i < argc; ++i)
    {
        std::error_code error;
        std::vector<std::filesystem::path> files;
        for (const auto& entry : std::filesystem::directory_iterator(argv[i], error))
        {
            if (entry.is_regular_file())
            {
                files.push_back(entry.path());
            }
        }
        if (error || files.empty())
        {
            std::fprintf(stderr, "FuzzReplay: no inputs in %s\n", argv[i]);
            return 1;
        }
        std::sort(files.begin(), files.end());
        for (const auto& file : files)
        {
            std::ifstream in(file, std::ios::binary);
            const std::vector<uint8_t> bytes(std::istreambuf_iterator<char>(in), {});
            std::printf("replaying %s (%zu bytes)\n", file.filename().string().c_str(), bytes.size());
            LLVMFuzzerTestOneInput(bytes.data(), bytes.size());
            ++replayed;
        }
    }
    std::printf("%d inputs replayed\n", replayed);
    return replayed > 0 ? 0 : 1;
}

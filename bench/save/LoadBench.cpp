// Loading a 256 MB generated save (read, the sixteen searches, decoding) against the floor of
// reading the same file into memory and copying it once, side by side in one run; prints the
// ratio of their medians. Not a test: nothing here asserts a time.
#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <map>

#include "FileIo.h"
#include "SaveDocument.h"
#include "SaveFixture.h"

namespace
{
constexpr int64_t SAVE_SIZE = int64_t(256) << 20;
std::filesystem::path s_path;

void BM_ReadAndCopy(benchmark::State& state)
{
    std::vector<uint8_t> copy(size_t(SAVE_SIZE) + 65536, 1); // touched once, outside the timing
    for (auto _ : state)
    {
        std::vector<uint8_t> bytes;
        if (ReadWholeFile(s_path, bytes) != FileReadStatus::Ok)
        {
            state.SkipWithError("cannot read the save");
            return;
        }
        std::memcpy(copy.data(), bytes.data(), bytes.size());
        benchmark::DoNotOptimize(copy.data());
        benchmark::ClobberMemory();
    }
}

void BM_LoadSave(benchmark::State& state)
{
    for (auto _ : state)
    {
        CSaveDocument document;
        document.LoadSaveFile(s_path);
        if (!document.IsLoaded())
        {
            state.SkipWithError("the save did not load");
            return;
        }
        benchmark::DoNotOptimize(document.m_companions[15].m_strength);
    }
}

// The sixteen searches and the decoding alone, on a buffer already in memory.
void BM_LocateInMemory(benchmark::State& state)
{
    std::vector<uint8_t> bytes;
    ReadWholeFile(s_path, bytes);
    for (auto _ : state)
    {
        state.PauseTiming();
        std::vector<uint8_t> input = bytes;
        CSaveDocument document;
        state.ResumeTiming();
        document.LoadSaveBytes(s_path, std::move(input));
        benchmark::DoNotOptimize(document.m_companions[15].m_strength);
    }
}

BENCHMARK(BM_ReadAndCopy)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_LoadSave)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_LocateInMemory)->Unit(benchmark::kMillisecond)->Repetitions(3)->ReportAggregatesOnly(true);

// Keeps the median real time of each benchmark for the ratio printed at the end.
class CRatioReporter : public benchmark::ConsoleReporter
{
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& run : runs)
        {
            if (run.aggregate_name == "median")
            {
                m_medians[run.run_name.function_name] = run.GetAdjustedRealTime();
            }
        }
        ConsoleReporter::ReportRuns(runs);
    }
    std::map<std::string, double> m_medians;
};
} // namespace

// Flushes the freshly written save so that write-back does not run during the measurements.
void FlushFile(const std::filesystem::path& path)
{
    const int fd = ::open(path.c_str(), O_RDONLY);
    if (fd >= 0)
    {
        ::fsync(fd);
        ::close(fd);
    }
}

int main(int argc, char** argv)
{
    // Repetitions of the two loads alternate in random order, so both see the same machine.
    std::vector<char*> arguments(argv, argv + argc);
    char interleave[] = "--benchmark_enable_random_interleaving=true";
    arguments.insert(arguments.begin() + 1, interleave);
    int count = int(arguments.size());
    benchmark::Initialize(&count, arguments.data());
    CFixtureOptions options = MakeFixtureOptions(256);
    options.m_size = SAVE_SIZE;
    s_path = std::filesystem::temp_directory_path() / "quillmark-bench-256mb.sav";
    if (!WriteFixtureFile(s_path, BuildFixtureSave(options).m_bytes))
    {
        std::fprintf(stderr, "cannot write %s\n", s_path.string().c_str());
        return 1;
    }
    FlushFile(s_path);
    CRatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    std::filesystem::remove(s_path);

    const double floor = reporter.m_medians["BM_ReadAndCopy"];
    const double load = reporter.m_medians["BM_LoadSave"];
    if (floor > 0 && load > 0)
    {
        std::printf("\nload / (read + copy) = %.2f (medians, 256 MB save)\n", load / floor);
    }
    return 0;
}

// The costs that matter to a user: redrawing the screen after each change, and saving. Both are measured on
// the widest code the limits allow, against a plain copy of the bytes they produce, and the run ends with
// those ratios.

#include "eps/ps_standard.h"
#include "model/code_model.h"
#include "model/dimensions.h"
#include "model/globals.h"
#include "model/numbers.h"
#include "render/draw_main.h"
#include "render/reduce.h"
#include "render/screen.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <map>
#include <new>
#include <optional>
#include <string>
#include <vector>

// Every allocation is counted, so that a benchmark can tell how much memory a step takes at its peak.
namespace {

std::atomic<std::size_t> liveBytes{0};
std::atomic<std::size_t> peakBytes{0};

constexpr std::size_t SIZE_HEADER = alignof(std::max_align_t);

void* CountedAlloc(std::size_t size)
{
    void* block = std::malloc(size + SIZE_HEADER);
    if (!block) throw std::bad_alloc();
    *static_cast<std::size_t*>(block) = size;
    const std::size_t live = liveBytes.fetch_add(size, std::memory_order_relaxed) + size;
    std::size_t peak = peakBytes.load(std::memory_order_relaxed);
    while (live > peak && !peakBytes.compare_exchange_weak(peak, live, std::memory_order_relaxed)) {
    }
    return static_cast<char*>(block) + SIZE_HEADER;
}

void CountedFree(void* pointer) noexcept
{
    if (!pointer) return;
    void* block = static_cast<char*>(pointer) - SIZE_HEADER;
    liveBytes.fetch_sub(*static_cast<std::size_t*>(block), std::memory_order_relaxed);
    std::free(block);
}

// The most memory that `step` holds at once beyond what was allocated before it.
template <typename Step>
std::size_t PeakExtraBytes(Step step)
{
    const std::size_t before = liveBytes.load();
    peakBytes.store(before);
    step();
    return peakBytes.load() - before;
}

} // namespace

void* operator new(std::size_t size)
{
    return CountedAlloc(size);
}
void* operator new[](std::size_t size)
{
    return CountedAlloc(size);
}
void operator delete(void* pointer) noexcept
{
    CountedFree(pointer);
}
void operator delete[](void* pointer) noexcept
{
    CountedFree(pointer);
}
void operator delete(void* pointer, std::size_t) noexcept
{
    CountedFree(pointer);
}
void operator delete[](void* pointer, std::size_t) noexcept
{
    CountedFree(pointer);
}

namespace {

using namespace quillmark;

struct Code {
    CodeModel model;
    Globals globals;
};

// The widest and tallest code: five parts of fifteen wide bars in five colours, four colour-change gaps,
// at the highest magnification, bar height and margin. Rendered at five pixels per point it is
// 14,208 x 1,417 pixels, on screen 2,841 x 283.
Code WidestCode()
{
    Code code;
    SetInitialState(code.model, code.globals);
    code.model.parts = {"65534", "65534", "65534", "65534", "65534"};
    code.model.colours = {BLACK, Rgb{255, 0, 0}, Rgb{0, 255, 0}, Rgb{0, 0, 255}, Rgb{255, 0, 255}};
    code.model.magText = "500";
    code.model.heightText = "100";
    code.model.guardBarText = "0";
    code.model.marginText = "30";
    return code;
}

// What RenderScreenCode does to the picture: render at theIS, then reduce to one pixel per point.
Picture ScreenPicture(const CodeModel& model, Globals& globals)
{
    const std::optional<Picture> rendering = DrawMain(model, globals, globals.theIS);
    return ReducePicture(*rendering, TruncToInt32(globals.theCodeWidth / globals.theIS),
                         TruncToInt32(globals.theHeight / globals.theIS));
}

// The bytes of the screen picture as a full 16-bit raster would hold them.
std::size_t ScreenRasterBytes()
{
    Code code = WidestCode();
    const Picture screen = ScreenPicture(code.model, code.globals);
    return static_cast<std::size_t>(screen.width()) * static_cast<std::size_t>(screen.height()) * 2;
}

std::tm SavedAt()
{
    std::tm when{};
    when.tm_year = 2024 - 1900;
    when.tm_mon = 5;
    when.tm_mday = 14;
    when.tm_hour = 9;
    when.tm_min = 30;
    return when;
}

void MemcpyLoop(benchmark::State& state, std::size_t bytes)
{
    std::vector<char> from(bytes, 'x');
    std::vector<char> to(bytes);
    for (auto _ : state) {
        std::memcpy(to.data(), from.data(), bytes);
        benchmark::DoNotOptimize(to.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(bytes));
    state.counters["bytes"] = static_cast<double>(bytes);
}

void BM_DrawMainAndReduce(benchmark::State& state)
{
    Code code = WidestCode();
    const std::size_t extraBytes = PeakExtraBytes([&code] {
        const Picture screen = ScreenPicture(code.model, code.globals);
        benchmark::DoNotOptimize(screen.row().data());
    });
    for (auto _ : state) {
        const Picture screen = ScreenPicture(code.model, code.globals);
        benchmark::DoNotOptimize(screen.row().data());
        benchmark::ClobberMemory();
    }
    const Picture screen = ScreenPicture(code.model, code.globals);
    state.counters["renderW"] = static_cast<double>(TruncToInt32(code.globals.theCodeWidth));
    state.counters["renderH"] = static_cast<double>(TruncToInt32(code.globals.theHeight));
    state.counters["screenW"] = screen.width();
    state.counters["screenH"] = screen.height();
    state.counters["extraBytes"] = static_cast<double>(extraBytes);
}
BENCHMARK(BM_DrawMainAndReduce)->Unit(benchmark::kMicrosecond);

void BM_MemcpyScreenPicture(benchmark::State& state)
{
    MemcpyLoop(state, ScreenRasterBytes());
}
BENCHMARK(BM_MemcpyScreenPicture)->Unit(benchmark::kMicrosecond);

void BM_PS_Standard(benchmark::State& state)
{
    Code code = WidestCode();
    RenderScreenCode(code.model, code.globals);
    const std::tm when = SavedAt();
    std::size_t documentBytes = 0;
    const std::size_t extraBytes =
        PeakExtraBytes([&] { documentBytes = PS_Standard(code.model, code.globals, when).size(); });
    for (auto _ : state) {
        const std::string document = PS_Standard(code.model, code.globals, when);
        benchmark::DoNotOptimize(document.data());
        benchmark::ClobberMemory();
    }
    state.counters["documentBytes"] = static_cast<double>(documentBytes);
    state.counters["extraBytes"] = static_cast<double>(extraBytes);
}
BENCHMARK(BM_PS_Standard)->Unit(benchmark::kMicrosecond);

void BM_MemcpyDocument(benchmark::State& state)
{
    Code code = WidestCode();
    RenderScreenCode(code.model, code.globals);
    MemcpyLoop(state, PS_Standard(code.model, code.globals, SavedAt()).size());
}
BENCHMARK(BM_MemcpyDocument)->Unit(benchmark::kMicrosecond);

// Prints the usual table, then each step's time as a multiple of the copy it is measured against: CPU time
// of the fastest repetition, so that other work on the machine counts as little as it can.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& run : runs) {
            if (run.error_occurred) continue;
            // With --benchmark_report_aggregates_only only the median stands for a benchmark.
            const bool iteration = run.run_type == Run::RT_Iteration;
            if (!iteration && run.aggregate_name != "median") continue;
            const double seconds = run.GetAdjustedCPUTime() / benchmark::GetTimeUnitMultiplier(run.time_unit);
            auto [entry, added] = _seconds.try_emplace(run.run_name.function_name, seconds);
            if (!added && iteration) entry->second = std::min(entry->second, seconds);
        }
        ConsoleReporter::ReportRuns(runs);
    }

    void Finalize() override
    {
        ConsoleReporter::Finalize();
        PrintRatio("BM_DrawMainAndReduce", "BM_MemcpyScreenPicture", 10);
        PrintRatio("BM_PS_Standard", "BM_MemcpyDocument", 5);
    }

private:
    void PrintRatio(const std::string& step, const std::string& copy, double target) const
    {
        const auto stepTime = _seconds.find(step);
        const auto copyTime = _seconds.find(copy);
        if (stepTime == _seconds.end() || copyTime == _seconds.end()) return;
        const double ratio = stepTime->second / copyTime->second;
        std::printf("%s / %s = %.3f (CPU time; target %.0f or less): %s\n", step.c_str(), copy.c_str(), ratio,
                    target, ratio <= target ? "met" : "MISSED");
    }

    // CPU time per iteration of each benchmark, in seconds.
    std::map<std::string, double> _seconds;
};

} // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}

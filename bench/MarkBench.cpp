// zeb-run --check on a class: 100 programs of a typical exercise, 5 cases
// each. Most are right, some print the wrong sum, some never halt and read
// again, a few loop until the step limit.
#include "cli/Assignment.h"
#include "cli/BatchRun.h"
#include "cli/CheckRun.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <ostream>
#include <string>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

const char* const kAssignment = "title Sum of two numbers\n"
                                "max-steps 10000\n"
                                "case three and four\ninput 3\ninput 4\nexpect 7\n"
                                "case two zeros\ninput 0\ninput 0\nexpect 0\n"
                                "case large\ninput 12000\ninput 20000\nexpect 32000\n"
                                "case one\ninput 1\ninput 0\nexpect 1\n"
                                "case carry\ninput 99\ninput 1\nexpect 100\n";

// INP, STO 10, INP, AC+ 10, OUT, HLT.
const char* const kRight = " 0| 11|   |\r\n 1|  2| 10|\r\n 2| 11|   |\r\n 3|  3| 10|\r\n"
                           " 4| 12|   |\r\n 5|  0|   |\r\n# RUN LOG:\r\nOUTPUT:      7\r\n";
// AC- instead of AC+.
const char* const kWrong = " 0|INP|   |\r\n 1|STO| 10|\r\n 2|INP|   |\r\n 3|AC-| 10|\r\n"
                           " 4|OUT|   |\r\n 5|HLT|   |\r\n# RUN LOG:\r\n";
// JMP 0 instead of HLT: waits for a third number.
const char* const kNoHalt = " 0| 11|   |\r\n 1|  2| 10|\r\n 2| 11|   |\r\n 3|  3| 10|\r\n"
                            " 4| 12|   |\r\n 5|  7|  0|\r\n# RUN LOG:\r\n";
// JMP 4 after OUT: prints for ever until the step limit.
const char* const kLoop = " 0| 11|   |\r\n 1|  2| 10|\r\n 2| 11|   |\r\n 3|  3| 10|\r\n"
                          " 4| 12|   |\r\n 5|  7|  4|\r\n# RUN LOG:\r\n";

void BM_MarkClass(benchmark::State& state) {
    const fs::path dir = fs::temp_directory_path() / ("zeb-mark-bench-" + std::to_string(getpid()));
    fs::create_directories(dir);
    std::ofstream(dir / "sum.assignment") << kAssignment;
    for (int i = 0; i < 100; ++i) {
        const char* program = i % 20 == 19  ? kLoop
                              : i % 10 == 9 ? kNoHalt
                              : i % 5 == 4  ? kWrong
                                            : kRight;
        std::ofstream(dir / ("S" + std::to_string(1000 + i) + ".ZEB"), std::ios::binary) << program;
    }
    zeb::CliOptions options;
    options.check = true;
    options.assignment = (dir / "sum.assignment").string();
    options.programs = {dir.string()};
    std::ostream discard(nullptr);
    for (auto _ : state) {
        const int status = zeb::CheckRun(options, discard, discard).execute();
        benchmark::DoNotOptimize(status);
    }
    state.counters["cases/s"] = benchmark::Counter(500.0 * static_cast<double>(state.iterations()),
                                                   benchmark::Counter::kIsRate);
    fs::remove_all(dir);
}
BENCHMARK(BM_MarkClass)->Unit(benchmark::kMillisecond);

// A generated assignment of many cases, as a teacher's script might write.
void BM_ParseAssignment(benchmark::State& state) {
    std::string text = "title Generated\nmax-steps 100\n";
    for (long i = 0; i < state.range(0); ++i)
        text += "case c" + std::to_string(i) + "\ninput 3\ninput 4\nexpect 7\n";
    for (auto _ : state) {
        std::vector<std::string> errors;
        auto assignment = zeb::parseAssignment(text, "generated", errors);
        benchmark::DoNotOptimize(assignment);
    }
    state.counters["cases/s"] = benchmark::Counter(
        static_cast<double>(state.range(0) * state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_ParseAssignment)->Arg(10'000)->Arg(80'000)->Unit(benchmark::kMillisecond);

// A run of 100,000 steps (JMP 0) with many keys pressed along it.
void BM_RunWithKeys(benchmark::State& state) {
    const fs::path dir = fs::temp_directory_path() / ("zeb-keys-bench-" + std::to_string(getpid()));
    fs::create_directories(dir);
    std::ofstream(dir / "J.ZEB", std::ios::binary) << " 0|  7|  0|\r\n#\r\n";
    zeb::CliOptions options;
    options.program = (dir / "J.ZEB").string();
    options.maxSteps = 100'000;
    for (long i = 0; i < state.range(0); ++i)
        options.keys.push_back({1 + i * (options.maxSteps / state.range(0)), 0});
    std::ostream discard(nullptr);
    for (auto _ : state) {
        zeb::BatchRun run(options, discard, discard);
        benchmark::DoNotOptimize(run.execute());
    }
    fs::remove_all(dir);
}
BENCHMARK(BM_RunWithKeys)->Arg(10)->Arg(10'000)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();

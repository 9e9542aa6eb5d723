// Headless instructions per second, with the field texts as the machine's
// only state.
#include "core/Zeb.h"

#include <benchmark/benchmark.h>

namespace {

class NullHost : public zeb::Host {
public:
    zeb::Answer MessageBox(zeb::Icon, zeb::Buttons, std::string_view, std::string_view) override {
        return zeb::Answer::Ok;
    }
    std::optional<std::string> MyInputBox() override { return std::string("1"); }
};

// Counts 30000 down to 0: LDA 11, JM0 10, AC- 12, JMP 1, HLT.
void LoadCountdown(zeb::Machine& m) {
    const struct {
        int a;
        const char* op;
        const char* opd;
    } cells[] = {{0, "1", "11"}, {1, "9", "10"}, {2, "4", "12"}, {3, "7", "1"},
                 {10, "0", ""},  {11, "117", "48"}, {12, "", "1"}};
    for (const auto& c : cells) {
        m.SetOperatorText(c.a, c.op);
        m.SetOperandText(c.a, c.opd);
    }
}

void BM_RunLoop(benchmark::State& state) {
    NullHost host;
    zeb::Zeb zeb(host);
    zeb.machine.StartUp();
    zeb.pacing.SetEnabled(false);
    long executed = 0;
    zeb.run.SetAfterInstruction([&](int) { ++executed; });
    for (auto _ : state) {
        LoadCountdown(zeb.machine);
        zeb.machine.ResetPC();
        zeb.run.StartExecution();
    }
    state.counters["instructions/s"] =
        benchmark::Counter(static_cast<double>(executed), benchmark::Counter::kIsRate);
    state.SetItemsProcessed(executed);
}
BENCHMARK(BM_RunLoop)->Unit(benchmark::kMillisecond);

// The same loop in hexadecimal with OUT on every turn, so the printer strip and
// the run log are part of the cost.
void BM_RunLoopWithOutput(benchmark::State& state) {
    NullHost host;
    zeb::Zeb zeb(host);
    zeb.machine.StartUp();
    zeb.pacing.SetEnabled(false);
    long executed = 0;
    zeb.run.SetAfterInstruction([&](int) { ++executed; });
    for (auto _ : state) {
        LoadCountdown(zeb.machine);
        zeb.machine.SetOperatorText(4, "12");
        zeb.machine.SetOperandText(4, "");
        zeb.machine.SetOperatorText(3, "7");
        zeb.machine.SetOperandText(3, "4");
        zeb.machine.SetOperatorText(5, "7");
        zeb.machine.SetOperandText(5, "1");
        zeb.machine.ResetPC();
        zeb.run.StartExecution();
    }
    state.counters["instructions/s"] =
        benchmark::Counter(static_cast<double>(executed), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_RunLoopWithOutput)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();

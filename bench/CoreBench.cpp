// Headless instructions per second: the machine alone, no view attached.
#include "core/Zeb.h"

#include <benchmark/benchmark.h>

namespace {

class NullHost : public zeb::Messages, public zeb::NumberInput {
  public:
    zeb::Answer messageBox(zeb::Icon, zeb::Buttons, std::string_view, std::string_view) override {
        return zeb::Answer::Ok;
    }
    std::optional<std::string> askNumber() override { return std::string("1"); }
};

// Counts 30000 down to 0: LDA 11, JM0 10, AC- 12, JMP 1, HLT.
void LoadCountdown(zeb::Machine& m) {
    const struct {
        int a;
        const char* op;
        const char* opd;
    } cells[] = {{0, "1", "11"}, {1, "9", "10"},    {2, "4", "12"}, {3, "7", "1"},
                 {10, "0", ""},  {11, "117", "48"}, {12, "", "1"}};
    for (const auto& c : cells) {
        m.setOperatorText(c.a, c.op);
        m.setOperandText(c.a, c.opd);
    }
}

// Runs the program that `load` puts into memory from address 0 until it halts,
// once per iteration, and reports the instructions executed per second. The
// argument -1 runs unpaced without history, as zeb-run does; 0 and 1 run at
// speed 10 with Back's history off (0) or on (1).
template <class Load> void RunProgram(benchmark::State& state, Load load) {
    NullHost host;
    zeb::Zeb zeb(host);
    zeb.machine().startUp();
    zeb.pacing().setEnabled(false);
    // Unpaced, the machine runs as zeb-run runs it: no history for Back.
    zeb.history().setRecording(false);
    if (state.range(0) >= 0) {
        zeb.pacing().setEnabled(true);
        zeb.machine().runState().setSpeed(10);
        zeb.history().setRecording(state.range(0) == 1);
    }
    long executed = 0;
    zeb.run().setAfterInstruction([&](zeb::Opcode) { ++executed; });
    for (auto _ : state) {
        load(zeb.machine());
        zeb.machine().resetPC();
        zeb.run().startExecution();
    }
    state.counters["instructions/s"] =
        benchmark::Counter(static_cast<double>(executed), benchmark::Counter::kIsRate);
}

void BM_RunLoop(benchmark::State& state) {
    RunProgram(state, LoadCountdown);
}
BENCHMARK(BM_RunLoop)->Arg(-1)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// The same loop with OUT on every turn, so the printer strip and the run log
// are part of the cost.
void BM_RunLoopWithOutput(benchmark::State& state) {
    RunProgram(state, [](zeb::Machine& m) {
        LoadCountdown(m);
        const struct {
            int a;
            const char* op;
            const char* opd;
        } cells[] = {{3, "7", "4"}, {4, "12", ""}, {5, "7", "1"}};
        for (const auto& c : cells) {
            m.setOperatorText(c.a, c.op);
            m.setOperandText(c.a, c.opd);
        }
    });
}
BENCHMARK(BM_RunLoopWithOutput)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// One Back from the end of the countdown's history of 120,000 instructions.
void BM_Back(benchmark::State& state) {
    NullHost host;
    zeb::Zeb zeb(host);
    zeb.machine().startUp();
    zeb.pacing().setEnabled(false);
    for (auto _ : state) {
        if (zeb.history().empty()) {
            state.PauseTiming();
            LoadCountdown(zeb.machine());
            zeb.machine().resetPC();
            zeb.run().startExecution();
            state.ResumeTiming();
        }
        zeb.run().back();
    }
}
BENCHMARK(BM_Back)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();

// Instructions per second of a run at speed 10 with the main window shown
// (offscreen) and every field repainting, and how soon Stop ends a run.
#include "QtBenchmarkMain.h"
#include "mainwindow/views/MainWindow.h"
#include "mainwindow/views/ZebSession.h"

#include <QElapsedTimer>
#include <QPushButton>
#include <QSlider>
#include <QTest>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <functional>

namespace {

using zeb::views::ZebSession;

std::unique_ptr<ZebSession> startedSession() {
    zeb::views::SessionOptions options;
    options.probeSound = false;
    options.quit = [] {};
    auto s = std::make_unique<ZebSession>(std::move(options));
    s->start();
    (void)QTest::qWaitForWindowExposed(&s->mainWindow());
    s->mainWindow().findChild<QSlider*>(QStringLiteral("speed"))->setValue(10);
    // With the status register shown the adding loop may overflow and go on.
    s->shell().toggleStatusRegister();
    if (qEnvironmentVariableIsSet("ZEB_BENCH_HIDDEN")) s->mainWindow().hide();
    return s;
}

// LDA 20, AC+ 21, STO 20, JMP 0: accumulator, PC and cell 20 change on
// every turn, and the highlight moves with the PC.
void loadAdder(zeb::Machine& m) {
    const struct {
        int a;
        const char* op;
        const char* opd;
    } cells[] = {{0, "1", "20"}, {1, "3", "21"}, {2, "2", "20"},
                 {3, "7", "0"},  {20, "", "0"},  {21, "", "1"}};
    for (const auto& c : cells) {
        m.setOperatorText(c.a, c.op);
        m.setOperandText(c.a, c.opd);
    }
    m.resetPC();
}

QPushButton* button(ZebSession& s, const char* name) {
    return s.mainWindow().findChild<QPushButton*>(QLatin1String(name));
}

// Clicks Run; `act` is done `afterMs` into the run. The milliseconds from
// `act` to the end of the run, also recorded as the iteration's time, and
// from the moment `act` was due to the end (the run looks at the events only
// now and then: this includes how late it saw the act).
struct RunEnd {
    double fromAct;
    double fromDue;
};
RunEnd msFromActToRunEnd(benchmark::State& state, ZebSession& s, int afterMs,
                         const std::function<void()>& act) {
    QElapsedTimer sinceAct;
    QElapsedTimer sinceClick;
    QTimer::singleShot(afterMs, [&] {
        sinceAct.start();
        act();
    });
    sinceClick.start();
    QTest::mouseClick(button(s, "runicon"), Qt::LeftButton);
    const double ms = static_cast<double>(sinceAct.nsecsElapsed()) / 1e6;
    state.SetIterationTime(ms / 1000.0);
    return {ms, static_cast<double>(sinceClick.nsecsElapsed()) / 1e6 - afterMs};
}

// The second argument: Back's history off (0) or on (1), side by side.
void BM_RunAtSpeed10WithWindow(benchmark::State& state) {
    auto s = startedSession();
    s->zeb().history().setRecording(state.range(1) == 1);
    const long perRun = state.range(0);
    long executed = 0;
    s->zeb().run().setAfterInstruction([&](zeb::Opcode) {
        if (++executed % perRun == 0) s->zeb().run().stop();
    });
    for (auto _ : state) {
        loadAdder(s->zeb().machine());
        QTest::mouseClick(button(*s, "runicon"), Qt::LeftButton);
    }
    state.counters["instructions/s"] =
        benchmark::Counter(static_cast<double>(executed), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_RunAtSpeed10WithWindow)
    ->Args({20000, 0})
    ->Args({20000, 1})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

// From the click on Stop to the end of the run.
void BM_StopLatency(benchmark::State& state) {
    auto s = startedSession();
    double worst = 0;
    double worstFromDue = 0;
    for (auto _ : state) {
        loadAdder(s->zeb().machine());
        const RunEnd end = msFromActToRunEnd(
            state, *s, 50, [&] { QTest::mouseClick(button(*s, "halticon"), Qt::LeftButton); });
        worst = std::max(worst, end.fromAct);
        worstFromDue = std::max(worstFromDue, end.fromDue);
    }
    state.counters["worst_ms"] = worst;
    state.counters["worst_ms_from_due"] = worstFromDue;
}
BENCHMARK(BM_StopLatency)->Iterations(10)->UseManualTime()->Unit(benchmark::kMillisecond);

// From the close of the main window during a run at speed 1 to the end of
// the run. The close lands at a different point of the pauses each time.
void BM_CloseLatencyAtSpeed1(benchmark::State& state) {
    double worst = 0;
    int iteration = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto s = startedSession();
        s->mainWindow().findChild<QSlider*>(QStringLiteral("speed"))->setValue(1);
        loadAdder(s->zeb().machine());
        state.ResumeTiming();
        worst = std::max(worst, msFromActToRunEnd(state, *s, 100 + 37 * (iteration++ % 8), [&] {
                                    s->mainWindow().close();
                                }).fromAct);
    }
    state.counters["worst_ms"] = worst;
}
BENCHMARK(BM_CloseLatencyAtSpeed1)->Iterations(8)->UseManualTime()->Unit(benchmark::kMillisecond);

// From the close of the main window while INP waits for a number to the end
// of the run.
void BM_CloseLatencyWhileInputWaits(benchmark::State& state) {
    double worst = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto s = startedSession();
        s->mainWindow().findChild<QSlider*>(QStringLiteral("speed"))->setValue(1);
        zeb::Machine& m = s->zeb().machine();
        m.setOperatorText(0, "11"); // INP, JMP 0
        m.setOperatorText(1, "7");
        m.setOperandText(1, "0");
        m.resetPC();
        state.ResumeTiming();
        worst = std::max(
            worst, msFromActToRunEnd(state, *s, 300, [&] { s->mainWindow().close(); }).fromAct);
    }
    state.counters["worst_ms"] = worst;
}
BENCHMARK(BM_CloseLatencyWhileInputWaits)
    ->Iterations(8)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return runQtBenchmarks(argc, argv);
}

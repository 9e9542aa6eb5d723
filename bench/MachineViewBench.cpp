// The Machine view, window shown (offscreen): the processor time a run spends
// waiting for Continue, instructions per second of a run that does not wait
// (Wait for Continue unchecked, wait interval 0, speed 10) with every change
// painted at screen rate, and how soon Stop ends that run.
#include "QtBenchmarkMain.h"
#include "machineview/MachineViewModel.h"
#include "machineview/views/MachineViewWindow.h"
#include "machineview/views/MachineViewWindows.h"
#include "machineview/views/ProcessorDiagram.h"
#include "machineview/views/StandaloneHost.h"

#include <QCheckBox>
#include <QElapsedTimer>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <sys/resource.h>

#include <memory>

namespace {

using namespace zeb;
using namespace zeb::machineview;

// A started machine with the view open on LDA 20, AC+ 21, STO 20, JMP 0.
struct ViewRig {
    views::StandaloneHost host;
    Zeb zeb{host};
    Assembler assembler{zeb.machine()};
    BaseSwitch bases{zeb.machine(), assembler};
    views::MachineViewWindows windows{{zeb, bases, assembler, nullptr, {}, {}, {}, {}}};

    explicit ViewRig(bool waitForContinue) {
        Machine& m = zeb.machine();
        m.startUp();
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
        // The adding loop overflows without the status register and would stop.
        zeb.display().set(Flag::StatusRegisterShown, true);
        windows.open();
        (void)QTest::qWaitForWindowExposed(windows.window());
        m.runState().setSpeed(10);
        m.view().setWaitInterval(0);
        button<QCheckBox>("ChkWait")->setChecked(waitForContinue);
    }
    template <typename W = QPushButton> W* button(const char* name) {
        return windows.window()->findChild<W*>(QLatin1String(name));
    }
};

double processSeconds() {
    rusage use{};
    getrusage(RUSAGE_SELF, &use);
    return static_cast<double>(use.ru_utime.tv_sec + use.ru_stime.tv_sec) +
           static_cast<double>(use.ru_utime.tv_usec + use.ru_stime.tv_usec) / 1e6;
}

// Processor time of the whole process while a run waits five seconds for Continue.
void BM_WaitForContinue(benchmark::State& state) {
    ViewRig rig(true);
    double cpu = 0;
    for (auto _ : state) {
        double before = 0;
        struct FirstWait : MachineViewObserver {
            std::function<void()> action;
            bool done = false;
            void stepWaiting() override {
                if (done) return;
                done = true;
                QTimer::singleShot(0, action);
            }
        } first;
        first.action = [&] {
            before = processSeconds();
            QTimer::singleShot(5000, [&] {
                cpu = processSeconds() - before;
                rig.button("CmdStop")->click();
            });
        };
        rig.windows.model()->display().addObserver(&first);
        rig.button("CmdRun")->click();
        rig.windows.model()->display().removeObserver(&first);
    }
    state.counters["cpu_ms_per_5s_wait"] = cpu * 1000;
}
BENCHMARK(BM_WaitForContinue)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();

// Counts the diagram's repaints.
struct PaintCounter : QObject {
    long paints = 0;
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) ++paints;
        return false;
    }
};

void BM_ViewRunWithoutWaits(benchmark::State& state) {
    ViewRig rig(false);
    const long perRun = state.range(0);
    long executed = 0;
    rig.zeb.run().setAfterInstruction([&](Opcode) {
        if (++executed % perRun == 0) rig.button("CmdStop")->click();
    });
    PaintCounter counter;
    rig.windows.window()->centralWidget()->installEventFilter(&counter);
    QElapsedTimer clock;
    clock.start();
    for (auto _ : state)
        rig.button("CmdRun")->click();
    const double seconds = static_cast<double>(clock.nsecsElapsed()) / 1e9;
    state.counters["instructions/s"] =
        benchmark::Counter(static_cast<double>(executed), benchmark::Counter::kIsRate);
    state.counters["repaints/s"] = static_cast<double>(counter.paints) / seconds;
}
BENCHMARK(BM_ViewRunWithoutWaits)->Arg(10000)->Unit(benchmark::kMillisecond)->UseRealTime();

// From the click on Stop to the end of a run that does not wait.
void BM_StopLatency(benchmark::State& state) {
    ViewRig rig(false);
    double worst = 0;
    for (auto _ : state) {
        QElapsedTimer sinceStop;
        QTimer::singleShot(50, [&] {
            sinceStop.start();
            QTest::mouseClick(rig.button("CmdStop"), Qt::LeftButton);
        });
        QTest::mouseClick(rig.button("CmdRun"), Qt::LeftButton);
        const double ms = static_cast<double>(sinceStop.nsecsElapsed()) / 1e6;
        worst = std::max(worst, ms);
        state.SetIterationTime(ms / 1000.0);
    }
    state.counters["worst_ms"] = worst;
}
BENCHMARK(BM_StopLatency)->Iterations(20)->UseManualTime()->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return runQtBenchmarks(argc, argv);
}

// Opens the Machine view on its own with a small program, for trying the view
// out and for taking its pictures:
//   zeb-machine-view-demo                  the view, ready to run
//   zeb-machine-view-demo --pictures DIR   writes the view mid-run and the clock chart
#include "machineview/MachineViewModel.h"
#include "machineview/views/ClockChartWindow.h"
#include "machineview/views/MachineViewWindow.h"
#include "machineview/views/MachineViewWindows.h"
#include "machineview/views/StandaloneHost.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QPushButton>
#include <QTimer>

namespace {

using namespace zeb;
using namespace zeb::machineview;

// LDA 10, AC+ 11, STO 12, JMP 0: a running total.
void loadProgram(Machine& m) {
    const struct {
        int address;
        const char* op;
        const char* opd;
    } cells[] = {{0, "1", "10"}, {1, "3", "11"}, {2, "2", "12"},
                 {3, "7", "0"},  {10, "0", "7"}, {11, "0", "5"}};
    for (const auto& c : cells) {
        m.setOperatorText(c.address, c.op);
        m.setOperandText(c.address, c.opd);
    }
}

// Stops at the given wait of the run, takes the pictures, and leaves.
struct Photographer : MachineViewObserver {
    views::MachineViewWindows* windows = nullptr;
    QDir dir;
    int waits = 0;
    int at = 0;
    void stepWaiting() override {
        ++waits;
        // Continue is pressed once the step waits for it.
        if (waits < at)
            QTimer::singleShot(0, [this] { windows->model()->continueRun(); });
        else if (waits == at)
            QTimer::singleShot(100, [this] { takePictures(); });
    }
    void takePictures() {
        windows->window()->refresh();
        // At QT_SCALE_FACTOR=2 the pictures have twice the pixels.
        const QString scale =
            windows->window()->devicePixelRatio() > 1 ? QStringLiteral("-scale2") : QString();
        windows->window()->grab().save(
            dir.filePath(QStringLiteral("machine-view%1.png").arg(scale)));
        windows->clockChart()->refresh();
        windows->clockChart()->grab().save(
            dir.filePath(QStringLiteral("clock-chart%1.png").arg(scale)));
        windows->window()->findChild<QPushButton*>(QStringLiteral("CmdStop"))->click();
    }
};

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    views::StandaloneHost host;
    Zeb zeb(host);
    zeb.machine().startUp();
    Assembler assembler(zeb.machine());
    BaseSwitch bases(zeb.machine(), assembler);
    loadProgram(zeb.machine());
    views::MachineViewWindows windows({zeb, bases, assembler, nullptr, {}, {}, {}, {}});
    windows.open();
    const QStringList args = app.arguments();
    if (args.size() < 3 || args[1] != QLatin1String("--pictures")) return app.exec();

    Photographer photographer;
    photographer.windows = &windows;
    photographer.dir = QDir(args[2]);
    // The AC+ of the second instruction brings itself over the Bus.
    photographer.at = 16;
    windows.model()->display().addObserver(&photographer);
    windows.window()->findChild<QCheckBox*>(QStringLiteral("ChkWait"))->setChecked(true);
    windows.window()->findChild<QAction*>(QStringLiteral("MnuShowClock"))->trigger();
    windows.window()->findChild<QPushButton*>(QStringLiteral("CmdRun"))->click();
    windows.model()->display().removeObserver(&photographer);
    return 0;
}

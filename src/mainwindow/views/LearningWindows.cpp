#include "mainwindow/views/LearningWindows.h"

#include "core/Zeb.h"
#include "demo/Demonstration.h"
#include "demo/views/DemonstrationWindow.h"
#include "help/HelpViewer.h"
#include "help/views/LoadedHelp.h"
#include "machineview/views/MachineViewWindows.h"
#include "mainwindow/views/MainWindow.h"

#include <QAction>

namespace zeb::views {

LearningWindows::LearningWindows(LearningSetup setup) : mainWindow_(setup.mainWindow) {
    MainWindow* main = &mainWindow_;
    machineView_ = std::make_unique<machineview::views::MachineViewWindows>(
        machineview::views::MachineViewSetup{
            setup.zeb, setup.bases, setup.assembler, main,
            [main](bool blocked) { main->blockInput(blocked); }, [main] { main->repaintAll(); },
            std::move(setup.showWaitInterval),
            [this](QAbstractButton* button) {
                help_->attachHelpButton(button, help_keywords::kMachineSimulator);
            }});
    help_ = std::make_unique<help::views::LoadedHelp>(main, std::move(setup.help));
    demonstration_ = std::make_unique<Demonstration>(setup.zeb.machine(), setup.zeb.run(), *help_);

    auto item = [main](const char* name, std::function<void()> handler) {
        QAction* action = main->action(QLatin1String(name));
        action->setEnabled(true);
        QObject::connect(action, &QAction::triggered, main, std::move(handler));
    };
    item("mnFullMachine", [this] { machineView_->open(); });
    item("MnDemonstration", [this] {
        demonstrationWindow();
        demonstration_->start();
    });
    item("MMGuide", [this] { help_->startGuide(); });
    item("zebscreen", [this] { help_->contents(); });
    item("tutmenu", [this] { help_->searchKeyword(help_keywords::kNoKeyword); });
    item("Instruction", [this] { help_->helpOnHelp(); });
}

LearningWindows::~LearningWindows() {
    machineView_.reset();
    // The help viewer goes before the help it shows.
    help_.reset();
    demonstrationWindow_.reset();
}

demo::views::DemonstrationWindow& LearningWindows::demonstrationWindow() {
    if (!demonstrationWindow_) {
        // A window of its own, not the main window's: while it is off the
        // top level during a run, the main window can come in front of it.
        demonstrationWindow_ = std::make_unique<demo::views::DemonstrationWindow>(*demonstration_);
        demonstration_->setView(demonstrationWindow_.get());
        demonstrationWindow_->controlArea = [this](UserCommand command) {
            return demonstrationControlArea(command);
        };
    }
    return *demonstrationWindow_;
}

void LearningWindows::hideDemonstrationWindow() {
    if (demonstrationWindow_) demonstrationWindow_->hide();
}

QList<QRect> LearningWindows::demonstrationControlArea(UserCommand command) {
    QString objectName;
    switch (command.command) {
    case Command::Run:
        objectName = QStringLiteral("runicon");
        break;
    case Command::Step:
        objectName = QStringLiteral("stepicon");
        break;
    case Command::Stop:
        objectName = QStringLiteral("halticon");
        break;
    case Command::Back:
        objectName = QStringLiteral("backicon");
        break;
    case Command::ResetProgramCounter:
        objectName = QStringLiteral("pciconl");
        break;
    case Command::ClearMemory:
        objectName = QStringLiteral("clearicon");
        break;
    case Command::SelectOperator:
        objectName = QStringLiteral("Operator_%1").arg(command.target);
        break;
    case Command::SelectOperand:
        objectName = QStringLiteral("Operand_%1").arg(command.target);
        break;
    case Command::PressKey:
        objectName = QStringLiteral("pads_%1").arg(command.target);
        break;
    }
    const QWidget* w = mainWindow_.findChild<QWidget*>(objectName);
    if (!w || !mainWindow_.isVisible()) return {};
    QList<QRect> area{QRect(w->mapToGlobal(QPoint(0, 0)), w->size())};
    // Resetting the PC and running are watched on the registers.
    if (command.command == Command::ResetProgramCounter || command.command == Command::Run)
        area.append(mainWindow_.registerRects());
    return area;
}

} // namespace zeb::views

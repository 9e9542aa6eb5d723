#include "mainwindow/views/MainWindowStatus.h"

#include "mainwindow/views/AddressLabels.h"
#include "mainwindow/views/HoverStatus.h"
#include "mainwindow/views/KeypadButton.h"
#include "mainwindow/views/MainWindowControls.h"
#include "mainwindow/views/PrinterPicture.h"
#include "mainwindow/views/fields/CellMouse.h"
#include "mainwindow/views/fields/FieldPanel.h"

#include <QLineEdit>
#include <QPushButton>

namespace zeb::views {

void watchStatusTexts(HoverStatus& hover, CellMouse& cells, const MainWindowControls& c,
                      MainShell& shell, DisplayState& d, MemoryEditor& e) {
    auto fixed = [&hover, &shell](QWidget* w, ShellControl control) {
        hover.watch(w, [&shell, control] { shell.showStatusOf(control); });
    };
    fixed(c.accumulatorPanel, ShellControl::Accumulator);
    fixed(c.statusRegisterPanel, ShellControl::StatusRegister);
    fixed(c.programCounterPanel, ShellControl::ProgramCounter);
    fixed(c.resetAccumulatorButton, ShellControl::ResetAccumulator);
    fixed(c.resetProgramCounterButton, ShellControl::ResetProgramCounter);
    fixed(c.runButton, ShellControl::Run);
    fixed(c.stepButton, ShellControl::Step);
    fixed(c.backButton, ShellControl::Back);
    fixed(c.stopButton, ShellControl::Stop);
    fixed(c.clearButton, ShellControl::Clear);
    fixed(c.printer, ShellControl::Printer);
    for (QLineEdit* line : c.printerLines)
        fixed(line, ShellControl::PrinterLines);
    for (AddressLabels* labels : c.addressLabels)
        fixed(labels, ShellControl::AddressLabels);
    cells.hovered = [&d, &e](int a, int column) {
        d.setStatusText(column == 0 ? e.operatorStatusText(a) : e.operandStatusText(a));
    };
    for (int a = 0; a < kMemorySize; ++a)
        for (Half half : {Half::Operator, Half::Operand})
            c.field(a, half)->setMouseTracking(true);
    for (int i = 0; i < MainWindowControls::kPads; ++i)
        hover.watch(c.keypad[static_cast<std::size_t>(i)],
                    [&d, i] { d.setStatusText(MemoryEditor::padStatusText(i)); });
}

} // namespace zeb::views

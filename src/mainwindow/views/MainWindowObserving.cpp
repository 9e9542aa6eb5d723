// The main window following the machine: every changed cell, register and
// display item is written into its widget as it changes.
#include "mainwindow/views/MainWindow.h"

#include "mainwindow/views/AddressLabels.h"
#include "mainwindow/views/KeypadButton.h"
#include "mainwindow/views/MainMenus.h"
#include "mainwindow/views/PrinterPicture.h"
#include "mainwindow/views/accessibility/AccessibleInterfaces.h"
#include "mainwindow/views/accessibility/RunStateText.h"
#include "mainwindow/views/accessibility/SpokenNames.h"
#include "mainwindow/views/fields/FieldPanel.h"
#include "mainwindow/views/fields/RepaintPacer.h"
#include "ui/ColourConversion.h"

#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QSlider>
#include <QStatusBar>

namespace zeb::views {

namespace {

QString qt(const std::string& s) {
    return QString::fromStdString(s);
}

} // namespace

void MainWindow::cellTextChanged(int address, Half half) {
    const Machine& m = models_.zeb.machine;
    controls_.field(address, half)
        ->setText(qt(half == Half::Operator ? m.operatorText(address) : m.operandText(address)));
}

void MainWindow::cellColourChanged(int address) {
    const Machine& m = models_.zeb.machine;
    controls_.field(address, Half::Operator)
        ->setBackground(ui::toQColor(m.operatorColour(address)));
    controls_.field(address, Half::Operand)->setBackground(ui::toQColor(m.operandColour(address)));
    // The cursor and the program counter are shown as colours; a screen
    // reader learns of them here.
    if (m.operatorColour(address) == kYellow || m.operandColour(address) == kYellow)
        cellFocus_.setExecuting(controls_.field(address, Half::Operator),
                                controls_.field(address, Half::Operand));
    showCurrentCell();
}

FieldPanel* MainWindow::currentField() const {
    const int code = models_.editor.currentCell();
    const bool operand = MemoryEditor::isOperandCode(code);
    const int address = operand ? code - MemoryEditor::kOperandBase : code;
    if (address < 0 || address >= kMemorySize) return nullptr;
    return controls_.field(address, operand ? Half::Operand : Half::Operator);
}

void MainWindow::showCurrentCell() {
    if (FieldPanel* current = currentField()) cellFocus_.setCurrent(current);
}

void MainWindow::registerChanged(Register reg) {
    const QString text = qt(models_.zeb.machine.registerText(reg));
    const MainWindowControls& c = controls_;
    switch (reg) {
    case Register::Acc:
        c.accumulatorPanel->setText(text);
        break;
    case Register::PC:
        c.programCounterPanel->setText(text);
        // Reset, or another program: how the last run ended is past.
        if (models_.zeb.display.get(Flag::MenusEnabled) && !models_.zeb.machine.running())
            runState_->forget();
        break;
    case Register::SP:
        c.stackPointerPanel->setText(text);
        break;
    case Register::Status:
        c.statusRegisterPanel->setText(text);
        break;
    case Register::Interrupt:
        c.interruptPanel->setText(text);
        break;
    }
}

void MainWindow::displayChanged(DisplayItem item, int index) {
    const DisplayState& d = models_.zeb.display;
    switch (item) {
    case DisplayItem::Flag:
        showFlag(static_cast<Flag>(index));
        if (static_cast<Flag>(index) == Flag::MenusEnabled) {
            // The run has ended: the screen reader hears the last values now.
            if (d.get(Flag::MenusEnabled)) pacer_->tellNow();
            runState_->menusEnabled(d.get(Flag::MenusEnabled));
        }
        break;
    case DisplayItem::StatusText:
        showStatusText(statusBarText_, qt(d.statusText()));
        break;
    case DisplayItem::PrinterLine:
        if (index >= 1 && index <= MainWindowControls::kPrinterLines) showPrinterLine(index);
        break;
    case DisplayItem::PrinterIcon:
        controls_.printer->setPrinting(d.printing());
        break;
    case DisplayItem::OutputText:
        break;
    case DisplayItem::NumberBase:
        showKeypadFaces();
        showAddressBase();
        break;
    case DisplayItem::Pointer:
        if (d.isBusy())
            setCursor(Qt::WaitCursor);
        else
            unsetCursor();
        break;
    }
}

void MainWindow::showPrinterLine(int index) {
    QLineEdit* line = controls_.printerLine(index);
    const QString text = qt(models_.zeb.display.printerLine(index));
    // Each new text is told to a screen reader: during a run the strip
    // follows at the rate a listener can take (the lines themselves are
    // spoken as they are printed).
    if (models_.zeb.display.get(Flag::MenusEnabled))
        line->setText(text);
    else
        pacer_->tellLater(line, 0, [line, text] { line->setText(text); });
}

void MainWindow::showFlag(Flag flag) {
    const bool on = models_.zeb.display.get(flag);
    const MainWindowControls& c = controls_;
    switch (flag) {
    case Flag::StatusRegisterShown:
        c.statusRegisterPanel->setVisible(on);
        c.statusLabel->setVisible(on);
        break;
    case Flag::StackPointerShown:
        c.stackPointerPanel->setVisible(on);
        c.resetStackPointerButton->setVisible(on);
        break;
    case Flag::InterruptShown:
        c.interruptLabel->setVisible(on);
        c.interruptPanel->setVisible(on);
        break;
    case Flag::BackEnabled:
        c.backButton->setEnabled(on);
        break;
    default:
        // Menu check marks and states; the device windows follow their
        // flags themselves.
        menus_->showFlag(flag, on);
        break;
    }
}

void MainWindow::showKeypadFaces() {
    const int base = models_.zeb.display.keypadBase();
    for (int i = 0; i < 16; ++i) {
        const QString number = base == 16 ? QString::number(i, 16).toUpper() : QString::number(i);
        controls_.keypad[static_cast<std::size_t>(i)]->setFace(KeypadButton::instructionLabel(i),
                                                               number);
    }
}

void MainWindow::showAddressBase() {
    for (AddressLabels* labels : controls_.addressLabels)
        labels->setBase(models_.zeb.display.labelBase());
}

} // namespace zeb::views

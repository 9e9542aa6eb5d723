// The main window following the machine: every changed cell, register and
// display item is written into its widget as it changes, or during a run at
// the next frame.
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
    changed_.texts.set(static_cast<std::size_t>(2 * address + (half == Half::Operand ? 1 : 0)));
    fieldsChanged();
}

void MainWindow::cellColourChanged(int address) {
    const Machine& m = models_.zeb.machine();
    changed_.colours.set(static_cast<std::size_t>(address));
    // The cursor and the program counter are shown as colours; a screen
    // reader learns of them when the colours are shown.
    if (m.operatorColour(address) == kYellow || m.operandColour(address) == kYellow)
        changed_.executing = address;
    fieldsChanged();
}

void MainWindow::registerChanged(Register reg) {
    changed_.registers.set(static_cast<std::size_t>(reg));
    // Reset, or another program: how the last run ended is past.
    if (reg == Register::PC && models_.zeb.display().get(Flag::MenusEnabled) &&
        !models_.zeb.machine().runState().running())
        runState_->forget();
    fieldsChanged();
}

void MainWindow::fieldsChanged() {
    if (models_.zeb.machine().runState().running())
        pacer_->requestFrame();
    else
        showChangedFields();
}

void MainWindow::showChangedFields() {
    const Machine& m = models_.zeb.machine();
    const MainWindowControls& c = controls_;
    if (changed_.texts.any()) {
        for (int a = 0; a < kMemorySize; ++a) {
            if (changed_.texts.test(static_cast<std::size_t>(2 * a)))
                c.field(a, Half::Operator)->setText(qt(m.operatorText(a)));
            if (changed_.texts.test(static_cast<std::size_t>(2 * a + 1)))
                c.field(a, Half::Operand)->setText(qt(m.operandText(a)));
        }
        changed_.texts.reset();
    }
    if (changed_.colours.any()) {
        for (int a = 0; a < kMemorySize; ++a)
            if (changed_.colours.test(static_cast<std::size_t>(a))) {
                c.field(a, Half::Operator)->setBackground(ui::toQColor(m.operatorColour(a)));
                c.field(a, Half::Operand)->setBackground(ui::toQColor(m.operandColour(a)));
            }
        changed_.colours.reset();
        if (changed_.executing >= 0)
            cellFocus_.setExecuting(c.field(changed_.executing, Half::Operator),
                                    c.field(changed_.executing, Half::Operand));
        changed_.executing = -1;
        showCurrentCell();
    }
    if (changed_.registers.any()) {
        FieldPanel* const panels[] = {c.accumulatorPanel, c.programCounterPanel,
                                      c.stackPointerPanel, c.statusRegisterPanel, c.interruptPanel};
        for (Register reg :
             {Register::Acc, Register::PC, Register::SP, Register::Status, Register::Interrupt})
            if (changed_.registers.test(static_cast<std::size_t>(reg)))
                panels[static_cast<int>(reg)]->setText(qt(m.registerText(reg)));
        changed_.registers.reset();
    }
}

FieldPanel* MainWindow::currentField() const {
    const CellHalf current = models_.editor.currentCell();
    if (!legalAddress(current.address)) return nullptr;
    return controls_.field(current.address, current.half);
}

void MainWindow::showCurrentCell() {
    if (FieldPanel* current = currentField()) cellFocus_.setCurrent(current);
}

void MainWindow::displayChanged(DisplayItem item, int index) {
    const DisplayState& d = models_.zeb.display();
    switch (item) {
    case DisplayItem::Flag:
        showFlag(static_cast<Flag>(index));
        if (static_cast<Flag>(index) == Flag::MenusEnabled) {
            // The run has ended: the last values are shown, and the screen
            // reader hears them, now.
            if (d.get(Flag::MenusEnabled)) {
                showChangedFields();
                pacer_->tellNow();
            }
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
    PaperLine* line = controls_.printerLine(index);
    const QString text = qt(models_.zeb.display().printerLine(index));
    // Each new text is told to a screen reader: during a run the strip
    // follows at the rate a listener can take (the lines themselves are
    // spoken as they are printed).
    if (models_.zeb.display().get(Flag::MenusEnabled))
        line->print(text);
    else
        pacer_->tellLater(line, 0, [line, text] { line->print(text); });
}

void MainWindow::showFlag(Flag flag) {
    const bool on = models_.zeb.display().get(flag);
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
    const int base = models_.zeb.display().keypadBase();
    for (int i = 0; i < 16; ++i) {
        const QString number = base == 16 ? QString::number(i, 16).toUpper() : QString::number(i);
        controls_.keypad[static_cast<std::size_t>(i)]->setFace(KeypadButton::instructionLabel(i),
                                                               number);
    }
}

void MainWindow::showAddressBase() {
    for (AddressLabels* labels : controls_.addressLabels)
        labels->setBase(models_.zeb.display().labelBase());
}

} // namespace zeb::views

#include "mainwindow/views/MainWindowControls.h"

#include "editing/MemoryEditor.h"
#include "mainwindow/views/AddressLabels.h"
#include "mainwindow/views/KeypadButton.h"
#include "mainwindow/views/PaperLine.h"
#include "mainwindow/views/PrinterPicture.h"
#include "mainwindow/views/fields/FieldPanel.h"
#include "ui/MarkedSlider.h"

#include <QLabel>
#include <QPushButton>
#include <QSlider>

#include <vector>

namespace zeb::views {

namespace {

template <typename W> W* named(W* widget, const QString& objectName, const QString& spoken) {
    widget->setObjectName(objectName);
    widget->setAccessibleName(spoken);
    return widget;
}

// Buttons are reached with Tab; typed characters that a button does not use
// go on to the memory editor.
QPushButton* button(QWidget* parent, const QString& objectName, const QString& caption,
                    const QString& spoken) {
    auto* b = named(new QPushButton(caption, parent), objectName, spoken);
    b->setFocusPolicy(Qt::TabFocus);
    b->setAutoDefault(false);
    return b;
}

FieldPanel* registerPanel(QWidget* parent, RepaintPacer* pacer, const QString& objectName,
                          const QString& spoken) {
    auto* p = named(new FieldPanel(parent), objectName, spoken);
    p->setAlignment(Qt::AlignRight);
    p->setPacer(pacer);
    return p;
}

QLabel* label(QWidget* parent, const QString& objectName, const QString& caption) {
    return named(new QLabel(caption, parent), objectName, caption);
}

void createMemoryGrid(MainWindowControls& c, QWidget* client, RepaintPacer* pacer) {
    for (int column = 0; column < MainWindowControls::kColumns; ++column)
        c.addressLabels[static_cast<std::size_t>(column)] =
            named(new AddressLabels(column, client), QStringLiteral("PicMem_%1").arg(column),
                  QStringLiteral("Memory address labels %1 to %2")
                      .arg(16 * column)
                      .arg(16 * column + 15));
    for (int a = 0; a < kMemorySize; ++a) {
        auto* opr = named(new FieldPanel(client), QStringLiteral("Operator_%1").arg(a),
                          QStringLiteral("Memory cell %1, operator").arg(a));
        // A screen reader reads a row of the grid as one: the address is
        // said once, with the operator.
        auto* opd = named(new FieldPanel(client), QStringLiteral("Operand_%1").arg(a),
                          QStringLiteral("operand"));
        opr->setPacer(pacer);
        opd->setPacer(pacer);
        opr->setGridPosition(a, 0);
        opd->setGridPosition(a, 1);
        c.operatorFields[static_cast<std::size_t>(a)] = opr;
        c.operandFields[static_cast<std::size_t>(a)] = opd;
    }
}

void createKeypad(MainWindowControls& c, QWidget* client) {
    for (int i = 0; i <= MemoryEditor::kDeletePad; ++i) {
        const QString spoken =
            i == MemoryEditor::kDeletePad
                ? QStringLiteral("Keypad delete")
                : QStringLiteral("Keypad %1 %2").arg(i).arg(KeypadButton::instructionLabel(i));
        c.keypad[static_cast<std::size_t>(i)] =
            named(new KeypadButton(client), QStringLiteral("pads_%1").arg(i), spoken);
    }
    c.keypad[MemoryEditor::kDeletePad]->setArrowFace();
    c.clearButton = button(client, QStringLiteral("clearicon"), QStringLiteral("Clear"),
                           QStringLiteral("Clear"));
}

void createRegisters(MainWindowControls& c, QWidget* client, RepaintPacer* pacer) {
    c.accumulatorPanel =
        registerPanel(client, pacer, QStringLiteral("accicon"), QStringLiteral("Accumulator"));
    c.programCounterPanel =
        registerPanel(client, pacer, QStringLiteral("pcicon"), QStringLiteral("Program Counter"));
    c.stackPointerPanel = registerPanel(client, pacer, QStringLiteral("PnlStackPtr"),
                                        QStringLiteral("Stack Pointer"));
    c.statusRegisterPanel = registerPanel(client, pacer, QStringLiteral("PnlStatusReg"),
                                          QStringLiteral("Status register"));
    c.interruptPanel = registerPanel(client, pacer, QStringLiteral("PnlInterrupt"),
                                     QStringLiteral("Interrupt line"));
    c.interruptPanel->setAlignment(Qt::AlignCenter);
    c.resetAccumulatorButton = button(client, QStringLiteral("acciconl"), QStringLiteral("AC"),
                                      QStringLiteral("Reset accumulator"));
    c.resetProgramCounterButton = button(client, QStringLiteral("pciconl"), QStringLiteral("PC"),
                                         QStringLiteral("Reset program counter"));
    c.resetStackPointerButton = button(client, QStringLiteral("CmdSP"), QStringLiteral("SP"),
                                       QStringLiteral("Reset stack pointer"));
    c.statusLabel = label(client, QStringLiteral("LblStatus"), QStringLiteral("Status"));
    c.interruptLabel = label(client, QStringLiteral("LblInterrupt"), QStringLiteral("Interrupt"));
    for (QLabel* l : {c.statusLabel, c.interruptLabel})
        l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
}

void createRunControls(MainWindowControls& c, QWidget* client) {
    c.runButton =
        button(client, QStringLiteral("runicon"), QStringLiteral("Run"), QStringLiteral("Run"));
    c.stepButton =
        button(client, QStringLiteral("stepicon"), QStringLiteral("Step"), QStringLiteral("Step"));
    c.backButton =
        button(client, QStringLiteral("backicon"), QStringLiteral("Back"), QStringLiteral("Back"));
    c.stopButton =
        button(client, QStringLiteral("halticon"), QStringLiteral("Stop"), QStringLiteral("Stop"));
    c.speedSlider = named(new ui::MarkedSlider(Qt::Horizontal, client), QStringLiteral("speed"),
                          QStringLiteral("Speed"));
    c.speedSlider->setRange(1, 10);
    c.speedSlider->setPageStep(1);
    c.speedSlider->setTickPosition(QSlider::TicksBelow);
    // Reached with Tab; the arrow keys then change the speed.
    c.speedSlider->setFocusPolicy(Qt::TabFocus);
    c.slowLabel = label(client, QStringLiteral("Panel3D1"), QStringLiteral("Slow"));
    c.fastLabel = label(client, QStringLiteral("Panel3D2"), QStringLiteral("Fast"));
    c.fastLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
}

void createPrinter(MainWindowControls& c, QWidget* client) {
    c.printer = named(new PrinterPicture(client), QStringLiteral("printicon"),
                      QStringLiteral("ZEB's printer, click to feed paper"));
    for (int i = 1; i <= MainWindowControls::kPrinterLines; ++i) {
        auto* line = named(new PaperLine(client), QStringLiteral("lineicons_%1").arg(i),
                           QStringLiteral("Printer paper line %1").arg(i));
        c.printerLines[static_cast<std::size_t>(i - 1)] = line;
    }
}

} // namespace

MainWindowControls MainWindowControls::create(QWidget* client, RepaintPacer* pacer) {
    MainWindowControls c;
    createMemoryGrid(c, client, pacer);
    createKeypad(c, client);
    createRegisters(c, client, pacer);
    createRunControls(c, client);
    createPrinter(c, client);
    // Tab goes from the memory grid (the window itself) through the keypad,
    // the run controls, then the register resets.
    QWidget* previous = c.keypad[0];
    std::vector<QWidget*> order(c.keypad.begin() + 1, c.keypad.end());
    order.insert(order.end(),
                 {static_cast<QWidget*>(c.clearButton), static_cast<QWidget*>(c.runButton),
                  static_cast<QWidget*>(c.stepButton), static_cast<QWidget*>(c.backButton),
                  static_cast<QWidget*>(c.stopButton), static_cast<QWidget*>(c.speedSlider),
                  static_cast<QWidget*>(c.resetAccumulatorButton),
                  static_cast<QWidget*>(c.resetProgramCounterButton),
                  static_cast<QWidget*>(c.resetStackPointerButton)});
    for (QWidget* next : order) {
        QWidget::setTabOrder(previous, next);
        previous = next;
    }
    return c;
}

QRect MainWindowControls::keypadAndRunControls() const {
    QRect area;
    auto add = [&area](const QWidget* w) {
        area |= QRect(w->mapToGlobal(QPoint(0, 0)), w->size());
    };
    for (const KeypadButton* pad : keypad)
        add(pad);
    for (const QWidget* w : {static_cast<QWidget*>(clearButton), static_cast<QWidget*>(runButton),
                             static_cast<QWidget*>(stepButton), static_cast<QWidget*>(backButton),
                             static_cast<QWidget*>(stopButton), static_cast<QWidget*>(speedSlider),
                             static_cast<QWidget*>(slowLabel), static_cast<QWidget*>(fastLabel)})
        add(w);
    return area;
}

FieldPanel* MainWindowControls::field(int address, Half half) const {
    const auto i = static_cast<std::size_t>(address);
    return half == Half::Operator ? operatorFields[i] : operandFields[i];
}

} // namespace zeb::views

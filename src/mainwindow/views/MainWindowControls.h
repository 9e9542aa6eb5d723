#pragma once
#include "core/Types.h"
#include "core/Words.h"
#include "mainwindow/views/PaperLine.h"

#include <QRect>

#include <array>

class QLabel;
class QPushButton;
class QSlider;
class QWidget;

namespace zeb::views {

class AddressLabels;
class FieldPanel;
class KeypadButton;
class PrinterPicture;
class RepaintPacer;

// The widgets of the main window's client area, created and named in one
// place. Their object and accessible names are what tests and screen readers
// find them by; what they do is wired by the main window.
struct MainWindowControls {
    static constexpr int kColumns = 5;
    static constexpr int kPads = 17;
    static constexpr int kPrinterLines = 4;

    std::array<AddressLabels*, kColumns> addressLabels{};
    std::array<FieldPanel*, kMemorySize> operatorFields{};
    std::array<FieldPanel*, kMemorySize> operandFields{};
    // Instruction and digit buttons 0..15, then the delete button.
    std::array<KeypadButton*, kPads> keypad{};
    QPushButton* clearButton = nullptr;

    FieldPanel* accumulatorPanel = nullptr;
    FieldPanel* programCounterPanel = nullptr;
    FieldPanel* stackPointerPanel = nullptr;
    FieldPanel* statusRegisterPanel = nullptr;
    FieldPanel* interruptPanel = nullptr;
    QLabel* statusLabel = nullptr;
    QLabel* interruptLabel = nullptr;
    QPushButton* resetAccumulatorButton = nullptr;
    QPushButton* resetProgramCounterButton = nullptr;
    QPushButton* resetStackPointerButton = nullptr;

    QPushButton* runButton = nullptr;
    QPushButton* stepButton = nullptr;
    QPushButton* backButton = nullptr;
    QPushButton* stopButton = nullptr;
    QSlider* speedSlider = nullptr;
    QLabel* slowLabel = nullptr;
    QLabel* fastLabel = nullptr;

    PrinterPicture* printer = nullptr;
    // Line 1 is the newest, at the bottom of the strip.
    std::array<PaperLine*, kPrinterLines> printerLines{};

    // Creates every control on `client`; fields repaint at the pacer's rate.
    static MainWindowControls create(QWidget* client, RepaintPacer* pacer);

    FieldPanel* field(int address, Half half) const;
    // The keypad with Clear and the run controls, in screen coordinates.
    QRect keypadAndRunControls() const;
    PaperLine* printerLine(int line) const {
        return printerLines[static_cast<std::size_t>(line - 1)];
    }
};

} // namespace zeb::views

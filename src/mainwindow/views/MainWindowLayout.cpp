#include "mainwindow/views/MainWindowLayout.h"

#include "editing/MemoryEditor.h"
#include "mainwindow/views/AddressLabels.h"
#include "mainwindow/views/KeypadButton.h"
#include "mainwindow/views/MainWindowControls.h"
#include "mainwindow/views/PrinterPicture.h"
#include "mainwindow/views/fields/FieldPanel.h"
#include "ui/Twips.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>

namespace zeb::views {

namespace L = layout;
using ui::twipsRect;

namespace {

void layOutMemoryGrid(const MainWindowControls& c) {
    for (int column = 0; column < MainWindowControls::kColumns; ++column) {
        AddressLabels* labels = c.addressLabels[static_cast<std::size_t>(column)];
        const QRect box =
            twipsRect(L::labelLeft(column), L::kGridTop, L::kLabelWidth, L::kLabelHeight);
        labels->setGeometry(box);
        std::array<QRect, 16> rows;
        for (int r = 0; r < 16; ++r)
            rows[static_cast<std::size_t>(r)] =
                twipsRect(L::labelLeft(column), L::cellTop(16 * column + r), L::kLabelWidth,
                          r == 15 ? L::kCellHeight : L::kRowStep)
                    .translated(-box.topLeft());
        labels->setRows(rows);
    }
    // Neighbouring rows share a border: a cell ends where the next begins
    // and the next one's top border is the line between them. Only the last
    // cell of a column has the full height and a border of its own below.
    for (int a = 0; a < kMemorySize; ++a) {
        const bool last = a % 16 == 15;
        const int height = last ? L::kCellHeight : L::kRowStep;
        for (Half half : {Half::Operator, Half::Operand}) {
            FieldPanel* f = c.field(a, half);
            const int left = half == Half::Operator ? L::operatorLeft(a) : L::operandLeft(a);
            f->setGeometry(twipsRect(left, L::cellTop(a), L::kCellWidth, height));
            f->setBottomBorder(last);
        }
    }
}

void layOutKeypad(const MainWindowControls& c) {
    for (int i = 0; i < 16; ++i) {
        const int left = L::kPanelLeft + (i % 4) * (L::kPadWidth + L::kPadGap);
        const int top = L::kGridTop + (i / 4) * (L::kPadHeight + L::kPadGap);
        c.keypad[static_cast<std::size_t>(i)]->setGeometry(
            twipsRect(left, top, L::kPadWidth, L::kPadHeight));
    }
    c.keypad[MemoryEditor::kDeletePad]->setGeometry(twipsRect(
        L::kPanelLeft, L::kDeleteTop, 3 * L::kPadWidth + 2 * L::kPadGap, L::kSmallButtonHeight));
    c.clearButton->setGeometry(twipsRect(L::kPanelLeft + 3 * (L::kPadWidth + L::kPadGap),
                                         L::kDeleteTop, L::kPadWidth, L::kSmallButtonHeight));
}

void layOutRunControls(const MainWindowControls& c) {
    int left = L::kPanelLeft;
    for (QPushButton* b : {c.runButton, c.stepButton, c.backButton, c.stopButton}) {
        b->setGeometry(twipsRect(left, L::kRunTop, L::kRunButtonWidth, L::kSmallButtonHeight));
        left += L::kRunButtonWidth + L::kPadGap;
    }
    c.slowLabel->setGeometry(
        twipsRect(L::kPanelLeft, L::kSliderTop, L::kSpeedLabelWidth, L::kSliderHeight));
    c.speedSlider->setGeometry(twipsRect(L::kPanelLeft + L::kSpeedLabelWidth, L::kSliderTop,
                                         L::kPanelWidth - 2 * L::kSpeedLabelWidth,
                                         L::kSliderHeight));
    c.fastLabel->setGeometry(twipsRect(L::kPanelRight - L::kSpeedLabelWidth, L::kSliderTop,
                                       L::kSpeedLabelWidth, L::kSliderHeight));
}

void layOutPrinter(const MainWindowControls& c) {
    c.printer->setGeometry(
        twipsRect(L::kPanelLeft, L::kPrinterTop, L::kPrinterWidth, 4 * L::kPaperLineHeight));
    // The newest line is at the bottom of the strip.
    for (int line = 1; line <= MainWindowControls::kPrinterLines; ++line)
        c.printerLine(line)->setGeometry(
            twipsRect(L::kPaperLeft, L::kPrinterTop + (4 - line) * L::kPaperLineHeight,
                      L::kPanelRight - L::kPaperLeft, L::kPaperLineHeight));
}

void layOutRegisters(const MainWindowControls& c) {
    // Each row is a run of widgets from the left, a small gap between a
    // button or label and its field, a wider one between groups.
    struct Item {
        QWidget* widget;
        int width;
        int gapAfter;
    };
    auto row = [](int top, std::initializer_list<Item> items) {
        int left = L::kGridLeft;
        for (const Item& item : items) {
            item.widget->setGeometry(twipsRect(left, top, item.width, L::kRegisterHeight));
            left += item.width + item.gapAfter;
        }
    };
    row(L::kRegisterTop, {{c.resetAccumulatorButton, L::kResetButtonWidth, L::kBesideGap},
                          {c.accumulatorPanel, L::kRegisterWidth, L::kRegisterGroupGap},
                          {c.resetProgramCounterButton, L::kResetButtonWidth, L::kBesideGap},
                          {c.programCounterPanel, L::kRegisterWidth, L::kRegisterGroupGap},
                          {c.resetStackPointerButton, L::kResetButtonWidth, L::kBesideGap},
                          {c.stackPointerPanel, L::kStackPointerWidth, 0}});
    row(L::kRegisterTop + L::kRegisterRowStep,
        {{c.statusLabel, L::kStatusLabelWidth, L::kBesideGap},
         {c.statusRegisterPanel, L::kStatusRegisterWidth, L::kRegisterGroupGap},
         {c.interruptLabel, L::kInterruptLabelWidth, L::kBesideGap},
         {c.interruptPanel, L::kInterruptWidth, 0}});
}

} // namespace

void layOutControls(const MainWindowControls& controls) {
    layOutMemoryGrid(controls);
    layOutKeypad(controls);
    layOutRunControls(controls);
    layOutPrinter(controls);
    layOutRegisters(controls);
}

} // namespace zeb::views

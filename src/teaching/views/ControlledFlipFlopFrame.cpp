#include "teaching/views/ControlledFlipFlopFrame.h"

#include "teaching/views/DiagramParts.h"
#include "ui/TruthGrid.h"
#include "ui/Twips.h"
#include "ui/ValuePanel.h"

namespace zeb::teaching::views {

ControlledFlipFlopFrame::ControlledFlipFlopFrame(ControlledFlipFlopDemo& flipFlop, QWidget* parent)
    : ui::DiagramFrame(QStringLiteral("Controlled Flip Flop"), parent), flipFlop_(flipFlop) {
    setObjectName(QStringLiteral("FraControlFlipFlop"));
    using ui::GateShape;
    auto* and1 = addGate(this, QStringLiteral("PicAndCFF1"), GateShape::And, {180, 46, 56, 48});
    auto* notGate = addGate(this, QStringLiteral("PicNotCFF"), GateShape::Not, {120, 118, 40, 24});
    auto* and2 = addGate(this, QStringLiteral("PicAndCFF2"), GateShape::And, {180, 118, 56, 48});
    for (auto* gate : {and1, and2})
        connect(gate, &ui::GateSymbol::doubleClicked, this,
                [this] { emit openRequested(GateFrame::And); });
    connect(notGate, &ui::GateSymbol::doubleClicked, this,
            [this] { emit openRequested(GateFrame::Not); });

    auto* flipFlopBox = addBox(this, QStringLiteral("PnlFlipFlop"), {262, 46, 72, 120},
                               QStringLiteral("Flip Flop"), kGreen, QStringLiteral("Flip-flop"));
    connect(flipFlopBox, &ui::ValuePanel::doubleClicked, this,
            [this] { emit openRequested(GateFrame::FlipFlop); });
    addText(this, QStringLiteral("Set"), {266, 62, 40, 16});
    addText(this, QStringLiteral("Reset"), {266, 134, 50, 16});

    dataPanel_ = addBitPanel(this, QStringLiteral("PnlCFFData"), {60, 46},
                             QStringLiteral("Data input of the controlled flip-flop"));
    controlPanel_ = addBitPanel(this, QStringLiteral("PnlCFFControl"), {60, 188},
                                QStringLiteral("Control input of the controlled flip-flop"));
    outputPanel_ = addBitPanel(this, QStringLiteral("PnlCFFOut"), {352, 94},
                               QStringLiteral("Output of the controlled flip-flop"));
    addText(this, QStringLiteral("Data"), {8, 46, 48, kBitHeight},
            Qt::AlignRight | Qt::AlignVCenter);
    addText(this, QStringLiteral("Control"), {4, 188, 52, kBitHeight},
            Qt::AlignRight | Qt::AlignVCenter);
    addText(this, QStringLiteral("Output"), {336, 72, 60, 18}, Qt::AlignCenter);

    addLine(
        this, {},
        {{rightOf(dataPanel_), and1->inputPin(0)}, {{104, 58}, {104, 130}, notGate->inputPin(0)}},
        {{104, 58}});
    addLine(this, {},
            {{rightOf(controlPanel_), {170, 200}, {170, 82}, and1->inputPin(1)},
             {{170, 154}, and2->inputPin(1)}},
            {{170, 154}});
    addLine(this, {}, {{notGate->outputPin(), and2->inputPin(0)}});
    addLine(this, {}, {{and1->outputPin(), {262, 70}}});
    addLine(this, {}, {{and2->outputPin(), {262, 142}}});
    addLine(this, {}, {{{334, 106}, leftOf(outputPanel_)}});

    truthTable_ = addGrid(this, QStringLiteral("GridCFF"), ControlledFlipFlopDemo::table(),
                          {392, 46}, ui::twipsToPixels(800), 22);
    addText(this, QStringLiteral("Click on Control and Data boxes to change input values."),
            {24, 236, 510, 22});
    addText(
        this,
        QStringLiteral("The output of the flip flop can only be changed when the control is at 1."),
        {24, 262, 510, 22});

    connect(controlPanel_, &ui::ValuePanel::clicked, this, [this] {
        flipFlop_.toggleControl();
        emit changed();
    });
    connect(dataPanel_, &ui::ValuePanel::clicked, this, [this] {
        flipFlop_.toggleData();
        emit changed();
    });
    refresh();
}

void ControlledFlipFlopFrame::refresh() {
    showBit(controlPanel_, flipFlop_.control());
    showBit(dataPanel_, flipFlop_.data());
    showBit(outputPanel_, flipFlop_.output());
    truthTable_->highlightRow(flipFlop_.highlightedRow());
}

} // namespace zeb::teaching::views

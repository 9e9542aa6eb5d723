#include "teaching/views/HalfAdderFrame.h"

#include "teaching/views/DiagramParts.h"
#include "ui/TruthGrid.h"
#include "ui/ValuePanel.h"

namespace zeb::teaching::views {

HalfAdderFrame::HalfAdderFrame(GateDemo& adder, QWidget* parent)
    : ui::DiagramFrame(QStringLiteral("Half-adder"), parent), adder_(adder) {
    setObjectName(QStringLiteral("FraHalfAdder"));
    using ui::GateShape;
    // NOT 0 inverts B, NOT 1 inverts A; AND 0 = A.!B, AND 1 = B.!A, AND 2 = A.B.
    auto* not0 =
        addGate(this, indexedName("PicHalfAdderNot", 0), GateShape::Not, {120, 60, 44, 24});
    auto* not1 =
        addGate(this, indexedName("PicHalfAdderNot", 1), GateShape::Not, {120, 134, 44, 24});
    auto* and0 =
        addGate(this, indexedName("PicAnd1HalfAdder", 0), GateShape::And, {200, 36, 60, 48});
    auto* and1 =
        addGate(this, indexedName("PicAnd1HalfAdder", 1), GateShape::And, {200, 110, 60, 48});
    auto* and2 =
        addGate(this, indexedName("PicAnd1HalfAdder", 2), GateShape::And, {200, 200, 60, 48});
    auto* orGate =
        addGate(this, QStringLiteral("PicHalfAdderOr"), GateShape::Or, {300, 73, 60, 48});
    for (auto* gate : {not0, not1})
        connect(gate, &ui::GateSymbol::doubleClicked, this,
                [this] { emit openRequested(GateFrame::Not); });
    for (auto* gate : {and0, and1, and2})
        connect(gate, &ui::GateSymbol::doubleClicked, this,
                [this] { emit openRequested(GateFrame::And); });
    connect(orGate, &ui::GateSymbol::doubleClicked, this,
            [this] { emit openRequested(GateFrame::Or); });

    inputAPanel_ = addBitPanel(this, QStringLiteral("PnlHalfAdderA"), {34, 48},
                               QStringLiteral("Input A of the half adder"));
    inputBPanel_ = addBitPanel(this, QStringLiteral("PnlHalfAdderB"), {34, 238},
                               QStringLiteral("Input B of the half adder"));
    sumPanel_ = addBitPanel(this, QStringLiteral("PnlHalfAdderS"), {380, 85},
                            QStringLiteral("Sum S of the half adder"));
    carryPanel_ = addBitPanel(this, QStringLiteral("PnlHalfAdderC"), {380, 212},
                              QStringLiteral("Carry C of the half adder"));
    addText(this, QStringLiteral("A"), {12, 48, 20, kBitHeight}, Qt::AlignCenter);
    addText(this, QStringLiteral("B"), {12, 238, 20, kBitHeight}, Qt::AlignCenter);
    addText(this, QStringLiteral("S"), {412, 85, 20, kBitHeight}, Qt::AlignCenter);
    addText(this, QStringLiteral("C"), {412, 212, 20, kBitHeight}, Qt::AlignCenter);

    // A runs down x = 80, B down x = 95.
    addLine(this, {},
            {{rightOf(inputAPanel_), {80, 60}},
             {{80, 48}, {80, 212}},
             {{80, 48}, and0->inputPin(0)},
             {{80, 146}, not1->inputPin(0)},
             {{80, 212}, and2->inputPin(0)}},
            {{80, 60}, {80, 146}});
    addLine(this, {},
            {{rightOf(inputBPanel_), {95, 250}},
             {{95, 72}, {95, 250}},
             {{95, 72}, not0->inputPin(0)},
             {{95, 122}, and1->inputPin(0)},
             {{95, 236}, and2->inputPin(1)}},
            {{95, 122}, {95, 236}});
    addLine(this, {}, {{not0->outputPin(), and0->inputPin(1)}});
    addLine(this, {}, {{not1->outputPin(), and1->inputPin(1)}});
    addLine(this, {}, {{and0->outputPin(), {280, 60}, {280, 85}, orGate->inputPin(0)}});
    addLine(this, {}, {{and1->outputPin(), {280, 134}, {280, 109}, orGate->inputPin(1)}});
    addLine(this, {}, {{orGate->outputPin(), leftOf(sumPanel_)}});
    addLine(this, {}, {{and2->outputPin(), leftOf(carryPanel_)}});

    truthTable_ = addGrid(this, QStringLiteral("GridHalfAdder"), adder.table(), {432, 60}, 28, 22);
    addText(this, QStringLiteral("Click on A and B to change inputs"), {24, 286, 400, 22});

    connect(inputAPanel_, &ui::ValuePanel::clicked, this, [this] {
        adder_.toggleInput(0);
        emit changed();
    });
    connect(inputBPanel_, &ui::ValuePanel::clicked, this, [this] {
        adder_.toggleInput(1);
        emit changed();
    });
    refresh();
}

void HalfAdderFrame::refresh() {
    showBit(inputAPanel_, adder_.input(0));
    showBit(inputBPanel_, adder_.input(1));
    showBit(sumPanel_, adder_.output(0));
    showBit(carryPanel_, adder_.output(1));
    truthTable_->highlightRow(adder_.highlightedRow());
}

} // namespace zeb::teaching::views

#include "teaching/views/FullAdderFrame.h"

#include "teaching/views/DiagramParts.h"
#include "ui/TruthGrid.h"
#include "ui/ValuePanel.h"

namespace zeb::teaching::views {

FullAdderFrame::FullAdderFrame(GateDemo& adder, QWidget* parent)
    : ui::DiagramFrame(QStringLiteral("Full Adder"), parent), adder_(adder) {
    setObjectName(QStringLiteral("FraFullAdder"));
    const char* names[] = {"PnlFullAdderA", "PnlFullAdderB", "PnlFullAdderCin"};
    const char* labels[] = {"A", "B", "Cin"};
    const char* roles[] = {"Input A of the full adder", "Input B of the full adder",
                           "Carry in Cin of the full adder"};
    const int centres[] = {50, 90, 200};
    for (int i = 0; i < 3; ++i) {
        inputPanels_[i] = addBitPanel(this, QLatin1String(names[i]),
                                      {34, centres[i] - kBitHeight / 2}, QLatin1String(roles[i]));
        addText(this, QLatin1String(labels[i]), {2, inputPanels_[i]->y(), 28, kBitHeight},
                Qt::AlignRight | Qt::AlignVCenter);
        connect(inputPanels_[i], &ui::ValuePanel::clicked, this, [this, i] {
            adder_.toggleInput(i);
            emit changed();
        });
    }

    // Half adder 0 adds A and B; half adder 1 adds its sum to Cin.
    const QString caption = QStringLiteral("Half-adder");
    for (int i = 0; i < 2; ++i) {
        auto* box = addBox(this, indexedName("PnlHalfAdder", i),
                           i == 0 ? QRect(70, 30, 76, 80) : QRect(162, 140, 76, 80), caption, kRed,
                           QStringLiteral("Half adder %1").arg(i));
        connect(box, &ui::ValuePanel::doubleClicked, this,
                [this] { emit openRequested(GateFrame::HalfAdder); });
    }
    auto* orGate =
        addGate(this, QStringLiteral("PicFullAdderOR"), ui::GateShape::Or, {290, 195, 40, 48});
    connect(orGate, &ui::GateSymbol::doubleClicked, this,
            [this] { emit openRequested(GateFrame::Or); });

    sumPanel_ = addBitPanel(this, QStringLiteral("PnlFullAdderS"), {248, 148},
                            QStringLiteral("Sum S of the full adder"));
    carryOutPanel_ = addBitPanel(this, QStringLiteral("PnlFullAdderCout"), {340, 207},
                                 QStringLiteral("Carry out Cout of the full adder"));
    addText(this, QStringLiteral("S"), {248, 126, kBitWidth, 20}, Qt::AlignCenter);
    addText(this, QStringLiteral("Cout"), {330, 185, 48, 20}, Qt::AlignCenter);

    addLine(this, {}, {{rightOf(inputPanels_[0]), {70, 50}}});
    addLine(this, {}, {{rightOf(inputPanels_[1]), {70, 90}}});
    addLine(this, {}, {{rightOf(inputPanels_[2]), {162, 200}}});
    addLine(this, {}, {{{146, 50}, {154, 50}, {154, 160}, {162, 160}}});
    addLine(this, {}, {{{238, 160}, leftOf(sumPanel_)}});
    addLine(this, {}, {{{146, 90}, {282, 90}, {282, 207}, orGate->inputPin(0)}});
    addLine(this, {}, {{{238, 200}, {274, 200}, {274, 231}, orGate->inputPin(1)}});
    addLine(this, {}, {{orGate->outputPin(), leftOf(carryOutPanel_)}});

    truthTable_ = addGrid(this, QStringLiteral("GridFullAdder"), adder.table(), {384, 36}, 26, 20);
    addText(this, QStringLiteral("Click on inputs to change values"), {24, 286, 400, 22});
    refresh();
}

void FullAdderFrame::refresh() {
    for (int i = 0; i < 3; ++i)
        showBit(inputPanels_[i], adder_.input(i));
    showBit(sumPanel_, adder_.output(0));
    showBit(carryOutPanel_, adder_.output(1));
    truthTable_->highlightRow(adder_.highlightedRow());
}

} // namespace zeb::teaching::views

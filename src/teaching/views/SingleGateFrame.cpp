#include "teaching/views/SingleGateFrame.h"

#include "teaching/views/DiagramParts.h"
#include "ui/TruthGrid.h"
#include "ui/ValuePanel.h"

namespace zeb::teaching::views {

namespace {

// The object names of the frame's widgets and the texts it shows.
struct GateTexts {
    const char* frameName;
    const char* caption;
    const char* gateName; // for the accessible names: "Input A of the AND gate"
    ui::GateShape shape;
    const char* symbolName;
    const char* truthTableName;
    std::vector<const char*> inputNames;
    const char* outputName;
    std::vector<const char*> explanations;
};

GateTexts textsFor(GateKind kind) {
    switch (kind) {
    case GateKind::Or:
        return {"FraOr",
                "OR Gate",
                "OR",
                ui::GateShape::Or,
                "PicOr",
                "GridOr",
                {"PnlOrInput1", "PnlOrInput2"},
                "PnlOrOut",
                {"Click on input values to toggle them between 0 and 1.",
                 "A and B are the inputs to the OR gate, C is the output.",
                 "When either A or B are 1 then C is 1, in all other cases C is 0."}};
    case GateKind::Not:
        return {"FraNot",
                "NOT Gate",
                "NOT",
                ui::GateShape::Not,
                "PicNot",
                "GridNot",
                {"PnlNotInput"},
                "PnlNotOutput",
                {"Click on input value to toggle it between 0 and 1.",
                 "A is the input to the NOT gate, B is the output.",
                 "When  A is 1 then B is 0, when A is 0 then B is 1."}};
    case GateKind::And:
    case GateKind::HalfAdder:
    case GateKind::FullAdder:
        break;
    }
    return {"FraAnd",
            "AND Gate",
            "AND",
            ui::GateShape::And,
            "PicAnd",
            "GridAnd",
            {"PnlAndInput1", "PnlAndInput2"},
            "PnlAndOut",
            {"Click on input values to toggle them between 0 and 1.",
             "A and B are the inputs to the AND gate, C is the output.",
             "When A and B are both 1 then C is 1, in all other cases C is 0."}};
}

} // namespace

SingleGateFrame::SingleGateFrame(GateDemo& gate, QWidget* parent)
    : ui::DiagramFrame(QString(), parent), gate_(gate) {
    const GateTexts texts = textsFor(gate.kind());
    setObjectName(QLatin1String(texts.frameName));
    setTitle(QLatin1String(texts.caption));
    const QString names[] = {QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")};
    const QString gateName = QLatin1String(texts.gateName);

    const bool single = texts.inputNames.size() == 1;
    auto* symbol = addGate(this, QLatin1String(texts.symbolName), texts.shape,
                           single ? QRect(150, 78, 120, 60) : QRect(150, 60, 120, 96));

    for (int i = 0; i < static_cast<int>(texts.inputNames.size()); ++i) {
        const QPoint pin = symbol->inputPin(i);
        auto* panel =
            addBitPanel(this, QLatin1String(texts.inputNames[i]), {62, pin.y() - kBitHeight / 2},
                        QStringLiteral("Input %1 of the %2 gate").arg(names[i], gateName));
        addText(this, names[i], QRect(36, panel->y(), 20, kBitHeight), Qt::AlignCenter);
        addLine(this, {}, {{rightOf(panel), pin}});
        connect(panel, &ui::ValuePanel::clicked, this, [this, i] {
            gate_.toggleInput(i);
            emit changed();
        });
        inputPanels_.push_back(panel);
    }
    const QString outName = names[texts.inputNames.size()];
    const QPoint out = symbol->outputPin();
    outputPanel_ = addBitPanel(this, QLatin1String(texts.outputName),
                               {symbol->x() + symbol->width() + 50, out.y() - kBitHeight / 2},
                               QStringLiteral("Output %1 of the %2 gate").arg(outName, gateName));
    addText(this, outName,
            QRect(outputPanel_->x() + kBitWidth + 6, outputPanel_->y(), 20, kBitHeight),
            Qt::AlignCenter);
    addLine(this, {}, {{out, leftOf(outputPanel_)}});

    addText(this, QStringLiteral("Truth Table"), QRect(400, 34, 140, 20));
    truthTable_ =
        addGrid(this, QLatin1String(texts.truthTableName), gate.table(), {400, 56}, 40, 22);

    int y = 200;
    for (const char* explanation : texts.explanations) {
        addText(this, QLatin1String(explanation), QRect(24, y, 510, 22));
        y += 28;
    }
    refresh();
}

void SingleGateFrame::refresh() {
    for (int i = 0; i < static_cast<int>(inputPanels_.size()); ++i)
        showBit(inputPanels_[i], gate_.input(i));
    showBit(outputPanel_, gate_.output(0));
    truthTable_->highlightRow(gate_.highlightedRow());
}

} // namespace zeb::teaching::views

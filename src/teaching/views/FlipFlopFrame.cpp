#include "teaching/views/FlipFlopFrame.h"

#include "teaching/views/DiagramParts.h"
#include "ui/ValuePanel.h"

#include <QPushButton>

namespace zeb::teaching::views {

namespace {

QPoint shifted(int x, int y) {
    // The drawing is laid out from x = 30 and centred in the frame.
    constexpr int kLeft = 62;
    return {x + kLeft, y};
}

QRect shifted(int x, int y, int width, int height) {
    return {shifted(x, y), QSize(width, height)};
}

// The sequence travels as the Continue button's tag; any tag but "SET" means reset.
const char* sequenceTag(FlipFlopDemo::Sequence sequence) {
    switch (sequence) {
    case FlipFlopDemo::Sequence::Set:
        return "SET";
    case FlipFlopDemo::Sequence::Reset:
        return "RESETSET";
    case FlipFlopDemo::Sequence::None:
        break;
    }
    return "";
}

} // namespace

FlipFlopFrame::FlipFlopFrame(FlipFlopDemo& flipFlop, QWidget* parent)
    : ui::DiagramFrame(QStringLiteral("Flip Flop"), parent), flipFlop_(flipFlop) {
    setObjectName(QStringLiteral("FraFlipFlop"));
    using ui::GateShape;
    // Upper row: Set OR gate and first NOT; lower row: Reset OR gate and second NOT.
    auto* or1 =
        addGate(this, QStringLiteral("PicFlipOr1"), GateShape::Or, shifted(130, 49, 64, 52));
    auto* not1 =
        addGate(this, QStringLiteral("PicFlipNot1"), GateShape::Not, shifted(260, 61, 50, 28));
    auto* or2 =
        addGate(this, QStringLiteral("PicFlipOr2"), GateShape::Or, shifted(130, 169, 64, 52));
    auto* not2 =
        addGate(this, QStringLiteral("PicFlipNot2"), GateShape::Not, shifted(260, 181, 50, 28));
    for (auto* gate : {or1, or2})
        connect(gate, &ui::GateSymbol::doubleClicked, this,
                [this] { emit openRequested(GateFrame::Or); });
    for (auto* gate : {not1, not2})
        connect(gate, &ui::GateSymbol::doubleClicked, this,
                [this] { emit openRequested(GateFrame::Not); });

    struct PanelPlace {
        const char* name;
        int x, y;
        const char* role;
    };
    const PanelPlace places[FlipFlopDemo::NodeCount] = {
        {"PnlFlipSet", 50, 50, "Set input of the flip-flop"},
        {"PnlFlipReset", 50, 196, "Reset input of the flip-flop"},
        {"PnlOrOut1", 204, 63, "Output of the Set OR gate"},
        {"PnlNotOut1", 320, 63, "Output of the first NOT gate"},
        {"PnlOrOut2", 204, 183, "Output of the Reset OR gate"},
        {"PnlFlipOut", 340, 183, "Output of the flip-flop"},
        {"PnlOr1Input2", 90, 76, "Fed-back input of the Set OR gate"},
    };
    for (int node = 0; node < FlipFlopDemo::NodeCount; ++node)
        valuePanels_[node] =
            addBitPanel(this, QLatin1String(places[node].name),
                        shifted(places[node].x, places[node].y), QLatin1String(places[node].role));
    addText(this, QStringLiteral("Set"), shifted(44, 30, 40, 18), Qt::AlignCenter);
    addText(this, QStringLiteral("Reset"), shifted(39, 222, 50, 18), Qt::AlignCenter);

    // The panels clicked by the student are the sequence buttons, not the bits.
    for (auto* panel : valuePanels_) {
        panel->setFocusPolicy(Qt::NoFocus);
        panel->setAttribute(Qt::WA_TransparentForMouseEvents);
    }

    addLine(this, lineName(10), {{shifted(78, 62), or1->inputPin(0)}});
    addLine(this, lineName(9),
            {{or1->outputPin(), shifted(204, 75)}, {shifted(232, 75), not1->inputPin(0)}});
    addLine(this, lineName(20),
            {{not1->outputPin(), shifted(320, 75)}, {shifted(348, 75), shifted(370, 75)}});
    addLine(this, lineName(22), {{shifted(370, 75), shifted(370, 150)}});
    addLine(this, lineName(21), {{shifted(370, 150), shifted(90, 150)}});
    addLine(this, lineName(19), {{shifted(90, 150), shifted(90, 182), or2->inputPin(0)}});
    addLine(this, lineName(18), {{shifted(78, 208), or2->inputPin(1)}});
    addLine(this, lineName(16),
            {{or2->outputPin(), shifted(204, 195)}, {shifted(232, 195), not2->inputPin(0)}});
    addLine(this, lineName(13), {{not2->outputPin(), shifted(340, 195)}});
    addLine(this, lineName(15), {{shifted(368, 195), shifted(400, 195), shifted(400, 250)}});
    addLine(this, lineName(14), {{shifted(400, 250), shifted(30, 250)}});
    addLine(this, lineName(12),
            {{shifted(30, 250), shifted(30, 88), shifted(90, 88)},
             {shifted(118, 88), or1->inputPin(1)}});

    auto addButton = [this](const char* name, const QString& text, int x) {
        auto* button = new QPushButton(text, this);
        button->setObjectName(QLatin1String(name));
        button->setAutoDefault(false);
        button->setGeometry(x, 276, 120, 28);
        return button;
    };
    setSequenceButton_ = addButton("CmdSet", QStringLiteral("Set Sequence"), 24);
    resetSequenceButton_ = addButton("CmdReset", QStringLiteral("Reset Sequence"), 153);
    continueButton_ = addButton("CmdContinue", QStringLiteral("Continue"), 282);
    stopButton_ = addButton("CmdStop", QStringLiteral("Stop"), 411);
    connect(setSequenceButton_, &QPushButton::clicked, this,
            [this] { perform(&FlipFlopDemo::startSetSequence); });
    connect(resetSequenceButton_, &QPushButton::clicked, this,
            [this] { perform(&FlipFlopDemo::startResetSequence); });
    connect(continueButton_, &QPushButton::clicked, this,
            [this] { perform(&FlipFlopDemo::continueSequence); });
    connect(stopButton_, &QPushButton::clicked, this, [this] { perform(&FlipFlopDemo::stop); });
    refresh();
}

void FlipFlopFrame::perform(void (FlipFlopDemo::*action)()) {
    (flipFlop_.*action)();
    emit changed();
}

void FlipFlopFrame::refresh() {
    for (int node = 0; node < FlipFlopDemo::NodeCount; ++node)
        showBit(valuePanels_[node], flipFlop_.value(static_cast<FlipFlopDemo::Node>(node)));
    for (int number : FlipFlopDemo::kLines)
        colourWire(this, lineName(number), flipFlop_.wireColour(number));
    setSequenceButton_->setEnabled(!flipFlop_.running());
    resetSequenceButton_->setEnabled(!flipFlop_.running());
    continueButton_->setEnabled(flipFlop_.running());
    stopButton_->setEnabled(flipFlop_.running());
    continueButton_->setProperty("tag", QLatin1String(sequenceTag(flipFlop_.sequence())));
}

} // namespace zeb::teaching::views

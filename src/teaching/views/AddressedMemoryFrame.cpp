#include "teaching/views/AddressedMemoryFrame.h"

#include "teaching/views/DiagramParts.h"
#include "ui/ValuePanel.h"

#include <algorithm>

namespace zeb::teaching::views {

namespace {

// The wires this frame colours are named by their line number.
QString wireName(int lineNumber) {
    return indexedName("LogicLine", lineNumber);
}

// Location n's select line runs at kFirstRow + n * kRowStep; its two bits sit
// above it, its AND gates (bit 1 upper, bit 0 lower) straddle it.
constexpr int kFirstRow = 80;
constexpr int kRowStep = 75;
constexpr int kDecoderRight = 130;
constexpr int kRiser = 290;
constexpr int kGateLeft = 300;
constexpr int kOutTop = 362;

// The output wire of each bit runs down at this x to its output panel.
int outputWireX(int bit) {
    return bit == 1 ? 370 : 404;
}

// Where the output of `location`'s AND gate for `bit` joins the output wire.
QPoint outputJoint(int location, int bit) {
    const int y = kFirstRow + location * kRowStep;
    return {outputWireX(bit), bit == 1 ? y - 16 : y + 16};
}

QString gateOutputName(int location, int bit) {
    return QStringLiteral("GateOutput_%1_%2").arg(location).arg(bit);
}

} // namespace

AddressedMemoryFrame::AddressedMemoryFrame(AddressedMemory& memory, QWidget* parent)
    : ui::DiagramFrame(QStringLiteral("Getting Data from a Memory Address"), parent),
      memory_(memory) {
    setObjectName(QStringLiteral("FraMem"));

    addText(this, QStringLiteral("Control"), {2, 22, 56, 16}, Qt::AlignCenter);
    controlPanel_ = addBitPanel(this, QStringLiteral("PnlControlMem"), {16, 40},
                                QStringLiteral("Control of the memory"));
    connect(controlPanel_, &ui::ValuePanel::clicked, this, [this] {
        memory_.toggleControl();
        emit changed();
    });

    addText(this, QStringLiteral("Input Address"), {2, 112, 56, 34}, Qt::AlignCenter);
    const char* inputLabels[] = {"Lo", "Hi"};
    const int inputTops[] = {220, 150};
    for (int i = 0; i < 2; ++i) {
        addressPanels_[i] =
            addBitPanel(this, indexedName("PnlInput", i), {24, inputTops[i]},
                        QStringLiteral("Input address bit %1").arg(QLatin1String(inputLabels[i])));
        addText(this, QLatin1String(inputLabels[i]), {2, inputTops[i], 20, kBitHeight},
                Qt::AlignCenter);
        addLine(this, {}, {{rightOf(addressPanels_[i]), {60, leftOf(addressPanels_[i]).y()}}});
        connect(addressPanels_[i], &ui::ValuePanel::clicked, this, [this, i] {
            memory_.toggleInput(i);
            emit changed();
        });
    }
    auto* decoder =
        addBox(this, QStringLiteral("Panel3D1"), {60, 56, kDecoderRight - 60, 272},
               QStringLiteral("Address Decoder"), kGreen, QStringLiteral("Address decoder"));
    connect(decoder, &ui::ValuePanel::doubleClicked, this, &AddressedMemoryFrame::decoderRequested);

    addText(this, QStringLiteral("Address"), {150, 24, 90, 18}, Qt::AlignCenter);
    const char* rowLabels[] = {"00", "01", "10", "11"};
    std::array<std::array<ui::GateSymbol*, 2>, 4> gates{};
    for (int loc = 0; loc < 4; ++loc) {
        const int y = kFirstRow + loc * kRowStep;
        const auto& lines = AddressedMemory::kLocationLines[loc];
        addText(this, QLatin1String(rowLabels[loc]), {136, y - 32, 24, kBitHeight},
                Qt::AlignCenter);
        for (int bit = 0; bit < 2; ++bit) {
            const QString name =
                indexedName(qPrintable(QStringLiteral("PnlAddress%1").arg(loc)), bit);
            storedPanels_[loc][bit] = addBitPanel(
                this, name, {bit == 1 ? 162 : 196, y - 32},
                QStringLiteral("Location %1, bit %2").arg(QLatin1String(rowLabels[loc])).arg(bit));
            connect(storedPanels_[loc][bit], &ui::ValuePanel::clicked, this, [this, loc, bit] {
                memory_.toggleStored(loc, bit);
                emit changed();
            });
        }
        auto* and1 = addGate(this, indexedName("PicMemAnd", 2 * loc + 1), ui::GateShape::And,
                             {kGateLeft, y - 30, 40, 28});
        auto* and0 = addGate(this, indexedName("PicMemAnd", 2 * loc), ui::GateShape::And,
                             {kGateLeft, y + 2, 40, 28});

        addLine(this, wireName(lines.select),
                {{{kDecoderRight, y}, {kRiser, y}},
                 {and1->inputPin(1), {kRiser, y - 9}, {kRiser, y + 9}, and0->inputPin(0)}},
                {{kRiser, y}});
        // Bit 1 passes over bit 0's panel into the upper gate; bit 0 drops into the lower one.
        const QPoint top1 = topOf(storedPanels_[loc][1]);
        addLine(this, wireName(lines.bit1[0]), {{top1, {top1.x(), y - 38}, {270, y - 38}}});
        addLine(this, wireName(lines.bit1[1]), {{{270, y - 38}, {270, y - 23}, and1->inputPin(0)}});
        const QPoint bottom0 = bottomOf(storedPanels_[loc][0]);
        addLine(this, wireName(lines.bit0[0]), {{bottom0, {bottom0.x(), y + 23}}});
        addLine(this, wireName(lines.bit0[1]), {{{bottom0.x(), y + 23}, and0->inputPin(1)}});

        gates[loc] = {and0, and1};
    }

    // Each output wire gathers its bit from the four AND gates. Drawn in three
    // layers: the whole wire in black; each gate's stub in the colour of that
    // gate's own output; and, over the wire, the stretch from the selected
    // gate down to the output panel, which is the wire that carries the bit.
    for (int bit = 0; bit < 2; ++bit) {
        const QList<QPoint> joints = {outputJoint(1, bit), outputJoint(2, bit),
                                      outputJoint(3, bit)};
        addWire({QString(),
                 {QPolygon({outputJoint(0, bit), QPoint(outputWireX(bit), kOutTop)})},
                 joints});
    }
    for (int loc = 0; loc < 4; ++loc)
        for (int bit = 0; bit < 2; ++bit)
            addLine(this, gateOutputName(loc, bit),
                    {{gates[loc][bit]->outputPin(), outputJoint(loc, bit)}});
    for (int bit = 0; bit < 2; ++bit)
        addWire({wireName(AddressedMemory::kOutputLines[bit]), {}, {}}); // routed by refresh()

    addText(this, QStringLiteral("Output Value"), {250, kOutTop, 100, kBitHeight},
            Qt::AlignRight | Qt::AlignVCenter);
    for (int bit = 0; bit < 2; ++bit) {
        outputPanels_[bit] = addBitPanel(this, indexedName("PnlMemOut", bit),
                                         {outputWireX(bit) - kBitWidth / 2, kOutTop},
                                         QStringLiteral("Output value bit %1").arg(bit));
        outputPanels_[bit]->setFocusPolicy(Qt::NoFocus);
        outputPanels_[bit]->setAttribute(Qt::WA_TransparentForMouseEvents);
    }
    refresh();
}

void AddressedMemoryFrame::refresh() {
    showBit(controlPanel_, memory_.control());
    for (int i = 0; i < 2; ++i) {
        showBit(addressPanels_[i], memory_.input(i));
        showBit(outputPanels_[i], memory_.output(i));
    }
    for (int loc = 0; loc < 4; ++loc) {
        for (int bit = 0; bit < 2; ++bit) {
            showBit(storedPanels_[loc][bit], memory_.stored(loc, bit));
            colourWire(this, gateOutputName(loc, bit), memory_.gateOutputColour(loc, bit));
        }
    }
    // Until a location is first selected the output wires lie dark along their whole length.
    const int selected = memory_.selectedLocation().value_or(0);
    for (int bit = 0; bit < 2; ++bit) {
        QList<QPoint> joints;
        for (int loc = std::max(selected, 1); loc < 4; ++loc)
            joints << outputJoint(loc, bit);
        setWirePaths(wireName(AddressedMemory::kOutputLines[bit]),
                     {QPolygon({outputJoint(selected, bit), QPoint(outputWireX(bit), kOutTop)})},
                     joints);
    }
    for (int i = 0; i < AddressedMemory::kLineCount; ++i)
        colourWire(this, wireName(i), memory_.wireColour(i));
}

} // namespace zeb::teaching::views

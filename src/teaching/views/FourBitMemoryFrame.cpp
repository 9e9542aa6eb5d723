#include "teaching/views/FourBitMemoryFrame.h"

#include "teaching/views/DiagramParts.h"
#include "ui/ValuePanel.h"

namespace zeb::teaching::views {

namespace {

// The flip-flops step down from left to right, bit 3 at the top left, so that
// every input drops straight into its flip-flop and every output straight down,
// and the Control reaches each flip-flop through the gaps without a crossing.
constexpr int kColumnPitch = 100;
constexpr int kFirstColumn = 56;
constexpr int kBoxWidth = 52;
constexpr int kBoxHeight = 34;
constexpr int kFirstBoxTop = 96;
constexpr int kBoxStep = 44;
constexpr int kBusY = 40;
constexpr int kOutTop = 300;

} // namespace

FourBitMemoryFrame::FourBitMemoryFrame(FourBitMemory& memory, QWidget* parent)
    : ui::DiagramFrame(QStringLiteral("4 Bit Memory"), parent), memory_(memory) {
    setObjectName(QStringLiteral("Frm4BitMem"));
    addText(this, QStringLiteral("Control"), {2, 20, 58, 18}, Qt::AlignCenter);
    controlPanel_ = addBitPanel(this, QStringLiteral("PnlControl"), {10, 46},
                                QStringLiteral("Control of the memory register"));
    addText(this, QStringLiteral("Set Memory Register"),
            {kFirstColumn, 18, 3 * kColumnPitch + kBoxWidth, 18}, Qt::AlignCenter);
    addText(this, QStringLiteral("Test Memory"), {kFirstColumn + 30, 280, 96, 18}, Qt::AlignCenter);

    const char* boxNames[] = {"PnlCff0", "PnlCff1", "PnlCff2", "Panel3D4"};
    const int lastDrop = kFirstColumn + 3 * kColumnPitch - 10;
    addLine(this, {},
            {{topOf(controlPanel_), {topOf(controlPanel_).x(), kBusY}, {lastDrop, kBusY}}});
    for (int bit = 0; bit < 4; ++bit) {
        const int step = 3 - bit; // 0 for the top flip-flop
        const int left = kFirstColumn + step * kColumnPitch;
        const int centre = left + kBoxWidth / 2;
        const int top = kFirstBoxTop + step * kBoxStep;
        const int middle = top + kBoxHeight / 2;

        addBox(this, QLatin1String(boxNames[bit]), {left, top, kBoxWidth, kBoxHeight},
               QStringLiteral("CFF"), kYellow,
               QStringLiteral("Controlled flip-flop of bit %1").arg(bit));
        inputPanels_[bit] =
            addBitPanel(this, indexedName("PnlBit", bit), {centre - kBitWidth / 2, 48},
                        QStringLiteral("Memory register input bit %1").arg(bit));
        storedPanels_[bit] = addBitPanel(this, indexedName("PnlTest", bit),
                                         {left + kBoxWidth + 4, middle - kBitHeight / 2},
                                         QStringLiteral("Flip-flop of bit %1 holds").arg(bit));
        storedPanels_[bit]->setFocusPolicy(Qt::NoFocus);
        storedPanels_[bit]->setAttribute(Qt::WA_TransparentForMouseEvents);
        outputPanels_[bit] =
            addBitPanel(this, indexedName("PnlOut", bit), {centre - kBitWidth / 2, kOutTop},
                        QStringLiteral("Memory output bit %1").arg(bit));
        outputPanels_[bit]->setFocusPolicy(Qt::NoFocus);
        outputPanels_[bit]->setAttribute(Qt::WA_TransparentForMouseEvents);

        const int drop = left - 10;
        addLine(this, {}, {{{drop, kBusY}, {drop, middle}, {left, middle}}},
                bit == 0 ? std::initializer_list<QPoint>{}
                         : std::initializer_list<QPoint>{{drop, kBusY}});
        addLine(this, {}, {{bottomOf(inputPanels_[bit]), {centre, top}}});
        addLine(this, {}, {{{centre, top + kBoxHeight}, topOf(outputPanels_[bit])}});

        connect(inputPanels_[bit], &ui::ValuePanel::clicked, this, [this, bit] {
            memory_.toggleInput(bit);
            emit changed();
        });
    }
    connect(controlPanel_, &ui::ValuePanel::clicked, this, [this] {
        memory_.toggleControl();
        emit changed();
    });

    addText(this,
            QStringLiteral("The memory consists of controlled flip-flops, one per bit.  It is set "
                           "by applying 1 to the Control and the value to the Set Register.  At "
                           "any subsequent time the memory can be tested for the value."),
            {12, 336, 445, 64}, Qt::AlignLeft | Qt::AlignTop);
    refresh();
}

void FourBitMemoryFrame::refresh() {
    showBit(controlPanel_, memory_.control());
    for (int bit = 0; bit < 4; ++bit) {
        showBit(inputPanels_[bit], memory_.input(bit));
        showBit(storedPanels_[bit], memory_.stored(bit));
        showBit(outputPanels_[bit], memory_.stored(bit));
    }
}

} // namespace zeb::teaching::views

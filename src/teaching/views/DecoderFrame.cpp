#include "teaching/views/DecoderFrame.h"

#include "teaching/views/DiagramParts.h"
#include "ui/ColourConversion.h"
#include "ui/TruthGrid.h"
#include "ui/ValuePanel.h"

#include <QCheckBox>

namespace zeb::teaching::views {

namespace {

// Both views occupy this box; inside it the rows of outputs A to D lie at
// kRowY + n * kRowStep, High enters at kHighY and Low at kLowY.
constexpr QRect kBox{100, 40, 230, 232};
constexpr int kRowY = 34;
constexpr int kRowStep = 55;
constexpr int kHighY = 105;
constexpr int kLowY = 180;
constexpr int kHighBus = 14;
constexpr int kLowBus = 30;

} // namespace

DecoderFrame::DecoderFrame(AddressDecoder& decoder, QWidget* parent)
    : ui::DiagramFrame(QStringLiteral("2 Bit Address Decoder"), parent), decoder_(decoder) {
    setObjectName(QStringLiteral("FraDecoder"));
    addText(this, QStringLiteral("2 Bit Address"), {6, 60, 90, 18});
    inputs_[1] = addBitPanel(this, indexed("PnlIn", 1), {48, kBox.top() + kHighY - kBitHeight / 2},
                             QStringLiteral("Address input High"));
    inputs_[0] = addBitPanel(this, indexed("PnlIn", 0), {48, kBox.top() + kLowY - kBitHeight / 2},
                             QStringLiteral("Address input Low"));
    addText(this, QStringLiteral("High"), {8, inputs_[1]->y(), 36, kBitHeight});
    addText(this, QStringLiteral("Low"), {8, inputs_[0]->y(), 36, kBitHeight});
    addLine(this, lineName(15), {{rightOf(inputs_[1]), {kBox.left(), kBox.top() + kHighY}}});
    addLine(this, lineName(14), {{rightOf(inputs_[0]), {kBox.left(), kBox.top() + kLowY}}});
    for (int i = 0; i < 2; ++i) {
        connect(inputs_[i], &ui::ValuePanel::clicked, this, [this, i] {
            decoder_.toggleInput(i);
            emit changed();
        });
    }

    plain_ = addBox(this, QStringLiteral("PnlPlain"), kBox, QStringLiteral("Address Decoder"),
                    kGreen, QStringLiteral("Address decoder"));
    buildLogicView();

    const char* names[] = {"A", "B", "C", "D"};
    for (int n = 0; n < 4; ++n) {
        const int y = kBox.top() + kRowY + n * kRowStep;
        outputs_[n] = addBitPanel(this, indexed("PnlAddress", n), {380, y - kBitHeight / 2},
                                  QStringLiteral("Output line %1").arg(QLatin1String(names[n])));
        outputs_[n]->setFocusPolicy(Qt::NoFocus);
        outputs_[n]->setAttribute(Qt::WA_TransparentForMouseEvents);
        addText(this, QLatin1String(names[n]), {412, outputs_[n]->y(), 20, kBitHeight},
                Qt::AlignCenter);
        addLine(this, lineName(16 + n), {{{kBox.right() + 1, y}, leftOf(outputs_[n])}});
    }

    seeLogic_ = new QCheckBox(QStringLiteral("See logic"), this);
    seeLogic_->setObjectName(QStringLiteral("Check3D1"));
    seeLogic_->setGeometry(kBox.left(), kBox.bottom() + 6, 120, 20);
    connect(seeLogic_, &QCheckBox::clicked, this, [this](bool on) {
        decoder_.setLogicView(on);
        emit changed();
    });

    addText(this, QStringLiteral("Truth Table"), {8, 282, 100, 16});
    grid_ = addGrid(this, QStringLiteral("GridDecoder"), AddressDecoder::table(), {8, 300}, 28, 18);
    addText(this,
            QStringLiteral("For each possible address one and only one output line corresponding "
                           "to that address is at 1.  This enables us to locate a specific "
                           "location in memory given the address."),
            {192, 300, 268, 94}, Qt::AlignLeft | Qt::AlignTop);
    refresh();
}

void DecoderFrame::buildLogicView() {
    logic_ = new ui::DiagramFrame(QString(), this);
    logic_->setObjectName(QStringLiteral("PnlLogic"));
    logic_->setGeometry(kBox);
    logic_->setAutoFillBackground(true);
    QPalette pal = logic_->palette();
    pal.setColor(QPalette::Window, ui::toQColor(kGrey));
    logic_->setPalette(pal);

    auto row = [](int n) { return kRowY + n * kRowStep; };
    const int right = kBox.width();
    std::array<ui::GateSymbol*, 4> ands{};
    for (int n = 0; n < 4; ++n) {
        ands[n] =
            addGate(logic_, indexed("PicAnd", n), ui::GateShape::And, {150, row(n) - 24, 50, 48});
        addLine(logic_, lineName(34 + n), {{ands[n]->outputPin(), {right, row(n)}}});
    }
    // NOT 0 and 2 invert High for A and B; NOT 1 and 3 invert Low for A and C.
    auto notAt = [&](int index, int y) {
        return addGate(logic_, indexed("PicNot", index), ui::GateShape::Not, {60, y - 10, 36, 20});
    };
    auto* not0 = notAt(0, row(0) - 12);
    auto* not1 = notAt(1, row(0) + 12);
    auto* not2 = notAt(2, row(1) - 12);
    auto* not3 = notAt(3, row(2) + 12);

    addLine(logic_, lineName(39), {{{0, kHighY}, {kHighBus, kHighY}}}, {{kHighBus, kHighY}});
    addLine(logic_, lineName(23), {{{kHighBus, row(0) - 12}, {kHighBus, row(3) - 12}}});
    addLine(logic_, lineName(24), {{{kHighBus, row(0) - 12}, not0->inputPin(0)}});
    addLine(logic_, lineName(25), {{{kHighBus, row(1) - 12}, not2->inputPin(0)}},
            {{kHighBus, row(1) - 12}});
    addLine(logic_, lineName(27), {{{kHighBus, row(2) - 12}, ands[2]->inputPin(0)}},
            {{kHighBus, row(2) - 12}});
    addLine(logic_, lineName(33), {{{kHighBus, row(3) - 12}, ands[3]->inputPin(0)}});
    addLine(logic_, lineName(28), {{not0->outputPin(), ands[0]->inputPin(0)}});
    addLine(logic_, lineName(30), {{not2->outputPin(), ands[1]->inputPin(0)}});

    addLine(logic_, lineName(31), {{{0, kLowY}, {kLowBus, kLowY}}}, {{kLowBus, kLowY}});
    addLine(logic_, lineName(20), {{{kLowBus, row(0) + 12}, {kLowBus, row(3) + 12}}});
    addLine(logic_, lineName(21), {{{kLowBus, row(0) + 12}, not1->inputPin(0)}});
    addLine(logic_, lineName(22), {{{kLowBus, row(1) + 12}, ands[1]->inputPin(1)}},
            {{kLowBus, row(1) + 12}});
    addLine(logic_, lineName(38), {{{kLowBus, row(2) + 12}, not3->inputPin(0)}},
            {{kLowBus, row(2) + 12}});
    addLine(logic_, lineName(26), {{{kLowBus, row(3) + 12}, ands[3]->inputPin(1)}});
    addLine(logic_, lineName(29), {{not1->outputPin(), ands[0]->inputPin(1)}});
    addLine(logic_, lineName(32), {{not3->outputPin(), ands[2]->inputPin(1)}});
}

void DecoderFrame::refresh() {
    for (int i = 0; i < 2; ++i)
        showBit(inputs_[i], decoder_.input(i));
    for (int n = 0; n < 4; ++n)
        showBit(outputs_[n], decoder_.output(n));
    const bool logicView = decoder_.logicView();
    seeLogic_->setChecked(logicView);
    logic_->setVisible(logicView);
    plain_->setVisible(!logicView);
    for (int number = AddressDecoder::kFirstLine; number <= AddressDecoder::kLastLine; ++number) {
        colourWire(this, lineName(number), decoder_.line(number));
        colourWire(logic_, lineName(number), decoder_.line(number));
    }
    grid_->highlightRow(decoder_.highlightedRow());
}

} // namespace zeb::teaching::views

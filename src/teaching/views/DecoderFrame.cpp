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
    inputPanels_[1] =
        addBitPanel(this, indexedName("PnlIn", 1), {48, kBox.top() + kHighY - kBitHeight / 2},
                    QStringLiteral("Address input High"));
    inputPanels_[0] =
        addBitPanel(this, indexedName("PnlIn", 0), {48, kBox.top() + kLowY - kBitHeight / 2},
                    QStringLiteral("Address input Low"));
    addText(this, QStringLiteral("High"), {8, inputPanels_[1]->y(), 36, kBitHeight});
    addText(this, QStringLiteral("Low"), {8, inputPanels_[0]->y(), 36, kBitHeight});
    addLine(this, lineName(15), {{rightOf(inputPanels_[1]), {kBox.left(), kBox.top() + kHighY}}});
    addLine(this, lineName(14), {{rightOf(inputPanels_[0]), {kBox.left(), kBox.top() + kLowY}}});
    for (int i = 0; i < 2; ++i) {
        connect(inputPanels_[i], &ui::ValuePanel::clicked, this, [this, i] {
            decoder_.toggleInput(i);
            emit changed();
        });
    }

    plainView_ = addBox(this, QStringLiteral("PnlPlain"), kBox, QStringLiteral("Address Decoder"),
                        kGreen, QStringLiteral("Address decoder"));
    buildLogicView();

    const char* names[] = {"A", "B", "C", "D"};
    for (int n = 0; n < 4; ++n) {
        const int y = kBox.top() + kRowY + n * kRowStep;
        outputPanels_[n] =
            addBitPanel(this, indexedName("PnlAddress", n), {380, y - kBitHeight / 2},
                        QStringLiteral("Output line %1").arg(QLatin1String(names[n])));
        outputPanels_[n]->setFocusPolicy(Qt::NoFocus);
        outputPanels_[n]->setAttribute(Qt::WA_TransparentForMouseEvents);
        addText(this, QLatin1String(names[n]), {412, outputPanels_[n]->y(), 20, kBitHeight},
                Qt::AlignCenter);
        addLine(this, lineName(16 + n), {{{kBox.right() + 1, y}, leftOf(outputPanels_[n])}});
    }

    seeLogicBox_ = new QCheckBox(QStringLiteral("See logic"), this);
    seeLogicBox_->setObjectName(QStringLiteral("Check3D1"));
    seeLogicBox_->setGeometry(kBox.left(), kBox.bottom() + 6, 120, 20);
    connect(seeLogicBox_, &QCheckBox::clicked, this, [this](bool on) {
        decoder_.setLogicView(on);
        emit changed();
    });

    addText(this, QStringLiteral("Truth Table"), {8, 282, 100, 16});
    truthTable_ =
        addGrid(this, QStringLiteral("GridDecoder"), AddressDecoder::table(), {8, 300}, 28, 18);
    addText(this,
            QStringLiteral("For each possible address one and only one output line corresponding "
                           "to that address is at 1.  This enables us to locate a specific "
                           "location in memory given the address."),
            {192, 300, 268, 94}, Qt::AlignLeft | Qt::AlignTop);
    refresh();
}

void DecoderFrame::buildLogicView() {
    logicView_ = new ui::DiagramFrame(QString(), this);
    logicView_->setObjectName(QStringLiteral("PnlLogic"));
    logicView_->setGeometry(kBox);
    logicView_->setAutoFillBackground(true);
    QPalette pal = logicView_->palette();
    pal.setColor(QPalette::Window, ui::toQColor(kGrey));
    logicView_->setPalette(pal);

    auto row = [](int n) { return kRowY + n * kRowStep; };
    const int right = kBox.width();
    std::array<ui::GateSymbol*, 4> ands{};
    for (int n = 0; n < 4; ++n) {
        ands[n] = addGate(logicView_, indexedName("PicAnd", n), ui::GateShape::And,
                          {150, row(n) - 24, 50, 48});
        addLine(logicView_, lineName(34 + n), {{ands[n]->outputPin(), {right, row(n)}}});
    }
    // NOT 0 and 2 invert High for A and B; NOT 1 and 3 invert Low for A and C.
    auto notAt = [&](int index, int y) {
        return addGate(logicView_, indexedName("PicNot", index), ui::GateShape::Not,
                       {60, y - 10, 36, 20});
    };
    auto* not0 = notAt(0, row(0) - 12);
    auto* not1 = notAt(1, row(0) + 12);
    auto* not2 = notAt(2, row(1) - 12);
    auto* not3 = notAt(3, row(2) + 12);

    addLine(logicView_, lineName(39), {{{0, kHighY}, {kHighBus, kHighY}}}, {{kHighBus, kHighY}});
    addLine(logicView_, lineName(23), {{{kHighBus, row(0) - 12}, {kHighBus, row(3) - 12}}});
    addLine(logicView_, lineName(24), {{{kHighBus, row(0) - 12}, not0->inputPin(0)}});
    addLine(logicView_, lineName(25), {{{kHighBus, row(1) - 12}, not2->inputPin(0)}},
            {{kHighBus, row(1) - 12}});
    addLine(logicView_, lineName(27), {{{kHighBus, row(2) - 12}, ands[2]->inputPin(0)}},
            {{kHighBus, row(2) - 12}});
    addLine(logicView_, lineName(33), {{{kHighBus, row(3) - 12}, ands[3]->inputPin(0)}});
    addLine(logicView_, lineName(28), {{not0->outputPin(), ands[0]->inputPin(0)}});
    addLine(logicView_, lineName(30), {{not2->outputPin(), ands[1]->inputPin(0)}});

    addLine(logicView_, lineName(31), {{{0, kLowY}, {kLowBus, kLowY}}}, {{kLowBus, kLowY}});
    addLine(logicView_, lineName(20), {{{kLowBus, row(0) + 12}, {kLowBus, row(3) + 12}}});
    addLine(logicView_, lineName(21), {{{kLowBus, row(0) + 12}, not1->inputPin(0)}});
    addLine(logicView_, lineName(22), {{{kLowBus, row(1) + 12}, ands[1]->inputPin(1)}},
            {{kLowBus, row(1) + 12}});
    addLine(logicView_, lineName(38), {{{kLowBus, row(2) + 12}, not3->inputPin(0)}},
            {{kLowBus, row(2) + 12}});
    addLine(logicView_, lineName(26), {{{kLowBus, row(3) + 12}, ands[3]->inputPin(1)}});
    addLine(logicView_, lineName(29), {{not1->outputPin(), ands[0]->inputPin(1)}});
    addLine(logicView_, lineName(32), {{not3->outputPin(), ands[2]->inputPin(1)}});
}

void DecoderFrame::refresh() {
    for (int i = 0; i < 2; ++i)
        showBit(inputPanels_[i], decoder_.input(i));
    for (int n = 0; n < 4; ++n)
        showBit(outputPanels_[n], decoder_.output(n));
    const bool showLogic = decoder_.logicView();
    seeLogicBox_->setChecked(showLogic);
    logicView_->setVisible(showLogic);
    plainView_->setVisible(!showLogic);
    for (int number = AddressDecoder::kFirstLine; number <= AddressDecoder::kLastLine; ++number) {
        colourWire(this, lineName(number), decoder_.wireColour(number));
        colourWire(logicView_, lineName(number), decoder_.wireColour(number));
    }
    truthTable_->highlightRow(decoder_.highlightedRow());
}

} // namespace zeb::teaching::views

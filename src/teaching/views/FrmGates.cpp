#include "teaching/views/FrmGates.h"

#include "teaching/views/ControlFlipFlopFrame.h"
#include "teaching/views/DiagramParts.h"
#include "teaching/views/FlipFlopFrame.h"
#include "teaching/views/FullAdderFrame.h"
#include "teaching/views/HalfAdderFrame.h"
#include "teaching/views/SingleGateFrame.h"
#include "ui/ColourConversion.h"
#include "ui/Twips.h"

#include <QEvent>
#include <QLabel>
#include <QPushButton>

namespace zeb::teaching::views {

namespace {

constexpr QRect kFrameArea{8, 4, 555, 326};
constexpr int kStatusHeight = 24;
constexpr int kStatusGap = 6;

} // namespace

FrmGates::FrmGates(QWidget* parent, const zeb::Preferences& preferences)
    : QDialog(parent), model_(preferences) {
    setObjectName(QStringLiteral("FrmGates"));
    setWindowTitle(QStringLiteral("Logic Gates"));
    setFixedSize(ui::twipsToPixels(8565), ui::twipsToPixels(6120));
    QFont f = font();
    f.setPixelSize(12);
    setFont(f);

    and_ = new SingleGateFrame(model_.gate(GateKind::And), this);
    or_ = new SingleGateFrame(model_.gate(GateKind::Or), this);
    not_ = new SingleGateFrame(model_.gate(GateKind::Not), this);
    flipFlop_ = new FlipFlopFrame(model_.flipFlop(), this);
    controlled_ = new ControlFlipFlopFrame(model_.controlled(), this);
    halfAdder_ = new HalfAdderFrame(model_.gate(GateKind::HalfAdder), this);
    fullAdder_ = new FullAdderFrame(model_.gate(GateKind::FullAdder), this);
    frames_ = {{GateFrame::And, and_},
               {GateFrame::Or, or_},
               {GateFrame::Not, not_},
               {GateFrame::FlipFlop, flipFlop_},
               {GateFrame::ControlFlipFlop, controlled_},
               {GateFrame::HalfAdder, halfAdder_},
               {GateFrame::FullAdder, fullAdder_}};
    for (auto [kind, frame] : frames_) {
        frame->setGeometry(kFrameArea);
        frame->hide();
    }
    for (auto* frame : {and_, or_, not_})
        connect(frame, &SingleGateFrame::changed, this, &FrmGates::refresh);
    connect(halfAdder_, &HalfAdderFrame::changed, this, &FrmGates::refresh);
    connect(fullAdder_, &FullAdderFrame::changed, this, &FrmGates::refresh);
    connect(flipFlop_, &FlipFlopFrame::changed, this, &FrmGates::refresh);
    connect(controlled_, &ControlFlipFlopFrame::changed, this, &FrmGates::refresh);
    connect(halfAdder_, &HalfAdderFrame::openRequested, this, &FrmGates::openFrame);
    connect(fullAdder_, &FullAdderFrame::openRequested, this, &FrmGates::openFrame);
    connect(flipFlop_, &FlipFlopFrame::openRequested, this, &FrmGates::openFrame);
    connect(controlled_, &ControlFlipFlopFrame::openRequested, this, &FrmGates::openFrame);

    auto* next = addWindowButtons(this, 338, 563);
    connect(next, &QPushButton::clicked, this, [this] {
        model_.next();
        refresh();
    });

    status_ = new QLabel(this);
    status_->setObjectName(QStringLiteral("PnlStatus"));
    status_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    status_->setAutoFillBackground(true);
    QPalette pal = status_->palette();
    pal.setColor(QPalette::Window, ui::toQColor(kGrey));
    pal.setColor(QPalette::WindowText, Qt::black);
    status_->setPalette(pal);
    status_->setIndent(6);
    status_->setAccessibleName(QStringLiteral("Explanation"));
    status_->setGeometry(0, height() - kStatusHeight - kStatusGap, width(), kStatusHeight);
}

bool FrmGates::event(QEvent* event) {
    // Every time the window becomes active it starts again at the AND gate.
    if (event->type() == QEvent::WindowActivate) {
        model_.activate();
        refresh();
    }
    return QDialog::event(event);
}

void FrmGates::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    // Keep the status line docked just above the lower edge.
    status_->setGeometry(0, height() - kStatusHeight - kStatusGap, width(), kStatusHeight);
}

void FrmGates::openFrame(GateFrame frame) {
    model_.show(frame);
    refresh();
}

void FrmGates::refresh() {
    const auto visible = model_.visibleFrame();
    for (auto [kind, frame] : frames_)
        frame->setVisible(visible == kind);
    and_->refresh();
    or_->refresh();
    not_->refresh();
    halfAdder_->refresh();
    fullAdder_->refresh();
    flipFlop_->refresh();
    controlled_->refresh();
    status_->setText(QString::fromStdString(model_.status()));
}

} // namespace zeb::teaching::views

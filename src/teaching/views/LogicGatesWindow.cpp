#include "teaching/views/LogicGatesWindow.h"

#include "teaching/views/ActivationWatcher.h"
#include "teaching/views/ControlledFlipFlopFrame.h"
#include "teaching/views/DiagramParts.h"
#include "teaching/views/FlipFlopFrame.h"
#include "teaching/views/FullAdderFrame.h"
#include "teaching/views/HalfAdderFrame.h"
#include "teaching/views/SingleGateFrame.h"
#include "ui/CentreForm.h"
#include "ui/ColourConversion.h"
#include "ui/Twips.h"

#include <QEvent>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>

namespace zeb::teaching::views {

namespace {

constexpr QRect kFrameArea{8, 4, 555, 326};
constexpr int kStatusHeight = 24;
constexpr int kStatusGap = 6;

} // namespace

LogicGatesWindow::LogicGatesWindow(QWidget* parent, const zeb::Preferences& preferences)
    : QDialog(parent), model_(preferences), activation_(new ActivationWatcher(this)) {
    setObjectName(QStringLiteral("FrmGates"));
    setWindowTitle(QStringLiteral("Logic Gates"));
    setFixedSize(ui::twipsToPixels(8565), ui::twipsToPixels(6120));
    QFont f = font();
    f.setPixelSize(12);
    setFont(f);

    andFrame_ = new SingleGateFrame(model_.gate(GateKind::And), this);
    orFrame_ = new SingleGateFrame(model_.gate(GateKind::Or), this);
    notFrame_ = new SingleGateFrame(model_.gate(GateKind::Not), this);
    flipFlopFrame_ = new FlipFlopFrame(model_.flipFlop(), this);
    controlledFlipFlopFrame_ = new ControlledFlipFlopFrame(model_.controlledFlipFlop(), this);
    halfAdderFrame_ = new HalfAdderFrame(model_.gate(GateKind::HalfAdder), this);
    fullAdderFrame_ = new FullAdderFrame(model_.gate(GateKind::FullAdder), this);
    frames_ = {{GateFrame::And, andFrame_},
               {GateFrame::Or, orFrame_},
               {GateFrame::Not, notFrame_},
               {GateFrame::FlipFlop, flipFlopFrame_},
               {GateFrame::ControlledFlipFlop, controlledFlipFlopFrame_},
               {GateFrame::HalfAdder, halfAdderFrame_},
               {GateFrame::FullAdder, fullAdderFrame_}};
    for (auto [kind, frame] : frames_) {
        frame->setGeometry(kFrameArea);
        frame->hide();
    }
    for (auto* frame : {andFrame_, orFrame_, notFrame_})
        connect(frame, &SingleGateFrame::changed, this, &LogicGatesWindow::refresh);
    connect(halfAdderFrame_, &HalfAdderFrame::changed, this, &LogicGatesWindow::refresh);
    connect(fullAdderFrame_, &FullAdderFrame::changed, this, &LogicGatesWindow::refresh);
    connect(flipFlopFrame_, &FlipFlopFrame::changed, this, &LogicGatesWindow::refresh);
    connect(controlledFlipFlopFrame_, &ControlledFlipFlopFrame::changed, this,
            &LogicGatesWindow::refresh);
    connect(halfAdderFrame_, &HalfAdderFrame::openRequested, this, &LogicGatesWindow::showFrame);
    connect(fullAdderFrame_, &FullAdderFrame::openRequested, this, &LogicGatesWindow::showFrame);
    connect(flipFlopFrame_, &FlipFlopFrame::openRequested, this, &LogicGatesWindow::showFrame);
    connect(controlledFlipFlopFrame_, &ControlledFlipFlopFrame::openRequested, this,
            &LogicGatesWindow::showFrame);

    auto* nextButton = addWindowButtons(this, 338, 563);
    connect(nextButton, &QPushButton::clicked, this, [this] {
        model_.next();
        refresh();
    });

    statusLine_ = new QLabel(this);
    statusLine_->setObjectName(QStringLiteral("PnlStatus"));
    statusLine_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    statusLine_->setAutoFillBackground(true);
    QPalette pal = statusLine_->palette();
    pal.setColor(QPalette::Window, ui::toQColor(kGrey));
    pal.setColor(QPalette::WindowText, Qt::black);
    statusLine_->setPalette(pal);
    statusLine_->setIndent(6);
    statusLine_->setAccessibleName(QStringLiteral("Explanation"));
    statusLine_->setGeometry(0, height() - kStatusHeight - kStatusGap, width(), kStatusHeight);
}

bool LogicGatesWindow::event(QEvent* event) {
    // Coming back to the window from another window of this program starts
    // again at the AND gate; coming back from another application changes nothing.
    if (event->type() == QEvent::WindowActivate && activation_->cameFromOwnWindow())
        showFirstDemonstration();
    return QDialog::event(event);
}

void LogicGatesWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (event->spontaneous()) return;
    // Every opening centres the window on the screen, wherever the main window is.
    ui::centreForm(this, 5, 5);
    showFirstDemonstration();
}

void LogicGatesWindow::showFirstDemonstration() {
    model_.showFirst();
    refresh();
}

void LogicGatesWindow::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    // Keep the status line docked just above the lower edge.
    statusLine_->setGeometry(0, height() - kStatusHeight - kStatusGap, width(), kStatusHeight);
}

void LogicGatesWindow::showFrame(GateFrame frame) {
    model_.show(frame);
    refresh();
}

void LogicGatesWindow::refresh() {
    const auto visible = model_.visibleFrame();
    for (auto [kind, frame] : frames_)
        frame->setVisible(visible == kind);
    andFrame_->refresh();
    orFrame_->refresh();
    notFrame_->refresh();
    halfAdderFrame_->refresh();
    fullAdderFrame_->refresh();
    flipFlopFrame_->refresh();
    controlledFlipFlopFrame_->refresh();
    statusLine_->setText(QString::fromStdString(model_.status()));
}

} // namespace zeb::teaching::views

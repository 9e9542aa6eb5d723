#include "machineview/views/MachineViewWindow.h"

#include "machineview/HoverTexts.h"
#include "machineview/views/ClockPicture.h"
#include "machineview/views/DiagramLayout.h"
#include "machineview/views/DiagramPanel.h"
#include "machineview/views/MemoryTable.h"
#include "machineview/views/ProcessorDiagram.h"
#include "ui/ColourConversion.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QSignalBlocker>

#include <algorithm>

namespace zeb::machineview::views {

namespace {

QString Q(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// However small the screen, the drawing keeps at least half its size and
// its text at least this many pixels (twice as many device pixels at scale 2).
constexpr qreal kSmallestZoom = 0.5;
constexpr int kSmallestTextPixels = 8;

} // namespace

MachineViewWindow::MachineViewWindow(MachineViewModel& model, MachineViewWindowLinks links)
    : model_(model), display_(model.display()), hands_(model), links_(std::move(links)) {
    setObjectName(QStringLiteral("FrmBit"));
    setWindowTitle(QStringLiteral("ZEB'S PROCESSOR"));
    QFont f = font();
    f.setPixelSize(12);
    setFont(f);
    frame_.setSingleShot(true);
    frame_.setInterval(16);
    connect(&frame_, &QTimer::timeout, this, &MachineViewWindow::refresh);

    createDiagram();
    controls_ = MachineViewControls::create(display_, diagram_, this);
    connectControls();
    rememberNaturalPlaces();
    setFixedSize(sizeHint());
    display_.addObserver(this);
    refresh();
}

MachineViewWindow::~MachineViewWindow() {
    display_.removeObserver(this);
}

// ---------------------------------------------------------------- building

void MachineViewWindow::createDiagram() {
    diagram_ = new ProcessorDiagram(display_, this);
    diagram_->setFixedSize(layout::kArea);
    diagram_->setMouseTracking(true);
    diagram_->installEventFilter(this);
    setCentralWidget(diagram_);
}

void MachineViewWindow::connectControls() {
    const MachineViewControls& c = controls_;
    connect(c.memory, &QTableWidget::cellClicked, this, [this] {
        hands_.clickMemoryTable();
        // Memory is reachable only at the decoder's address.
        controls_.memory->refreshSelection();
    });

    for (ViewField field :
         {ViewField::Accumulator, ViewField::GeneralPurpose, ViewField::StackPointer,
          ViewField::InstructionRegister, ViewField::OperandRegister})
        connect(c.panel(field), &DiagramPanel::clicked, this,
                [this, field] { hands_.clickRegister(field); });
    connect(c.panel(ViewField::AddressDecoder), &DiagramPanel::clicked, this,
            [this] { hands_.clickAddressDecoder(); });
    connect(c.panel(ViewField::ProgramCounter), &DiagramPanel::clicked, this,
            [this] { hands_.clickProgramCounter(); });
    connect(c.instructionDecoder, &DiagramPanel::clicked, this,
            [this] { hands_.clickInstructionDecoder(); });

    for (int g = 0; g < kGatewayCount; ++g) {
        const auto gateway = static_cast<Gateway>(g);
        connect(c.gateway(gateway), &QCheckBox::toggled, this, [this, gateway](bool checked) {
            // Running steps own the gateways; a click then changes nothing.
            if (model_.zeb().machine().runState().running())
                requestRefresh();
            else
                display_.setOpen(gateway, checked);
        });
    }

    connect(c.waitForContinue, &QCheckBox::toggled, this,
            [this](bool checked) { display_.setWaitForContinue(checked); });
    connect(c.button(ViewControl::RunButton), &QPushButton::clicked, this, &MachineViewWindow::run);
    connect(c.button(ViewControl::StopButton), &QPushButton::clicked, this,
            [this] { model_.stop(); });
    connect(c.button(ViewControl::ContinueButton), &QPushButton::clicked, this,
            [this] { model_.continueRun(); });
    connect(c.button(ViewControl::BackButton), &QPushButton::clicked, this,
            [this] { model_.back(); });
    connect(c.button(ViewControl::CancelButton), &QPushButton::clicked, this,
            &MachineViewWindow::cancel);

    connect(c.clock, &ClockPicture::doubleClicked, this, [this] { model_.clockChart().toggle(); });
    // The check mark follows the chart (clockChartChanged), not the click.
    connect(c.showClock, &QAction::triggered, this, [this] { model_.clockChart().toggle(); });
    connect(c.fixedPeriods, &QAction::triggered, this, [this] {
        if (links_.showWaitIntervalDialog) links_.showWaitIntervalDialog();
    });

    for (QWidget* w : c.explained())
        w->installEventFilter(this);
}

void MachineViewWindow::rememberNaturalPlaces() {
    QList<QWidget*> placed = diagram_->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    placed += controls_.clockFrame->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    for (QWidget* w : placed) {
        using Follow = ZoomedPlaces::Follow;
        Follow follow = Follow::Rectangle;
        if (const auto* box = qobject_cast<QCheckBox*>(w))
            follow = box->text().isEmpty() ? Follow::Centre : Follow::Corner;
        else if (qobject_cast<QLabel*>(w) && w != controls_.status && w != controls_.clockCaption)
            follow = Follow::Corner;
        naturalPlaces_.remember(w, follow);
    }
}

void MachineViewWindow::fitInto(const QRect& area, const QMargins& frame) {
    const QSize natural = layout::kArea;
    const int menu = menuBar()->sizeHint().height();
    const qreal across = qreal(area.width() - frame.left() - frame.right()) / natural.width();
    const qreal down =
        qreal(area.height() - frame.top() - frame.bottom() - menu) / natural.height();
    applyZoom(std::clamp(std::min(across, down), kSmallestZoom, 1.0));
}

void MachineViewWindow::applyZoom(qreal zoom) {
    zoom_ = zoom;
    diagram_->setZoom(zoom);
    diagram_->setFixedSize(qRound(layout::kArea.width() * zoom),
                           qRound(layout::kArea.height() * zoom));
    naturalPlaces_.apply(zoom, kSmallestTextPixels);
    controls_.memory->setZoom(zoom);
    layout()->invalidate();
    setFixedSize(sizeHint());
}

// ---------------------------------------------------------------- commands

void MachineViewWindow::run() {
    // Pressed while a stopped run unwinds: the model starts the new run
    // after it, inside the Run already under way.
    if (model_.runUnderWay()) return model_.run();
    if (links_.runStateChanged) links_.runStateChanged(true);
    model_.run();
    if (links_.runStateChanged) links_.runStateChanged(false);
}

void MachineViewWindow::cancel() {
    model_.cancel();
    hide();
    if (links_.cancelled) links_.cancelled();
}

void MachineViewWindow::closeEvent(QCloseEvent* event) {
    // The close box acts as Cancel.
    cancel();
    event->accept();
}

bool MachineViewWindow::eventFilter(QObject* watched, QEvent* event) {
    QString element;
    if (event->type() == QEvent::Enter && watched != diagram_) {
        element = watched->objectName();
    } else if (watched == diagram_ && event->type() == QEvent::MouseMove) {
        // Only the bare background clears the status line.
        if (diagram_->childAt(static_cast<QMouseEvent*>(event)->position().toPoint()))
            return QMainWindow::eventFilter(watched, event);
    } else {
        return QMainWindow::eventFilter(watched, event);
    }
    const auto text = hoverText(element.toStdString(), display_, model_.zeb().mnemonics());
    if (text) display_.setText(ViewField::Status, *text);
    return QMainWindow::eventFilter(watched, event);
}

// ---------------------------------------------------------------- showing

void MachineViewWindow::requestRefresh() {
    if (!frame_.isActive()) frame_.start();
}

void MachineViewWindow::fieldChanged(ViewField) {
    requestRefresh();
}
void MachineViewWindow::gatewayChanged(Gateway) {
    requestRefresh();
}
void MachineViewWindow::wireChanged(int) {
    requestRefresh();
}
void MachineViewWindow::controlChanged(ViewControl control) {
    // The buttons answer at once: a click must never land on a stale state.
    controls_.controls[static_cast<std::size_t>(control)]->setEnabled(display_.enabled(control));
    if (control == ViewControl::WaitCheckBox) {
        const QSignalBlocker block(controls_.waitForContinue);
        controls_.waitForContinue->setChecked(display_.waitForContinue());
    }
}
void MachineViewWindow::gridTextChanged(int row, int) {
    controls_.memory->markRowChanged(row);
    requestRefresh();
}
void MachineViewWindow::gridSelectionChanged() {
    requestRefresh();
}
void MachineViewWindow::clockChanged(int) {
    requestRefresh();
}
void MachineViewWindow::stackPartsChanged(bool) {
    requestRefresh();
}
void MachineViewWindow::clockChartChanged() {
    controls_.showClock->setChecked(model_.clockChart().showClockChecked());
}

void MachineViewWindow::refresh() {
    frame_.stop();
    const MachineViewControls& c = controls_;
    for (int f = 0; f < kFieldCount; ++f)
        if (DiagramPanel* p = c.panels[static_cast<std::size_t>(f)])
            p->setText(Q(display_.text(static_cast<ViewField>(f))));
    const QString status = Q(display_.text(ViewField::Status));
    if (c.status->text() != status) c.status->setText(status);
    const QString caption = Q(display_.text(ViewField::ClockCaption));
    if (c.clockCaption->text() != caption) c.clockCaption->setText(caption);

    for (int g = 0; g < kGatewayCount; ++g) {
        QCheckBox* box = c.gateways[static_cast<std::size_t>(g)];
        const QSignalBlocker block(box);
        box->setChecked(display_.open(static_cast<Gateway>(g)));
    }
    for (int control = 0; control < kControlCount; ++control)
        c.controls[static_cast<std::size_t>(control)]->setEnabled(
            display_.enabled(static_cast<ViewControl>(control)));
    {
        const QSignalBlocker block(c.waitForContinue);
        c.waitForContinue->setChecked(display_.waitForContinue());
    }

    const bool stack = display_.stackPartsShown();
    c.panel(ViewField::StackPointer)->setVisible(stack);
    c.stackLabel->setVisible(stack);
    c.gateway(Gateway::StackPointer)->setVisible(stack);

    c.clock->setHighlight(ui::toQColor(model_.zeb().preferences().highlightColour));
    c.clock->setPicture(display_.clockPicture());
    c.showClock->setChecked(model_.clockChart().showClockChecked());
    diagram_->refreshWires();

    c.memory->refresh();
}

} // namespace zeb::machineview::views

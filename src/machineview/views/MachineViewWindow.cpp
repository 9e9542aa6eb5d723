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

const QColor kGreen(0, 255, 0);
const QColor kRedPanel(255, 0, 0);
const QColor kYellowPanel(255, 255, 0);
const QColor kMagenta(255, 0, 255);
const QColor kCyan(0, 255, 255);
const QColor kLightGrey(192, 192, 192);

// However small the screen, the drawing keeps at least half its size and
// its text at least this many pixels (twice as many device pixels at scale 2).
constexpr qreal kSmallestZoom = 0.5;
constexpr int kSmallestTextPixels = 8;

struct PanelPlace {
    ViewField field;
    QRect rect;
    const char* role;
};

constexpr std::array<ViewControl, 5> kButtons{ViewControl::RunButton, ViewControl::StopButton,
                                              ViewControl::ContinueButton, ViewControl::BackButton,
                                              ViewControl::CancelButton};

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
    createPanels();
    createGateways();
    createControls();
    createMenu();
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

    for (const layout::BlockLabel& l : layout::kLabels) {
        auto* label = new QLabel(QString::fromLatin1(l.text), diagram_);
        label->move(l.at);
        label->adjustSize();
        if (QString::fromLatin1(l.text) == QLatin1String("Stack Pointer")) stackLabel_ = label;
    }

    memory_ = new MemoryTable(display_, diagram_);
    memory_->setGeometry(layout::kMemory);
    connect(memory_, &QTableWidget::cellClicked, this, [this] {
        hands_.clickMemoryTable();
        // Memory is reachable only at the decoder's address.
        memory_->refreshSelection();
    });
    watchHover(memory_);
}

void MachineViewWindow::createPanels() {
    const PanelPlace places[] = {
        {ViewField::AddressDecoder, layout::kDecoder, "Address Decoder"},
        {ViewField::StackPointer, layout::kStackPointer, "Stack Pointer"},
        {ViewField::InstructionRegister, layout::kInstruction, "Instruction Register"},
        {ViewField::OperandRegister, layout::kOperand, "Operand Register"},
        {ViewField::ProgramCounter, layout::kCounter, "Program Counter"},
        {ViewField::Accumulator, layout::kAccumulator, "Accumulator"},
        {ViewField::GeneralPurpose, layout::kGeneral, "General Purpose Register"},
        {ViewField::Explanation, layout::kExplanation, "Explanation"},
    };
    for (const PanelPlace& place : places) {
        const QColor colour = place.field == ViewField::AddressDecoder ? kGreen
                              : place.field == ViewField::Explanation  ? kCyan
                                                                       : kRedPanel;
        auto* p = new DiagramPanel(QString::fromLatin1(place.role), colour, diagram_);
        p->setObjectName(Q(machineview::objectName(place.field)));
        p->setGeometry(place.rect);
        panels_[static_cast<std::size_t>(place.field)] = p;
        watchHover(p);
    }
    panel(ViewField::Explanation)->setWrapping(true);
    panel(ViewField::Explanation)->setFocusPolicy(Qt::NoFocus);

    instructionDecoder_ =
        new DiagramPanel(QStringLiteral("Instruction Decoder"), kYellowPanel, diagram_);
    instructionDecoder_->setObjectName(QStringLiteral("Panel3D1"));
    instructionDecoder_->setGeometry(layout::kInstructionDecoder);
    watchHover(instructionDecoder_);
    alu_ = new DiagramPanel(QStringLiteral("Arithmetic Logic Unit"), kMagenta, diagram_);
    alu_->setObjectName(QStringLiteral("PnlALU"));
    alu_->setText(QStringLiteral("ALU"));
    alu_->setFocusPolicy(Qt::NoFocus);
    alu_->setGeometry(layout::kAlu);
    watchHover(alu_);

    connect(panel(ViewField::Accumulator), &DiagramPanel::clicked, this,
            [this] { hands_.clickRegister(ViewField::Accumulator); });
    connect(panel(ViewField::GeneralPurpose), &DiagramPanel::clicked, this,
            [this] { hands_.clickRegister(ViewField::GeneralPurpose); });
    connect(panel(ViewField::StackPointer), &DiagramPanel::clicked, this,
            [this] { hands_.clickRegister(ViewField::StackPointer); });
    connect(panel(ViewField::InstructionRegister), &DiagramPanel::clicked, this,
            [this] { hands_.clickRegister(ViewField::InstructionRegister); });
    connect(panel(ViewField::OperandRegister), &DiagramPanel::clicked, this,
            [this] { hands_.clickRegister(ViewField::OperandRegister); });
    connect(panel(ViewField::AddressDecoder), &DiagramPanel::clicked, this,
            [this] { hands_.clickAddressDecoder(); });
    connect(panel(ViewField::ProgramCounter), &DiagramPanel::clicked, this,
            [this] { hands_.clickProgramCounter(); });
    connect(instructionDecoder_, &DiagramPanel::clicked, this,
            [this] { hands_.clickInstructionDecoder(); });

    status_ = new QLabel(this);
    status_->setObjectName(QStringLiteral("PnlStatus"));
    status_->setAccessibleName(QStringLiteral("Status"));
    status_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    status_->setAutoFillBackground(true);
    QPalette pal = status_->palette();
    pal.setColor(QPalette::Window, kLightGrey);
    pal.setColor(QPalette::WindowText, Qt::black);
    status_->setPalette(pal);
    status_->setIndent(6);
    status_->setParent(diagram_);
    status_->setGeometry(0, layout::kArea.height() - layout::kStatusHeight, layout::kArea.width(),
                         layout::kStatusHeight);
}

void MachineViewWindow::createGateways() {
    auto box = [this](const QString& name, QPoint centre) {
        auto* c = new QCheckBox(diagram_);
        c->setObjectName(name);
        c->setAutoFillBackground(true);
        QPalette pal = c->palette();
        pal.setColor(QPalette::Window, kLightGrey);
        c->setPalette(pal);
        c->adjustSize();
        c->setFixedSize(c->sizeHint());
        c->move(centre - QPoint(c->width() / 2, c->height() / 2));
        return c;
    };
    static constexpr std::array<const char*, kGatewayCount> kSpoken{"Address Decoder gateway",
                                                                    "Stack Pointer gateway",
                                                                    "Instruction/Operand gateway",
                                                                    "Program Counter gateway",
                                                                    "Accumulator gateway",
                                                                    "General Purpose gateway",
                                                                    "LDA gateway",
                                                                    "JMP gateway"};
    for (int g = 0; g < kGatewayCount; ++g) {
        const auto gateway = static_cast<Gateway>(g);
        QCheckBox* c = box(Q(machineview::objectName(gateway)), layout::gatewayCentre(gateway));
        c->setAccessibleName(QString::fromLatin1(kSpoken[static_cast<std::size_t>(g)]));
        gateways_[static_cast<std::size_t>(g)] = c;
        connect(c, &QCheckBox::toggled, this, [this, gateway](bool checked) {
            // Running steps own the gateways; a click then changes nothing.
            if (model_.zeb().machine().runState().running())
                requestRefresh();
            else
                display_.setOpen(gateway, checked);
        });
        watchHover(c);
    }
    QCheckBox* indirect = box(QStringLiteral("ChkJMPIndir"), layout::kIndirectJumpBox);
    indirect->setAccessibleName(QStringLiteral("Indirect jump gateway"));
    indirect->setFocusPolicy(Qt::NoFocus);
    indirect->setAttribute(Qt::WA_TransparentForMouseEvents);
}

void MachineViewWindow::createControls() {
    waitForContinue_ =
        new QCheckBox(QStringLiteral("Wait for Continue after each cycle"), diagram_);
    waitForContinue_->setObjectName(QStringLiteral("ChkWait"));
    waitForContinue_->move(layout::kWaitBox);
    waitForContinue_->adjustSize();
    connect(waitForContinue_, &QCheckBox::toggled, this,
            [this](bool checked) { display_.setWaitForContinue(checked); });
    controls_[static_cast<std::size_t>(ViewControl::WaitCheckBox)] = waitForContinue_;

    const char* captions[] = {"Run", "Stop", "Continue", "Back", "Cancel"};
    QRect place = layout::kFirstButton;
    for (std::size_t i = 0; i < kButtons.size(); ++i) {
        auto* b = new QPushButton(QString::fromLatin1(captions[i]), diagram_);
        b->setObjectName(Q(machineview::objectName(kButtons[i])));
        b->setGeometry(place);
        place.translate(layout::kButtonStep, 0);
        controls_[static_cast<std::size_t>(kButtons[i])] = b;
    }
    const auto button = [this](ViewControl c) {
        return static_cast<QPushButton*>(controls_[static_cast<std::size_t>(c)]);
    };
    connect(button(ViewControl::RunButton), &QPushButton::clicked, this, &MachineViewWindow::run);
    connect(button(ViewControl::StopButton), &QPushButton::clicked, this,
            [this] { model_.stop(); });
    connect(button(ViewControl::ContinueButton), &QPushButton::clicked, this,
            [this] { model_.continueRun(); });
    connect(button(ViewControl::BackButton), &QPushButton::clicked, this,
            [this] { model_.back(); });
    button(ViewControl::BackButton)->setShortcut(QKeySequence(Qt::Key_F9));
    connect(button(ViewControl::CancelButton), &QPushButton::clicked, this,
            &MachineViewWindow::cancel);
    // The help file comes with its own work; until then the button stands disabled.
    help_ = new QPushButton(QStringLiteral("Help"), diagram_);
    help_->setObjectName(QStringLiteral("Command1"));
    help_->setGeometry(place);
    help_->setEnabled(false);

    auto* frame = new QGroupBox(QStringLiteral("Clock"), diagram_);
    clockFrame_ = frame;
    frame->setObjectName(QStringLiteral("Frame3D1"));
    frame->setGeometry(layout::kClockFrame);
    clock_ = new ClockPicture(frame);
    clock_->setObjectName(QStringLiteral("PicClock"));
    clock_->setGeometry(layout::kClockPicture);
    connect(clock_, &ClockPicture::doubleClicked, this, [this] { model_.clockChart().toggle(); });
    watchHover(clock_);
    clockCaption_ = new QLabel(frame);
    clockCaption_->setObjectName(QStringLiteral("lblClock"));
    clockCaption_->setAlignment(Qt::AlignCenter);
    clockCaption_->setGeometry(layout::kClockCaption);
    QFont big = clockCaption_->font();
    big.setPixelSize(15);
    big.setBold(true);
    clockCaption_->setFont(big);
}

void MachineViewWindow::createMenu() {
    QMenu* options = menuBar()->addMenu(QStringLiteral("Options"));
    options->setObjectName(QStringLiteral("MnOptions"));
    showClock_ = options->addAction(QStringLiteral("Show Clock"));
    showClock_->setObjectName(QStringLiteral("MnuShowClock"));
    showClock_->setCheckable(true);
    // The check mark follows the chart (clockChartChanged), not the click.
    connect(showClock_, &QAction::triggered, this, [this] { model_.clockChart().toggle(); });
    QAction* periods = options->addAction(QStringLiteral("Wait fixed periods"));
    periods->setObjectName(QStringLiteral("MnFixedPeriods"));
    connect(periods, &QAction::triggered, this, [this] {
        if (links_.showWaitIntervalDialog) links_.showWaitIntervalDialog();
    });
}

void MachineViewWindow::watchHover(QWidget* widget) {
    widget->installEventFilter(this);
}

void MachineViewWindow::rememberNaturalPlaces() {
    QList<QWidget*> placed = diagram_->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    placed += clockFrame_->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    for (QWidget* w : placed) {
        using Follow = ZoomedPlaces::Follow;
        Follow follow = Follow::Rectangle;
        if (const auto* box = qobject_cast<QCheckBox*>(w))
            follow = box->text().isEmpty() ? Follow::Centre : Follow::Corner;
        else if (qobject_cast<QLabel*>(w) && w != status_ && w != clockCaption_)
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
    memory_->setZoom(zoom);
    layout()->invalidate();
    setFixedSize(sizeHint());
}

DiagramPanel* MachineViewWindow::panel(ViewField field) const {
    return panels_[static_cast<std::size_t>(field)];
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
    controls_[static_cast<std::size_t>(control)]->setEnabled(display_.enabled(control));
    if (control == ViewControl::WaitCheckBox) {
        const QSignalBlocker block(waitForContinue_);
        waitForContinue_->setChecked(display_.waitForContinue());
    }
}
void MachineViewWindow::gridTextChanged(int row, int) {
    memory_->markRowChanged(row);
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
    showClock_->setChecked(model_.clockChart().showClockChecked());
}

void MachineViewWindow::refresh() {
    frame_.stop();
    for (int f = 0; f < kFieldCount; ++f)
        if (DiagramPanel* p = panels_[static_cast<std::size_t>(f)])
            p->setText(Q(display_.text(static_cast<ViewField>(f))));
    const QString status = Q(display_.text(ViewField::Status));
    if (status_->text() != status) status_->setText(status);
    const QString caption = Q(display_.text(ViewField::ClockCaption));
    if (clockCaption_->text() != caption) clockCaption_->setText(caption);

    for (int g = 0; g < kGatewayCount; ++g) {
        QCheckBox* c = gateways_[static_cast<std::size_t>(g)];
        const QSignalBlocker block(c);
        c->setChecked(display_.open(static_cast<Gateway>(g)));
    }
    for (int c = 0; c < kControlCount; ++c)
        controls_[static_cast<std::size_t>(c)]->setEnabled(
            display_.enabled(static_cast<ViewControl>(c)));
    {
        const QSignalBlocker block(waitForContinue_);
        waitForContinue_->setChecked(display_.waitForContinue());
    }

    const bool stack = display_.stackPartsShown();
    panel(ViewField::StackPointer)->setVisible(stack);
    stackLabel_->setVisible(stack);
    gateways_[static_cast<std::size_t>(Gateway::StackPointer)]->setVisible(stack);

    clock_->setHighlight(ui::toQColor(model_.zeb().preferences().highlightColour));
    clock_->setPicture(display_.clockPicture());
    showClock_->setChecked(model_.clockChart().showClockChecked());
    diagram_->refreshWires();

    memory_->refresh();
}

} // namespace zeb::machineview::views

#include "machineview/views/MachineViewControls.h"

#include "machineview/views/ClockPicture.h"
#include "machineview/views/DiagramLayout.h"
#include "machineview/views/DiagramPanel.h"
#include "machineview/views/MemoryTable.h"
#include "machineview/views/ProcessorDiagram.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>

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

struct PanelPlace {
    ViewField field;
    QRect rect;
    const char* role;
};

constexpr std::array<ViewControl, 5> kButtons{ViewControl::RunButton, ViewControl::StopButton,
                                              ViewControl::ContinueButton, ViewControl::BackButton,
                                              ViewControl::CancelButton};

// The widgets are made in the order a Tab goes through them.

void createLabelsAndMemory(MachineViewControls& c, MachineViewDisplay& display,
                           ProcessorDiagram* diagram) {
    for (const layout::BlockLabel& l : layout::kLabels) {
        auto* label = new QLabel(QString::fromLatin1(l.text), diagram);
        label->move(l.at);
        label->adjustSize();
        if (QString::fromLatin1(l.text) == QLatin1String("Stack Pointer")) c.stackLabel = label;
    }
    c.memory = new MemoryTable(display, diagram);
    c.memory->setGeometry(layout::kMemory);
}

void createPanels(MachineViewControls& c, QWidget* diagram) {
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
        auto* p = new DiagramPanel(QString::fromLatin1(place.role), colour, diagram);
        p->setObjectName(Q(machineview::objectName(place.field)));
        p->setGeometry(place.rect);
        c.panels[static_cast<std::size_t>(place.field)] = p;
    }
    c.panel(ViewField::Explanation)->setWrapping(true);
    c.panel(ViewField::Explanation)->setFocusPolicy(Qt::NoFocus);

    c.instructionDecoder =
        new DiagramPanel(QStringLiteral("Instruction Decoder"), kYellowPanel, diagram);
    c.instructionDecoder->setObjectName(QStringLiteral("Panel3D1"));
    c.instructionDecoder->setGeometry(layout::kInstructionDecoder);
    c.alu = new DiagramPanel(QStringLiteral("Arithmetic Logic Unit"), kMagenta, diagram);
    c.alu->setObjectName(QStringLiteral("PnlALU"));
    c.alu->setText(QStringLiteral("ALU"));
    c.alu->setFocusPolicy(Qt::NoFocus);
    c.alu->setGeometry(layout::kAlu);

    c.status = new QLabel(diagram);
    c.status->setObjectName(QStringLiteral("PnlStatus"));
    c.status->setAccessibleName(QStringLiteral("Status"));
    c.status->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    c.status->setAutoFillBackground(true);
    QPalette pal = c.status->palette();
    pal.setColor(QPalette::Window, kLightGrey);
    pal.setColor(QPalette::WindowText, Qt::black);
    c.status->setPalette(pal);
    c.status->setIndent(6);
    c.status->setGeometry(0, layout::kArea.height() - layout::kStatusHeight, layout::kArea.width(),
                          layout::kStatusHeight);
}

// A gateway's box: no text, grey, centred on its place on the wire.
QCheckBox* gatewayBox(QWidget* diagram, const QString& name, QPoint centre) {
    auto* c = new QCheckBox(diagram);
    c->setObjectName(name);
    c->setAutoFillBackground(true);
    QPalette pal = c->palette();
    pal.setColor(QPalette::Window, kLightGrey);
    c->setPalette(pal);
    c->adjustSize();
    c->setFixedSize(c->sizeHint());
    c->move(centre - QPoint(c->width() / 2, c->height() / 2));
    return c;
}

void createGateways(MachineViewControls& c, QWidget* diagram) {
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
        QCheckBox* box = gatewayBox(diagram, Q(machineview::objectName(gateway)),
                                    layout::gatewayCentre(gateway));
        box->setAccessibleName(QString::fromLatin1(kSpoken[static_cast<std::size_t>(g)]));
        c.gateways[static_cast<std::size_t>(g)] = box;
    }
    // Only drawn: it takes neither clicks nor focus.
    QCheckBox* indirect =
        gatewayBox(diagram, QStringLiteral("ChkJMPIndir"), layout::kIndirectJumpBox);
    indirect->setAccessibleName(QStringLiteral("Indirect jump gateway"));
    indirect->setFocusPolicy(Qt::NoFocus);
    indirect->setAttribute(Qt::WA_TransparentForMouseEvents);
}

void createRunControls(MachineViewControls& c, QWidget* diagram) {
    c.waitForContinue =
        new QCheckBox(QStringLiteral("Wait for Continue after each cycle"), diagram);
    c.waitForContinue->setObjectName(QStringLiteral("ChkWait"));
    c.waitForContinue->move(layout::kWaitBox);
    c.waitForContinue->adjustSize();
    c.controls[static_cast<std::size_t>(ViewControl::WaitCheckBox)] = c.waitForContinue;

    const char* captions[] = {"Run", "Stop", "Continue", "Back", "Cancel"};
    QRect place = layout::kFirstButton;
    for (std::size_t i = 0; i < kButtons.size(); ++i) {
        auto* b = new QPushButton(QString::fromLatin1(captions[i]), diagram);
        b->setObjectName(Q(machineview::objectName(kButtons[i])));
        b->setGeometry(place);
        place.translate(layout::kButtonStep, 0);
        c.controls[static_cast<std::size_t>(kButtons[i])] = b;
    }
    c.button(ViewControl::BackButton)->setShortcut(QKeySequence(Qt::Key_F9));
    // The help file comes with its own work; until then the button stands disabled.
    auto* help = new QPushButton(QStringLiteral("Help"), diagram);
    help->setObjectName(QStringLiteral("Command1"));
    help->setGeometry(place);
    help->setEnabled(false);
}

void createClock(MachineViewControls& c, QWidget* diagram) {
    c.clockFrame = new QGroupBox(QStringLiteral("Clock"), diagram);
    c.clockFrame->setObjectName(QStringLiteral("Frame3D1"));
    c.clockFrame->setGeometry(layout::kClockFrame);
    c.clock = new ClockPicture(c.clockFrame);
    c.clock->setObjectName(QStringLiteral("PicClock"));
    c.clock->setGeometry(layout::kClockPicture);
    c.clockCaption = new QLabel(c.clockFrame);
    c.clockCaption->setObjectName(QStringLiteral("lblClock"));
    c.clockCaption->setAlignment(Qt::AlignCenter);
    c.clockCaption->setGeometry(layout::kClockCaption);
    QFont big = c.clockCaption->font();
    big.setPixelSize(15);
    big.setBold(true);
    c.clockCaption->setFont(big);
}

void createMenu(MachineViewControls& c, QMainWindow* window) {
    QMenu* options = window->menuBar()->addMenu(QStringLiteral("Options"));
    options->setObjectName(QStringLiteral("MnOptions"));
    c.showClock = options->addAction(QStringLiteral("Show Clock"));
    c.showClock->setObjectName(QStringLiteral("MnuShowClock"));
    c.showClock->setCheckable(true);
    c.fixedPeriods = options->addAction(QStringLiteral("Wait fixed periods"));
    c.fixedPeriods->setObjectName(QStringLiteral("MnFixedPeriods"));
}

} // namespace

MachineViewControls MachineViewControls::create(MachineViewDisplay& display,
                                                ProcessorDiagram* diagram, QMainWindow* window) {
    MachineViewControls c;
    createLabelsAndMemory(c, display, diagram);
    createPanels(c, diagram);
    createGateways(c, diagram);
    createRunControls(c, diagram);
    createClock(c, diagram);
    createMenu(c, window);
    return c;
}

QPushButton* MachineViewControls::button(ViewControl control) const {
    return static_cast<QPushButton*>(controls[static_cast<std::size_t>(control)]);
}

QList<QWidget*> MachineViewControls::explained() const {
    QList<QWidget*> widgets{memory, instructionDecoder, alu, clock};
    for (DiagramPanel* p : panels)
        if (p) widgets.append(p);
    for (QCheckBox* g : gateways)
        widgets.append(g);
    return widgets;
}

} // namespace zeb::machineview::views

#include "mainwindow/views/Form1.h"

#include "mainwindow/views/AddressLabels.h"
#include "mainwindow/views/FieldPanel.h"
#include "mainwindow/views/Form1Layout.h"
#include "mainwindow/views/HoverStatus.h"
#include "mainwindow/views/KeypadButton.h"
#include "mainwindow/views/PrinterPicture.h"
#include "mainwindow/views/RepaintPacer.h"
#include "mainwindow/views/Twips.h"

#include <QCloseEvent>
#include <QFontDatabase>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QSlider>
#include <QStatusBar>

namespace zeb::views {

namespace L = layout;

namespace {

// The instruction labels on keypad buttons 0..15.
constexpr std::array<const char*, 16> kPadLabels = {
    "HLT", "LDA", "STO", "AC+", "AC-", "AC\u00d7", "AC\u00f7", "JMP",
    "JU-", "JU0", "J()", "INP", "OUT", "IOF",      "ION",      "RIN"};

QString Q(const std::string& s) {
    return QString::fromStdString(s);
}

template <typename W> W* Named(W* widget, const QString& name, const QString& accessible) {
    widget->setObjectName(name);
    widget->setAccessibleName(accessible);
    return widget;
}

QPushButton* Button(QWidget* parent, const QString& name, const QString& caption,
                    const QString& accessible) {
    auto* b = Named(new QPushButton(caption, parent), name, accessible);
    // Keys belong to the memory editor, never to a button.
    b->setFocusPolicy(Qt::NoFocus);
    return b;
}

} // namespace

Form1::Form1(Form1Models models, QWidget* parent) : QMainWindow(parent), m_(std::move(models)) {
    setObjectName(QStringLiteral("Form1"));
    setAccessibleName(QStringLiteral("ZEB main window"));
    setFocusPolicy(Qt::StrongFocus);
    hover_ = new HoverStatus(this);
    pacer_ = new RepaintPacer(this);

    client_ = new QWidget(this);
    client_->setObjectName(QStringLiteral("Form1Client"));
    client_->setMouseTracking(true);
    client_->installEventFilter(this);
    setCentralWidget(client_);

    CreateMemoryGrid(client_);
    CreateKeypad(client_);
    CreateRegisters(client_);
    CreateRunControls(client_);
    CreatePrinter(client_);

    PnlStatus_ = Named(new QLabel(this), QStringLiteral("PnlStatus"), QStringLiteral("Status bar"));
    PnlStatus_->setMinimumWidth(1);
    statusBar()->addWidget(PnlStatus_, 1);
    statusBar()->setSizeGripEnabled(false);

    CreateMenus();
    WatchStatus();

    m_.zeb.observers.add(this);
    for (int a = 0; a < kMemorySize; ++a) {
        cellTextChanged(a, Half::Operator);
        cellTextChanged(a, Half::Operand);
        cellColourChanged(a);
    }
    for (Register r :
         {Register::Acc, Register::PC, Register::SP, Register::Status, Register::Interrupt})
        registerChanged(r);
    for (int f = 0; f < static_cast<int>(Flag::Count); ++f)
        ApplyFlag(static_cast<Flag>(f));
    ApplyKeypadFaces();
    ApplyLabels();
}

Form1::~Form1() {
    m_.zeb.observers.remove(this);
}

// ---------------------------------------------------------------- controls

void Form1::CreateMemoryGrid(QWidget* client) {
    for (int c = 0; c < 5; ++c)
        picMem_[static_cast<std::size_t>(c)] =
            Named(new AddressLabels(c, client), QStringLiteral("PicMem_%1").arg(c),
                  QStringLiteral("Memory address labels %1 to %2").arg(16 * c).arg(16 * c + 15));
    for (int a = 0; a < kMemorySize; ++a) {
        auto* opr = Named(new FieldPanel(client), QStringLiteral("Operator_%1").arg(a),
                          QStringLiteral("Memory cell %1, operator").arg(a));
        auto* opd = Named(new FieldPanel(client), QStringLiteral("Operand_%1").arg(a),
                          QStringLiteral("Memory cell %1, operand").arg(a));
        opr->setPacer(pacer_);
        opd->setPacer(pacer_);
        operator_[static_cast<std::size_t>(a)] = opr;
        operand_[static_cast<std::size_t>(a)] = opd;
        connect(opr, &FieldPanel::pressed, this,
                [this, a](Qt::MouseButton button, Qt::KeyboardModifiers modifiers) {
                    m_.editor.pressOperator(a, button == Qt::LeftButton,
                                            modifiers.testFlag(Qt::ShiftModifier));
                });
        connect(opr, &FieldPanel::clicked, this, [this, a] { m_.editor.selectOperator(a); });
        connect(opd, &FieldPanel::clicked, this, [this, a] { m_.editor.selectOperand(a); });
    }
}

void Form1::CreateKeypad(QWidget* client) {
    for (int i = 0; i <= MemoryEditor::kDeletePad; ++i) {
        const QString spoken =
            i == MemoryEditor::kDeletePad
                ? QStringLiteral("Keypad delete")
                : QStringLiteral("Keypad %1 %2").arg(i).arg(Q(m_.zeb.mnemonics.name(i)));
        auto* pad = Named(new KeypadButton(client), QStringLiteral("pads_%1").arg(i), spoken);
        pads_[static_cast<std::size_t>(i)] = pad;
        connect(pad, &QAbstractButton::clicked, this, [this, i] { m_.editor.pressPad(i); });
    }
    pads_[MemoryEditor::kDeletePad]->setArrowFace();
    clearicon_ = Button(client, QStringLiteral("clearicon"), QStringLiteral("Clear"),
                        QStringLiteral("Clear"));
}

void Form1::CreateRegisters(QWidget* client) {
    auto panel = [client, pacer = pacer_](const QString& name, const QString& spoken) {
        auto* p = Named(new FieldPanel(client), name, spoken);
        p->setAlignment(Qt::AlignRight);
        p->setPacer(pacer);
        return p;
    };
    accicon_ = panel(QStringLiteral("accicon"), QStringLiteral("Accumulator"));
    pcicon_ = panel(QStringLiteral("pcicon"), QStringLiteral("Program Counter"));
    PnlStackPtr_ = panel(QStringLiteral("PnlStackPtr"), QStringLiteral("Stack Pointer"));
    PnlStatusReg_ = panel(QStringLiteral("PnlStatusReg"), QStringLiteral("Status register"));
    PnlInterrupt_ = panel(QStringLiteral("PnlInterrupt"), QStringLiteral("Interrupt line"));
    PnlInterrupt_->setAlignment(Qt::AlignCenter);
    acciconl_ = Button(client, QStringLiteral("acciconl"), QStringLiteral("AC"),
                       QStringLiteral("Reset accumulator"));
    pciconl_ = Button(client, QStringLiteral("pciconl"), QStringLiteral("PC"),
                      QStringLiteral("Reset program counter"));
    CmdSP_ = Button(client, QStringLiteral("CmdSP"), QStringLiteral("SP"),
                    QStringLiteral("Reset stack pointer"));
    LblStatus_ = Named(new QLabel(QStringLiteral("Status"), client), QStringLiteral("LblStatus"),
                       QStringLiteral("Status"));
    LblInterrupt_ = Named(new QLabel(QStringLiteral("Interrupt"), client),
                          QStringLiteral("LblInterrupt"), QStringLiteral("Interrupt"));
    for (QLabel* l : {LblStatus_, LblInterrupt_})
        l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    connect(acciconl_, &QPushButton::clicked, this, [this] {
        if (!m_.zeb.machine.running()) m_.zeb.machine.resetAcc();
    });
    connect(pciconl_, &QPushButton::clicked, this, [this] {
        Machine& m = m_.zeb.machine;
        if (!m.running() && m.host().validClick("pciconl", 0)) m.resetPC();
    });
    connect(CmdSP_, &QPushButton::clicked, this, [this] { m_.zeb.stack.resetStackPointer(); });
}

void Form1::CreateRunControls(QWidget* client) {
    runicon_ =
        Button(client, QStringLiteral("runicon"), QStringLiteral("Run"), QStringLiteral("Run"));
    stepicon_ =
        Button(client, QStringLiteral("stepicon"), QStringLiteral("Step"), QStringLiteral("Step"));
    halticon_ =
        Button(client, QStringLiteral("halticon"), QStringLiteral("Stop"), QStringLiteral("Stop"));
    connect(runicon_, &QPushButton::clicked, this, [this] { m_.zeb.run.run(); });
    connect(stepicon_, &QPushButton::clicked, this, [this] { m_.zeb.run.step(); });
    connect(halticon_, &QPushButton::clicked, this, [this] { m_.zeb.run.stop(); });
    connect(clearicon_, &QPushButton::clicked, this, [this] { m_.clipboard.clearAll(); });

    speed_ = Named(new QSlider(Qt::Horizontal, client), QStringLiteral("speed"),
                   QStringLiteral("Speed"));
    speed_->setRange(1, 10);
    speed_->setPageStep(1);
    speed_->setTickPosition(QSlider::TicksBelow);
    speed_->setFocusPolicy(Qt::NoFocus);
    // The speed changes when the thumb is let go, not while it is dragged.
    connect(speed_, &QSlider::valueChanged, this, [this](int value) {
        if (!speed_->isSliderDown()) m_.zeb.run.setSpeed(value);
    });
    connect(speed_, &QSlider::sliderReleased, this,
            [this] { m_.zeb.run.setSpeed(speed_->value()); });
    Panel3D1_ = Named(new QLabel(QStringLiteral("Slow"), client), QStringLiteral("Panel3D1"),
                      QStringLiteral("Slow"));
    Panel3D2_ = Named(new QLabel(QStringLiteral("Fast"), client), QStringLiteral("Panel3D2"),
                      QStringLiteral("Fast"));
    Panel3D2_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
}

void Form1::CreatePrinter(QWidget* client) {
    printicon_ = Named(new PrinterPicture(client), QStringLiteral("printicon"),
                       QStringLiteral("ZEB's printer, click to feed paper"));
    connect(printicon_, &PrinterPicture::clicked, this, [this] { m_.zeb.devices.feedPaper(); });
    for (int i = 1; i <= 4; ++i) {
        auto* line = Named(new QLineEdit(client), QStringLiteral("lineicons_%1").arg(i),
                           QStringLiteral("Printer paper line %1").arg(i));
        line->setReadOnly(true);
        line->setFocusPolicy(Qt::NoFocus);
        line->setFrame(false);
        line->setAlignment(Qt::AlignRight);
        line->setStyleSheet(QStringLiteral("QLineEdit { background: white; color: black; "
                                           "border-left: 1px solid #888; border-right: 1px solid "
                                           "#888; padding-right: 4px; }"));
        lineicons_[static_cast<std::size_t>(i)] = line;
    }
}

QAction* Form1::AddItem(QMenu* menu, const QString& name, const QString& caption,
                        std::function<void()> handler, bool built, const QKeySequence& shortcut) {
    auto* action = new QAction(caption, this);
    action->setObjectName(name);
    if (!shortcut.isEmpty()) action->setShortcut(shortcut);
    // Items whose windows are built later stand in the menu, disabled.
    action->setEnabled(built);
    if (handler) connect(action, &QAction::triggered, this, [handler] { handler(); });
    menu->addAction(action);
    actions_.insert(name, action);
    return action;
}

void Form1::CreateMenus() {
    QMenuBar* bar = menuBar();
    auto menu = [this, bar](int i, const QString& name, const QString& caption) {
        QMenu* m = bar->addMenu(caption);
        m->setObjectName(name);
        m->menuAction()->setObjectName(name);
        actions_.insert(name, m->menuAction());
        menus_[static_cast<std::size_t>(i)] = m;
        return m;
    };
    Zeb& z = m_.zeb;

    QMenu* file = menu(0, QStringLiteral("filedummy1"), QStringLiteral("&File"));
    ProgramFileCommands& files = m_.files;
    CellClipboard& clip = m_.clipboard;
    AddItem(file, QStringLiteral("MnuNew"), QStringLiteral("&New"), [&clip] { clip.newProgram(); });
    AddItem(file, QStringLiteral("fileopen"), QStringLiteral("&Open"), [&files] { files.open(); });
    AddItem(file, QStringLiteral("MnuSave"), QStringLiteral("&Save"), [&files] {
        files.save(SaveMode::Save);
    })->setEnabled(false);
    AddItem(file, QStringLiteral("savefile"), QStringLiteral("Save &As"),
            [&files] { files.save(SaveMode::SaveAs); });
    AddItem(file, QStringLiteral("MnuFonts"), QStringLiteral("Printer &Fonts"), m_.MnuFonts_Click);
    AddItem(file, QStringLiteral("mnuPrinter"), QStringLiteral("&Print"), m_.mnuPrinter_Click);
    AddItem(file, QStringLiteral("MnDemonstration"), QStringLiteral("&Demonstration"), {}, false);
    file->addSeparator()->setObjectName(QStringLiteral("dummy2"));
    AddItem(file, QStringLiteral("exitfile"), QStringLiteral("E&xit"),
            [this] { m_.shell.exitProgram(); });

    QMenu* edit = menu(1, QStringLiteral("mEdit"), QStringLiteral("&Edit"));
    AddItem(
        edit, QStringLiteral("mCut"), QStringLiteral("Cut"), [&clip] { clip.cut(); }, true,
        QKeySequence(Qt::CTRL | Qt::Key_X));
    AddItem(
        edit, QStringLiteral("mCopy"), QStringLiteral("Copy"), [&clip] { clip.copy(); }, true,
        QKeySequence(Qt::CTRL | Qt::Key_C));
    AddItem(
        edit, QStringLiteral("mPaste"), QStringLiteral("Paste"), [&clip] { clip.paste(); }, true,
        QKeySequence(Qt::CTRL | Qt::Key_V));
    AddItem(
        edit, QStringLiteral("mDelete"), QStringLiteral("Delete"), [&clip] { clip.deleteMarked(); },
        true, QKeySequence(Qt::Key_Delete));

    QMenu* views = menu(2, QStringLiteral("mnViews"), QStringLiteral("&Views"));
    AddItem(views, QStringLiteral("mnLogicGates"), QStringLiteral("&Logic Gates"),
            m_.mnLogicGates_Click);
    AddItem(views, QStringLiteral("MnuMemory"), QStringLiteral("&Memory"), m_.MnuMemory_Click);
    AddItem(views, QStringLiteral("mnFullMachine"), QStringLiteral("M&achine"), {}, false);

    QMenu* options = menu(3, QStringLiteral("MnOptions"), QStringLiteral("&Options"));
    auto check = [this](QAction* a) { a->setCheckable(true); };
    check(AddItem(options, QStringLiteral("MnHexadecimal"), QStringLiteral("&Hexadecimal"),
                  [this] { m_.base.toggleHexadecimal(); }));
    check(AddItem(options, QStringLiteral("mnDissassemble"), QStringLiteral("&Dissassemble"),
                  [this] { m_.base.toggleMnemonics(); }));
    check(AddItem(options, QStringLiteral("mnStatus"), QStringLiteral("Display &Status Register"),
                  [this] { m_.shell.toggleStatusRegister(); }));
    check(AddItem(options, QStringLiteral("MnStackPointer"),
                  QStringLiteral("Display Stack &Pointer Register"),
                  [this] { m_.shell.toggleStackPointer(); }));
    check(AddItem(options, QStringLiteral("MnuInterrupts"), QStringLiteral("Display &Interrupts"),
                  [&z] { z.stack.toggleInterruptDisplay(); }));
    check(AddItem(options, QStringLiteral("MnuOutput"), QStringLiteral("Display &Output Device"),
                  [&z] { z.devices.toggleOutputDevice(); }));
    AddItem(options, QStringLiteral("MnRefresh"), QStringLiteral("&Refresh Screen"),
            [this] { RepaintMainScreen(); });
    AddItem(options, QStringLiteral("MnPreferences"), QStringLiteral("P&references"),
            m_.MnPreferences_Click);

    QMenu* help = menu(4, QStringLiteral("infocontrol"), QStringLiteral("&Help"));
    AddItem(help, QStringLiteral("MMGuide"), QStringLiteral("&Multimedia Guide"), {}, false);
    AddItem(help, QStringLiteral("zebscreen"), QStringLiteral("&Contents"), {}, false);
    AddItem(help, QStringLiteral("tutmenu"), QStringLiteral("&Search"), {}, false);
    AddItem(help, QStringLiteral("Instruction"), QStringLiteral("&Help on Using Help"), {}, false);
    AddItem(help, QStringLiteral("aboutmenu"), QStringLiteral("&About"), [this] {
        if (m_.aboutmenu_Click) m_.aboutmenu_Click();
    });

    // A checkable item must not tick itself: the check marks follow the model.
    for (const char* name : {"MnHexadecimal", "mnDissassemble", "mnStatus", "MnStackPointer",
                             "MnuInterrupts", "MnuOutput"}) {
        QAction* a = actions_.value(QLatin1String(name));
        connect(a, &QAction::triggered, this, [this] {
            for (Flag f : {Flag::HexadecimalChecked, Flag::MnemonicsChecked, Flag::StatusChecked,
                           Flag::StackPointerChecked, Flag::InterruptsChecked, Flag::OutputChecked})
                ApplyFlag(f);
        });
    }
}

void Form1::WatchStatus() {
    MainShell& shell = m_.shell;
    auto fixed = [this, &shell](QWidget* w, ShellControl c) {
        hover_->watch(w, [&shell, c] { shell.showStatusOf(c); });
    };
    fixed(accicon_, ShellControl::Accumulator);
    fixed(PnlStatusReg_, ShellControl::StatusRegister);
    fixed(pcicon_, ShellControl::ProgramCounter);
    fixed(acciconl_, ShellControl::ResetAccumulator);
    fixed(pciconl_, ShellControl::ResetProgramCounter);
    fixed(runicon_, ShellControl::Run);
    fixed(stepicon_, ShellControl::Step);
    fixed(halticon_, ShellControl::Stop);
    fixed(clearicon_, ShellControl::Clear);
    fixed(printicon_, ShellControl::Printer);
    for (int i = 1; i <= 4; ++i)
        fixed(lineicons_[static_cast<std::size_t>(i)], ShellControl::PrinterLines);
    for (AddressLabels* labels : picMem_)
        fixed(labels, ShellControl::AddressLabels);
    DisplayState& d = m_.zeb.display;
    MemoryEditor& e = m_.editor;
    for (int a = 0; a < kMemorySize; ++a) {
        hover_->watch(operator_[static_cast<std::size_t>(a)],
                      [&d, &e, a] { d.setStatusText(e.operatorStatusText(a)); });
        hover_->watch(operand_[static_cast<std::size_t>(a)],
                      [&d, &e, a] { d.setStatusText(e.operandStatusText(a)); });
    }
    for (int i = 0; i <= MemoryEditor::kDeletePad; ++i)
        hover_->watch(pads_[static_cast<std::size_t>(i)],
                      [&d, i] { d.setStatusText(MemoryEditor::padStatusText(i)); });
}

// ---------------------------------------------------------------- start-up

void Form1::layOutMainWindow() {
    for (int c = 0; c < 5; ++c) {
        AddressLabels* labels = picMem_[static_cast<std::size_t>(c)];
        const QRect box = TwipsRect(L::LabelLeft(c), L::kGridTop, L::kLabelWidth, L::kLabelHeight);
        labels->setGeometry(box);
        std::array<QRect, 16> rows;
        for (int r = 0; r < 16; ++r)
            rows[static_cast<std::size_t>(r)] =
                TwipsRect(L::LabelLeft(c), L::CellTop(16 * c + r), L::kLabelWidth, L::kCellHeight)
                    .translated(-box.topLeft());
        labels->setRows(rows);
    }
    for (int a = 0; a < kMemorySize; ++a) {
        operator_[static_cast<std::size_t>(a)]->setGeometry(
            TwipsRect(L::OperatorLeft(a), L::CellTop(a), L::kCellWidth, L::kCellHeight));
        operand_[static_cast<std::size_t>(a)]->setGeometry(
            TwipsRect(L::OperandLeft(a), L::CellTop(a), L::kCellWidth, L::kCellHeight));
    }
    // Later cells are drawn over earlier ones, so shared borders look single.
    for (int a = 0; a < kMemorySize; ++a) {
        operator_[static_cast<std::size_t>(a)]->raise();
        operand_[static_cast<std::size_t>(a)]->raise();
    }

    for (int i = 0; i < 16; ++i) {
        const int left = L::kPanelLeft + (i % 4) * (L::kPadWidth + L::kPadGap);
        const int top = L::kGridTop + (i / 4) * (L::kPadHeight + L::kPadGap);
        pads_[static_cast<std::size_t>(i)]->setGeometry(
            TwipsRect(left, top, L::kPadWidth, L::kPadHeight));
    }
    pads_[MemoryEditor::kDeletePad]->setGeometry(TwipsRect(
        L::kPanelLeft, L::kDeleteTop, 3 * L::kPadWidth + 2 * L::kPadGap, L::kSmallButtonHeight));
    clearicon_->setGeometry(TwipsRect(L::kPanelLeft + 3 * (L::kPadWidth + L::kPadGap),
                                      L::kDeleteTop, L::kPadWidth, L::kSmallButtonHeight));

    const int runWidth = (L::kPanelWidth - 2 * L::kPadGap) / 3;
    int x = L::kPanelLeft;
    for (QPushButton* b : {runicon_, stepicon_, halticon_}) {
        b->setGeometry(TwipsRect(x, L::kRunTop, runWidth, L::kSmallButtonHeight));
        x += runWidth + L::kPadGap;
    }
    constexpr int kSpeedLabel = 480;
    Panel3D1_->setGeometry(TwipsRect(L::kPanelLeft, L::kSliderTop, kSpeedLabel, L::kSliderHeight));
    speed_->setGeometry(TwipsRect(L::kPanelLeft + kSpeedLabel, L::kSliderTop,
                                  L::kPanelWidth - 2 * kSpeedLabel, L::kSliderHeight));
    Panel3D2_->setGeometry(TwipsRect(L::kPanelLeft + L::kPanelWidth - kSpeedLabel, L::kSliderTop,
                                     kSpeedLabel, L::kSliderHeight));

    printicon_->setGeometry(
        TwipsRect(L::kPanelLeft, L::kPrinterTop, L::kPrinterWidth, 4 * L::kPaperLineHeight));
    const int paperLeft = L::kPanelLeft + L::kPrinterWidth + L::kPadGap;
    for (int i = 1; i <= 4; ++i)
        lineicons_[static_cast<std::size_t>(i)]->setGeometry(
            TwipsRect(paperLeft, L::kPrinterTop + (4 - i) * L::kPaperLineHeight,
                      L::kPanelLeft + L::kPanelWidth - paperLeft, L::kPaperLineHeight));

    // Registers: AC, PC and SP in the first row, Status and Interrupt below.
    const int top1 = L::kRegisterTop, top2 = L::kRegisterTop + L::kRegisterRowStep;
    const int h = L::kRegisterHeight;
    acciconl_->setGeometry(TwipsRect(120, top1, 450, h));
    accicon_->setGeometry(TwipsRect(630, top1, 900, h));
    pciconl_->setGeometry(TwipsRect(1770, top1, 450, h));
    pcicon_->setGeometry(TwipsRect(2280, top1, 900, h));
    CmdSP_->setGeometry(TwipsRect(3420, top1, 450, h));
    PnlStackPtr_->setGeometry(TwipsRect(3930, top1, 600, h));
    LblStatus_->setGeometry(TwipsRect(120, top2, 660, h));
    PnlStatusReg_->setGeometry(TwipsRect(840, top2, 450, h));
    LblInterrupt_->setGeometry(TwipsRect(1500, top2, 900, h));
    PnlInterrupt_->setGeometry(TwipsRect(2460, top2, 330, h));

    client_->setFixedSize(TwipsToPixels(L::kClientWidth), TwipsToPixels(L::kClientHeight));
    adjustSize();
    setFixedSize(sizeHint());
}

void Form1::setMemoryFont() {
    const Preferences& p = m_.zeb.preferences;
    QFont font(Q(p.memoryFontName));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(p.memoryFontSize);
    font.setBold(p.memoryFontBold);
    font.setItalic(p.memoryFontItalic);
    font.setUnderline(p.memoryFontUnderline);
    // Three characters must fit a narrow cell: a stand-in for a missing font
    // is drawn condensed, as narrow as the chosen one would have been.
    if (QFontInfo(font).family().compare(font.family(), Qt::CaseInsensitive) != 0)
        font.setStretch(QFont::SemiCondensed);
    ApplyLabels();
    for (AddressLabels* labels : picMem_)
        labels->setFont(font);
    for (int a = 0; a < kMemorySize; ++a) {
        operator_[static_cast<std::size_t>(a)]->setFont(font);
        operand_[static_cast<std::size_t>(a)]->setFont(font);
    }
    m_.zeb.machine.clearCellColours();
    for (FieldPanel* r : {accicon_, pcicon_, PnlStackPtr_, PnlStatusReg_, PnlInterrupt_})
        r->setBackground(QColor(192, 192, 192));
}

void Form1::setPrinterFont() {
    // The strip is a fixed-pitch line printer.
    QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    fixed.setFamilies({QStringLiteral("Courier"), fixed.family()});
    fixed.setStyleHint(QFont::TypeWriter);
    for (int i = 1; i <= 4; ++i)
        lineicons_[static_cast<std::size_t>(i)]->setFont(fixed);
}

void Form1::setSpeedSlider(int value) {
    const QSignalBlocker block(speed_);
    speed_->setValue(value);
}

void Form1::RepaintMainScreen() {
    const QString title = windowTitle();
    setWindowTitle(QString());
    setWindowTitle(title);
    update();
    for (QWidget* child : findChildren<QWidget*>())
        child->update();
}

void Form1::BlockInput(bool blocked) {
    client_->setEnabled(!blocked);
    menuBar()->setEnabled(!blocked);
    inputBlocked_ = blocked;
}

// ---------------------------------------------------------------- observing

FieldPanel* Form1::Field(int address, Half half) const {
    const auto i = static_cast<std::size_t>(address);
    return half == Half::Operator ? operator_[i] : operand_[i];
}

void Form1::cellTextChanged(int address, Half half) {
    const Machine& m = m_.zeb.machine;
    Field(address, half)
        ->setText(Q(half == Half::Operator ? m.operatorText(address) : m.operandText(address)));
}

void Form1::cellColourChanged(int address) {
    const Machine& m = m_.zeb.machine;
    operator_[static_cast<std::size_t>(address)]->setBackground(
        ToQColor(m.operatorColour(address)));
    operand_[static_cast<std::size_t>(address)]->setBackground(ToQColor(m.operandColour(address)));
}

void Form1::registerChanged(Register reg) {
    const QString text = Q(m_.zeb.machine.registerText(reg));
    switch (reg) {
    case Register::Acc:
        accicon_->setText(text);
        break;
    case Register::PC:
        pcicon_->setText(text);
        break;
    case Register::SP:
        PnlStackPtr_->setText(text);
        break;
    case Register::Status:
        PnlStatusReg_->setText(text);
        break;
    case Register::Interrupt:
        PnlInterrupt_->setText(text);
        break;
    }
}

void Form1::displayChanged(DisplayItem item, int index) {
    const DisplayState& d = m_.zeb.display;
    switch (item) {
    case DisplayItem::Flag:
        ApplyFlag(static_cast<Flag>(index));
        break;
    case DisplayItem::StatusText:
        PnlStatus_->setText(Q(d.statusText()));
        break;
    case DisplayItem::PrinterLine:
        if (index >= 1 && index <= 4)
            lineicons_[static_cast<std::size_t>(index)]->setText(Q(d.printerLine(index)));
        break;
    case DisplayItem::PrinterIcon:
        printicon_->setPrinting(d.printing());
        break;
    case DisplayItem::OutputText:
        break;
    case DisplayItem::NumberBase:
        ApplyKeypadFaces();
        ApplyLabels();
        break;
    case DisplayItem::Pointer:
        if (d.isBusy())
            setCursor(Qt::WaitCursor);
        else
            unsetCursor();
        break;
    }
}

void Form1::ApplyFlag(Flag flag) {
    const bool on = m_.zeb.display.get(flag);
    auto check = [this, on](const char* name) {
        if (QAction* a = actions_.value(QLatin1String(name))) a->setChecked(on);
    };
    switch (flag) {
    case Flag::StatusRegisterShown:
        PnlStatusReg_->setVisible(on);
        LblStatus_->setVisible(on);
        break;
    case Flag::StackPointerShown:
        PnlStackPtr_->setVisible(on);
        CmdSP_->setVisible(on);
        break;
    case Flag::InterruptShown:
        LblInterrupt_->setVisible(on);
        PnlInterrupt_->setVisible(on);
        break;
    case Flag::KeyboardVisible:
    case Flag::OutputVisible:
        // The device windows follow these themselves.
        break;
    case Flag::HexadecimalChecked:
        check("MnHexadecimal");
        break;
    case Flag::MnemonicsChecked:
        check("mnDissassemble");
        break;
    case Flag::StatusChecked:
        check("mnStatus");
        break;
    case Flag::StackPointerChecked:
        check("MnStackPointer");
        break;
    case Flag::InterruptsChecked:
        check("MnuInterrupts");
        break;
    case Flag::OutputChecked:
        check("MnuOutput");
        break;
    case Flag::MenusEnabled:
        for (QMenu* menu : menus_)
            if (menu) menu->menuAction()->setEnabled(on);
        break;
    case Flag::SaveEnabled:
        if (QAction* a = actions_.value(QStringLiteral("MnuSave"))) a->setEnabled(on);
        break;
    case Flag::Count:
        break;
    }
}

void Form1::ApplyKeypadFaces() {
    const int base = m_.zeb.display.keypadBase();
    for (int i = 0; i < 16; ++i) {
        const QString number = base == 16 ? QString::number(i, 16).toUpper() : QString::number(i);
        pads_[static_cast<std::size_t>(i)]->setFace(
            QString::fromUtf8(kPadLabels[static_cast<std::size_t>(i)]), number);
    }
}

void Form1::ApplyLabels() {
    for (AddressLabels* labels : picMem_)
        labels->setBase(m_.zeb.display.labelBase());
}

// ---------------------------------------------------------------- events

void Form1::closeEvent(QCloseEvent* event) {
    m_.shell.exitProgram();
    event->accept();
}

void Form1::keyPressEvent(QKeyEvent* event) {
    if (inputBlocked_) return;
    if (event->key() == Qt::Key_Backspace) {
        m_.editor.typeCharacter(MemoryEditor::kBackspace);
        return;
    }
    if (event->key() == Qt::Key_Delete) return;
    if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) {
        QMainWindow::keyPressEvent(event);
        return;
    }
    for (const QChar c : event->text())
        if (c.unicode() < 127) m_.editor.typeCharacter(static_cast<char>(c.unicode()));
}

void Form1::keyReleaseEvent(QKeyEvent* event) {
    if (event->isAutoRepeat() || inputBlocked_) return;
    switch (event->key()) {
    case Qt::Key_Home:
        m_.editor.navigate(NavKey::Home);
        break;
    case Qt::Key_End:
        m_.editor.navigate(NavKey::End);
        break;
    case Qt::Key_Left:
        m_.editor.navigate(NavKey::Left);
        break;
    case Qt::Key_Right:
        m_.editor.navigate(NavKey::Right);
        break;
    case Qt::Key_Up:
        m_.editor.navigate(NavKey::Up);
        break;
    case Qt::Key_Down:
        m_.editor.navigate(NavKey::Down);
        break;
    default:
        QMainWindow::keyReleaseEvent(event);
    }
}

void Form1::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) update();
    QMainWindow::changeEvent(event);
}

bool Form1::eventFilter(QObject* watched, QEvent* event) {
    // Moves that a control ignored come up here too; only the bare background counts.
    if (watched == client_ && event->type() == QEvent::MouseMove &&
        !client_->childAt(static_cast<QMouseEvent*>(event)->position().toPoint()))
        m_.shell.showStatusOf(ShellControl::Background);
    return QMainWindow::eventFilter(watched, event);
}

} // namespace zeb::views

#include "mainwindow/views/MainWindow.h"

#include "core/Mnemonics.h"

#include "core/views/FontConversion.h"
#include "mainwindow/views/AddressLabels.h"
#include "mainwindow/views/HoverStatus.h"
#include "mainwindow/views/KeypadButton.h"
#include "mainwindow/views/MainMenus.h"
#include "mainwindow/views/MainWindowLayout.h"
#include "mainwindow/views/MainWindowStatus.h"
#include "mainwindow/views/PrinterPicture.h"
#include "mainwindow/views/accessibility/AccessibleInterfaces.h"
#include "mainwindow/views/accessibility/RunStateText.h"
#include "mainwindow/views/accessibility/SpokenAnnouncements.h"
#include "mainwindow/views/accessibility/SpokenNames.h"
#include "mainwindow/views/fields/FieldPanel.h"
#include "mainwindow/views/fields/RepaintPacer.h"
#include "ui/ColourConversion.h"
#include "ui/Twips.h"

#include <algorithm>

#include <QCloseEvent>
#include <QFontDatabase>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QShortcut>
#include <QSlider>
#include <QStatusBar>

namespace zeb::views {

MainWindow::MainWindow(MainWindowModels models, QWidget* parent)
    : QMainWindow(parent), models_(std::move(models)) {
    installAccessibleInterfaces();
    setObjectName(QStringLiteral("Form1"));
    setAccessibleName(QStringLiteral("ZEB main window"));
    setFocusPolicy(Qt::StrongFocus);
    hover_ = new HoverStatus(this);
    pacer_ = new RepaintPacer([this] { showChangedFields(); }, this);

    client_ = new QWidget(this);
    client_->setObjectName(QStringLiteral("Form1Client"));
    client_->setMouseTracking(true);
    client_->installEventFilter(this);
    setCentralWidget(client_);
    controls_ = MainWindowControls::create(client_, pacer_);
    // A keypad key is named as its instruction is typed, whatever its face
    // shows (a face of JU- is typed JM-).
    for (int i = 0; i < MemoryEditor::kDeletePad; ++i)
        controls_.keypad[static_cast<std::size_t>(i)]->setAccessibleName(
            QStringLiteral("Keypad %1 %2")
                .arg(i)
                .arg(QString::fromStdString(models_.zeb.machine().mnemonics().name(i))));
    runState_ = std::make_unique<RunStateText>(
        models_.zeb.machine(),
        std::initializer_list<QWidget*>{controls_.runButton, controls_.stepButton,
                                        controls_.stopButton});

    statusBarText_ = new QLabel(this);
    statusBarText_->setObjectName(QStringLiteral("PnlStatus"));
    statusBarText_->setAccessibleName(QStringLiteral("Status bar"));
    statusBarText_->setMinimumWidth(1);
    statusBar()->addWidget(statusBarText_, 1);
    statusBar()->setSizeGripEnabled(false);
    announcements_ = new SpokenAnnouncements(statusBar());
    models_.zeb.machine().setAnnouncer(announcements_);

    menus_ = new MainMenus(menuBar(), models_, [this] { repaintAll(); });
    connectControls();
    addRunKeys();
    watchStatusTexts(*hover_, cellMouse_, controls_, models_.shell, models_.zeb.display(),
                     models_.editor);

    models_.zeb.observers().add(this);
    for (int a = 0; a < kMemorySize; ++a) {
        cellTextChanged(a, Half::Operator);
        cellTextChanged(a, Half::Operand);
        cellColourChanged(a);
    }
    for (Register r :
         {Register::Acc, Register::PC, Register::SP, Register::Status, Register::Interrupt})
        registerChanged(r);
    for (int f = 0; f < static_cast<int>(Flag::Count); ++f)
        showFlag(static_cast<Flag>(f));
    showKeypadFaces();
    showAddressBase();
}

MainWindow::~MainWindow() {
    models_.zeb.machine().setAnnouncer(nullptr);
    models_.zeb.observers().remove(this);
}

QAction* MainWindow::action(const QString& name) const {
    return menus_->action(name);
}

QList<QRect> MainWindow::keepClearRects() const {
    const QRect frame = frameGeometry();
    const QRect titleBar(frame.topLeft(),
                         QPoint(frame.right(), client_->mapToGlobal(QPoint(0, 0)).y() - 1));
    return {titleBar, controls_.keypadAndRunControls()};
}

QList<QRect> MainWindow::registerRects() const {
    const MainWindowControls& c = controls_;
    QList<QRect> rects;
    // Hidden ones too: the Options menu shows them in their places.
    for (const QWidget* w : std::initializer_list<const QWidget*>{
             c.accumulatorPanel, c.resetAccumulatorButton, c.programCounterPanel,
             c.resetProgramCounterButton, c.stackPointerPanel, c.resetStackPointerButton,
             c.statusRegisterPanel, c.statusLabel, c.interruptPanel, c.interruptLabel})
        rects.append(QRect(w->mapToGlobal(QPoint(0, 0)), w->size()));
    return rects;
}

QRect MainWindow::rowsAroundProgramCounter() const {
    // Read back from the field as shown, quietly: a field that is no number
    // counts as 0.
    bool ok = false;
    const int pc = controls_.programCounterPanel->text().trimmed().toInt(
        &ok, radix(models_.zeb.machine().view().base()));
    const int at = ok && pc >= 0 && pc < kMemorySize ? pc : 0;
    // Two rows before it and five after it, within its column.
    const int column = at / 16, first = std::max(16 * column, at - 2),
              last = std::min(16 * column + 15, at + 5);
    QRect rows;
    for (int a = first; a <= last; ++a)
        for (Half half : {Half::Operator, Half::Operand}) {
            const FieldPanel* f = controls_.field(a, half);
            rows |= QRect(f->mapToGlobal(QPoint(0, 0)), f->size());
        }
    return rows;
}

void MainWindow::connectControls() {
    const MainWindowControls& c = controls_;
    MemoryEditor& editor = models_.editor;
    Zeb& zeb = models_.zeb;
    cellMouse_.pressed = [&editor](int a, int column, Qt::MouseButton button,
                                   Qt::KeyboardModifiers modifiers) {
        if (column == 0)
            editor.pressOperator(a, button == Qt::LeftButton,
                                 modifiers.testFlag(Qt::ShiftModifier));
    };
    cellMouse_.clicked = [this, &editor](int a, int column) {
        if (column == 0)
            editor.selectOperator(a);
        else
            editor.selectOperand(a);
        showCurrentCell();
    };
    for (int a = 0; a < kMemorySize; ++a)
        for (Half half : {Half::Operator, Half::Operand})
            c.field(a, half)->setMouse(&cellMouse_);
    for (int i = 0; i < MainWindowControls::kPads; ++i)
        connect(c.keypad[static_cast<std::size_t>(i)], &QAbstractButton::clicked, this,
                [&editor, i] { editor.pressPad(i); });
    connect(c.clearButton, &QPushButton::clicked, this, [this] { models_.clipboard.clearAll(); });

    connect(c.resetAccumulatorButton, &QPushButton::clicked, this,
            [&zeb] { zeb.run().resetAccumulator(); });
    connect(c.resetProgramCounterButton, &QPushButton::clicked, this,
            [&zeb] { zeb.run().resetProgramCounter(); });
    connect(c.resetStackPointerButton, &QPushButton::clicked, this,
            [&zeb] { zeb.stack().resetStackPointer(); });

    connect(c.runButton, &QPushButton::clicked, this, [this, &zeb] {
        if (!zeb.machine().runState().running()) runState_->runRequested();
        zeb.run().run();
    });
    connect(c.stepButton, &QPushButton::clicked, this, [this, &zeb] {
        if (!zeb.machine().runState().running()) runState_->stepRequested();
        zeb.run().step();
    });
    connect(c.backButton, &QPushButton::clicked, this, [&zeb] { zeb.run().back(); });
    connect(c.stopButton, &QPushButton::clicked, this, [this, &zeb] {
        runState_->stopRequested();
        zeb.run().stop();
    });
    // The speed changes when the thumb is let go, not while it is dragged.
    QSlider* speed = c.speedSlider;
    connect(speed, &QSlider::valueChanged, this, [&zeb, speed](int value) {
        nameSpeedSetting(speed, value);
        if (!speed->isSliderDown()) zeb.run().setSpeed(value);
    });
    connect(speed, &QSlider::sliderReleased, this,
            [&zeb, speed] { zeb.run().setSpeed(speed->value()); });

    connect(c.printer, &PrinterPicture::clicked, this, [&zeb] { zeb.devices().feedPaper(); });
}

void MainWindow::addRunKeys() {
    addRunKeysTo(this);
    for (QPushButton* button :
         {controls_.runButton, controls_.stepButton, controls_.backButton, controls_.stopButton})
        button->setToolTip(QStringLiteral("%1 (%2)").arg(
            button->text(), runKeyOf(button).toString(QKeySequence::NativeText)));
}

QKeySequence MainWindow::runKeyOf(const QPushButton* button) const {
    return button == controls_.runButton    ? kRunKey
           : button == controls_.stepButton ? kStepKey
           : button == controls_.backButton ? kBackKey
                                            : kStopKey;
}

void MainWindow::addRunKeysTo(QWidget* window) {
    // Function keys, so that every typed character still goes to the memory
    // editor; they act as a click, so a disabled control ignores them.
    for (QPushButton* button :
         {controls_.runButton, controls_.stepButton, controls_.backButton, controls_.stopButton}) {
        auto* shortcut = new QShortcut(runKeyOf(button), window);
        connect(shortcut, &QShortcut::activated, button, [button] { button->click(); });
    }
}

// ---------------------------------------------------------------- start-up

void MainWindow::layOut() {
    layOutControls(controls_);
    client_->setFixedSize(ui::twipsToPixels(layout::kClientWidth),
                          ui::twipsToPixels(layout::kClientHeight));
    adjustSize();
    setFixedSize(sizeHint());
}

void MainWindow::setMemoryFont() {
    const Preferences& p = models_.zeb.preferences();
    // The cells are never struck through, whatever the font chosen.
    Font chosen = p.memoryFont;
    chosen.strikethru = false;
    QFont font = core::views::toQFont(chosen, 8.25);
    font.setStyleHint(QFont::SansSerif);
    // Three characters must fit a narrow cell: a stand-in for a missing font
    // is drawn condensed, as narrow as the chosen one would have been.
    if (QFontInfo(font).family().compare(font.family(), Qt::CaseInsensitive) != 0)
        font.setStretch(QFont::SemiCondensed);
    // The address labels are pictures with a look of their own: only the
    // fields take the memory font.
    showAddressBase();
    for (int a = 0; a < kMemorySize; ++a) {
        controls_.field(a, Half::Operator)->setFont(font);
        controls_.field(a, Half::Operand)->setFont(font);
    }
    models_.zeb.machine().clearCellColours();
    for (FieldPanel* r :
         {controls_.accumulatorPanel, controls_.programCounterPanel, controls_.stackPointerPanel,
          controls_.statusRegisterPanel, controls_.interruptPanel})
        r->setBackground(QColor(192, 192, 192));
}

void MainWindow::setPrinterFont() {
    // The strip is a fixed-pitch line printer.
    QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    fixed.setFamilies({QStringLiteral("Courier"), fixed.family()});
    fixed.setStyleHint(QFont::TypeWriter);
    for (PaperLine* line : controls_.printerLines)
        line->setPaperFont(fixed);
}

void MainWindow::setSpeedSlider(int value) {
    const QSignalBlocker block(controls_.speedSlider);
    controls_.speedSlider->setValue(value);
    nameSpeedSetting(controls_.speedSlider, value);
}

void MainWindow::repaintAll() {
    const QString title = windowTitle();
    setWindowTitle(QString());
    setWindowTitle(title);
    update();
    for (QWidget* child : findChildren<QWidget*>())
        child->update();
}

void MainWindow::blockInput(bool blocked) {
    inputBlocks_ = std::max(0, inputBlocks_ + (blocked ? 1 : -1));
    client_->setEnabled(!inputBlocked());
    menuBar()->setEnabled(!inputBlocked());
}

// ---------------------------------------------------------------- events

void MainWindow::closeEvent(QCloseEvent* event) {
    models_.exit();
    event->accept();
}

bool MainWindow::controlHasFocus() const {
    const QWidget* focus = focusWidget();
    return focus && client_->isAncestorOf(focus);
}

void MainWindow::keyPressEvent(QKeyEvent* event) {
    if (inputBlocked()) return;
    if (event->key() == Qt::Key_Escape && controlHasFocus()) {
        // Back from the run controls to the memory grid.
        setFocus(Qt::OtherFocusReason);
        return;
    }
    if (event->key() == Qt::Key_Backspace) {
        models_.editor.typeCharacter(MemoryEditor::kBackspace);
        return;
    }
    if (event->key() == Qt::Key_Delete) return;
    if (event->key() == Qt::Key_Space && event->modifiers() == Qt::ShiftModifier) {
        models_.editor.markCurrent();
        return;
    }
    if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) {
        QMainWindow::keyPressEvent(event);
        return;
    }
    for (const QChar c : event->text())
        if (c.unicode() < 127) models_.editor.typeCharacter(static_cast<char>(c.unicode()));
}

void MainWindow::keyReleaseEvent(QKeyEvent* event) {
    // Arrow keys move between the run controls while one has the focus.
    if (event->isAutoRepeat() || inputBlocked() || controlHasFocus()) return;
    static constexpr struct {
        int key;
        NavKey nav;
    } kNavigation[] = {{Qt::Key_Home, NavKey::Home}, {Qt::Key_End, NavKey::End},
                       {Qt::Key_Left, NavKey::Left}, {Qt::Key_Right, NavKey::Right},
                       {Qt::Key_Up, NavKey::Up},     {Qt::Key_Down, NavKey::Down}};
    // With Shift the keys mark as Shift+click does: the cell left and the
    // cell reached.
    const bool marking = event->modifiers().testFlag(Qt::ShiftModifier);
    for (const auto& n : kNavigation)
        if (event->key() == n.key) {
            if (marking) models_.editor.markCurrent();
            models_.editor.navigate(n.nav);
            if (marking) models_.editor.markCurrent();
            showCurrentCell();
            return;
        }
    QMainWindow::keyReleaseEvent(event);
}

void MainWindow::focusInEvent(QFocusEvent* event) {
    QMainWindow::focusInEvent(event);
    // After Qt has told the reader that the window has the focus: the
    // current cell has it within the window.
    QMetaObject::invokeMethod(
        this, [this] { cellFocus_.announceCurrent(); }, Qt::QueuedConnection);
}

void MainWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange) {
        if (isActiveWindow()) update();
        // The current cell's frame comes and goes with the keyboard.
        if (FieldPanel* current = currentField()) current->update();
    }
    QMainWindow::changeEvent(event);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == client_ && event->type() == QEvent::Paint && !painted_) {
        painted_ = true;
        // After this paint has been done.
        QMetaObject::invokeMethod(this, &MainWindow::firstPainted, Qt::QueuedConnection);
    }
    // Moves that a control ignored come up here too; only the bare background counts.
    if (watched == client_ && event->type() == QEvent::MouseMove &&
        !client_->childAt(static_cast<QMouseEvent*>(event)->position().toPoint()))
        models_.shell.showStatusOf(ShellControl::Background);
    return QMainWindow::eventFilter(watched, event);
}

} // namespace zeb::views

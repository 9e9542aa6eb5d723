#include "mainwindow/views/MainWindow.h"
#include "SessionFixture.h"
#include "mainwindow/views/AboutWindow.h"
#include "mainwindow/views/AddressLabels.h"
#include "mainwindow/views/FieldPanel.h"
#include "mainwindow/views/InputWindow.h"
#include "mainwindow/views/KeyboardWindow.h"
#include "mainwindow/views/KeypadButton.h"
#include "mainwindow/views/OutputWindow.h"
#include "mainwindow/views/ZebSession.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QSlider>
#include <QTimer>
#include <QtMath>
#include <QtTest>

#include <cmath>
#include <memory>

using namespace zeb;
using namespace zeb::views;
using namespace zeb::test;

namespace {

struct Cell {
    int address;
    std::vector<int> operatorPads; // empty: the operator is left alone
    std::vector<int> operandPads;
};

// Acts once, as soon as a condition holds, while a run keeps the test inside
// one click.
void when(std::function<bool()> condition, std::function<void()> action) {
    auto* timer = new QTimer;
    timer->setInterval(2);
    QObject::connect(timer, &QTimer::timeout, [timer, condition, action] {
        if (!condition()) return;
        timer->stop();
        timer->deleteLater();
        action();
    });
    timer->start();
}

// Whether a field is drawn with a frame: dark pixels just inside its border,
// on every side, where only its background would be.
bool framed(QWidget* field) {
    const QImage image = field->grab().toImage();
    const int w = image.width(), h = image.height();
    const qreal dpr = image.devicePixelRatio();
    const int inset = qCeil(dpr); // past the border of one logical pixel
    for (QPoint p : {QPoint(inset, h / 2), QPoint(w - 1 - inset, h / 2), QPoint(w / 2, inset)})
        if (qGray(image.pixel(p)) > 60) return false;
    return true;
}

// WCAG contrast ratio of two colours.
double contrast(QRgb a, QRgb b) {
    auto luminance = [](QRgb c) {
        auto channel = [](int v) {
            const double s = v / 255.0;
            return s <= 0.03928 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * channel(qRed(c)) + 0.7152 * channel(qGreen(c)) + 0.0722 * channel(qBlue(c));
    };
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

} // namespace

class MainWindowTest : public QObject, SessionFixture {
    Q_OBJECT

    QString panel(const QString& name) { return child<FieldPanel>(name)->text(); }
    QString paper(int line) {
        return child<QLineEdit>(QStringLiteral("lineicons_%1").arg(line))->text();
    }
    using SessionFixture::click;
    void click(const QString& name) { click(child(name)); }
    void pad(int i) { click(QStringLiteral("pads_%1").arg(i)); }
    void fast() { child<QSlider>(QStringLiteral("speed"))->setValue(10); }

    void hover(const char* name) {
        QWidget* w = child(QLatin1String(name));
        QTest::mouseMove(mainWindow().windowHandle(), w->mapTo(&mainWindow(), w->rect().center()));
    }

    void enter(const std::vector<Cell>& cells) {
        for (const Cell& c : cells) {
            if (!c.operatorPads.empty()) {
                click(field("Operator", c.address));
                for (int p : c.operatorPads)
                    pad(p);
            }
            if (!c.operandPads.empty()) {
                click(field("Operand", c.address));
                for (int p : c.operandPads)
                    pad(p);
            }
        }
    }

  private slots:
    void init() {
        start();
        QVERIFY(QTest::qWaitForWindowExposed(&mainWindow()));
    }

    void cleanup() { s.reset(); }

    void startsAtRest() {
        QCOMPARE(mainWindow().windowTitle(), QStringLiteral("ZEB V2.7"));
        QCOMPARE(panel("accicon"), QStringLiteral("     0"));
        QCOMPARE(panel("pcicon"), QStringLiteral("     0"));
        for (const char* hidden :
             {"PnlStackPtr", "CmdSP", "PnlStatusReg", "LblStatus", "PnlInterrupt", "LblInterrupt"})
            QVERIFY2(!child(QLatin1String(hidden))->isVisible(), hidden);
        QCOMPARE(field("Operator", 0)->background(), QColor(Qt::white));
        QCOMPARE(field("Operand", 0)->background(), QColor(192, 192, 192));
        // Save waits for a file name.
        for (const char* off : {"MnuSave"})
            QVERIFY2(!mainWindow().action(QLatin1String(off))->isEnabled(), off);
        QVERIFY(child(QStringLiteral("clearicon"))->isEnabled());
        for (const char* item :
             {"MnuNew",        "fileopen",        "savefile",      "MnuFonts",
              "mnuPrinter",    "exitfile",        "mCut",          "mCopy",
              "mPaste",        "mDelete",         "mnLogicGates",  "MnuMemory",
              "MnHexadecimal", "mnDissassemble",  "mnStatus",      "MnStackPointer",
              "MnuInterrupts", "MnuOutput",       "MnRefresh",     "MnPreferences",
              "aboutmenu",     "MnDemonstration", "mnFullMachine", "MMGuide",
              "zebscreen",     "tutmenu",         "Instruction"}) {
            QAction* a = mainWindow().action(QLatin1String(item));
            QVERIFY2(a->isEnabled() && !a->isChecked(), item);
        }
        QCOMPARE(mainWindow().action(QStringLiteral("mCut"))->shortcut(),
                 QKeySequence(QStringLiteral("Ctrl+X")));
        QCOMPARE(field("Operator", 12)->accessibleName(),
                 QStringLiteral("Memory cell 12, operator"));
        QCOMPARE(child(QStringLiteral("pads_15"))->accessibleName(),
                 QStringLiteral("Keypad 15 RIN"));
        QCOMPARE(child(QStringLiteral("runicon"))->accessibleName(), QStringLiteral("Run"));
        QCOMPARE(s->keyboardWindow().findChild<QPushButton*>(QStringLiteral("cmdKey_26"))->text(),
                 QString());
    }

    void countingLoopFromTheKeypadRunsToThePrinter() {
        enter({{0, {1}, {1, 1}},
               {1, {9}, {10}},
               {2, {12}, {}},
               {3, {4}, {12}},
               {4, {7}, {1}},
               {10, {0}, {}},
               {11, {}, {9}},
               {12, {}, {1}}});
        QCOMPARE(text("Operand", 1), QStringLiteral("10"));
        QCOMPARE(text("Operator", 2), QStringLiteral("12"));
        fast();
        click(QStringLiteral("runicon"));
        QVERIFY(!s->zeb().machine.running());
        QCOMPARE(panel("pcicon"), QStringLiteral("    10"));
        QCOMPARE(field("Operator", 10)->background(), QColor(Qt::yellow));
        QCOMPARE(paper(1), QStringLiteral("1"));
        QCOMPARE(paper(4), QStringLiteral("4"));
        QVERIFY(messages.empty());
        QVERIFY(mainWindow().action(QStringLiteral("MnOptions"))->isEnabled());

        // A click on the printer feeds the paper by one empty line.
        click(QStringLiteral("printicon"));
        QCOMPARE(paper(1), QString());
        QCOMPARE(paper(2), QStringLiteral("1"));
    }

    void baseSwitchBothWays_data() {
        QTest::addColumn<bool>("mnemonics");
        QTest::addColumn<QString>("decimalOperator");
        QTest::addColumn<QString>("hexOperator");
        QTest::newRow("numbers") << false << "12"
                                 << "C";
        QTest::newRow("mnemonics") << true << "OUT"
                                   << "OUT";
    }
    void baseSwitchBothWays() {
        QFETCH(bool, mnemonics);
        QFETCH(QString, decimalOperator);
        QFETCH(QString, hexOperator);
        enter({{0, {12}, {2, 5, 5}}, {1, {}, {2, 0}}});
        click(QStringLiteral("pciconl"));
        s->zeb().machine.changePC(10);
        if (mnemonics) trigger("mnDissassemble");
        QCOMPARE(text("Operator", 0), decimalOperator);

        trigger("MnHexadecimal");
        QVERIFY(mainWindow().action(QStringLiteral("MnHexadecimal"))->isChecked());
        QCOMPARE(text("Operator", 0), hexOperator);
        QCOMPARE(text("Operand", 0), QStringLiteral("FF"));
        QCOMPARE(text("Operand", 1), QStringLiteral("14"));
        QCOMPARE(panel("pcicon"), QStringLiteral("     A"));
        QCOMPARE(child<AddressLabels>(QStringLiteral("PicMem_0"))->labelText(15),
                 QStringLiteral("0F"));
        QCOMPARE(child<KeypadButton>(QStringLiteral("pads_10"))->number(), QStringLiteral("A"));
        // Entry follows the base: button 15 is one digit now.
        click(field("Operand", 2));
        pad(15);
        pad(15);
        QCOMPARE(text("Operand", 2), QStringLiteral("FF"));

        trigger("MnHexadecimal");
        QVERIFY(!mainWindow().action(QStringLiteral("MnHexadecimal"))->isChecked());
        QCOMPARE(text("Operator", 0), decimalOperator);
        QCOMPARE(text("Operand", 0), QStringLiteral("255"));
        QCOMPARE(text("Operand", 2), QStringLiteral("255"));
        QCOMPARE(panel("pcicon"), QStringLiteral("    10"));
        QCOMPARE(child<AddressLabels>(QStringLiteral("PicMem_0"))->labelText(15),
                 QStringLiteral("15"));
        QCOMPARE(child<KeypadButton>(QStringLiteral("pads_10"))->number(), QStringLiteral("10"));
        QCOMPARE(mainWindow().action(QStringLiteral("mnDissassemble"))->isChecked(), mnemonics);
        QVERIFY(messages.empty());
    }

    void typingAMnemonicLetterByLetter() {
        trigger("mnDissassemble");
        QVERIFY(mainWindow().action(QStringLiteral("mnDissassemble"))->isChecked());
        click(field("Operator", 5));
        const std::pair<char, const char*> steps[] = {{'x', ""},   {'j', "J"},   {'q', "J"},
                                                      {'s', "JS"}, {'b', "JSB"}, {'c', "JSB"}};
        for (const auto& [key, shown] : steps) {
            QTest::keyClick(&mainWindow(), key);
            QCOMPARE(text("Operator", 5), QString::fromLatin1(shown));
        }
        QTest::keyClick(&mainWindow(), Qt::Key_Backspace);
        QCOMPARE(text("Operator", 5), QStringLiteral("JS"));
    }

    void navigationCrossesColumns_data() {
        QTest::addColumn<QString>("start");
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("target");
        QTest::newRow("down past 15") << "Operator_15" << int(Qt::Key_Down) << "Operator_16";
        QTest::newRow("up past 16") << "Operand_16" << int(Qt::Key_Up) << "Operand_15";
        QTest::newRow("right to the next column")
            << "Operand_5" << int(Qt::Key_Right) << "Operator_21";
        QTest::newRow("left to the previous column")
            << "Operator_20" << int(Qt::Key_Left) << "Operand_4";
        QTest::newRow("right at the last column")
            << "Operand_70" << int(Qt::Key_Right) << "Operand_70";
        QTest::newRow("end") << "Operator_3" << int(Qt::Key_End) << "Operand_79";
        QTest::newRow("home") << "Operand_60" << int(Qt::Key_Home) << "Operator_0";
    }
    void navigationCrossesColumns() {
        QFETCH(QString, start);
        QFETCH(int, key);
        QFETCH(QString, target);
        click(child(start));
        QTest::keyClick(&mainWindow(), static_cast<Qt::Key>(key));
        QCOMPARE(child<FieldPanel>(target)->background(), QColor(Qt::white));
        if (start != target)
            QCOMPARE(child<FieldPanel>(start)->background(), QColor(192, 192, 192));
        // Typing goes to the new field.
        QTest::keyClick(&mainWindow(), '7');
        QCOMPARE(child<FieldPanel>(target)->text(), QStringLiteral("7"));
    }

    void markingAndClearingMarks_data() {
        QTest::addColumn<bool>("byKeyboard");
        QTest::newRow("Shift+click") << false;
        QTest::newRow("Shift+Space and Shift+arrows") << true;
    }
    void markingAndClearingMarks() {
        QFETCH(bool, byKeyboard);
        s->zeb().machine.changePC(9);
        s->zeb().machine.setOperandText(6, "42");
        if (byKeyboard) {
            QWidget* grid = &mainWindow();
            mainWindow().activateWindow();
            QTRY_VERIFY(mainWindow().isActiveWindow());
            click(field("Operator", 3));
            QTest::keyClick(grid, Qt::Key_Space, Qt::ShiftModifier);
            QTest::keyClick(grid, Qt::Key_Down);
            QTest::keyClick(grid, Qt::Key_Down);
            QTest::keyClick(grid, Qt::Key_Down, Qt::ShiftModifier); // 5 and 6
            for (int i = 0; i < 6; ++i)
                QTest::keyClick(grid, Qt::Key_Down);
            QTest::keyClick(grid, Qt::Key_Space, Qt::ShiftModifier); // 12
        } else {
            click(field("Operator", 3), Qt::ShiftModifier);
            click(field("Operator", 5), Qt::ShiftModifier);
            click(field("Operator", 6), Qt::ShiftModifier);
            click(field("Operator", 12), Qt::ShiftModifier);
            click(field("Operand", 8), Qt::ShiftModifier); // operands never mark
        }
        for (int a = 3; a <= 12; ++a) {
            const QColor expected = a == 3 || a == 5 || a == 6 || a == 12
                                        ? QColor(Qt::green)
                                        : (a == 9 ? QColor(Qt::yellow) : QColor(192, 192, 192));
            QCOMPARE(field("Operator", a)->background(), expected);
            QCOMPARE(field("Operand", a)->background(), expected);
        }
        // Copy works on them from the keyboard.
        QTest::keyClick(&mainWindow(), Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->text().count(QLatin1Char('\n')), 4);
        QVERIFY(QApplication::clipboard()->text().contains(QLatin1String(" 42|")));
        click(field("Operator", 20));
        for (int a : {3, 5, 6, 12})
            QCOMPARE(field("Operator", a)->background(), QColor(192, 192, 192));
        QCOMPARE(field("Operand", 9)->background(), QColor(Qt::yellow));
        QCOMPARE(field("Operator", 20)->background(), QColor(Qt::white));
    }

    // Whatever its colour, the field that typing changes is framed while the
    // window has the keyboard, and it is the only one.
    void theFieldTypingChangesIsFramed_data() {
        QTest::addColumn<QString>("action");
        for (const char* a :
             {"", "runicon", "stepicon", "halticon", "MnHexadecimal", "mnDissassemble", "MnuNew"})
            QTest::newRow(*a ? a : "clicked") << QString::fromLatin1(a);
    }
    void theFieldTypingChangesIsFramed() {
        QFETCH(QString, action);
        mainWindow().activateWindow();
        QTRY_VERIFY(mainWindow().isActiveWindow());
        enter({{0, {1}, {5}}, {1, {0}, {}}, {5, {}, {9}}}); // LDA 5, HLT; 9 in cell 5
        click(field("Operand", 5));
        if (action.endsWith(QLatin1String("icon")))
            click(action);
        else if (!action.isEmpty())
            trigger(action.toLatin1().constData());
        QList<FieldPanel*> framedFields;
        for (const char* kind : {"Operator", "Operand"})
            for (int a = 0; a < 80; ++a)
                if (framed(field(kind, a))) framedFields << field(kind, a);
        const FieldPanel* current =
            action == QLatin1String("MnuNew") ? field("Operator", 0) : field("Operand", 5);
        QCOMPARE(framedFields.size(), 1);
        QCOMPARE(framedFields.front(), current);
        // Typing goes where the frame is.
        const QString old = current->text();
        QTest::keyClicks(&mainWindow(), QStringLiteral("1"));
        QCOMPARE(current->text(), old.trimmed() + QLatin1Char('1'));
        // Without the keyboard, no frame.
        trigger("MnuInterrupts");
        s->keyboardWindow().activateWindow();
        QTRY_VERIFY(!mainWindow().isActiveWindow());
        QTRY_VERIFY(!framed(field("Operand", 5)) && !framed(field("Operator", 0)));
    }

    void stopEndsALongRun() {
        enter({{0, {7}, {0}}});
        fast();
        when([this] { return s->zeb().machine.running(); },
             [this] { click(QStringLiteral("halticon")); });
        click(QStringLiteral("runicon"));
        QVERIFY(!s->zeb().machine.running());
        QCOMPARE(panel("pcicon"), QStringLiteral("     0"));
        QVERIFY(messages.empty());
        QVERIFY(mainWindow().action(QStringLiteral("filedummy1"))->isEnabled());
    }

    void stepOnAHaltStaysThere() {
        enter({{0, {0}, {}}});
        for (int i = 0; i < 2; ++i) {
            click(QStringLiteral("stepicon"));
            QCOMPARE(panel("pcicon"), QStringLiteral("     0"));
            QCOMPARE(field("Operator", 0)->background(), QColor(Qt::yellow));
        }
        QVERIFY(!s->zeb().machine.running());
        QVERIFY(messages.empty());
    }

    void backUndoesStepsAndRuns() {
        // LDA 10, OUT, JMP 0; cell 10 holds 5.
        enter({{0, {1}, {1, 0}}, {1, {12}, {}}, {2, {7}, {0}}, {10, {}, {5}}});
        QWidget* back = child(QStringLiteral("backicon"));
        QLabel* status = child<QLabel>(QStringLiteral("PnlStatus"));
        QVERIFY(!back->isEnabled());
        click(QStringLiteral("stepicon"));
        click(QStringLiteral("stepicon"));
        QCOMPARE(paper(1), QStringLiteral("5"));
        QVERIFY(back->isEnabled());
        click(back);
        QCOMPARE(paper(1), QString());
        QCOMPARE(panel("pcicon"), QStringLiteral("     1"));
        QCOMPARE(status->text(), QStringLiteral("Back: undid OUT at 1"));
        QCOMPARE(field("Operator", 1)->background(), QColor(Qt::yellow));
        QCOMPARE(field("Operator", 2)->background(), QColor(192, 192, 192));
        QTest::keyClick(&mainWindow(), Qt::Key_F9);
        QCOMPARE(panel("accicon"), QStringLiteral("     0"));
        QCOMPARE(panel("pcicon"), QStringLiteral("     0"));
        QCOMPARE(field("Operator", 1)->background(), QColor(192, 192, 192));
        QCOMPARE(status->text(), QStringLiteral("Back: undid LDA 10 at 0"));
        QVERIFY(!back->isEnabled());

        // Disabled while a program runs; the run's instructions are undone
        // one at a time afterwards.
        fast();
        bool enabledDuringRun = true;
        when([this] { return s->zeb().machine.running() && paper(2) == "5"; },
             [&, back] {
                 enabledDuringRun = back->isEnabled();
                 click(QStringLiteral("halticon"));
             });
        click(QStringLiteral("runicon"));
        QVERIFY(!enabledDuringRun);
        QVERIFY(back->isEnabled());
        const QString pc = panel("pcicon");
        click(back);
        QVERIFY(status->text().startsWith(QStringLiteral("Back: undid ")));
        QVERIFY(panel("pcicon") != pc);

        // An edit ends the history.
        enter({{10, {}, {6}}});
        QVERIFY(!back->isEnabled());
        QCOMPARE(status->text(), QStringLiteral("Back: history cleared by the change"));
        QTest::keyClick(&mainWindow(), Qt::Key_F9);
        QCOMPARE(panel("Operand_10"), QStringLiteral("56"));
    }

    void inputThroughTheInputWindow_data() {
        QTest::addColumn<QList<int>>("digits");
        QTest::addColumn<QString>("printed");
        QTest::addColumn<QString>("report");
        QTest::newRow("a number") << QList<int>{4, 2} << "42"
                                  << "";
        QTest::newRow("six digits keep five") << QList<int>{9, 9, 9, 9, 9, 9} << ""
                                              << "Input causes overflow - ";
        QTest::newRow("delete") << QList<int>{1, 2, -1, 3} << "13"
                                << "";
    }
    void inputThroughTheInputWindow() {
        QFETCH(QList<int>, digits);
        QFETCH(QString, printed);
        QFETCH(QString, report);
        enter({{0, {11}, {}}, {1, {12}, {}}, {2, {0}, {}}});
        fast();
        InputWindow* input = &s->inputWindow();
        when([input] { return input->isVisible(); },
             [input, digits] {
                 for (int d : digits)
                     QTest::mouseClick(input->findChild<QPushButton*>(
                                           d < 0 ? QStringLiteral("Command3D1")
                                                 : QStringLiteral("CmdNumber_%1").arg(d)),
                                       Qt::LeftButton);
                 QTest::mouseClick(input->findChild<QPushButton*>(QStringLiteral("Command1")),
                                   Qt::LeftButton);
             });
        click(QStringLiteral("runicon"));
        QVERIFY(!input->isVisible());
        QCOMPARE(paper(1), printed);
        if (report.isEmpty())
            QVERIFY(messages.empty());
        else
            QCOMPARE(messages, std::vector<std::string>{report.toStdString()});
    }

    void interruptFromTheKeyboardWindow() {
        // ION, then wait in a loop; the routine at 10 prints the key's code.
        enter({{0, {14}, {}},
               {1, {7}, {1}},
               {10, {15}, {}},
               {11, {12}, {}},
               {12, {0}, {}},
               {79, {0}, {1, 0}}});
        trigger("MnuInterrupts");
        KeyboardWindow* keyboard = &s->keyboardWindow();
        QVERIFY(keyboard->isVisible());
        QVERIFY(child(QStringLiteral("PnlStatusReg"))->isVisible());
        QVERIFY(mainWindow().action(QStringLiteral("mnStatus"))->isChecked());
        fast();
        bool onTopDuringRun = false;
        when([this] { return s->zeb().machine.running() && panel("pcicon") == "     1"; },
             [&, keyboard] {
                 onTopDuringRun = keyboard->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
                 QTest::mouseClick(keyboard->findChild<QPushButton*>(QStringLiteral("cmdKey_0")),
                                   Qt::LeftButton);
             });
        click(QStringLiteral("runicon"));
        QVERIFY(onTopDuringRun);
        QVERIFY(!keyboard->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QVERIFY(keyboard->isVisible());
        QCOMPARE(paper(1), QStringLiteral("65"));
        QCOMPARE(panel("PnlInterrupt"), QStringLiteral("1"));
        QVERIFY(messages.empty());

        // Closed by its close box, the device is off as from the menu.
        keyboard->close();
        QVERIFY(!s->zeb().display.get(Flag::KeyboardVisible));
        QVERIFY(!mainWindow().action(QStringLiteral("MnuInterrupts"))->isChecked());
    }

    void displaySwitches() {
        trigger("MnStackPointer");
        QVERIFY(child(QStringLiteral("PnlStackPtr"))->isVisible());
        QVERIFY(child(QStringLiteral("CmdSP"))->isVisible());
        QVERIFY(mainWindow().action(QStringLiteral("MnStackPointer"))->isChecked());
        trigger("MnuOutput");
        QVERIFY(s->outputWindow().isVisible());
        QVERIFY(mainWindow().action(QStringLiteral("MnuOutput"))->isChecked());
        trigger("MnHexadecimal"); // every base change closes the output window
        QVERIFY(!s->outputWindow().isVisible());
        QVERIFY(!mainWindow().action(QStringLiteral("MnuOutput"))->isChecked());
        trigger("mnStatus");
        QVERIFY(child(QStringLiteral("LblStatus"))->isVisible());
        trigger("mnStatus");
        QVERIFY(!child(QStringLiteral("LblStatus"))->isVisible());
    }

    void statusBarFollowsThePointer() {
        QLabel* status = child<QLabel>(QStringLiteral("PnlStatus"));
        hover("runicon");
        QTRY_COMPARE(status->text(), QStringLiteral("Runs the current ZEB program"));
        hover("pads_16");
        QTRY_COMPARE(status->text(), QStringLiteral("Deletes contents of current memory location"));
        hover("accicon");
        QTRY_COMPARE(status->text(), QStringLiteral("Accumulator: 0000000000000000"));
        s->zeb().machine.changeAcc(3);
        QCOMPARE(status->text(), QStringLiteral("Accumulator: 0000000000000011"));
        hover("Operand_17");
        QTRY_COMPARE(status->text(), QStringLiteral("Memory location  17 Operand: 00000000"));
        hover("PicMem_2");
        QTRY_COMPARE(status->text(), QStringLiteral("Memory address labels"));
    }

    // Reached with Tab, a control explains itself as it does under the pointer.
    void statusBarFollowsTheKeyboardFocus_data() {
        QTest::addColumn<QString>("control");
        for (const char* c : {"pads_0", "pads_16", "clearicon", "runicon", "stepicon", "halticon",
                              "acciconl", "pciconl"})
            QTest::newRow(c) << QString::fromLatin1(c);
    }
    void statusBarFollowsTheKeyboardFocus() {
        QFETCH(QString, control);
        QLabel* status = child<QLabel>(QStringLiteral("PnlStatus"));
        hover(control.toLatin1().constData());
        QTRY_VERIFY(!status->text().isEmpty());
        const QString expected = status->text();
        s->zeb().display.setStatusText("");
        mainWindow().activateWindow();
        QTRY_VERIFY(mainWindow().isActiveWindow());
        child(control)->setFocus(Qt::TabFocusReason);
        QTRY_COMPARE(status->text(), expected);
    }

    // The focus mark of a keypad key and of the slider stands out at least
    // 3:1 from what it covers, all round the control.
    void focusMarksAreClearlyVisible_data() {
        QTest::addColumn<QString>("control");
        QTest::newRow("keypad") << QStringLiteral("pads_5");
        QTest::newRow("delete key") << QStringLiteral("pads_16");
        QTest::newRow("speed") << QStringLiteral("speed");
    }
    void focusMarksAreClearlyVisible() {
        QFETCH(QString, control);
        QWidget* w = child(control);
        mainWindow().activateWindow();
        QTRY_VERIFY(mainWindow().isActiveWindow());
        const QImage plain = w->grab().toImage();
        w->setFocus(Qt::TabFocusReason);
        QTRY_VERIFY(w->hasFocus());
        const QImage marked = w->grab().toImage();
        QCOMPARE(marked.size(), plain.size());
        int strong = 0;
        for (int y = 0; y < plain.height(); ++y)
            for (int x = 0; x < plain.width(); ++x)
                if (contrast(plain.pixel(x, y), marked.pixel(x, y)) >= 3.0) ++strong;
        // At least one line of pixels all round it.
        const int perimeter = 2 * (plain.width() + plain.height());
        QVERIFY2(strong >= perimeter,
                 qPrintable(QStringLiteral("%1 of %2").arg(strong).arg(perimeter)));
    }

    void exitDuringARun() {
        enter({{0, {7}, {0}}});
        fast();
        when([this] { return s->zeb().machine.running(); }, [this] { mainWindow().close(); });
        click(QStringLiteral("runicon"));
        QVERIFY(!s->zeb().machine.running());
        QCOMPARE(quits, 1);
        QVERIFY(!mainWindow().isVisible());
        QVERIFY(messages.empty());
    }

    void exitWhileTheInputWindowWaits() {
        enter({{0, {11}, {}}, {1, {7}, {0}}});
        fast();
        InputWindow* input = &s->inputWindow();
        bool blocked = false;
        when([input] { return input->isVisible(); },
             [this, &blocked] {
                 blocked = !child(QStringLiteral("Operator_0"))->isEnabled() &&
                           !mainWindow().menuBar()->isEnabled();
                 mainWindow().close();
             });
        click(QStringLiteral("runicon"));
        QVERIFY(!s->zeb().machine.running());
        QVERIFY(blocked);
        QVERIFY(!input->isVisible());
        QCOMPARE(quits, 1);
        QVERIFY(messages.empty());
    }
};

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"

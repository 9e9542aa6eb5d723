#include "SessionFixture.h"
#include "mainwindow/views/InputWindow.h"
#include "mainwindow/views/KeyboardWindow.h"
#include "mainwindow/views/MainWindow.h"
#include "mainwindow/views/OutputWindow.h"
#include "mainwindow/views/ZebSession.h"
#include "mainwindow/views/accessibility/SpokenAnnouncements.h"
#include "mainwindow/views/fields/FieldPanel.h"

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QTimer>
#include <QtTest>

#include <functional>
#include <memory>
#include <vector>

using namespace zeb;
using namespace zeb::views;
using namespace zeb::test;

namespace {

QString spoken(QObject* object, QAccessible::Text t = QAccessible::Name) {
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(object);
    return iface ? iface->text(t) : QString();
}

} // namespace

class AccessibilityTest : public QObject, SessionFixture {
    Q_OBJECT

    void pad(int i) { click(child(QStringLiteral("pads_%1").arg(i))); }
    // LDA 11, JU0 10, OUT, AC- 12, JMP 1, HLT at 10, 9 at 11, 1 at 12.
    void enterCountingLoop() {
        const struct {
            int address;
            std::vector<int> operatorPads, operandPads;
        } cells[] = {{0, {1}, {1, 1}}, {1, {9}, {1, 0}}, {2, {12}, {}}, {3, {4}, {1, 2}},
                     {4, {7}, {1}},    {10, {0}, {}},    {11, {}, {9}}, {12, {}, {1}}};
        for (const auto& c : cells) {
            if (!c.operatorPads.empty()) click(field("Operator", c.address));
            for (int p : c.operatorPads)
                pad(p);
            if (!c.operandPads.empty()) click(field("Operand", c.address));
            for (int p : c.operandPads)
                pad(p);
        }
    }
    // What the screen reader is handed to speak, in order.
    std::unique_ptr<QSignalSpy> listen() {
        return std::make_unique<QSignalSpy>(
            mainWindow().findChild<SpokenAnnouncements*>(QStringLiteral("spokenAnnouncements")),
            &SpokenAnnouncements::spoken);
    }
    static QStringList heard(const QSignalSpy& spy) {
        QStringList said;
        for (const QList<QVariant>& args : spy)
            said << args.at(0).toString();
        return said;
    }
    void focusGrid() {
        QApplication::setActiveWindow(&mainWindow());
        mainWindow().setFocus(Qt::OtherFocusReason);
        QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(&mainWindow()));
    }

  private slots:
    void init() {
        start();
        QVERIFY(QTest::qWaitForWindowExposed(&mainWindow()));
    }

    // The events that tell a screen reader of these changes reach it only
    // on a desktop's accessibility bus: see accessibility_client_test.
    void cleanup() { s.reset(); }

    // Named as the student types them, whatever the faces show.
    void keypadKeysAreNamedAsTyped_data() {
        QTest::addColumn<int>("pad");
        QTest::addColumn<QString>("name");
        QTest::newRow("multiply") << 5 << QStringLiteral("Keypad 5 ACX");
        QTest::newRow("divide") << 6 << QStringLiteral("Keypad 6 AC/");
        QTest::newRow("jump if negative") << 8 << QStringLiteral("Keypad 8 JM-");
        QTest::newRow("jump if zero") << 9 << QStringLiteral("Keypad 9 JM0");
        QTest::newRow("delete") << 16 << QStringLiteral("Keypad delete");
    }
    void keypadKeysAreNamedAsTyped() {
        QFETCH(int, pad);
        QFETCH(QString, name);
        QCOMPARE(spoken(child(QStringLiteral("pads_%1").arg(pad))), name);
    }

    void aFocusedKeyLooksFocusedAndAClickTakesNoFocus() {
        focusGrid();
        QWidget* key = child(QStringLiteral("pads_7"));
        const QImage plain = key->grab().toImage();
        // The mouse leaves the keyboard with the grid, as it always has.
        click(key);
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(&mainWindow()));
        key->setFocus(Qt::TabFocusReason);
        QTRY_VERIFY(key->hasFocus());
        QVERIFY(key->grab().toImage() != plain);
        key->clearFocus();
        QCOMPARE(key->grab().toImage(), plain);
    }

    void typedCharactersStillGoToTheCurrentCell() {
        click(field("Operator", 3));
        QWidget* key = child(QStringLiteral("pads_4"));
        key->setFocus(Qt::TabFocusReason);
        QTest::keyClick(key, '7');
        QCOMPARE(text("Operator", 3), QStringLiteral("7"));
        QCOMPARE(text("Operator", 4), QString());
    }

    void keyboardWindowKeysTakeTheTabAndItIsAWindow() {
        KeyboardWindow& keyboard = s->keyboardWindow();
        const auto keys = keyboard.findChildren<QPushButton*>();
        QCOMPARE(keys.size(), 37);
        for (const QPushButton* k : keys)
            QVERIFY2(k->focusPolicy() & Qt::TabFocus, qPrintable(k->objectName()));
        QCOMPARE(QAccessible::queryAccessibleInterface(&keyboard)->role(), QAccessible::Window);
        QCOMPARE(QAccessible::queryAccessibleInterface(&s->outputWindow())->role(),
                 QAccessible::Window);
    }

    void editingACellIsToldWithItsValue() {
        focusGrid();
        click(field("Operator", 12));
        focusGrid();
        QTest::keyClick(&mainWindow(), '3');
        FieldPanel* cell = field("Operator", 12);
        QCOMPARE(spoken(cell), QStringLiteral("Memory cell 12, operator, 3"));
        QCOMPARE(spoken(cell, QAccessible::Value), QStringLiteral("3"));
        QVERIFY(QAccessible::queryAccessibleInterface(cell)->state().focused);

        // Moving the cursor moves the reader's focus with it.
        QTest::keyClick(&mainWindow(), Qt::Key_Down);
        QVERIFY(QAccessible::queryAccessibleInterface(field("Operator", 13))->state().selected);
        QVERIFY(!QAccessible::queryAccessibleInterface(cell)->state().selected);
    }

    void registersAndTheExecutingCellAreToldWhileMinimised() {
        enterCountingLoop();
        mainWindow().showMinimized();
        FieldPanel* acc = child<FieldPanel>(QStringLiteral("accicon"));
        for (int step = 1; step <= 2; ++step)
            child<QPushButton>(QStringLiteral("stepicon"))->click();
        // LDA 11 loaded 9; JU0 went on to 2.
        QCOMPARE(spoken(acc), QStringLiteral("Accumulator, 9"));
        QCOMPARE(spoken(child(QStringLiteral("pcicon"))), QStringLiteral("Program Counter, 2"));
        QVERIFY(spoken(field("Operator", 2), QAccessible::Description).contains("program counter"));
        QVERIFY(!spoken(field("Operator", 1), QAccessible::Description).contains("counter"));
    }

    void aFinishedRunSaysWhereItHalted() {
        enterCountingLoop();
        child<QSlider>(QStringLiteral("speed"))->setValue(10);
        focusGrid();
        const auto spy = listen();
        QTest::keyClick(&mainWindow(), Qt::Key_F5);
        QVERIFY(!s->zeb().machine.running());
        QCOMPARE(spoken(child(QStringLiteral("runicon")), QAccessible::Description),
                 QStringLiteral("Program halted at 10"));
        // Every printed line is heard, alone or in a summary, before the halt.
        const QStringList said = heard(*spy);
        QCOMPARE(said.front(), QStringLiteral("Running"));
        QCOMPARE(said.back(), QStringLiteral("Program halted at 10"));
        int lines = 0;
        for (const QString& line : said.mid(1, said.size() - 2)) {
            const QRegularExpressionMatch summary =
                QRegularExpression(QStringLiteral("^printed (\\d+) lines, last (-?\\d+)$"))
                    .match(line);
            lines += summary.hasMatch() ? summary.captured(1).toInt() : 1;
        }
        QCOMPARE(lines, 9);
        QVERIFY2(said.at(said.size() - 2).endsWith(QLatin1String("1")), qPrintable(said.join('|')));
        // Nothing of it stays on the cells to be heard again later.
        QCOMPARE(spoken(field("Operand", 12), QAccessible::Description), QString());
    }

    // Each command that changes something out of sight says so, once.
    void commandsAreToldInTheirOwnWords() {
        enterCountingLoop();
        focusGrid();
        const struct {
            std::function<void()> command;
            QString said;
        } commands[] = {
            {[&] { QTest::keyClick(&mainWindow(), Qt::Key_F10); },
             QStringLiteral("Stepped: LDA 11, accumulator 9, program counter 1")},
            {[&] { click(child(QStringLiteral("pciconl"))); },
             QStringLiteral("Program counter reset")},
            {[&] { click(child(QStringLiteral("acciconl"))); },
             QStringLiteral("Accumulator reset")},
            {[&] {
                 click(field("Operand", 20));
                 QTest::keyClick(&mainWindow(), '4');
             },
             QStringLiteral("cell 20 operand 4")},
            {[&] { QTest::keyClick(&mainWindow(), 'x'); }, QStringLiteral("not accepted")},
            {[&] { QTest::keyClick(&mainWindow(), Qt::Key_Backspace); },
             QStringLiteral("cell 20 operand empty")},
            {[&] {
                 click(field("Operator", 20));
                 pad(8);
             },
             QStringLiteral("cell 20 operator 8")},
            {[&] { click(child(QStringLiteral("clearicon"))); }, QStringLiteral("Memory cleared")},
        };
        for (const auto& c : commands) {
            const auto spy = listen();
            c.command();
            QCOMPARE(heard(*spy), QStringList{c.said});
        }
    }

    void stopAndErrorsEndTheRunInTheirOwnWords() {
        enterCountingLoop();
        child<QSlider>(QStringLiteral("speed"))->setValue(1);
        auto spy = listen();
        QTimer::singleShot(300, child(QStringLiteral("halticon")),
                           [this] { click(child(QStringLiteral("halticon"))); });
        child<QPushButton>(QStringLiteral("runicon"))->click();
        const QString pc = child<FieldPanel>(QStringLiteral("pcicon"))->text().trimmed();
        QCOMPARE(heard(*spy).back(), QStringLiteral("Stopped at %1").arg(pc));
        QCOMPARE(spoken(child(QStringLiteral("runicon")), QAccessible::Description),
                 QStringLiteral("Stopped at %1").arg(pc));
        // A reset PC leaves nothing of the last run on the run controls.
        click(child(QStringLiteral("pciconl")));
        QVERIFY(!spoken(child(QStringLiteral("runicon")), QAccessible::Description)
                     .contains(QLatin1String("Stopped")));

        // An empty memory: the message box's own words.
        click(child(QStringLiteral("clearicon")));
        messages.clear();
        spy = listen();
        child<QPushButton>(QStringLiteral("runicon"))->click();
        QCOMPARE(messages.size(), std::size_t{1});
        const QString box = QString::fromStdString(messages.front()).section(" - ", 0, 0);
        QCOMPARE(heard(*spy).back(), QStringLiteral("Program stopped: ") + box);
    }

    void memoryIsOneTableWithTheCursorSelected() {
        QAccessibleInterface* area =
            QAccessible::queryAccessibleInterface(child(QStringLiteral("Form1Client")));
        QAccessibleInterface* memory = area->child(0);
        QCOMPARE(memory->role(), QAccessible::Table);
        QCOMPARE(memory->text(QAccessible::Name), QStringLiteral("Memory"));
        QAccessibleTableInterface* table = memory->tableInterface();
        QVERIFY(table);
        QCOMPARE(table->rowCount(), 80);
        QCOMPARE(table->columnCount(), 2);
        QCOMPARE(table->columnDescription(0), QStringLiteral("Operator"));
        QCOMPARE(table->columnDescription(1), QStringLiteral("Operand"));
        // The fields are the table's cells and no longer loose in the window.
        for (int i = 1; i < area->childCount(); ++i) {
            const auto* f = qobject_cast<FieldPanel*>(area->child(i)->object());
            QVERIFY(!f || !f->isMemoryCell());
        }
        const struct {
            int row, column;
            const char* name;
        } cells[] = {{0, 0, "Operator_0"}, {12, 1, "Operand_12"}, {79, 1, "Operand_79"}};
        for (const auto& c : cells) {
            QAccessibleInterface* cell = table->cellAt(c.row, c.column);
            QCOMPARE(cell->object()->objectName(), QLatin1String(c.name));
            QCOMPARE(cell->parent(), memory);
            QCOMPARE(memory->indexOfChild(cell), c.row * 2 + c.column);
            QCOMPARE(cell->tableCellInterface()->rowIndex(), c.row);
            QCOMPARE(cell->tableCellInterface()->columnIndex(), c.column);
        }
        click(field("Operand", 40));
        QCOMPARE(table->selectedCellCount(), 1);
        QCOMPARE(table->selectedCells().front()->object(), field("Operand", 40));
    }

    void theInputWindowPromptsAndReadsItsDigits() {
        // INP, HLT.
        click(field("Operator", 0));
        pad(11);
        click(field("Operator", 1));
        pad(0);
        trigger("MnuOutput");
        QTRY_VERIFY(s->outputWindow().isVisible());
        InputWindow* input = &s->inputWindow();
        QString heard;
        // Answered as soon as it shows, while the run waits inside the click.
        QTimer poll;
        poll.setInterval(2);
        QObject::connect(&poll, &QTimer::timeout, input, [&] {
            if (!input->isVisible()) return;
            poll.stop();
            for (int d : {4, 2})
                input->findChild<QPushButton*>(QStringLiteral("CmdNumber_%1").arg(d))->click();
            heard = spoken(input->findChild<QWidget*>(QStringLiteral("PnlInput")));
            input->findChild<QPushButton*>(QStringLiteral("Command1"))->click();
        });
        poll.start();
        child<QPushButton>(QStringLiteral("runicon"))->click();
        QCOMPARE(heard, QStringLiteral("Number entered, 42"));
        // The keys come back to the main window, not to the Output window on top.
        QTRY_COMPARE(QApplication::activeWindow(), static_cast<QWidget*>(&mainWindow()));
        QVERIFY(spoken(input, QAccessible::Description).contains(QStringLiteral("number")));
        QCOMPARE(QAccessible::queryAccessibleInterface(input)->role(), QAccessible::Dialog);
    }

    void speedIsReadAsASettingOfTen() {
        auto* speed = child<QSlider>(QStringLiteral("speed"));
        speed->setValue(8);
        QCOMPARE(spoken(speed), QStringLiteral("Speed 8 of 10"));
    }

    void statusBarTextIsReadable() {
        QTest::mouseMove(
            mainWindow().windowHandle(),
            child(QStringLiteral("runicon"))
                ->mapTo(&mainWindow(), child(QStringLiteral("runicon"))->rect().center()));
        auto* status = child<QLabel>(QStringLiteral("PnlStatus"));
        QTRY_VERIFY(!status->text().isEmpty());
        QVERIFY(spoken(status).contains(status->text()));
    }
};

QTEST_MAIN(AccessibilityTest)
#include "AccessibilityTest.moc"

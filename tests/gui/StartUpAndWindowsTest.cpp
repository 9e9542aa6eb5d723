// The start-up screen, the small windows' title bars, the address labels'
// font and the keyboard use of the main window and the Keyboard window.
#include "SessionFixture.h"
#include "mainwindow/views/AboutWindow.h"
#include "mainwindow/views/AddressLabels.h"
#include "mainwindow/views/InputWindow.h"
#include "mainwindow/views/KeyboardWindow.h"
#include "mainwindow/views/OutputWindow.h"
#include "mainwindow/views/WaitIntervalDialog.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPushButton>
#include <QSlider>
#include <QtTest>

using namespace zeb;
using namespace zeb::views;
using namespace zeb::test;

class StartUpAndWindowsTest : public QObject, SessionFixture {
    Q_OBJECT

    QString registerText(const char* name) {
        return child<FieldPanel>(QLatin1String(name))->text();
    }
    void press(QWidget* target, Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
        QTest::keyClick(target, key, modifiers);
    }

  private slots:
    void init() { start(); }
    void cleanup() { s.reset(); }

    void aboutStaysUpAtStartUpWithoutHoldingUpTheMainWindow() {
        QElapsedTimer shown;
        shown.start();
        AboutWindow& about = s->aboutWindow();
        QVERIFY(about.isVisible());
        // Above the main window that comes up after it.
        QVERIFY(about.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QVERIFY(QTest::qWaitForWindowExposed(&mainWindow()));
        // The main window takes typing while the start-up screen is up.
        QTest::keyClicks(&mainWindow(), QStringLiteral("7"));
        QCOMPARE(text("Operator", 0), QStringLiteral("7"));
        QVERIFY(about.isVisible());
        QTRY_VERIFY_WITH_TIMEOUT(!about.isVisible(), 5000);
        QVERIFY(shown.elapsed() >= ZebSession::kAboutAtStartUp.count() - 50);
        QVERIFY(!about.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    }

    void smallWindowsShowTheirWholeCaption_data() {
        QTest::addColumn<QString>("name");
        for (const char* name : {"FrmAbout", "FrmOutput", "FrmInput", "FrmKeyB", "FrmInterval"})
            QTest::newRow(name) << QString::fromLatin1(name);
    }
    void smallWindowsShowTheirWholeCaption() {
        QFETCH(QString, name);
        QWidget* window = mainWindow().findChild<QWidget*>(name);
        QVERIFY(window);
        const Qt::WindowFlags flags = window->windowFlags();
        QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint));
        QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
        QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
        QCOMPARE(window->minimumSize(), window->maximumSize());
        // The caption in a bold title font, with room for an icon and a close box.
        QFont title = QApplication::font("QMdiSubWindowTitleBar");
        title.setBold(true);
        const QFontMetrics metrics(title);
        QVERIFY2(
            window->width() >=
                metrics.horizontalAdvance(window->windowTitle()) + 3 * metrics.height(),
            qPrintable(
                QStringLiteral("%1 wide for %2").arg(window->width()).arg(window->windowTitle())));
    }

    void addressLabelsKeepTheirFontWhenTheMemoryFontChanges() {
        auto* labels = child<AddressLabels>(QStringLiteral("PicMem_4"));
        const QFont before = labels->font();
        Preferences& p = s->zeb().preferences;
        p.memoryFontName = "DejaVu Sans";
        p.memoryFontSize = 12;
        p.memoryFontBold = true;
        mainWindow().setMemoryFont();
        QCOMPARE(field("Operand", 79)->font().pointSizeF(), 12.0);
        QCOMPARE(labels->font(), before);
        // Every label fits its row in full.
        const QFontMetrics metrics(labels->font());
        QVERIFY(metrics.horizontalAdvance(labels->labelText(15)) < labels->width());
    }

    void runControlsTakeFunctionKeysShownInTheirTooltips() {
        QVERIFY(QTest::qWaitForWindowExposed(&mainWindow()));
        const struct {
            const char* button;
            const char* key;
        } keys[] = {{"runicon", "F5"}, {"stepicon", "F10"}, {"halticon", "Shift+F5"}};
        for (const auto& k : keys) {
            const QString tip = child(QLatin1String(k.button))->toolTip();
            QVERIFY2(tip.contains(QLatin1String(k.key)), qPrintable(tip));
        }
        // LDA 5 at 0: F10 steps over it.
        s->zeb().machine.setOperatorText(0, "1");
        s->zeb().machine.setOperandText(0, "5");
        press(&mainWindow(), Qt::Key_F10);
        QCOMPARE(registerText("pcicon"), QStringLiteral("     1"));
        s->zeb().machine.setOperatorText(1, "7"); // JMP 1: runs until stopped
        s->zeb().machine.setOperandText(1, "1");
        mainWindow().controls().speedSlider->setValue(10);
        bool stoppedByKey = false;
        QTimer::singleShot(50, this, [&] {
            stoppedByKey = s->zeb().machine.running();
            press(&mainWindow(), Qt::Key_F5, Qt::ShiftModifier);
        });
        press(&mainWindow(), Qt::Key_F5);
        QVERIFY(stoppedByKey);
        QVERIFY(!s->zeb().machine.running());
    }

    void tabReachesTheRunControlsAndTypingStillFillsTheField() {
        QVERIFY(QTest::qWaitForWindowExposed(&mainWindow()));
        mainWindow().activateWindow();
        QTRY_VERIFY(mainWindow().isActiveWindow());
        // From the grid through the keypad, Clear, the run controls and the resets.
        QList<QWidget*> order;
        for (int i = 0; i <= 16; ++i)
            order << child(QStringLiteral("pads_%1").arg(i));
        for (const char* name :
             {"clearicon", "runicon", "stepicon", "halticon", "speed", "acciconl", "pciconl"})
            order << child(QLatin1String(name));
        for (QWidget* expected : order) {
            press(QApplication::focusWidget() ? QApplication::focusWidget() : &mainWindow(),
                  Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), expected);
        }
        // The slider takes the arrow keys: the speed changes.
        auto* speed = child<QSlider>(QStringLiteral("speed"));
        speed->setFocus();
        const int before = speed->value();
        press(speed, Qt::Key_Left);
        QCOMPARE(speed->value(), before - 1);
        QCOMPARE(s->zeb().machine.speed(), before - 1);
        // A typed digit still goes to the current memory field.
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("5"));
        QCOMPARE(text("Operator", 0), QStringLiteral("5"));
        // Escape gives the keyboard back to the memory grid.
        press(QApplication::focusWidget(), Qt::Key_Escape);
        QVERIFY(!mainWindow().controls().speedSlider->hasFocus());
    }

    void theKeyboardWindowTakesTypedKeys() {
        trigger("MnuInterrupts");
        KeyboardWindow& keyboard = s->keyboardWindow();
        QVERIFY(keyboard.isVisible());
        const struct {
            QString typed;
            int index;
        } keys[] = {{QStringLiteral("a"), 0},
                    {QStringLiteral("Z"), 25},
                    {QStringLiteral(" "), 26},
                    {QStringLiteral("7"), 34}};
        for (const auto& k : keys) {
            QCOMPARE(KeyboardWindow::keyIndexOf(k.typed.front()), k.index);
            s->zeb().machine.setRegisterText(Register::Interrupt, "0");
            QTest::keyClicks(&keyboard, k.typed);
            QCOMPARE(registerText("PnlInterrupt"), QStringLiteral("1"));
        }
        QCOMPARE(KeyboardWindow::keyIndexOf(QLatin1Char('+')), -1);
    }
};

QTEST_MAIN(StartUpAndWindowsTest)
#include "StartUpAndWindowsTest.moc"

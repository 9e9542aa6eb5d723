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
        // The start-up screen stands on its own until it goes; then it is
        // the main window's About window.
        if (name == QLatin1String("FrmAbout"))
            QTRY_VERIFY_WITH_TIMEOUT(!s->aboutWindow().isVisible(), 5000);
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
        p.memoryFont = {"DejaVu Sans", 12, true};
        mainWindow().setMemoryFont();
        QCOMPARE(field("Operand", 79)->font().pointSizeF(), 12.0);
        QCOMPARE(labels->font(), before);
        // Every label fits its row in full.
        const QFontMetrics metrics(labels->font());
        QVERIFY(metrics.horizontalAdvance(labels->labelText(15)) < labels->width());
    }

    // The function keys work from the main window and from the device windows.
    void runControlsTakeFunctionKeysShownInTheirTooltips_data() {
        QTest::addColumn<QString>("window");
        for (const char* w : {"Form1", "FrmKeyB", "FrmOutput"})
            QTest::newRow(w) << QString::fromLatin1(w);
    }
    void runControlsTakeFunctionKeysShownInTheirTooltips() {
        QFETCH(QString, window);
        QVERIFY(QTest::qWaitForWindowExposed(&mainWindow()));
        const struct {
            const char* button;
            const char* key;
        } keys[] = {
            {"runicon", "F5"}, {"stepicon", "F10"}, {"backicon", "F9"}, {"halticon", "Shift+F5"}};
        for (const auto& k : keys) {
            const QString tip = child(QLatin1String(k.button))->toolTip();
            QVERIFY2(tip.contains(QLatin1String(k.key)), qPrintable(tip));
        }
        trigger("MnuInterrupts");
        trigger("MnuOutput");
        QWidget* target = window == QLatin1String("Form1") ? &mainWindow() : child(window);
        target->activateWindow();
        QTRY_VERIFY(target->isActiveWindow());
        // LDA 5 at 0: F10 steps over it.
        s->zeb().machine.setOperatorText(0, "1");
        s->zeb().machine.setOperandText(0, "5");
        press(target, Qt::Key_F10);
        QCOMPARE(registerText("pcicon"), QStringLiteral("     1"));
        s->zeb().machine.setOperatorText(1, "7"); // JMP 1: runs until stopped
        s->zeb().machine.setOperandText(1, "1");
        mainWindow().controls().speedSlider->setValue(10);
        bool stoppedByKey = false;
        QTimer::singleShot(50, this, [&] {
            stoppedByKey = s->zeb().machine.running();
            press(target, Qt::Key_F5, Qt::ShiftModifier);
        });
        // Should the key do nothing, the run ends all the same.
        QTimer guard;
        guard.setSingleShot(true);
        connect(&guard, &QTimer::timeout, this, [this] { s->zeb().run.stop(); });
        guard.start(5000);
        press(target, Qt::Key_F5);
        QVERIFY(guard.isActive());
        QVERIFY(stoppedByKey);
        QVERIFY(!s->zeb().machine.running());
        QCOMPARE(registerText("pcicon"), QStringLiteral("     1"));
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

    // A typed character presses its own key, whichever key has the focus;
    // RIN, stepped with F10 from the Keyboard window, reads its code.
    void theKeyboardWindowTakesTypedKeys_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("code"); // 0: no key is pressed
        QTest::newRow("a") << int(Qt::Key_A) << 65;
        QTest::newRow("Z") << int(Qt::Key_Z) << 90;
        QTest::newRow("7") << int(Qt::Key_7) << 55;
        QTest::newRow("space") << int(Qt::Key_Space) << 32;
        QTest::newRow("Enter") << int(Qt::Key_Return) << 0;
        QTest::newRow("+") << int(Qt::Key_Plus) << 0;
    }
    void theKeyboardWindowTakesTypedKeys() {
        QFETCH(int, key);
        QFETCH(int, code);
        s->zeb().machine.setOperatorText(0, "15"); // RIN
        trigger("MnuInterrupts");
        KeyboardWindow& keyboard = s->keyboardWindow();
        QVERIFY(QTest::qWaitForWindowExposed(&keyboard));
        keyboard.activateWindow();
        QTRY_VERIFY(keyboard.isActiveWindow());
        // The "1" key has the focus, as after Tab.
        auto* one = keyboard.findChild<QPushButton*>(QStringLiteral("cmdKey_28"));
        QCOMPARE(one->text(), QStringLiteral("1"));
        one->setFocus(Qt::TabFocusReason);
        QTRY_VERIFY(one->hasFocus());
        press(one, static_cast<Qt::Key>(key),
              key == Qt::Key_Z ? Qt::ShiftModifier : Qt::NoModifier);
        QCOMPARE(registerText("PnlInterrupt"), code ? QStringLiteral("1") : QStringLiteral("0"));
        if (!code) return;
        press(one, Qt::Key_F10);
        QCOMPARE(registerText("accicon").trimmed(), QString::number(code));
    }
};

QTEST_MAIN(StartUpAndWindowsTest)
#include "StartUpAndWindowsTest.moc"

// The Machine view inside the whole program: opened from the main window's
// Views menu, the windows of the main window that a view run needs (input,
// wait interval), its fit on the screen, and the program ending while a run
// waits in the view.
#include "../gui/SessionFixture.h"
#include "machineview/MachineViewModel.h"
#include "machineview/views/MachineViewWindow.h"
#include "machineview/views/MachineViewWindows.h"
#include "mainwindow/views/InputWindow.h"
#include "mainwindow/views/WaitIntervalDialog.h"

#include <QCheckBox>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QtTest>

using namespace zeb;
using namespace zeb::test;

class MachineViewSessionTest : public QObject, SessionFixture {
    Q_OBJECT

    machineview::views::MachineViewWindows& view() { return s->machineView(); }
    QWidget* viewChild(const char* name) {
        QWidget* w = view().window()->findChild<QWidget*>(QLatin1String(name));
        if (!w) qFatal("no control %s", name);
        return w;
    }

  private slots:
    void init() { start(); }
    void cleanup() { s.reset(); }

    void theViewsMenuOpensTheViewAndCancelBringsTheMainWindowBack() {
        trigger("MnuInterrupts");
        trigger("MnHexadecimal");
        s->zeb().machine().setOperatorText(0, "1");
        s->zeb().machine().setOperandText(0, "1A");
        trigger("mnFullMachine");
        QVERIFY(view().window()->isVisible());
        QVERIFY(!mainWindow().isVisible());
        QVERIFY(mainWindow().inputBlocked());
        QCOMPARE(s->zeb().machine().view().base(), NumberBase::Decimal);
        QCOMPARE(s->zeb().machine().operandText(0), std::string("26"));
        QVERIFY(!s->zeb().display().get(Flag::KeyboardVisible));
        QVERIFY(mainWindow().action(QStringLiteral("MnuInterrupts"))->isChecked());
        click(viewChild("CmdCancel"));
        QVERIFY(!view().window()->isVisible());
        QVERIFY(mainWindow().isVisible());
        QVERIFY(!mainWindow().inputBlocked());
    }

    void waitFixedPeriodsChangesTheIntervalInTheWaitIntervalWindow() {
        trigger("mnFullMachine");
        const int before = s->zeb().machine().view().waitInterval();
        bool shown = false;
        QTimer::singleShot(0, [&] {
            views::WaitIntervalDialog& interval = s->waitIntervalDialog();
            shown = interval.isVisible() && interval.isModal();
            click(interval.findChild<QWidget*>(QStringLiteral("Spin1_Up")));
            click(interval.findChild<QWidget*>(QStringLiteral("Command1")));
            // A window that took no click must not keep the test waiting.
            interval.hide();
        });
        view().window()->findChild<QAction*>(QStringLiteral("MnFixedPeriods"))->trigger();
        QVERIFY(shown);
        QCOMPARE(s->zeb().machine().view().waitInterval(), before + 1);
    }

    // INP during a view run: the number is typed on the Input window's keys.
    void anInputDuringAViewRunIsTypedOnTheInputWindow() {
        s->zeb().machine().setOperatorText(0, "11");
        s->zeb().machine().setOperandText(0, "0");
        s->zeb().machine().setOperatorText(1, "0");
        s->zeb().machine().setOperandText(1, "0");
        trigger("mnFullMachine");
        s->zeb().machine().view().setWaitInterval(0);
        s->zeb().machine().runState().setSpeed(10);
        views::InputWindow& input = s->inputWindow();
        bool answered = false;
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, [&] {
            if (!input.isVisible()) return;
            poll.stop();
            for (const char* key : {"CmdNumber_4", "CmdNumber_2", "Command1"})
                click(input.findChild<QWidget*>(QLatin1String(key)));
            answered = !input.isVisible();
            // A window that took no click: the program ends, which ends the wait.
            if (!answered) mainWindow().close();
        });
        poll.start(10);
        click(viewChild("CmdRun"));
        QVERIFY(answered);
        QVERIFY(messages.empty());
        QCOMPARE(s->zeb().machine().acc(), std::optional<std::int32_t>(42));
        QVERIFY(viewChild("CmdRun")->isEnabled());
    }

    // Run from 1280x1024 at scale 1 to 1920x1080 at scale 2 (see CMakeLists).
    void theViewFitsTheScreenWithItsTitleBarAndLegibleText() {
        trigger("mnFullMachine");
        QWidget* window = view().window();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        const QRect area = window->screen()->availableGeometry();
        QVERIFY2(area.contains(window->frameGeometry()),
                 qPrintable(QStringLiteral("%1x%2 at %3,%4 on %5x%6")
                                .arg(window->frameGeometry().width())
                                .arg(window->frameGeometry().height())
                                .arg(window->frameGeometry().x())
                                .arg(window->frameGeometry().y())
                                .arg(area.width())
                                .arg(area.height())));
        for (const QWidget* w : window->findChildren<QWidget*>()) {
            const QFontInfo font(w->font());
            QVERIFY2(font.pixelSize() >= 8, qPrintable(w->objectName()));
        }
        // Every control stays inside the drawing.
        QWidget* drawing = window->findChild<QWidget*>(QStringLiteral("PnlStatus"))->parentWidget();
        for (const QWidget* w : drawing->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            QVERIFY2(drawing->rect().contains(w->geometry()), qPrintable(w->objectName()));
    }

    void closingTheMainWindowDuringAViewRunEndsTheProgram_data() {
        QTest::addColumn<bool>("inAWait");
        QTest::newRow("while the run prepares") << false;
        QTest::newRow("while a step waits for Continue") << true;
    }

    void closingTheMainWindowDuringAViewRunEndsTheProgram() {
        QFETCH(bool, inAWait);
        s->zeb().machine().setOperatorText(0, "7");
        s->zeb().machine().setOperandText(0, "0");
        trigger("mnFullMachine");
        static_cast<QCheckBox*>(viewChild("ChkWait"))->setChecked(true);
        struct CloseAtFirstWait : machineview::MachineViewObserver {
            QWidget* main = nullptr;
            int waits = 0;
            void stepWaiting() override {
                if (++waits == 1) QTimer::singleShot(0, main, [this] { main->close(); });
            }
        } closer;
        closer.main = &mainWindow();
        if (inAWait)
            view().model()->display().addObserver(&closer);
        else
            QTimer::singleShot(0, &mainWindow(), [this] { mainWindow().close(); });
        click(viewChild("CmdRun"));
        view().model()->display().removeObserver(&closer);
        QCOMPARE(quits, 1);
        QCOMPARE(closer.waits, inAWait ? 1 : 0);
        QVERIFY(!s->zeb().machine().runState().running());
        QVERIFY(!view().window()->isVisible());
        QCOMPARE(s->zeb().machine().view().viewMode(), ViewMode::Normal);
    }
};

QTEST_MAIN(MachineViewSessionTest)
#include "MachineViewSessionTest.moc"

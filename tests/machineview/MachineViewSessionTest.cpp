// The Machine view inside the whole program: opened from the main window's
// Views menu, the wait-interval window from its Options menu, and the program
// ending while a run waits in the view.
#include "../gui/SessionFixture.h"
#include "machineview/MachineViewModel.h"
#include "machineview/views/MachineViewWindow.h"
#include "machineview/views/MachineViewWindows.h"
#include "mainwindow/views/WaitIntervalDialog.h"

#include <QCheckBox>
#include <QPushButton>
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
        s->zeb().machine.setOperatorText(0, "1");
        s->zeb().machine.setOperandText(0, "1A");
        trigger("mnFullMachine");
        QVERIFY(view().window()->isVisible());
        QVERIFY(!mainWindow().isVisible());
        QVERIFY(!mainWindow().isEnabled());
        QCOMPARE(s->zeb().machine.base(), NumberBase::Decimal);
        QCOMPARE(s->zeb().machine.operandText(0), std::string("26"));
        QVERIFY(!s->zeb().display.get(Flag::KeyboardVisible));
        QVERIFY(mainWindow().action(QStringLiteral("MnuInterrupts"))->isChecked());
        click(viewChild("CmdCancel"));
        QVERIFY(!view().window()->isVisible());
        QVERIFY(mainWindow().isVisible());
        QVERIFY(mainWindow().isEnabled());
    }

    void waitFixedPeriodsShowsTheWaitIntervalWindow() {
        trigger("mnFullMachine");
        bool shown = false;
        QTimer::singleShot(0, [&] {
            views::WaitIntervalDialog& interval = s->waitIntervalDialog();
            shown = interval.isVisible() && interval.isModal();
            interval.hide();
        });
        view().window()->findChild<QAction*>(QStringLiteral("MnFixedPeriods"))->trigger();
        QVERIFY(shown);
    }

    void closingTheMainWindowDuringAViewRunEndsTheProgram_data() {
        QTest::addColumn<bool>("inAWait");
        QTest::newRow("while the run prepares") << false;
        QTest::newRow("while a step waits for Continue") << true;
    }

    void closingTheMainWindowDuringAViewRunEndsTheProgram() {
        QFETCH(bool, inAWait);
        s->zeb().machine.setOperatorText(0, "7");
        s->zeb().machine.setOperandText(0, "0");
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
        QVERIFY(!s->zeb().machine.running());
        QVERIFY(!view().window()->isVisible());
        QCOMPARE(s->zeb().machine.viewMode(), ViewMode::Normal);
    }
};

QTEST_MAIN(MachineViewSessionTest)
#include "MachineViewSessionTest.moc"

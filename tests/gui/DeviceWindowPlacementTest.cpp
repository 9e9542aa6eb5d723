// The device windows during a run that waits for input: none covers what the
// student must see. Run on screens of several sizes and scales (see the
// ctest entries); the screen is given to the offscreen platform.
#include "SessionFixture.h"
#include "mainwindow/views/InputWindow.h"
#include "mainwindow/views/KeyboardWindow.h"
#include "mainwindow/views/OutputWindow.h"

#include <QScopeGuard>
#include <QScreen>
#include <QSlider>
#include <QTimer>
#include <QtTest>

using namespace zeb;
using namespace zeb::views;
using namespace zeb::test;

namespace {

QRect globalRect(const QWidget* w) {
    return {w->mapToGlobal(QPoint(0, 0)), w->size()};
}

} // namespace

class DeviceWindowPlacementTest : public QObject, SessionFixture {
    Q_OBJECT

    // The main window's title and menu bars, and its keypad and run controls.
    QList<QRect> mainWindowMustShow() {
        const QRect frame = mainWindow().frameGeometry();
        const QRect client = globalRect(mainWindow().centralWidget());
        QRect controls;
        for (int i = 0; i <= 16; ++i)
            controls |= globalRect(child(QStringLiteral("pads_%1").arg(i)));
        for (const char* name : {"clearicon", "runicon", "stepicon", "halticon", "speed"})
            controls |= globalRect(child(QLatin1String(name)));
        return {QRect(frame.topLeft(), QPoint(frame.right(), client.top() - 1)), controls};
    }

    // The input window's title bar and the digits typed.
    QRect inputMustShow() {
        InputWindow& input = s->inputWindow();
        const QRect display = globalRect(input.findChild<QWidget*>(QStringLiteral("PnlInput")));
        return QRect(input.frameGeometry().topLeft(),
                     QPoint(input.frameGeometry().right(), display.bottom()));
    }

  private slots:
    void init() {
        start();
        QVERIFY(QTest::qWaitForWindowExposed(&mainWindow()));
    }
    void cleanup() { s.reset(); }

    void screenIsTheOneAskedFor() {
        const QByteArray expected = qgetenv("ZEB_TEST_SCREEN");
        if (expected.isEmpty()) QSKIP("no screen size given");
        const QSize size =
            mainWindow().screen()->geometry().size() * mainWindow().screen()->devicePixelRatio();
        QCOMPARE(QStringLiteral("%1x%2").arg(size.width()).arg(size.height()).toLatin1(), expected);
    }

    void deviceWindowsLeaveTheControlsAndTheInputInSight() {
        // INP, OUT, JMP 0: waits for a number with both device windows shown.
        Machine& m = s->zeb().machine;
        for (auto [a, op, opd] : {std::tuple{0, "11", ""}, {1, "12", ""}, {2, "7", "0"}}) {
            m.setOperatorText(a, op);
            m.setOperandText(a, opd);
        }
        trigger("MnuOutput");
        trigger("MnuInterrupts");
        QList<QWidget*> devices = {&s->outputWindow(), &s->keyboardWindow()};
        for (QWidget* w : devices)
            QVERIFY(QTest::qWaitForWindowExposed(w));
        mainWindow().controls().speedSlider->setValue(10);

        const QRect screen = mainWindow().screen()->geometry();
        bool checked = false;
        QTimer poll;
        poll.setInterval(5);
        connect(&poll, &QTimer::timeout, this, [&] {
            InputWindow& input = s->inputWindow();
            if (!input.isVisible()) return;
            poll.stop();
            // Whatever is found, the program ends.
            auto end = qScopeGuard([&] { mainWindow().close(); });
            QVERIFY(input.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
            QList<QRect> mustShow = mainWindowMustShow();
            mustShow.append(inputMustShow());
            for (QWidget* w : devices) {
                const QRect frame = w->frameGeometry();
                QVERIFY2(screen.contains(frame), qPrintable(w->windowTitle()));
                for (const QRect& r : mustShow)
                    QVERIFY2(!frame.intersects(r),
                             qPrintable(QStringLiteral("%1 at %2,%3 %4x%5 covers %6,%7 %8x%9")
                                            .arg(w->windowTitle())
                                            .arg(frame.x())
                                            .arg(frame.y())
                                            .arg(frame.width())
                                            .arg(frame.height())
                                            .arg(r.x())
                                            .arg(r.y())
                                            .arg(r.width())
                                            .arg(r.height())));
            }
            checked = true;
        });
        poll.start();
        click(child(QStringLiteral("runicon")));
        QVERIFY(checked);
    }
};

QTEST_MAIN(DeviceWindowPlacementTest)
#include "DeviceWindowPlacementTest.moc"

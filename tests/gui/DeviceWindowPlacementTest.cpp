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

#include <algorithm>

using namespace zeb;
using namespace zeb::views;
using namespace zeb::test;

namespace {

QRect globalRect(const QWidget* w) {
    return {w->mapToGlobal(QPoint(0, 0)), w->size()};
}

// Whether a window of `size` fits somewhere on `screen` at least 4 pixels
// clear of all of `avoid`: tried everywhere, 2 pixels apart.
bool roomFor(QSize size, const QRect& screen, const QList<QRect>& avoid) {
    for (int y = screen.top(); y + size.height() <= screen.bottom() + 1; y += 2)
        for (int x = screen.left(); x + size.width() <= screen.right() + 1; x += 2) {
            const QRect r = QRect(QPoint(x, y), size).adjusted(-4, -4, 4, 4);
            if (std::none_of(avoid.begin(), avoid.end(),
                             [&r](const QRect& a) { return a.intersects(r); }))
                return true;
        }
    return false;
}

QString describe(const QRect& r) {
    return QStringLiteral("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
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

    // The registers with their labels and buttons, and the rows of the
    // program around the program counter (at 0 here).
    QList<QRect> machineMustShow() {
        QList<QRect> rects;
        for (const char* name : {"accicon", "acciconl", "pcicon", "pciconl", "PnlStatusReg",
                                 "LblStatus", "PnlInterrupt", "LblInterrupt"})
            rects.append(globalRect(child(QLatin1String(name))));
        QRect rows;
        for (int a = 0; a <= 5; ++a)
            rows |= globalRect(field("Operator", a)) | globalRect(field("Operand", a));
        rects.append(rows);
        return rects;
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
        const QSizeF size = QSizeF(mainWindow().screen()->geometry().size()) *
                            mainWindow().screen()->devicePixelRatio();
        // A fractional scale rounds the screen to whole logical pixels.
        const QList<QByteArray> wanted = expected.split('x');
        QVERIFY(qAbs(size.width() - wanted[0].toInt()) < 2);
        QVERIFY(qAbs(size.height() - wanted[1].toInt()) < 2);
    }

    void deviceWindowsLeaveTheControlsAndTheInputInSight() {
        // INP, OUT, JMP 0: waits for a number with both device windows shown.
        Machine& m = s->zeb().machine();
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
            // Where the screen has room: the registers and the program, then
            // the other device window.
            const QList<QRect> machine = machineMustShow();
            for (QWidget* w : devices) {
                const QRect frame = w->frameGeometry();
                const QRect other =
                    (w == devices.front() ? devices.back() : devices.front())->frameGeometry();
                QVERIFY2(screen.contains(frame), qPrintable(w->windowTitle()));
                QList<QRect> keep = mustShow;
                if (roomFor(frame.size(), screen, mustShow + machine)) keep += machine;
                if (roomFor(frame.size(), screen, mustShow + machine + QList<QRect>{other}))
                    keep.append(other);
                for (const QRect& r : keep)
                    QVERIFY2(!frame.intersects(r),
                             qPrintable(QStringLiteral("%1 at %2 covers %3")
                                            .arg(w->windowTitle(), describe(frame), describe(r))));
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

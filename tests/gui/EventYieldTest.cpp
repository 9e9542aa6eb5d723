#include "ui/EventYield.h"

#include <QTimer>
#include <QtTest>

using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

class EventYieldTest : public QObject {
    Q_OBJECT
  private slots:
    // A wait ends when its condition comes true through an event, or at its
    // deadline, and not before either.
    void waitForEndsOnConditionOrDeadline() {
        zeb::ui::EventYield yield;
        bool flag = false;
        QTimer::singleShot(20, [&flag] { flag = true; });
        const auto start = Clock::now();
        yield.waitFor([&flag] { return flag; }, std::nullopt);
        QVERIFY(flag);
        QVERIFY(Clock::now() - start >= 15ms);

        const auto before = Clock::now();
        yield.waitFor([] { return false; }, before + 30ms);
        QVERIFY(Clock::now() >= before + 30ms);

        yield.setStopped(true);
        yield.waitFor([] { return false; }, std::nullopt); // a program that ends never waits
    }

    // A pause lasts its time, unless the program ends during it.
    void pauseLastsItsTimeUnlessStopped() {
        zeb::ui::EventYield yield;
        const auto start = Clock::now();
        yield.pause(25ms);
        QVERIFY(Clock::now() >= start + 25ms);

        QTimer::singleShot(10, [&yield] { yield.setStopped(true); });
        const auto before = Clock::now();
        yield.pause(2s);
        QVERIFY(Clock::now() < before + 1s);
    }
};

QTEST_MAIN(EventYieldTest)
#include "EventYieldTest.moc"

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

        yield.SetStopped(true);
        yield.waitFor([] { return false; }, std::nullopt); // a program that ends never waits
    }

    // The first yield sleeps to the pause's end; the others find their deadlines passed.
    void pauseWaitsToItsEndInOneGo() {
        zeb::ui::EventYield yield;
        const auto start = Clock::now();
        const auto end = start + 25ms;
        for (int i = 1; i <= 1000; ++i)
            yield.pauseYield(start + i * 25us, end);
        QVERIFY(Clock::now() >= end);
        QVERIFY(Clock::now() < end + 20ms); // the yields after the wait do not add up
    }
};

QTEST_MAIN(EventYieldTest)
#include "EventYieldTest.moc"

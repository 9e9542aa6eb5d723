// The Machine view's windows driven through their widgets, offscreen. A run
// keeps the test inside the Run click; what happens during it is scripted to
// act at the view's waits.
#include "machineview/views/MachineViewWindow.h"
#include "machineview/MachineViewModel.h"
#include "machineview/views/ClockChartWindow.h"
#include "machineview/views/ClockPicture.h"
#include "machineview/views/DiagramPanel.h"
#include "machineview/views/MachineViewWindows.h"
#include "machineview/views/StandaloneHost.h"

#include <QAction>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>
#include <QtTest>

#include <memory>

using namespace zeb;
using namespace zeb::machineview;
using namespace zeb::machineview::views;

namespace {

struct Cell {
    int address;
    const char* op;
    const char* opd;
};

struct Message {
    Icon icon;
    QString title;
    QString text;
};

// Calls the action at every wait of the view, once the wait has begun.
struct AtEveryWait : MachineViewObserver {
    std::function<void(int wait)> action;
    int waits = 0;
    void stepWaiting() override {
        const int n = ++waits;
        QTimer::singleShot(0, [this, n] { action(n); });
    }
};

} // namespace

class MachineViewWindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<StandaloneHost> host_;
    std::unique_ptr<Zeb> zeb_;
    std::unique_ptr<Assembler> assembler_;
    std::unique_ptr<BaseSwitch> bases_;
    std::unique_ptr<QWidget> main_;
    std::unique_ptr<MachineViewWindows> windows_;
    std::vector<Message> messages_;
    int repaints_ = 0;
    int intervalDialogs_ = 0;
    bool mainBlocked_ = false;

    Machine& machine() { return zeb_->machine; }
    MachineViewModel& model() { return *windows_->model(); }
    MachineViewWindow& window() { return *windows_->window(); }
    template <typename W = QWidget> W* child(const char* name) {
        W* w = window().findChild<W*>(QLatin1String(name));
        if (!w) qFatal("no control %s", name);
        return w;
    }
    QString text(const char* panel) {
        window().refresh();
        return child<DiagramPanel>(panel)->text();
    }
    QString reg(Register r) {
        return QString::fromStdString(std::string(trimBlanks(machine().registerText(r))));
    }
    void click(const char* name) { QTest::mouseClick(child(name), Qt::LeftButton); }
    void load(std::initializer_list<Cell> cells) {
        for (const Cell& c : cells) {
            machine().setOperatorText(c.address, c.op);
            machine().setOperandText(c.address, c.opd);
        }
    }
    // Opens the view on the program, stepping without fixed periods.
    void open(std::initializer_list<Cell> cells, bool waitForContinue) {
        load(cells);
        windows_->open();
        machine().setWaitInterval(0);
        machine().setSpeed(10);
        child<QCheckBox>("ChkWait")->setChecked(waitForContinue);
    }
    void setGateway(const char* name, bool open) { child<QCheckBox>(name)->setChecked(open); }

  private slots:
    void init() {
        host_ = std::make_unique<StandaloneHost>();
        zeb_ = std::make_unique<Zeb>(*host_);
        machine().startUp();
        assembler_ = std::make_unique<Assembler>(machine());
        bases_ = std::make_unique<BaseSwitch>(machine(), *assembler_);
        main_ = std::make_unique<QWidget>();
        main_->show();
        messages_.clear();
        repaints_ = 0;
        intervalDialogs_ = 0;
        mainBlocked_ = false;
        host_->boxes().setAnswerer(
            [this](Icon icon, Buttons, std::string_view title, std::string_view text) {
                messages_.push_back({icon, QString::fromUtf8(title.data(), title.size()),
                                     QString::fromUtf8(text.data(), text.size())});
                return Answer::Ok;
            });
        windows_ = std::make_unique<MachineViewWindows>(
            MachineViewSetup{*zeb_,
                             *bases_,
                             *assembler_,
                             main_.get(),
                             [this](bool blocked) { mainBlocked_ = blocked; },
                             [this] { ++repaints_; },
                             [this] { ++intervalDialogs_; },
                             {}});
    }

    void cleanup() {
        windows_.reset();
        main_.reset();
        bases_.reset();
        assembler_.reset();
        zeb_.reset();
        host_.reset();
    }

    // Each Continue lets one wait go, and while a wait lasts only Continue
    // and Stop are offered; a halted run leaves the idle buttons.
    void runWaitingForContinueAdvancesOneWaitPerContinue() {
        open({{0, "1", "5"}, {1, "0", "0"}, {5, "0", "12"}}, true);
        AtEveryWait script;
        QStringList states;
        script.action = [&](int wait) {
            window().refresh();
            const auto state = [&] {
                return QStringLiteral("%1%2%3%4 %5")
                    .arg(child("CmdContinue")->isEnabled())
                    .arg(child("CmdRun")->isEnabled())
                    .arg(child("CmdCancel")->isEnabled())
                    .arg(child("ChkWait")->isEnabled())
                    .arg(script.waits - wait);
            };
            states << state();
            click("CmdContinue");
            states << state();
        };
        model().display().addObserver(&script);
        click("CmdRun");
        model().display().removeObserver(&script);
        QVERIFY(script.waits > 0);
        QCOMPARE(states.count(QStringLiteral("1000 0")), script.waits);
        QCOMPARE(states.count(QStringLiteral("0000 0")), script.waits);
        window().refresh();
        QVERIFY(child("CmdRun")->isEnabled() && child("CmdCancel")->isEnabled());
        QVERIFY(!child("CmdStop")->isEnabled());
    }

    // Back in the second instruction's cycles: that instruction finishes
    // unseen and is undone; F9 then undoes the first, between instructions,
    // and the next Run shows the first instruction again from cycle 1.
    void backUndoesTheInstructionWhoseCyclesShow() {
        open({{0, "1", "5"}, {1, "1", "6"}, {2, "0", "0"}, {5, "0", "3"}, {6, "0", "4"}}, true);
        const auto shown = [this] {
            window().refresh();
            return QStringList{text("PnlPC"),
                               text("PnlACC"),
                               child<QLabel>("lblClock")->text(),
                               child<QLabel>("PnlStatus")->text(),
                               QString::number(child("CmdBack")->isEnabled()),
                               QString::number(child("CmdRun")->isEnabled())};
        };
        AtEveryWait script;
        QStringList atFirstWait;
        script.action = [&](int wait) {
            if (wait == 1) atFirstWait = shown();
            click(wait == 18 ? "CmdBack" : "CmdContinue");
        };
        model().display().addObserver(&script);
        click("CmdRun");
        QCOMPARE(script.waits, 18);
        QCOMPARE(reg(Register::PC), QStringLiteral("1"));
        QCOMPARE(reg(Register::Acc), QStringLiteral("3"));
        QCOMPARE(shown(), (QStringList{" 1", " 3", "Cycle 0", "Back: undid LDA 6 at 1", "1", "1"}));

        window().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window()));
        QTest::keyClick(window().windowHandle(), Qt::Key_F9);
        QTRY_COMPARE(shown(),
                     (QStringList{" 0", " 0", "Cycle 0", "Back: undid LDA 5 at 0", "0", "1"}));

        const QStringList first = atFirstWait;
        script.waits = 0;
        script.action = [&](int) {
            atFirstWait = shown();
            click("CmdStop");
        };
        click("CmdRun");
        model().display().removeObserver(&script);
        // The registers' panels read "0" before the first run.
        QCOMPARE(atFirstWait.mid(2), first.mid(2));
        QCOMPARE(atFirstWait[2], QStringLiteral("Cycle 1"));
    }

    // Run pressed at once after Stop: the new run starts after the stopped
    // one has finished its instruction, and ends as a run alone does.
    void runRightAfterStopEndsInTheHaltState() {
        open({{0, "1", "5"}, {1, "0", "0"}, {5, "0", "12"}}, true);
        const auto ending = [this] {
            window().refresh();
            return QStringList{child<QLabel>("lblClock")->text(),
                               text("TxtExplain"),
                               child<QLabel>("PnlStatus")->text(),
                               QString::number(child("CmdRun")->isEnabled()),
                               QString::number(child("CmdStop")->isEnabled()),
                               QString::number(child("CmdCancel")->isEnabled())};
        };
        AtEveryWait script;
        script.action = [&](int) { click("CmdContinue"); };
        model().display().addObserver(&script);
        click("CmdRun");
        const QStringList alone = ending();
        const int waitsAlone = script.waits;

        machine().resetPC();
        script.waits = 0;
        script.action = [&](int wait) {
            if (wait == 4) {
                click("CmdStop");
                click("CmdRun");
            } else {
                click("CmdContinue");
            }
        };
        click("CmdRun");
        model().display().removeObserver(&script);
        QCOMPARE(ending(), alone);
        QVERIFY(script.waits > waitsAlone / 2);
        QVERIFY(!machine().running());
    }

    void cancelDuringARunBringsTheMainWindowBack() {
        open({{0, "1", "5"}, {1, "7", "0"}}, true);
        machine().changeAcc(9);
        child<QAction>("MnuShowClock")->trigger();
        QTRY_VERIFY(windows_->clockChart()->isVisible());
        AtEveryWait script;
        bool onTop = true;
        script.action = [&](int wait) {
            // The chart is on top of the view during a run.
            onTop = onTop && windows_->clockChart()->windowFlags() & Qt::WindowStaysOnTopHint;
            // Cancel is disabled during a run; the close box acts as Cancel.
            if (wait == 10)
                window().close();
            else
                click("CmdContinue");
        };
        model().display().addObserver(&script);
        click("CmdRun");
        model().display().removeObserver(&script);
        QCOMPARE(script.waits, 10);
        QVERIFY(onTop);
        QVERIFY(!(windows_->clockChart()->windowFlags() & Qt::WindowStaysOnTopHint));
        QVERIFY(!window().isVisible());
        QTRY_VERIFY(!windows_->clockChart()->isVisible());
        QVERIFY(child<QAction>("MnuShowClock")->isChecked());
        QVERIFY(main_->isVisible());
        QVERIFY(!mainBlocked_);
        QCOMPARE(repaints_, 1);
        QCOMPARE(machine().viewMode(), ViewMode::Normal);
        QVERIFY(!machine().running());
        // The LDA under way was completed by the machine itself.
        QCOMPARE(reg(Register::Acc), QStringLiteral("0"));
        QCOMPARE(reg(Register::PC), QStringLiteral("1"));
    }

    void anErrorLeavesOnlyStopUntilItIsPressed() {
        open({{0, "1", "90"}}, false);
        QStringList clocks;
        AtEveryWait script;
        script.action = [&](int) { clocks << child<QLabel>("lblClock")->text(); };
        model().display().addObserver(&script);
        click("CmdRun");
        model().display().removeObserver(&script);
        QCOMPARE(messages_.size(), std::size_t{1});
        QVERIFY2(messages_[0].text.startsWith(QLatin1String("Illegal address in LOAD at  90")),
                 qPrintable(messages_[0].text));
        window().refresh();
        QVERIFY(!clocks.contains(QStringLiteral("Cycle 6")));
        QVERIFY(!child("CmdRun")->isEnabled());
        QVERIFY(!child("CmdCancel")->isEnabled());
        QVERIFY(!child("ChkWait")->isEnabled());
        QVERIFY(child("CmdStop")->isEnabled());
        click("CmdStop");
        QVERIFY(child("CmdRun")->isEnabled());
        QVERIFY(child("CmdCancel")->isEnabled());
        QVERIFY(child("ChkWait")->isEnabled());
    }

    // The chart marks the cycle under way; a double click on the clock or
    // its Hide button hides it and unchecks Show Clock.
    void clockChartFollowsTheCyclesWhileShown() {
        open({{0, "7", "0"}}, true);
        child<QAction>("MnuShowClock")->trigger();
        ClockChartWindow* chart = windows_->clockChart();
        QTRY_VERIFY(chart->isVisible());
        auto* grid = chart->findChild<QTableWidget*>(QStringLiteral("GrdClock"));
        QList<int> columns;
        AtEveryWait script;
        script.action = [&](int wait) {
            chart->refresh();
            const QList<QTableWidgetSelectionRange> ranges = grid->selectedRanges();
            columns << (ranges.size() == 1 ? ranges[0].leftColumn() : -1);
            if (wait == 2) child<ClockPicture>("PicClock")->doubleClicked();
            click(wait == 3 ? "CmdStop" : "CmdContinue");
        };
        model().display().addObserver(&script);
        click("CmdRun");
        model().display().removeObserver(&script);
        QCOMPARE(columns.first(), 1);
        QVERIFY(!chart->isVisible());
        QVERIFY(!child<QAction>("MnuShowClock")->isChecked());
        child<QAction>("MnuShowClock")->trigger();
        QTRY_VERIFY(chart->isVisible());
        QTest::mouseClick(chart->findChild<QPushButton*>(QStringLiteral("Command1")),
                          Qt::LeftButton);
        QTRY_VERIFY(!chart->isVisible());
        QVERIFY(!child<QAction>("MnuShowClock")->isChecked());
    }
};

QTEST_MAIN(MachineViewWindowTest)
#include "MachineViewWindowTest.moc"

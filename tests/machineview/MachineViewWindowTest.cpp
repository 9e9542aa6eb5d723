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

// Calls the action at every wait of the view, once the wait has begun; an
// action still waiting for the event loop when the script ends is dropped.
// One that only looks may look at once: a run that does not wait sees the
// event loop only now and then.
struct AtEveryWait : MachineViewObserver {
    std::function<void(int wait)> action;
    bool atOnce = false;
    int waits = 0;
    QObject alive;
    void stepWaiting() override {
        const int n = ++waits;
        if (atOnce)
            action(n);
        else
            QTimer::singleShot(0, &alive, [this, n] { action(n); });
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

    void openingFromHexadecimalLeavesDecimalAndHidesTheMainWindow() {
        zeb_->stack.toggleInterruptDisplay();
        bases_->changeBase(NumberBase::Hexadecimal);
        load({{0, "1", "1A"}, {26, "", "FF"}});
        windows_->open();
        QCOMPARE(machine().base(), NumberBase::Decimal);
        QVERIFY(window().isVisible());
        QVERIFY(!main_->isVisible());
        QVERIFY(mainBlocked_);
        QVERIFY(!zeb_->display.get(Flag::KeyboardVisible));
        QVERIFY(zeb_->display.get(Flag::InterruptsChecked));
        auto* memory = child<QTableWidget>("GridMemory");
        window().refresh();
        QCOMPARE(memory->item(0, 2)->text(), QStringLiteral("26"));
        QCOMPARE(memory->item(26, 2)->text(), QStringLiteral("255"));
        QCOMPARE(memory->currentRow(), 0);
        QCOMPARE(text("TxtExplain"), QStringLiteral("Initialising"));
        QVERIFY(!child("PnlSP")->isVisible());
        QVERIFY(!child("Command1")->isEnabled()); // Help: only with the help of a session
    }

    void runWaitingForContinueAdvancesOneWaitPerContinue() {
        open({{0, "1", "5"}, {1, "0", "0"}, {5, "0", "12"}}, true);
        AtEveryWait script;
        QStringList captions;
        QStringList states;
        script.action = [&](int wait) {
            window().refresh();
            captions << child<QLabel>("lblClock")->text();
            // One more wait has begun since the last Continue, and no other.
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
        window().refresh();
        click("CmdRun");
        model().display().removeObserver(&script);
        QCOMPARE(script.waits, 21);
        QCOMPARE(states.count(QStringLiteral("1000 0")), 21);
        QCOMPARE(states.count(QStringLiteral("0000 0")), 21);
        window().refresh();
        QCOMPARE(captions.first(), QStringLiteral("Cycle 1"));
        QCOMPARE(text("PnlACC"), QStringLiteral("12"));
        // Halted: the idle buttons.
        QVERIFY(child("CmdRun")->isEnabled());
        QVERIFY(child("CmdCancel")->isEnabled());
        QVERIFY(!child("CmdStop")->isEnabled());
        QCOMPARE(child<QLabel>("lblClock")->text(), QStringLiteral("Cycle 7"));
    }

    void stopDuringAWaitEndsTheRunAndRunStartsAgainFromThePC() {
        open({{0, "1", "5"}, {1, "1", "6"}, {2, "0", "0"}, {5, "0", "3"}}, true);
        AtEveryWait script;
        // Stopped in the first instruction's cycle 7.
        script.action = [&](int wait) { click(wait == 12 ? "CmdStop" : "CmdContinue"); };
        model().display().addObserver(&script);
        click("CmdRun");
        QCOMPARE(script.waits, 12);
        window().refresh();
        QVERIFY(child("CmdRun")->isEnabled());
        QVERIFY(child("CmdCancel")->isEnabled());
        QVERIFY(child("ChkWait")->isEnabled());
        QVERIFY(!child("CmdStop")->isEnabled());
        QVERIFY(!child("CmdContinue")->isEnabled());
        QCOMPARE(reg(Register::PC), QStringLiteral("1"));
        QCOMPARE(reg(Register::Acc), QStringLiteral("3"));

        // Stopped during a fetch, the fetched instruction is not carried out.
        script.waits = 0;
        QString decoder;
        script.action = [&](int) {
            decoder = text("PnlDecoder");
            click("CmdStop");
        };
        click("CmdRun");
        QCOMPARE(script.waits, 1);
        QCOMPARE(decoder, QStringLiteral(" 1"));
        QCOMPARE(reg(Register::PC), QStringLiteral("1"));
        QCOMPARE(reg(Register::Acc), QStringLiteral("3"));

        // Stopped as the run starts, while the paths close: nothing runs (a
        // run that went on anyway is ended at its first wait).
        struct StopAtOnce : MachineViewObserver {
            std::function<void()> press;
            void controlChanged(ViewControl control) override {
                if (control == ViewControl::StopButton && press) std::exchange(press, {})();
            }
        } stopAtOnce;
        stopAtOnce.press = [&] { click("CmdStop"); };
        script.waits = 0;
        script.action = [&](int) { machine().stopRun(); };
        model().display().addObserver(&stopAtOnce);
        click("CmdRun");
        model().display().removeObserver(&stopAtOnce);
        model().display().removeObserver(&script);
        QCOMPARE(script.waits, 0);
        QVERIFY(child("CmdRun")->isEnabled());
        QCOMPARE(reg(Register::PC), QStringLiteral("1"));
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

    void stopEndsAFixedPeriodAtOnce() {
        open({{0, "1", "5"}, {1, "0", "0"}}, false);
        machine().setWaitInterval(30);
        AtEveryWait script;
        script.action = [&](int) { click("CmdStop"); };
        model().display().addObserver(&script);
        QElapsedTimer clock;
        clock.start();
        click("CmdRun");
        model().display().removeObserver(&script);
        QCOMPARE(script.waits, 1);
        // Far less than the 30 seconds of the period.
        QVERIFY(clock.elapsed() < 10'000);
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
        script.atOnce = true;
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

    void theCloseBoxActsAsCancel() {
        open({{0, "0", "0"}}, false);
        window().close();
        QVERIFY(!window().isVisible());
        QVERIFY(main_->isVisible());
        QVERIFY(!mainBlocked_);
        QCOMPARE(machine().viewMode(), ViewMode::Normal);
        // Opening again prepares the view again.
        windows_->open();
        QCOMPARE(machine().viewMode(), ViewMode::MachineView);
        QVERIFY(window().isVisible());
    }

    void subroutineProgramsShowTheStackPointer() {
        open({{0, "19", "5"}, {1, "0", "0"}, {5, "20", ""}}, false);
        window().refresh();
        QVERIFY(child("PnlSP")->isVisible());
        QVERIFY(child("ChkSP")->isVisible());
        QCOMPARE(text("PnlSP"), QStringLiteral("64"));
        QStringList stack;
        AtEveryWait script;
        script.action = [&](int) { stack << text("PnlSP"); };
        script.atOnce = true;
        machine().setWaitInterval(0);
        model().display().addObserver(&script);
        click("CmdRun");
        model().display().removeObserver(&script);
        QVERIFY(stack.contains(QStringLiteral(" 65")));
        QCOMPARE(text("PnlSP"), QStringLiteral(" 64"));
    }

    void handMessages_data() {
        QTest::addColumn<QString>("element");
        QTest::addColumn<int>("icon");
        QTest::addColumn<QString>("message");
        const int info = static_cast<int>(Icon::Information);
        QTest::newRow("memory without an address")
            << "GridMemory" << static_cast<int>(Icon::Exclamation)
            << "There is no input address in the Address Decoder";
        QTest::newRow("accumulator")
            << "PnlACC" << info << "The Accumulator is not connected to the BUS";
        QTest::newRow("general") << "PnlGen" << info
                                 << "The General Register is not connected to the BUS";
        QTest::newRow("stack pointer")
            << "PnlSP" << info << "The Stack Pointer Register is not connected to the BUS";
        QTest::newRow("instruction")
            << "PnlIns" << info << "The Operator is not connected to the BUS";
        QTest::newRow("operand") << "PnlOperand" << info
                                 << "The Operand is not connected to the BUS";
        QTest::newRow("decoder") << "PnlDecoder" << info
                                 << "The Address Decoder is not connected to the BUS";
    }

    void handMessages() {
        QFETCH(QString, element);
        QFETCH(int, icon);
        QFETCH(QString, message);
        open({{0, "19", "7"}}, false);
        window().refresh();
        QWidget* target = child(element.toLatin1().constData());
        auto* panel = qobject_cast<DiagramPanel*>(target);
        const QString before = panel ? panel->text() : QString();
        if (auto* grid = qobject_cast<QTableWidget*>(target))
            QTest::mouseClick(grid->viewport(), Qt::LeftButton, {},
                              grid->visualItemRect(grid->item(3, 1)).center());
        else
            QTest::mouseClick(target, Qt::LeftButton);
        QCOMPARE(messages_.size(), std::size_t{1});
        QCOMPARE(static_cast<int>(messages_[0].icon), icon);
        QCOMPARE(messages_[0].title, QStringLiteral("ZEB"));
        QCOMPARE(messages_[0].text, message);
        window().refresh();
        if (panel) QCOMPARE(panel->text(), before);
        QCOMPARE(child<QTableWidget>("GridMemory")->currentRow(), 0);
    }

    void handTransfersMoveValuesOverOpenGateways() {
        open({{0, "1", "6"}, {1, "0", "0"}, {6, "0", "5"}, {5, "0", "42"}}, false);
        setGateway("ChkIns", true);
        click("PnlIns");
        QCOMPARE(text("PnlIns"), QStringLiteral(" 1"));
        QCOMPARE(text("PnlOperand"), QStringLiteral(" 6"));
        // The operand goes to the decoder, which selects its cell.
        setGateway("ChkAddDecoder", true);
        click("PnlDecoder");
        QCOMPARE(text("PnlDecoder"), QStringLiteral(" 6"));
        QTRY_COMPARE(child<QTableWidget>("GridMemory")->currentRow(), 6);
        setGateway("ChkIns", false);
        setGateway("ChkGen", true);
        click("PnlGen");
        QCOMPARE(text("PnlGen"), QStringLiteral("5"));
        // With only the General Purpose gateway open, its value addresses memory.
        click("PnlDecoder");
        QCOMPARE(text("PnlDecoder"), QStringLiteral("5"));
        QTRY_COMPARE(child<QTableWidget>("GridMemory")->currentRow(), 5);
        click("PnlPC");
        QCOMPARE(text("PnlPC"), QStringLiteral("1"));
        QVERIFY(messages_.empty());
    }

    void theInstructionDecoderExecutesTheInstructionRegister() {
        open({{0, "1", "6"}, {6, "0", "5"}}, true);
        setGateway("ChkIns", true);
        click("PnlIns");
        click("Panel3D1");
        QCOMPARE(reg(Register::Acc), QStringLiteral("5"));
        QCOMPARE(reg(Register::PC), QStringLiteral("0"));
        QCOMPARE(text("PnlACC"), QStringLiteral("5"));
        QVERIFY(text("TxtExplain").contains(QLatin1String("LDA instruction is decoded")));
        // The box comes back as it was.
        QVERIFY(child<QCheckBox>("ChkWait")->isChecked());
    }

    void clockChartFollowsTheCyclesWhileShown() {
        open({{0, "7", "0"}}, true);
        child<QAction>("MnuShowClock")->trigger();
        ClockChartWindow* chart = windows_->clockChart();
        QTRY_VERIFY(chart->isVisible());
        auto* grid = chart->findChild<QTableWidget*>(QStringLiteral("GrdClock"));
        QCOMPARE(grid->item(1, 0)->text(), QStringLiteral("Address Decoder"));
        QCOMPARE(grid->item(5, 6)->text(), QStringLiteral("X"));
        QStringList seen;
        AtEveryWait script;
        script.action = [&](int wait) {
            chart->refresh();
            const QList<QTableWidgetSelectionRange> ranges = grid->selectedRanges();
            seen << chart->windowTitle() + QLatin1Char('/') +
                        QString::number(ranges.size() == 1 && ranges[0].topRow() == 1 &&
                                                ranges[0].bottomRow() == 5
                                            ? ranges[0].leftColumn()
                                            : -1);
            // Hidden from the third wait on: the chart keeps what it showed last.
            if (wait == 3) child<ClockPicture>("PicClock")->doubleClicked();
            if (wait == 12)
                click("CmdStop");
            else
                click("CmdContinue");
        };
        model().display().addObserver(&script);
        click("CmdRun");
        model().display().removeObserver(&script);
        QCOMPARE(seen.mid(0, 4).join(QLatin1Char(',')),
                 QStringLiteral("Clock Cycle 1/1,Clock Cycle 1/1,Clock Cycle 1/1,Clock Cycle 1/1"));
        QVERIFY(!chart->isVisible());
        QVERIFY(!child<QAction>("MnuShowClock")->isChecked());
        QCOMPARE(chart->windowTitle(), QStringLiteral("Clock Cycle 1"));
        // "Hide" unchecks Show Clock.
        child<QAction>("MnuShowClock")->trigger();
        QTRY_VERIFY(chart->isVisible());
        QTest::mouseClick(chart->findChild<QPushButton*>(QStringLiteral("Command1")),
                          Qt::LeftButton);
        QTRY_VERIFY(!chart->isVisible());
        QVERIFY(!child<QAction>("MnuShowClock")->isChecked());
    }

    void optionsOpenTheWaitIntervalDialog() {
        open({{0, "0", "0"}}, false);
        child<QAction>("MnFixedPeriods")->trigger();
        QCOMPARE(intervalDialogs_, 1);
    }

    void hoverTexts_data() {
        QTest::addColumn<QString>("element");
        QTest::addColumn<QString>("status");
        QTest::newRow("instruction") << "PnlIns"
                                     << "Current instruction is: LDA";
        QTest::newRow("memory") << "GridMemory"
                                << "The Memory stores instructions and data";
    }

    void hoverTexts() {
        QFETCH(QString, element);
        QFETCH(QString, status);
        open({{0, "1", "6"}}, false);
        setGateway("ChkIns", true);
        click("PnlIns");
        QEvent enter(QEvent::Enter);
        QApplication::sendEvent(child(element.toLatin1().constData()), &enter);
        window().refresh();
        QCOMPARE(child<QLabel>("PnlStatus")->text(), status);
    }

    void exitDuringARunEndsItCleanly() {
        open({{0, "7", "0"}}, true);
        AtEveryWait script;
        script.action = [&](int wait) {
            if (wait == 5) {
                windows_->unloadView();
                windows_->unloadClockChart();
                return;
            }
            click("CmdContinue");
        };
        model().display().addObserver(&script);
        click("CmdRun");
        model().display().removeObserver(&script);
        QCOMPARE(script.waits, 5);
        QVERIFY(!window().isVisible());
        QVERIFY(!machine().running());
    }
};

QTEST_MAIN(MachineViewWindowTest)
#include "MachineViewWindowTest.moc"

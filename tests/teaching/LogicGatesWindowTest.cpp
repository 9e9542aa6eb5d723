// Clicks on the real Logic Gates window, headless: every control is wired to
// its model and the window renders what the model says.
#include "teaching/views/LogicGatesWindow.h"
#include "TeachingWindowHelpers.h"

#include <QLabel>
#include <QPushButton>

using namespace zeb;
using namespace zeb::teaching::views;
using namespace zeb::teaching::views::test;

namespace {

const QStringList kFrames = {
    "FraAnd",       "FraOr",       "FraNot", "FraFlipFlop", "FraControlFlipFlop",
    "FraHalfAdder", "FraFullAdder"};

} // namespace

class LogicGatesWindowTest : public QObject {
    Q_OBJECT

    Preferences prefs;

  private slots:
    void firstShowingIsTheAndGateAtZero() {
        LogicGatesWindow gates(nullptr, prefs);
        showActive(&gates);
        QCOMPARE(visibleFrames(&gates, kFrames), QStringLiteral("FraAnd"));
        QVERIFY(!child(&gates, "Command3")->isEnabled());
        QCOMPARE(caption(&gates, "PnlAndOut"), QStringLiteral("0"));
        QCOMPARE(highlightedRow(&gates, "GridAnd"), 1);
        QCOMPARE(child(&gates, "PnlAndInput1")->accessibleName(),
                 QStringLiteral("Input A of the AND gate, 0"));
    }

    void clicksToggleInputsAndMoveTheHighlight() {
        LogicGatesWindow gates(nullptr, prefs);
        showActive(&gates);
        click(&gates, "PnlAndInput1");
        QCOMPARE(caption(&gates, "PnlAndInput1"), QStringLiteral("1"));
        QCOMPARE(highlightedRow(&gates, "GridAnd"), 3);
        click(&gates, "PnlAndInput2");
        QCOMPARE(caption(&gates, "PnlAndOut"), QStringLiteral("1"));
        QCOMPARE(highlightedRow(&gates, "GridAnd"), 4);
        QCOMPARE(child(&gates, "PnlAndOut")->accessibleName(),
                 QStringLiteral("Output C of the AND gate, 1"));
    }

    void nextVisitsAllSevenInOrder() {
        LogicGatesWindow gates(nullptr, prefs);
        showActive(&gates);
        for (int i = 1; i <= 7; ++i) {
            clickNext(&gates);
            QCOMPARE(visibleFrames(&gates, kFrames), kFrames[i % 7]);
        }
    }

    void doubleClicksOpenThePartDoubleClicked_data() {
        QTest::addColumn<int>("nexts");
        QTest::addColumn<QString>("part");
        QTest::addColumn<QString>("opens");
        QTest::newRow("half adder NOT") << 5 << "PicHalfAdderNot_0"
                                        << "FraNot";
        QTest::newRow("half adder AND") << 5 << "PicAnd1HalfAdder_2"
                                        << "FraAnd";
        QTest::newRow("half adder OR") << 5 << "PicHalfAdderOr"
                                       << "FraOr";
        QTest::newRow("full adder box") << 6 << "PnlHalfAdder_1"
                                        << "FraHalfAdder";
        QTest::newRow("full adder OR") << 6 << "PicFullAdderOR"
                                       << "FraOr";
        QTest::newRow("flip-flop box") << 4 << "PnlFlipFlop"
                                       << "FraFlipFlop";
        QTest::newRow("controlled NOT") << 4 << "PicNotCFF"
                                        << "FraNot";
        QTest::newRow("controlled AND") << 4 << "PicAndCFF2"
                                        << "FraAnd";
        QTest::newRow("flip-flop OR") << 3 << "PicFlipOr2"
                                      << "FraOr";
        QTest::newRow("flip-flop NOT") << 3 << "PicFlipNot1"
                                       << "FraNot";
    }
    void doubleClicksOpenThePartDoubleClicked() {
        QFETCH(int, nexts);
        QFETCH(QString, part);
        QFETCH(QString, opens);
        LogicGatesWindow gates(nullptr, prefs);
        showActive(&gates);
        clickNext(&gates, nexts);
        QTest::mouseDClick(child(&gates, part), Qt::LeftButton);
        QCOMPARE(visibleFrames(&gates, kFrames), opens);
    }

    void flipFlopButtonsDriveTheSequence() {
        prefs.highlightColour = kGreen; // the preference, not a fixed red
        LogicGatesWindow gates(nullptr, prefs);
        showActive(&gates);
        clickNext(&gates, 3);
        QVERIFY(!child(&gates, "CmdContinue")->isEnabled());
        click(&gates, "CmdSet");
        QCOMPARE(caption(&gates, "PnlFlipSet"), QStringLiteral("1"));
        QCOMPARE(child<QLabel>(&gates, "PnlStatus")->text(),
                 QStringLiteral("A logical 1 is applied to the first OR gate"));
        QCOMPARE(wireColour(&gates, "FraFlipFlop", "Line10"), QColor(0, 255, 0));
        QCOMPARE(child(&gates, "CmdContinue")->property("tag").toString(), QStringLiteral("SET"));
        QVERIFY(!child(&gates, "CmdSet")->isEnabled());
        QVERIFY(!child(&gates, "CmdReset")->isEnabled());
        click(&gates, "CmdContinue");
        QCOMPARE(caption(&gates, "PnlOrOut1"), QStringLiteral("1"));
        click(&gates, "CmdStop");
        QCOMPARE(wireColour(&gates, "FraFlipFlop", "Line10"), QColor(Qt::black));
        QVERIFY(child(&gates, "CmdReset")->isEnabled());
        click(&gates, "CmdReset");
        QCOMPARE(child(&gates, "CmdContinue")->property("tag").toString(),
                 QStringLiteral("RESETSET"));
        clickNext(&gates);
        QVERIFY(child<QLabel>(&gates, "PnlStatus")->text().isEmpty());
        prefs.highlightColour = kRed;
    }

    void controlledFlipFlopPanels() {
        LogicGatesWindow gates(nullptr, prefs);
        showActive(&gates);
        clickNext(&gates, 4);
        click(&gates, "PnlCFFData");
        QCOMPARE(caption(&gates, "PnlCFFOut"), QStringLiteral("0"));
        QCOMPARE(highlightedRow(&gates, "GridCFF"), 2);
        click(&gates, "PnlCFFControl");
        QCOMPARE(caption(&gates, "PnlCFFOut"), QStringLiteral("1"));
        QCOMPARE(highlightedRow(&gates, "GridCFF"), 4);
    }

    void typingIntoATruthTableChangesNothing() {
        LogicGatesWindow gates(nullptr, prefs);
        showActive(&gates);
        auto* grid = child<ui::TruthGrid>(&gates, "GridAnd");
        grid->setFocus();
        QTest::keyClicks(grid, "10");
        QTest::keyClick(grid, Qt::Key_Down);
        QTest::keyClick(grid, Qt::Key_Delete);
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, QPoint(10, 75));
        QCOMPARE(grid->highlightedRow(), 1);
        QCOMPARE(grid->item(1, 2)->text(), QStringLiteral("0"));
    }

    void returningFromAnotherWindowShowsTheAndGateKeepingValues() {
        LogicGatesWindow gates(nullptr, prefs);
        showActive(&gates);
        clickNext(&gates, 6);
        click(&gates, "PnlFullAdderA");
        QWidget other;
        other.show();
        other.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&other));
        gates.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&gates));
        QCOMPARE(visibleFrames(&gates, kFrames), QStringLiteral("FraAnd"));
        QCOMPARE(caption(&gates, "PnlFullAdderA"), QStringLiteral("1"));
    }

    // Switching to another application and back leaves the window as it was;
    // coming back from a window of this program starts again at the AND gate.
    void returningFromAnotherApplicationKeepsTheDemonstration() {
        LogicGatesWindow gates(nullptr, prefs);
        showActive(&gates);
        clickNext(&gates, 3);
        click(&gates, "CmdSet");
        click(&gates, "CmdContinue");
        returnTo(&gates, nullptr);
        QCOMPARE(visibleFrames(&gates, kFrames), QStringLiteral("FraFlipFlop"));
        QCOMPARE(caption(&gates, "PnlOrOut1"), QStringLiteral("1"));
        QVERIFY(child(&gates, "CmdContinue")->isEnabled());

        QWidget mainWindow;
        mainWindow.winId();
        returnTo(&gates, mainWindow.windowHandle());
        QCOMPARE(visibleFrames(&gates, kFrames), QStringLiteral("FraAnd"));
    }

    void everyOpeningStartsAtTheAndGate() {
        LogicGatesWindow gates(nullptr, prefs);
        showActive(&gates);
        clickNext(&gates, 2);
        click(&gates, "Command1");
        returnTo(&gates, nullptr); // even when the program was not active
        gates.show();
        QCOMPARE(visibleFrames(&gates, kFrames), QStringLiteral("FraAnd"));
    }

    void cancelHidesAndKeepsValues() {
        LogicGatesWindow gates(nullptr, prefs);
        gates.open();
        QVERIFY(QTest::qWaitForWindowActive(&gates));
        click(&gates, "PnlAndInput2");
        QSignalSpy rejected(&gates, &QDialog::rejected);
        click(&gates, "Command1");
        QCOMPARE(rejected.count(), 1);
        QVERIFY(!gates.isVisible());
        QCOMPARE(caption(&gates, "PnlAndInput2"), QStringLiteral("1"));
    }

    void opensCentredOnTheScreen() {
        QWidget mainWindow;
        auto* window = new LogicGatesWindow(&mainWindow, prefs);
        expectCentredAtEveryOpening(window);
    }

    void everyPanelIsNamed() {
        LogicGatesWindow gates(nullptr, prefs);
        const auto panels = gates.findChildren<ui::ValuePanel*>();
        QVERIFY(panels.size() > 20);
        for (const ui::ValuePanel* panel : panels)
            QVERIFY2(!panel->accessibleName().isEmpty(), qPrintable(panel->objectName()));
    }
};

QTEST_MAIN(LogicGatesWindowTest)
#include "LogicGatesWindowTest.moc"

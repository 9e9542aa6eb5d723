// Clicks on the real Logic Gates and Memory windows, headless: that every
// control is wired to its model and that the windows render what the models say.
#include "teaching/views/LogicGatesWindow.h"
#include "teaching/views/MemoryHardwareWindow.h"
#include "ui/DiagramFrame.h"
#include "ui/TruthGrid.h"
#include "ui/ValuePanel.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

using namespace zeb;
using namespace zeb::teaching::views;

namespace {

template <typename T = QWidget> T* child(QWidget* window, const QString& name) {
    auto* w = window->findChild<T*>(name);
    if (!w) qFatal("no child %s", qPrintable(name));
    return w;
}

QString caption(QWidget* window, const QString& name) {
    return child<ui::ValuePanel>(window, name)->caption();
}

void click(QWidget* window, const QString& name) {
    QTest::mouseClick(child(window, name), Qt::LeftButton);
}

int highlighted(QWidget* window, const QString& grid) {
    return child<ui::TruthGrid>(window, grid)->highlightedRow();
}

QColor wireColour(QWidget* window, const QString& frame, const QString& wire) {
    const ui::WireLine* line = child<ui::DiagramFrame>(window, frame)->wire(wire);
    if (!line) qFatal("no wire %s", qPrintable(wire));
    return line->colour;
}

const QStringList kGateFrames = {
    "FraAnd",       "FraOr",       "FraNot", "FraFlipFlop", "FraControlFlipFlop",
    "FraHalfAdder", "FraFullAdder"};

QString visibleFrame(QWidget* window, const QStringList& frames) {
    QString shown;
    for (const QString& name : frames)
        if (child(window, name)->isVisible())
            shown += shown.isEmpty() ? name : QStringLiteral("+") + name;
    return shown;
}

} // namespace

class TeachingViewsTest : public QObject {
    Q_OBJECT

    Preferences prefs;

    void showActive(QDialog& dialog) {
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
    }
    void nextTimes(QDialog& dialog, int times) {
        for (int i = 0; i < times; ++i)
            click(&dialog, QStringLiteral("Command2"));
    }

  private slots:
    void windowsHaveTheirCaptionsAndSizes() {
        LogicGatesWindow gates(nullptr, prefs);
        QCOMPARE(gates.windowTitle(), QStringLiteral("Logic Gates"));
        QCOMPARE(gates.size(), QSize(571, 408));
        MemoryHardwareWindow mem(nullptr, prefs);
        QCOMPARE(mem.windowTitle(), QStringLiteral("Memory"));
        QCOMPARE(mem.size(), QSize(485, 459));
        QVERIFY(!child(&gates, "Command3")->isEnabled());
        QVERIFY(!child(&mem, "Command3")->isEnabled());
    }

    void firstShowingIsTheAndGateAtZero() {
        LogicGatesWindow gates(nullptr, prefs);
        showActive(gates);
        QCOMPARE(visibleFrame(&gates, kGateFrames), QStringLiteral("FraAnd"));
        QCOMPARE(caption(&gates, "PnlAndOut"), QStringLiteral("0"));
        QCOMPARE(highlighted(&gates, "GridAnd"), 1);
        QCOMPARE(child(&gates, "PnlAndInput1")->accessibleName(),
                 QStringLiteral("Input A of the AND gate, 0"));
    }

    void clicksToggleInputsAndMoveTheHighlight() {
        LogicGatesWindow gates(nullptr, prefs);
        showActive(gates);
        click(&gates, "PnlAndInput1");
        QCOMPARE(caption(&gates, "PnlAndInput1"), QStringLiteral("1"));
        QCOMPARE(highlighted(&gates, "GridAnd"), 3);
        click(&gates, "PnlAndInput2");
        QCOMPARE(caption(&gates, "PnlAndOut"), QStringLiteral("1"));
        QCOMPARE(highlighted(&gates, "GridAnd"), 4);
        QCOMPARE(child(&gates, "PnlAndOut")->accessibleName(),
                 QStringLiteral("Output C of the AND gate, 1"));
    }

    void nextVisitsAllSevenInOrder() {
        LogicGatesWindow gates(nullptr, prefs);
        showActive(gates);
        for (int i = 1; i <= 7; ++i) {
            click(&gates, "Command2");
            QCOMPARE(visibleFrame(&gates, kGateFrames), kGateFrames[i % 7]);
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
        showActive(gates);
        nextTimes(gates, nexts);
        QTest::mouseDClick(child(&gates, part), Qt::LeftButton);
        QCOMPARE(visibleFrame(&gates, kGateFrames), opens);
    }

    void flipFlopButtonsDriveTheSequence() {
        prefs.highlightColour = kGreen; // the preference, not a fixed red
        LogicGatesWindow gates(nullptr, prefs);
        showActive(gates);
        nextTimes(gates, 3);
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
        click(&gates, "Command2");
        QVERIFY(child<QLabel>(&gates, "PnlStatus")->text().isEmpty());
        prefs.highlightColour = kRed;
    }

    void controlledFlipFlopPanels() {
        LogicGatesWindow gates(nullptr, prefs);
        showActive(gates);
        nextTimes(gates, 4);
        click(&gates, "PnlCFFData");
        QCOMPARE(caption(&gates, "PnlCFFOut"), QStringLiteral("0"));
        QCOMPARE(highlighted(&gates, "GridCFF"), 2);
        click(&gates, "PnlCFFControl");
        QCOMPARE(caption(&gates, "PnlCFFOut"), QStringLiteral("1"));
        QCOMPARE(highlighted(&gates, "GridCFF"), 4);
    }

    void typingIntoATruthTableChangesNothing() {
        LogicGatesWindow gates(nullptr, prefs);
        showActive(gates);
        auto* grid = child<ui::TruthGrid>(&gates, "GridAnd");
        grid->setFocus();
        QTest::keyClicks(grid, "10");
        QTest::keyClick(grid, Qt::Key_Down);
        QTest::keyClick(grid, Qt::Key_Delete);
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, QPoint(10, 75));
        QCOMPARE(grid->highlightedRow(), 1);
        QCOMPARE(grid->item(1, 2)->text(), QStringLiteral("0"));
    }

    void reactivationShowsTheAndGateKeepingValues() {
        LogicGatesWindow gates(nullptr, prefs);
        showActive(gates);
        nextTimes(gates, 6);
        click(&gates, "PnlFullAdderA");
        QWidget other;
        other.show();
        other.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&other));
        gates.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&gates));
        QCOMPARE(visibleFrame(&gates, kGateFrames), QStringLiteral("FraAnd"));
        QCOMPARE(caption(&gates, "PnlFullAdderA"), QStringLiteral("1"));
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

    void memoryRegisterWritesOnlyUnderControl() {
        MemoryHardwareWindow mem(nullptr, prefs);
        showActive(mem);
        const QStringList frames = {"Frm4BitMem", "FraDecoder", "FraMem"};
        QCOMPARE(visibleFrame(&mem, frames), QStringLiteral("Frm4BitMem"));
        click(&mem, "PnlBit_2");
        QCOMPARE(caption(&mem, "PnlTest_2"), QStringLiteral("0"));
        click(&mem, "PnlControl");
        QCOMPARE(caption(&mem, "PnlTest_2"), QStringLiteral("1"));
        QCOMPARE(caption(&mem, "PnlOut_2"), QStringLiteral("1"));
    }

    void decoderViewsAndWires() {
        MemoryHardwareWindow mem(nullptr, prefs);
        showActive(mem);
        click(&mem, "Command2");
        QCOMPARE(visibleFrame(&mem, {"Frm4BitMem", "FraDecoder", "FraMem"}),
                 QStringLiteral("FraDecoder"));
        QCOMPARE(highlighted(&mem, "GridDecoder"), 1);
        QCOMPARE(caption(&mem, "PnlAddress_0"), QStringLiteral("1"));
        QVERIFY(child(&mem, "PnlPlain")->isVisible());
        QVERIFY(!child(&mem, "PnlLogic")->isVisible());

        click(&mem, "PnlIn_0");
        QCOMPARE(caption(&mem, "PnlAddress_1"), QStringLiteral("1"));
        QCOMPARE(highlighted(&mem, "GridDecoder"), 2);
        QCOMPARE(wireColour(&mem, "FraDecoder", "Line14"), QColor(Qt::red));
        QCOMPARE(wireColour(&mem, "FraDecoder", "Line17"), QColor(Qt::red));

        QTest::mouseClick(child(&mem, "Check3D1"), Qt::LeftButton);
        QVERIFY(child(&mem, "PnlLogic")->isVisible());
        QVERIFY(!child(&mem, "PnlPlain")->isVisible());
        QCOMPARE(wireColour(&mem, "PnlLogic", "Line29"), QColor(Qt::black));
        QCOMPARE(wireColour(&mem, "PnlLogic", "Line35"), QColor(Qt::red));
    }

    void addressedMemoryClicksAndDecoderBox() {
        MemoryHardwareWindow mem(nullptr, prefs);
        showActive(mem);
        nextTimes(mem, 2);
        const QStringList frames = {"Frm4BitMem", "FraDecoder", "FraMem"};
        QCOMPARE(visibleFrame(&mem, frames), QStringLiteral("FraMem"));
        click(&mem, "PnlAddress2_1");
        QCOMPARE(caption(&mem, "PnlAddress2_1"), QStringLiteral("0")); // control is 0
        click(&mem, "PnlControlMem");
        click(&mem, "PnlInput_1");
        click(&mem, "PnlAddress2_1");
        QCOMPARE(caption(&mem, "PnlMemOut_1"), QStringLiteral("1"));
        QCOMPARE(wireColour(&mem, "FraMem", "LogicLine_16"), QColor(Qt::red));
        QCOMPARE(wireColour(&mem, "FraMem", "LogicLine_5"), QColor(Qt::red));
        QTest::mouseDClick(child(&mem, "Panel3D1"), Qt::LeftButton);
        QCOMPARE(visibleFrame(&mem, frames), QStringLiteral("FraDecoder"));
    }

    void everyPanelIsNamedAndDescribed_data() {
        QTest::addColumn<bool>("gates");
        QTest::addColumn<QString>("name");
        for (const char* name :
             {"PnlAndInput1",     "PnlAndInput2",  "PnlAndOut",     "PnlNotInput",
              "PnlNotOutput",     "PnlOrInput1",   "PnlOrInput2",   "PnlOrOut",
              "PnlHalfAdderA",    "PnlHalfAdderB", "PnlHalfAdderS", "PnlHalfAdderC",
              "PnlFullAdderCin",  "PnlFullAdderA", "PnlFullAdderB", "PnlFullAdderS",
              "PnlFullAdderCout", "PnlCFFControl", "PnlCFFData",    "PnlCFFOut",
              "PnlFlipSet",       "PnlFlipReset",  "PnlOrOut1",     "PnlOr1Input2",
              "PnlOrOut2",        "PnlNotOut1",    "PnlFlipOut",    "PnlHalfAdder_0",
              "PnlHalfAdder_1",   "PnlFlipFlop"})
            QTest::newRow(name) << true << name;
        QStringList mem = {"PnlControl", "PnlCff0",    "PnlCff1",       "PnlCff2",    "Panel3D4",
                           "PnlPlain",   "Panel3D1",   "PnlControlMem", "PnlIn_0",    "PnlIn_1",
                           "PnlInput_0", "PnlInput_1", "PnlMemOut_0",   "PnlMemOut_1"};
        for (int i = 0; i < 4; ++i)
            mem << QStringLiteral("PnlBit_%1").arg(i) << QStringLiteral("PnlTest_%1").arg(i)
                << QStringLiteral("PnlOut_%1").arg(i) << QStringLiteral("PnlAddress_%1").arg(i)
                << QStringLiteral("PnlAddress%1_0").arg(i)
                << QStringLiteral("PnlAddress%1_1").arg(i);
        for (const QString& name : mem)
            QTest::newRow(qPrintable(name)) << false << name;
    }
    void everyPanelIsNamedAndDescribed() {
        QFETCH(bool, gates);
        QFETCH(QString, name);
        LogicGatesWindow gatesWindow(nullptr, prefs);
        MemoryHardwareWindow memWindow(nullptr, prefs);
        QDialog* window = gates ? static_cast<QDialog*>(&gatesWindow) : &memWindow;
        auto* panel = window->findChild<ui::ValuePanel*>(name);
        QVERIFY(panel);
        QVERIFY(!panel->accessibleName().isEmpty());
    }
};

QTEST_MAIN(TeachingViewsTest)
#include "TeachingViewsTest.moc"

// Clicks on the real Memory window, headless: every control is wired to its
// model and the window renders what the model says.
#include "teaching/views/MemoryHardwareWindow.h"
#include "TeachingWindowHelpers.h"

#include "ui/GateSymbol.h"

#include <QCheckBox>

using namespace zeb;
using namespace zeb::teaching::views;
using namespace zeb::teaching::views::test;

namespace {

const QStringList kFrames = {"Frm4BitMem", "FraDecoder", "FraMem"};

// The colour drawn at `point` of a diagram: that of the last wire painted through it.
QColor colourAt(const ui::DiagramFrame* frame, QPoint point) {
    QColor colour;
    for (const ui::WireLine& wire : frame->wires())
        for (const QPolygon& path : wire.paths)
            for (int i = 1; i < path.size(); ++i)
                if (QRect(path[i - 1], path[i]).normalized().contains(point)) colour = wire.colour;
    return colour;
}

// What the addressed memory's picture shows for one bit: for each location,
// "1" where the stub from its AND gate to the output wire is lit; then, for
// each location, "1" where the output wire just below that gate's joint is lit.
QString litOutputPaths(QWidget* window, int bit) {
    auto* frame = child<ui::DiagramFrame>(window, QStringLiteral("FraMem"));
    const QRect outputPanel = child(window, QStringLiteral("PnlMemOut_%1").arg(bit))->geometry();
    const int wireX = outputPanel.x() + outputPanel.width() / 2; // the wire enters it at its middle
    QString stubs, wire;
    for (int location = 0; location < 4; ++location) {
        const QPoint pin =
            child<ui::GateSymbol>(window, QStringLiteral("PicMemAnd_%1").arg(2 * location + bit))
                ->outputPin();
        stubs += colourAt(frame, {(pin.x() + wireX) / 2, pin.y()}) == Qt::red ? '1' : '0';
        wire += colourAt(frame, {wireX, pin.y() + 4}) == Qt::red ? '1' : '0';
    }
    return stubs + QLatin1Char(' ') + wire;
}

} // namespace

class MemoryHardwareWindowTest : public QObject {
    Q_OBJECT

    Preferences prefs;

  private slots:
    void startsWithHelpDisabled() {
        MemoryHardwareWindow memory(nullptr, prefs);
        QVERIFY(!child(&memory, "Command3")->isEnabled());
    }

    void registerWritesOnlyUnderControl() {
        MemoryHardwareWindow memory(nullptr, prefs);
        showActive(&memory);
        QCOMPARE(visibleFrames(&memory, kFrames), QStringLiteral("Frm4BitMem"));
        click(&memory, "PnlBit_2");
        QCOMPARE(caption(&memory, "PnlTest_2"), QStringLiteral("0"));
        click(&memory, "PnlControl");
        QCOMPARE(caption(&memory, "PnlTest_2"), QStringLiteral("1"));
        QCOMPARE(caption(&memory, "PnlOut_2"), QStringLiteral("1"));
    }

    void decoderViewsAndWires() {
        MemoryHardwareWindow memory(nullptr, prefs);
        showActive(&memory);
        clickNext(&memory);
        QCOMPARE(visibleFrames(&memory, kFrames), QStringLiteral("FraDecoder"));
        QCOMPARE(highlightedRow(&memory, "GridDecoder"), 1);
        QCOMPARE(caption(&memory, "PnlAddress_0"), QStringLiteral("1"));
        QVERIFY(child(&memory, "PnlPlain")->isVisible());
        QVERIFY(!child(&memory, "PnlLogic")->isVisible());

        click(&memory, "PnlIn_0");
        QCOMPARE(caption(&memory, "PnlAddress_1"), QStringLiteral("1"));
        QCOMPARE(highlightedRow(&memory, "GridDecoder"), 2);
        QCOMPARE(wireColour(&memory, "FraDecoder", "Line14"), QColor(Qt::red));
        QCOMPARE(wireColour(&memory, "FraDecoder", "Line17"), QColor(Qt::red));

        click(&memory, "Check3D1");
        QVERIFY(child(&memory, "PnlLogic")->isVisible());
        QVERIFY(!child(&memory, "PnlPlain")->isVisible());
        QCOMPARE(wireColour(&memory, "PnlLogic", "Line29"), QColor(Qt::black));
        QCOMPARE(wireColour(&memory, "PnlLogic", "Line35"), QColor(Qt::red));
    }

    void addressedMemoryClicksAndDecoderBox() {
        MemoryHardwareWindow memory(nullptr, prefs);
        showActive(&memory);
        clickNext(&memory, 2);
        QCOMPARE(visibleFrames(&memory, kFrames), QStringLiteral("FraMem"));
        click(&memory, "PnlAddress2_1");
        QCOMPARE(caption(&memory, "PnlAddress2_1"), QStringLiteral("0")); // control is 0
        click(&memory, "PnlControlMem");
        click(&memory, "PnlInput_1");
        click(&memory, "PnlAddress2_1");
        QCOMPARE(caption(&memory, "PnlMemOut_1"), QStringLiteral("1"));
        QCOMPARE(wireColour(&memory, "FraMem", "LogicLine_16"), QColor(Qt::red));
        QCOMPARE(wireColour(&memory, "FraMem", "LogicLine_5"), QColor(Qt::red));
        QTest::mouseDClick(child(&memory, "Panel3D1"), Qt::LeftButton);
        QCOMPARE(visibleFrames(&memory, kFrames), QStringLiteral("FraDecoder"));
    }

    // Only the selected location's bits reach the output: the gates of the
    // other locations put out 0 whatever they hold, and the output wire is lit
    // only from the selected gate on.
    void onlyTheSelectedGateLightsItsWayToTheOutput() {
        MemoryHardwareWindow memory(nullptr, prefs);
        showActive(&memory);
        clickNext(&memory, 2);
        click(&memory, "PnlControlMem");
        for (const char* storedBit : {"PnlAddress0_1", "PnlAddress1_1", "PnlAddress3_1"})
            click(&memory, storedBit);
        click(&memory, "PnlInput_1");
        QCOMPARE(litOutputPaths(&memory, 1), QStringLiteral("0000 0000"));
        click(&memory, "PnlAddress2_1");
        QCOMPARE(caption(&memory, "PnlMemOut_1"), QStringLiteral("1"));
        QCOMPARE(litOutputPaths(&memory, 1), QStringLiteral("0010 0011"));
        QCOMPARE(litOutputPaths(&memory, 0), QStringLiteral("0000 0000"));
        click(&memory, "PnlInput_0");
        QCOMPARE(litOutputPaths(&memory, 1), QStringLiteral("0001 0001"));
        click(&memory, "PnlInput_1");
        QCOMPARE(litOutputPaths(&memory, 1), QStringLiteral("0100 0111"));
    }

    void returningFromAnotherApplicationKeepsTheDemonstration() {
        MemoryHardwareWindow memory(nullptr, prefs);
        showActive(&memory);
        clickNext(&memory, 2);
        returnTo(&memory, nullptr);
        QCOMPARE(visibleFrames(&memory, kFrames), QStringLiteral("FraMem"));

        QWidget mainWindow;
        mainWindow.winId();
        returnTo(&memory, mainWindow.windowHandle());
        QCOMPARE(visibleFrames(&memory, kFrames), QStringLiteral("Frm4BitMem"));
    }

    void everyOpeningStartsAtTheFourBitMemory() {
        MemoryHardwareWindow memory(nullptr, prefs);
        showActive(&memory);
        clickNext(&memory);
        click(&memory, "Command1");
        returnTo(&memory, nullptr);
        memory.show();
        QCOMPARE(visibleFrames(&memory, kFrames), QStringLiteral("Frm4BitMem"));
    }

    void opensCentredOnTheScreen() {
        QWidget mainWindow;
        auto* window = new MemoryHardwareWindow(&mainWindow, prefs);
        expectCentredAtEveryOpening(window);
    }

    void everyPanelIsNamed() {
        MemoryHardwareWindow memory(nullptr, prefs);
        const auto panels = memory.findChildren<ui::ValuePanel*>();
        QVERIFY(panels.size() > 30);
        for (const ui::ValuePanel* panel : panels)
            QVERIFY2(!panel->accessibleName().isEmpty(), qPrintable(panel->objectName()));
    }
};

QTEST_MAIN(MemoryHardwareWindowTest)
#include "MemoryHardwareWindowTest.moc"

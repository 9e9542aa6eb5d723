// Clicks on the real Logic gates and Memory windows, headless: each control
// reaches its model (what the models compute is their tests' part), and what
// the windows do when the student leaves and comes back.
#include "teaching/views/LogicGatesWindow.h"
#include "teaching/views/MemoryHardwareWindow.h"
#include "ui/DiagramFrame.h"
#include "ui/GateSymbol.h"
#include "ui/TruthGrid.h"
#include "ui/ValuePanel.h"

#include <QLabel>
#include <QtTest>

#include <functional>
#include <memory>

using namespace zeb;
using namespace zeb::teaching::views;

namespace {

template <typename T = QWidget> T* child(QWidget* window, const QString& name) {
    auto* widget = window->findChild<T*>(name);
    if (!widget) qFatal("no child %s", qPrintable(name));
    return widget;
}

QString caption(QWidget* window, const QString& name) {
    return child<ui::ValuePanel>(window, name)->caption();
}

void click(QWidget* window, const QString& name) {
    QTest::mouseClick(child(window, name), Qt::LeftButton);
}

int highlightedRow(QWidget* window, const QString& grid) {
    return child<ui::TruthGrid>(window, grid)->highlightedRow();
}

QColor wireColour(QWidget* window, const QString& frame, const QString& name) {
    const ui::WireLine* line = child<ui::DiagramFrame>(window, frame)->wire(name);
    if (!line) qFatal("no wire %s", qPrintable(name));
    return line->colour;
}

// The object names of the frames among `frames` that are visible, joined by "+".
QString visibleFrames(QWidget* window, const QStringList& frames) {
    QStringList shown;
    for (const QString& name : frames)
        if (child(window, name)->isVisible()) shown << name;
    return shown.join(QLatin1Char('+'));
}

// What a window sees when the user comes back to it: the window system first
// reports the window that now has the focus (none while another application
// has it), then the window is activated.
void returnTo(QWidget* window, QWindow* comingFrom) {
    emit qGuiApp->focusWindowChanged(comingFrom);
    QEvent activation(QEvent::WindowActivate);
    QApplication::sendEvent(window, &activation);
}

void showActive(QWidget* window) {
    window->show();
    QVERIFY(QTest::qWaitForWindowActive(window));
}

const QStringList kGateFrames = {
    "FraAnd",       "FraOr",       "FraNot", "FraFlipFlop", "FraControlFlipFlop",
    "FraHalfAdder", "FraFullAdder"};
const QStringList kMemoryFrames = {"Frm4BitMem", "FraDecoder", "FraMem"};

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

// Clicks on the controls named, in turn; "2:" before a name double-clicks it.
void clickAll(QWidget* window, const QString& names) {
    for (const QString& name : names.split(QLatin1Char(' ')))
        if (name.startsWith(QLatin1String("2:")))
            QTest::mouseDClick(child(window, name.mid(2)), Qt::LeftButton);
        else
            click(window, name);
}

struct Row {
    const char* clicks;
    std::function<bool()> observed;
};

} // namespace

class TeachingWindowsTest : public QObject {
    Q_OBJECT

    Preferences prefs;

    std::unique_ptr<QDialog> make(bool gates, QWidget* parent = nullptr) {
        if (gates) return std::make_unique<LogicGatesWindow>(parent, prefs);
        return std::make_unique<MemoryHardwareWindow>(parent, prefs);
    }
    static void windows() {
        QTest::addColumn<bool>("gates");
        QTest::newRow("Logic gates") << true;
        QTest::newRow("Memory") << false;
    }
    template <std::size_t N> void walk(QWidget* w, const Row (&rows)[N]) {
        for (const Row& row : rows) {
            clickAll(w, QLatin1String(row.clicks));
            QVERIFY2(row.observed(), row.clicks);
        }
    }

  private slots:
    void init() { prefs = Preferences{}; }

    void eachGatesControlReachesItsModel() {
        prefs.highlightColour = kGreen; // the preference, not a fixed red
        LogicGatesWindow g(nullptr, prefs);
        showActive(&g);
        const auto frame = [&g] { return visibleFrames(&g, kGateFrames); };
        const auto on = [&g](const char* panel) { return caption(&g, panel) == "1"; };
        const auto wire = [&g] { return wireColour(&g, "FraFlipFlop", "Line10"); };
        const Row rows[] = {
            {"PnlAndInput1",
             [&] { return on("PnlAndInput1") && highlightedRow(&g, "GridAnd") == 3; }},
            {"Command2 Command2 Command2", [&] { return frame() == "FraFlipFlop"; }},
            {"CmdSet", [&] { return on("PnlFlipSet") && wire() == QColor(0, 255, 0); }},
            {"CmdContinue", [&] { return on("PnlOrOut1"); }},
            {"CmdStop", [&] { return wire() == Qt::black && child(&g, "CmdReset")->isEnabled(); }},
            {"CmdReset", [&] { return child(&g, "CmdContinue")->property("tag") == "RESETSET"; }},
            {"2:PicFlipNot1", [&] { return frame() == "FraNot"; }},
            {"Command2 Command2 PnlCFFData PnlCFFControl",
             [&] { return on("PnlCFFOut") && highlightedRow(&g, "GridCFF") == 4; }},
            {"2:PicAndCFF2", [&] { return frame() == "FraAnd"; }},
            {"Command2 Command2 Command2 Command2 Command2 2:PicHalfAdderOr",
             [&] { return frame() == "FraOr"; }},
            {"Command2 Command2 Command2 Command2 Command2 2:PnlHalfAdder_1",
             [&] { return frame() == "FraHalfAdder"; }},
            {"Command1", [&] { return !g.isVisible(); }},
        };
        walk(&g, rows);
    }

    void eachMemoryControlReachesItsModel() {
        MemoryHardwareWindow m(nullptr, prefs);
        showActive(&m);
        const auto frame = [&m] { return visibleFrames(&m, kMemoryFrames); };
        const auto on = [&m](const char* panel) { return caption(&m, panel) == "1"; };
        const Row rows[] = {
            {"PnlBit_2", [&] { return caption(&m, "PnlTest_2") == "0"; }},
            {"PnlControl", [&] { return on("PnlTest_2") && on("PnlOut_2"); }},
            {"Command2", [&] { return frame() == "FraDecoder"; }},
            {"PnlIn_0",
             [&] {
                 return on("PnlAddress_1") && highlightedRow(&m, "GridDecoder") == 2 &&
                        wireColour(&m, "FraDecoder", "Line14") == Qt::red;
             }},
            {"Check3D1",
             [&] {
                 return child(&m, "PnlLogic")->isVisible() && !child(&m, "PnlPlain")->isVisible();
             }},
            {"Command2 PnlControlMem PnlInput_1 PnlAddress2_1",
             [&] { return frame() == "FraMem" && on("PnlMemOut_1"); }},
            {"2:Panel3D1", [&] { return frame() == "FraDecoder"; }},
            {"Command1", [&] { return !m.isVisible(); }},
        };
        walk(&m, rows);
    }

    // Only the selected location's bits reach the output: the gates of the
    // other locations put out 0 whatever they hold, and the output wire is lit
    // only from the selected gate on.
    void onlyTheSelectedGateLightsItsWayToTheOutput() {
        MemoryHardwareWindow memory(nullptr, prefs);
        showActive(&memory);
        clickAll(&memory, "Command2 Command2 PnlControlMem PnlAddress0_1 PnlAddress1_1 "
                          "PnlAddress3_1 PnlInput_1");
        QCOMPARE(litOutputPaths(&memory, 1), QStringLiteral("0000 0000"));
        click(&memory, "PnlAddress2_1");
        QCOMPARE(litOutputPaths(&memory, 1), QStringLiteral("0010 0011"));
        QCOMPARE(litOutputPaths(&memory, 0), QStringLiteral("0000 0000"));
        click(&memory, "PnlInput_0");
        QCOMPARE(litOutputPaths(&memory, 1), QStringLiteral("0001 0001"));
        click(&memory, "PnlInput_1");
        QCOMPARE(litOutputPaths(&memory, 1), QStringLiteral("0100 0111"));
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

    // Switching to another application and back leaves the window as it was;
    // coming back from a window of this program, or opening it again, starts
    // at the first frame, keeping the values.
    void returningKeepsTheDemonstrationOnlyFromAnotherApplication_data() { windows(); }
    void returningKeepsTheDemonstrationOnlyFromAnotherApplication() {
        QFETCH(bool, gates);
        const QString panel = gates ? "PnlFullAdderA" : "PnlControlMem";
        const QStringList& frames = gates ? kGateFrames : kMemoryFrames;
        auto w = make(gates);
        showActive(w.get());
        for (int i = 1; i < frames.size(); ++i)
            click(w.get(), QStringLiteral("Command2"));
        click(w.get(), panel);
        returnTo(w.get(), nullptr);
        QCOMPARE(visibleFrames(w.get(), frames), frames.last());
        QWidget other;
        showActive(&other);
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
        QCOMPARE(visibleFrames(w.get(), frames), frames.first());
        QCOMPARE(caption(w.get(), panel), QStringLiteral("1"));
        clickAll(w.get(), QStringLiteral("Command2 Command1"));
        returnTo(w.get(), nullptr); // even when the program was not active
        w->show();
        QCOMPARE(visibleFrames(w.get(), frames), frames.first());
    }

    void opensCentredAndEveryPanelIsNamed_data() { windows(); }
    // Over a main window in the screen's corner, and after the student moved
    // it away, it opens centred on the screen (within the few pixels of the
    // placement's tenths of the free space).
    void opensCentredAndEveryPanelIsNamed() {
        QFETCH(bool, gates);
        QWidget mainWindow;
        QDialog* window = make(gates, &mainWindow).release();
        mainWindow.setGeometry(0, 0, 200, 150);
        mainWindow.show();
        const QRect screen = window->screen()->geometry();
        for (int opening = 1; opening <= 2; ++opening) {
            window->show();
            const QPoint offset = window->frameGeometry().center() - screen.center();
            QVERIFY2(qAbs(offset.x()) <= 3 && qAbs(offset.y()) <= 3,
                     qPrintable(QString::number(opening)));
            window->move(screen.topLeft() + QPoint(20, 20));
            window->hide();
        }
        const auto panels = window->findChildren<ui::ValuePanel*>();
        QVERIFY(panels.size() > 20);
        for (const ui::ValuePanel* panel : panels)
            QVERIFY2(!panel->accessibleName().isEmpty(), qPrintable(panel->objectName()));
    }
};

QTEST_MAIN(TeachingWindowsTest)
#include "TeachingWindowsTest.moc"

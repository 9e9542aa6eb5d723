#include "mainwindow/views/MainWindow.h"
#include "SessionFixture.h"
#include "mainwindow/views/InputWindow.h"
#include "mainwindow/views/KeyboardWindow.h"
#include "mainwindow/views/ZebSession.h"
#include "mainwindow/views/fields/FieldPanel.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QSlider>
#include <QTimer>
#include <QtMath>
#include <QtTest>

#include <cmath>
#include <memory>

using namespace zeb;
using namespace zeb::views;
using namespace zeb::test;

namespace {

struct Cell {
    int address;
    std::vector<int> operatorPads; // empty: the operator is left alone
    std::vector<int> operandPads;
};

// Acts once, as soon as a condition holds, while a run keeps the test inside
// one click.
void when(std::function<bool()> condition, std::function<void()> action) {
    auto* timer = new QTimer;
    timer->setInterval(2);
    QObject::connect(timer, &QTimer::timeout, [timer, condition, action] {
        if (!condition()) return;
        timer->stop();
        timer->deleteLater();
        action();
    });
    timer->start();
}

// Whether a field is drawn with a frame: dark pixels just inside its border,
// on every side, where only its background would be.
bool framed(QWidget* field) {
    const QImage image = field->grab().toImage();
    const int w = image.width(), h = image.height();
    const qreal dpr = image.devicePixelRatio();
    const int inset = qCeil(dpr); // past the border of one logical pixel
    for (QPoint p : {QPoint(inset, h / 2), QPoint(w - 1 - inset, h / 2), QPoint(w / 2, inset)})
        if (qGray(image.pixel(p)) > 60) return false;
    return true;
}

// WCAG contrast ratio of two colours.
double contrast(QRgb a, QRgb b) {
    auto luminance = [](QRgb c) {
        auto channel = [](int v) {
            const double s = v / 255.0;
            return s <= 0.03928 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * channel(qRed(c)) + 0.7152 * channel(qGreen(c)) + 0.0722 * channel(qBlue(c));
    };
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

} // namespace

class MainWindowTest : public QObject, SessionFixture {
    Q_OBJECT

    QString panel(const QString& name) { return child<FieldPanel>(name)->text(); }
    QString paper(int line) {
        return child<QLineEdit>(QStringLiteral("lineicons_%1").arg(line))->text();
    }
    using SessionFixture::click;
    void click(const QString& name) { click(child(name)); }
    void pad(int i) { click(QStringLiteral("pads_%1").arg(i)); }
    void fast() { child<QSlider>(QStringLiteral("speed"))->setValue(10); }

    void hover(const char* name) {
        QWidget* w = child(QLatin1String(name));
        QTest::mouseMove(mainWindow().windowHandle(), w->mapTo(&mainWindow(), w->rect().center()));
    }

    void enter(const std::vector<Cell>& cells) {
        for (const Cell& c : cells) {
            if (!c.operatorPads.empty()) {
                click(field("Operator", c.address));
                for (int p : c.operatorPads)
                    pad(p);
            }
            if (!c.operandPads.empty()) {
                click(field("Operand", c.address));
                for (int p : c.operandPads)
                    pad(p);
            }
        }
    }

  private slots:
    void init() {
        start();
        QVERIFY(QTest::qWaitForWindowExposed(&mainWindow()));
    }

    void cleanup() { s.reset(); }

    // Shift+Space and Shift+arrows mark operators as Shift+click does.
    void markingFromTheKeyboard() {
        s->zeb().machine.changePC(9);
        s->zeb().machine.setOperandText(6, "42");
        QWidget* grid = &mainWindow();
        mainWindow().activateWindow();
        QTRY_VERIFY(mainWindow().isActiveWindow());
        click(field("Operator", 3));
        QTest::keyClick(grid, Qt::Key_Space, Qt::ShiftModifier);
        QTest::keyClick(grid, Qt::Key_Down);
        QTest::keyClick(grid, Qt::Key_Down);
        QTest::keyClick(grid, Qt::Key_Down, Qt::ShiftModifier); // 5 and 6
        for (int i = 0; i < 6; ++i)
            QTest::keyClick(grid, Qt::Key_Down);
        QTest::keyClick(grid, Qt::Key_Space, Qt::ShiftModifier); // 12
        for (int a = 3; a <= 12; ++a) {
            const QColor expected = a == 3 || a == 5 || a == 6 || a == 12
                                        ? QColor(Qt::green)
                                        : (a == 9 ? QColor(Qt::yellow) : QColor(192, 192, 192));
            QCOMPARE(field("Operator", a)->background(), expected);
            QCOMPARE(field("Operand", a)->background(), expected);
        }
        // Copy works on them from the keyboard.
        QTest::keyClick(&mainWindow(), Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->text().count(QLatin1Char('\n')), 4);
        QVERIFY(QApplication::clipboard()->text().contains(QLatin1String(" 42|")));
        click(field("Operator", 20));
        for (int a : {3, 5, 6, 12})
            QCOMPARE(field("Operator", a)->background(), QColor(192, 192, 192));
        QCOMPARE(field("Operand", 9)->background(), QColor(Qt::yellow));
        QCOMPARE(field("Operator", 20)->background(), QColor(Qt::white));
    }

    // Whatever its colour, the field that typing changes is framed while the
    // window has the keyboard, and it is the only one.
    void theFieldTypingChangesIsFramed_data() {
        QTest::addColumn<QString>("action");
        for (const char* a :
             {"", "runicon", "stepicon", "halticon", "MnHexadecimal", "mnDissassemble", "MnuNew"})
            QTest::newRow(*a ? a : "clicked") << QString::fromLatin1(a);
    }
    void theFieldTypingChangesIsFramed() {
        QFETCH(QString, action);
        mainWindow().activateWindow();
        QTRY_VERIFY(mainWindow().isActiveWindow());
        enter({{0, {1}, {5}}, {1, {0}, {}}, {5, {}, {9}}}); // LDA 5, HLT; 9 in cell 5
        click(field("Operand", 5));
        if (action.endsWith(QLatin1String("icon")))
            click(action);
        else if (!action.isEmpty())
            trigger(action.toLatin1().constData());
        QList<FieldPanel*> framedFields;
        for (const char* kind : {"Operator", "Operand"})
            for (int a = 0; a < 80; ++a)
                if (framed(field(kind, a))) framedFields << field(kind, a);
        const FieldPanel* current =
            action == QLatin1String("MnuNew") ? field("Operator", 0) : field("Operand", 5);
        QCOMPARE(framedFields.size(), 1);
        QCOMPARE(framedFields.front(), current);
        // Typing goes where the frame is.
        const QString old = current->text();
        QTest::keyClicks(&mainWindow(), QStringLiteral("1"));
        QCOMPARE(current->text(), old.trimmed() + QLatin1Char('1'));
        // Without the keyboard, no frame.
        trigger("MnuInterrupts");
        s->keyboardWindow().activateWindow();
        QTRY_VERIFY(!mainWindow().isActiveWindow());
        QTRY_VERIFY(!framed(field("Operand", 5)) && !framed(field("Operator", 0)));
    }

    void backUndoesStepsAndRuns() {
        // LDA 10, OUT, JMP 0; cell 10 holds 5.
        enter({{0, {1}, {1, 0}}, {1, {12}, {}}, {2, {7}, {0}}, {10, {}, {5}}});
        QWidget* back = child(QStringLiteral("backicon"));
        QLabel* status = child<QLabel>(QStringLiteral("PnlStatus"));
        QVERIFY(!back->isEnabled());
        click(QStringLiteral("stepicon"));
        click(QStringLiteral("stepicon"));
        QCOMPARE(paper(1), QStringLiteral("5"));
        QVERIFY(back->isEnabled());
        click(back);
        QCOMPARE(paper(1), QString());
        QCOMPARE(panel("pcicon"), QStringLiteral("     1"));
        QCOMPARE(status->text(), QStringLiteral("Back: undid OUT at 1"));
        QCOMPARE(field("Operator", 1)->background(), QColor(Qt::yellow));
        QCOMPARE(field("Operator", 2)->background(), QColor(192, 192, 192));
        QTest::keyClick(&mainWindow(), Qt::Key_F9);
        QCOMPARE(panel("accicon"), QStringLiteral("     0"));
        QCOMPARE(panel("pcicon"), QStringLiteral("     0"));
        QCOMPARE(field("Operator", 1)->background(), QColor(192, 192, 192));
        QCOMPARE(status->text(), QStringLiteral("Back: undid LDA 10 at 0"));
        QVERIFY(!back->isEnabled());

        // Disabled while a program runs; the run's instructions are undone
        // one at a time afterwards.
        fast();
        bool enabledDuringRun = true;
        when([this] { return s->zeb().machine.running() && paper(2) == "5"; },
             [&, back] {
                 enabledDuringRun = back->isEnabled();
                 click(QStringLiteral("halticon"));
             });
        click(QStringLiteral("runicon"));
        QVERIFY(!enabledDuringRun);
        QVERIFY(back->isEnabled());
        const QString pc = panel("pcicon");
        click(back);
        QVERIFY(status->text().startsWith(QStringLiteral("Back: undid ")));
        QVERIFY(panel("pcicon") != pc);

        // An edit ends the history.
        enter({{10, {}, {6}}});
        QVERIFY(!back->isEnabled());
        QCOMPARE(status->text(), QStringLiteral("Back: history cleared by the change"));
        QTest::keyClick(&mainWindow(), Qt::Key_F9);
        QCOMPARE(panel("Operand_10"), QStringLiteral("56"));
    }

    void inputThroughTheInputWindow() {
        const QList<int> digits{1, 2, -1, 3}; // -1: delete
        enter({{0, {11}, {}}, {1, {12}, {}}, {2, {0}, {}}});
        fast();
        InputWindow* input = &s->inputWindow();
        when([input] { return input->isVisible(); },
             [input, digits] {
                 for (int d : digits)
                     QTest::mouseClick(input->findChild<QPushButton*>(
                                           d < 0 ? QStringLiteral("Command3D1")
                                                 : QStringLiteral("CmdNumber_%1").arg(d)),
                                       Qt::LeftButton);
                 QTest::mouseClick(input->findChild<QPushButton*>(QStringLiteral("Command1")),
                                   Qt::LeftButton);
             });
        click(QStringLiteral("runicon"));
        QVERIFY(!input->isVisible());
        QCOMPARE(paper(1), QStringLiteral("13"));
        QVERIFY(messages.empty());
    }

    void interruptFromTheKeyboardWindow() {
        // ION, then wait in a loop; the routine at 10 prints the key's code.
        enter({{0, {14}, {}},
               {1, {7}, {1}},
               {10, {15}, {}},
               {11, {12}, {}},
               {12, {0}, {}},
               {79, {0}, {1, 0}}});
        trigger("MnuInterrupts");
        KeyboardWindow* keyboard = &s->keyboardWindow();
        QVERIFY(keyboard->isVisible());
        fast();
        bool onTopDuringRun = false;
        when([this] { return s->zeb().machine.running() && panel("pcicon") == "     1"; },
             [&, keyboard] {
                 onTopDuringRun = keyboard->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
                 QTest::mouseClick(keyboard->findChild<QPushButton*>(QStringLiteral("cmdKey_0")),
                                   Qt::LeftButton);
             });
        click(QStringLiteral("runicon"));
        QVERIFY(onTopDuringRun);
        QVERIFY(!keyboard->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QVERIFY(keyboard->isVisible());
        QCOMPARE(paper(1), QStringLiteral("65"));
        QCOMPARE(panel("PnlInterrupt"), QStringLiteral("1"));
        QVERIFY(messages.empty());

        // Closed by its close box, the device is off as from the menu.
        keyboard->close();
        QVERIFY(!s->zeb().display.get(Flag::KeyboardVisible));
        QVERIFY(!mainWindow().action(QStringLiteral("MnuInterrupts"))->isChecked());
    }

    // Reached with Tab, a control explains itself as it does under the pointer.
    void statusBarFollowsTheKeyboardFocus_data() {
        QTest::addColumn<QString>("control");
        for (const char* c : {"pads_0", "pads_16", "clearicon", "runicon", "stepicon", "halticon",
                              "acciconl", "pciconl"})
            QTest::newRow(c) << QString::fromLatin1(c);
    }
    void statusBarFollowsTheKeyboardFocus() {
        QFETCH(QString, control);
        QLabel* status = child<QLabel>(QStringLiteral("PnlStatus"));
        hover(control.toLatin1().constData());
        QTRY_VERIFY(!status->text().isEmpty());
        const QString expected = status->text();
        s->zeb().display.setStatusText("");
        mainWindow().activateWindow();
        QTRY_VERIFY(mainWindow().isActiveWindow());
        child(control)->setFocus(Qt::TabFocusReason);
        QTRY_COMPARE(status->text(), expected);
    }

    // The focus mark of a keypad key and of the slider stands out at least
    // 3:1 from what it covers, all round the control.
    void focusMarksAreClearlyVisible_data() {
        QTest::addColumn<QString>("control");
        QTest::newRow("keypad") << QStringLiteral("pads_5");
        QTest::newRow("delete key") << QStringLiteral("pads_16");
        QTest::newRow("speed") << QStringLiteral("speed");
    }
    void focusMarksAreClearlyVisible() {
        QFETCH(QString, control);
        QWidget* w = child(control);
        mainWindow().activateWindow();
        QTRY_VERIFY(mainWindow().isActiveWindow());
        const QImage plain = w->grab().toImage();
        w->setFocus(Qt::TabFocusReason);
        QTRY_VERIFY(w->hasFocus());
        const QImage marked = w->grab().toImage();
        QCOMPARE(marked.size(), plain.size());
        int strong = 0;
        for (int y = 0; y < plain.height(); ++y)
            for (int x = 0; x < plain.width(); ++x)
                if (contrast(plain.pixel(x, y), marked.pixel(x, y)) >= 3.0) ++strong;
        // At least one line of pixels all round it.
        const int perimeter = 2 * (plain.width() + plain.height());
        QVERIFY2(strong >= perimeter,
                 qPrintable(QStringLiteral("%1 of %2").arg(strong).arg(perimeter)));
    }

    void exitDuringARun() {
        enter({{0, {7}, {0}}});
        fast();
        when([this] { return s->zeb().machine.running(); }, [this] { mainWindow().close(); });
        click(QStringLiteral("runicon"));
        QVERIFY(!s->zeb().machine.running());
        QCOMPARE(quits, 1);
        QVERIFY(!mainWindow().isVisible());
        QVERIFY(messages.empty());
    }

    void exitWhileTheInputWindowWaits() {
        enter({{0, {11}, {}}, {1, {7}, {0}}});
        fast();
        InputWindow* input = &s->inputWindow();
        bool blocked = false;
        when([input] { return input->isVisible(); },
             [this, &blocked] {
                 blocked = !child(QStringLiteral("Operator_0"))->isEnabled() &&
                           !mainWindow().menuBar()->isEnabled();
                 mainWindow().close();
             });
        click(QStringLiteral("runicon"));
        QVERIFY(!s->zeb().machine.running());
        QVERIFY(blocked);
        QVERIFY(!input->isVisible());
        QCOMPARE(quits, 1);
        QVERIFY(messages.empty());
    }
};

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"

#include "SessionFixture.h"
#include "demo/views/DemonstrationWindow.h"
#include "help/views/HelpWindow.h"
#include "machineview/views/MachineViewWindow.h"
#include "machineview/views/MachineViewWindows.h"
#include "teaching/views/LogicGatesWindow.h"
#include "teaching/views/MemoryHardwareWindow.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QStandardPaths>
#include <QTextBrowser>
#include <QTimer>
#include <QtTest>

using namespace zeb;
using namespace zeb::views;
using namespace zeb::test;
using zeb::help::views::HelpWindow;

namespace {

// What the student clicks for each entry, in order ("CmdNext" is the
// demonstration window's Next), and the entry the script is at afterwards.
struct Step {
    const char* control;
    int entryAfter;
};
const Step kWalk[] = {{"CmdNext", 2},
                      {"CmdNext", 3},
                      // Clearing makes operator 0 current itself: the click entry 4 asks for.
                      {"clearicon", 5},
                      {"pads_1", 6},
                      {"Operand_0", 7},
                      {"pads_11", 8},
                      {"Operand_11", 9},
                      {"pads_9", 10},
                      {"Operator_1", 11},
                      {"pads_9", 12},
                      {"Operand_1", 13},
                      {"pads_10", 14},
                      {"Operator_2", 15},
                      {"pads_12", 16},
                      {"Operator_3", 17},
                      {"pads_4", 18},
                      {"Operand_3", 19},
                      {"pads_12", 20},
                      {"Operator_4", 21},
                      {"pads_7", 22},
                      {"Operand_4", 23},
                      {"pads_1", 24},
                      {"Operator_10", 25},
                      {"pads_0", 26},
                      {"Operand_12", 27},
                      {"pads_1", 28},
                      {"runicon", 29},
                      {"CmdNext", 30},
                      {"pciconl", 31},
                      {"CmdNext", 32}};

} // namespace

class DemonstrationAndHelpTest : public QObject, SessionFixture {
    Q_OBJECT

    demo::views::DemonstrationWindow& window() { return s->demonstrationWindow(); }
    QString message() {
        return window().findChild<QPlainTextEdit*>(QStringLiteral("TxtDemo"))->toPlainText();
    }
    int entry() { return s->demonstration().index(); }
    bool menusEnabled() { return mainWindow().action(QStringLiteral("filedummy1"))->isEnabled(); }
    // A control of the main window or of the demonstration's window.
    void click(const QString& name) {
        QWidget* w = window().findChild<QWidget*>(name);
        SessionFixture::click(w ? w : child(name));
    }

    // Everything a wrong click could change.
    QStringList state() {
        QStringList all;
        for (int a = 0; a < kMemorySize; ++a)
            all << text("Operator", a) << text("Operand", a)
                << field("Operator", a)->background().name()
                << field("Operand", a)->background().name();
        for (const char* r : {"accicon", "pcicon"})
            all << child<FieldPanel>(QLatin1String(r))->text();
        all << message() << QString::number(entry());
        return all;
    }

    // Clicks that the current entry does not ask for, and typed keys.
    void tryWrongClicks(const QString& right) {
        const QStringList before = state();
        const std::size_t boxes = messages.size();
        QStringList wrong = {QStringLiteral("Operator_40"), QStringLiteral("Operand_40"),
                             QStringLiteral("pads_5"),      QStringLiteral("stepicon"),
                             QStringLiteral("halticon"),    QStringLiteral("clearicon"),
                             QStringLiteral("pciconl"),     QStringLiteral("runicon")};
        // The right control with the wrong index: keypad 10 for 11, cell 12 for 11.
        if (right == QLatin1String("pads_11")) wrong << QStringLiteral("pads_10");
        if (right == QLatin1String("Operand_11")) wrong << QStringLiteral("Operand_12");
        for (const QString& name : wrong) {
            if (name == right) continue;
            click(name);
            QVERIFY2(state() == before, qPrintable(name));
        }
        mainWindow().activateWindow();
        QTest::keyClicks(&mainWindow(), QStringLiteral("5A"));
        QTest::keyClick(&mainWindow(), Qt::Key_Backspace);
        QVERIFY2(state() == before, "typed keys");
        QCOMPARE(messages.size(), boxes);
    }

  private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void init() {
        start();
        QVERIFY(QTest::qWaitForWindowExposed(&mainWindow()));
    }
    void cleanup() { s.reset(); }

    void theStudentWalksThroughAllEntriesAndRunsTheLoop() {
        // Something in memory beforehand, which the walk's clear removes.
        SessionFixture::click(field("Operand", 50));
        click(QStringLiteral("pads_3"));
        QStringList printed;
        auto* paper = child<QLineEdit>(QStringLiteral("lineicons_1"));
        connect(paper, &QLineEdit::textChanged, this, [&printed](const QString& t) {
            if (!t.isEmpty()) printed << t;
        });
        bool demoOnTopDuringRun = true;
        bool boxAboveDemonstration = false;
        bool menusDuringRun = true;

        QElapsedTimer clock;
        clock.start();
        trigger("MnDemonstration");
        QVERIFY(QTest::qWaitForWindowExposed(&window()));
        QCOMPARE(entry(), 1);
        QVERIFY(message().startsWith(QStringLiteral("Please note")));
        QVERIFY(!menusEnabled());
        QTRY_VERIFY(window().isOnTop());

        qint64 runTime = 0;
        for (const Step& step : kWalk) {
            const QString right = QLatin1String(step.control);
            // Which click each entry takes is the script's tests' part; here,
            // once, that every control asks before it acts.
            if (right == QLatin1String("pads_11") || right == QLatin1String("Operand_11"))
                tryWrongClicks(right);
            const QString before = message();
            if (right == QLatin1String("clearicon")) {
                // The real question, above the demonstration's window, which
                // stays on top: answered with Cancel.
                s->messageBoxes().setAnswerer({});
                QTimer::singleShot(0, this, [&] {
                    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                    if (!box) return;
                    messages.push_back(box->text().toStdString());
                    boxAboveDemonstration =
                        window().isOnTop() && box->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
                    box->button(QMessageBox::Cancel)->click();
                });
            }
            if (right == QLatin1String("runicon")) {
                QTimer::singleShot(0, this, [&] {
                    demoOnTopDuringRun = window().isOnTop();
                    menusDuringRun = menusEnabled();
                });
            }
            // The window never covers the control it asks for, and stays on the screen.
            if (QWidget* asked = mainWindow().findChild<QWidget*>(right)) {
                const QRect frame = window().frameGeometry();
                QVERIFY(window().screen()->geometry().contains(frame));
                QVERIFY2(!frame.intersects(QRect(asked->mapToGlobal(QPoint(0, 0)), asked->size())),
                         qPrintable(right));
            }
            QElapsedTimer stepClock;
            stepClock.start();
            click(right);
            if (right == QLatin1String("runicon")) runTime = stepClock.elapsed();
            QCOMPARE(entry(), step.entryAfter);
            QVERIFY2(message() != before, qPrintable(right));
            QVERIFY(!menusEnabled());
            QCOMPARE(window().findChild<QPushButton*>(QStringLiteral("CmdNext"))->isEnabled(),
                     s->demonstration().current().nextEnabled);
        }
        // The clear's question was shown and its Cancel taken as OK.
        QCOMPARE(messages, std::vector<std::string>{"About to clear memory"});
        QVERIFY(boxAboveDemonstration);
        QCOMPARE(text("Operand", 50), QString());

        // The program entered through the widgets ran as the counting loop.
        QCOMPARE(printed, QStringList({"9", "8", "7", "6", "5", "4", "3", "2", "1"}));
        QCOMPARE(child<FieldPanel>(QStringLiteral("pcicon"))->text(), QStringLiteral("     0"));
        // The window let the running machine be seen, and came back after.
        QVERIFY(!demoOnTopDuringRun);
        QVERIFY(!menusDuringRun);
        QVERIFY(window().isOnTop());

        // The last entry waits for Cancel, which gives the menus back.
        QVERIFY(!window().findChild<QPushButton*>(QStringLiteral("CmdNext"))->isEnabled());
        click(QStringLiteral("Command2"));
        QVERIFY(!window().isVisible());
        QVERIFY(menusEnabled());
        QVERIFY(!s->zeb().machine.demoMode());
        qInfo("walk clicked through in %lld ms, of which the run at speed %d took %lld ms",
              static_cast<long long>(clock.elapsed()), s->zeb().machine.speed(),
              static_cast<long long>(runTime));

        // Afterwards every control works again, typing too.
        SessionFixture::click(field("Operator", 20));
        QTest::keyClicks(&mainWindow(), QStringLiteral("7"));
        QCOMPARE(text("Operator", 20), QStringLiteral("7"));
    }

    void theDemonstrationsHelpOpensTheContentsThenTheStepsTopic() {
        trigger("MnDemonstration");
        click(QStringLiteral("CmdHelp"));
        HelpWindow* help = s->help().window();
        QVERIFY(help && help->isVisible());
        QCOMPARE(help->currentPage().fileName(), QStringLiteral("index.html"));
        click(QStringLiteral("CmdNext"));
        click(QStringLiteral("CmdNext"));
        click(QStringLiteral("CmdHelp"));
        QCOMPARE(help->currentPage().fileName(), QStringLiteral("clearing-memory.html"));
        QCOMPARE(help->currentTab(), HelpWindow::Tab::Contents);
    }

    // Beside the main window where the screen has room for a readable help
    // window, on the screen always.
    void helpOpensBesideTheMainWindow() {
        trigger("zebscreen");
        HelpWindow* help = s->help().window();
        QVERIFY(help && help->isVisible());
        const QRect screen = help->screen()->availableGeometry();
        const QRect main = mainWindow().frameGeometry(), frame = help->frameGeometry();
        QVERIFY(screen.contains(frame));
        const int room = std::max(main.left() - screen.left(), screen.right() - main.right());
        if (room >= 600) QVERIFY(!frame.intersects(main));
    }

    void theHelpMenuOpensContentsIndexAndHelpOnHelp() {
        trigger("zebscreen");
        HelpWindow* help = s->help().window();
        QVERIFY(help && help->isVisible());
        QCOMPARE(help->currentTab(), HelpWindow::Tab::Contents);
        QCOMPARE(help->currentPage().fileName(), QStringLiteral("index.html"));
        // The arrow keys move a caret through the page, which a screen
        // reader follows line by line.
        auto* page = help->findChild<QTextBrowser*>(QStringLiteral("HelpPage"));
        const int start = page->textCursor().position();
        QTest::keyClick(page, Qt::Key_Down);
        QVERIFY(page->textCursor().position() > start);
        trigger("Instruction");
        QCOMPARE(help->currentPage().fileName(), QStringLiteral("using-help.html"));
        trigger("tutmenu");
        QCOMPARE(help->currentTab(), HelpWindow::Tab::Index);
        QCOMPARE(help->findChild<QLineEdit*>(QStringLiteral("IndexFilter"))->text(), QString());
        // The guide lies beside zeb, not beside this test: nothing is said.
        trigger("MMGuide");
        QVERIFY(messages.empty());
    }

    // The help a teaching window's Help button opened is part of that window:
    // coming back from it keeps the demonstration where the student was.
    void theTeachingWindowsHelpButtonsOpenTheIndexAtTheirKeyword() {
        const std::pair<const char*, const char*> windows[] = {{"mnLogicGates", "Logic gates"},
                                                               {"MnuMemory", "Memory"}};
        for (const auto& [item, keyword] : windows) {
            QString filter;
            bool usable = false;
            QStringList shownBefore, shownAfter;
            // Nothing here may return early: the dialog must close for the test to go on.
            QTimer::singleShot(0, &mainWindow(), [&] {
                QWidget* dialog = QApplication::activeModalWidget();
                const auto shown = [dialog] {
                    QStringList names;
                    for (const QWidget* w : dialog->findChildren<QWidget*>())
                        if (w->isVisible() && w->window() == dialog) names << w->objectName();
                    return names;
                };
                SessionFixture::click(dialog->findChild<QPushButton*>(QStringLiteral("Command2")));
                shownBefore = shown();
                SessionFixture::click(dialog->findChild<QPushButton*>(QStringLiteral("Command3")));
                HelpWindow* help = s->help().window();
                filter = help->findChild<QLineEdit*>(QStringLiteral("IndexFilter"))->text();
                usable = help->isVisible() && help->parentWidget() == dialog &&
                         help->currentTab() == HelpWindow::Tab::Index;
                // The student goes back from the help to the window: the
                // window system says so as it does, focus first.
                emit qGuiApp->focusWindowChanged(help->windowHandle());
                QEvent activation(QEvent::WindowActivate);
                QApplication::sendEvent(dialog, &activation);
                shownAfter = shown();
                SessionFixture::click(dialog->findChild<QPushButton*>(QStringLiteral("Command1")));
            });
            trigger(item);
            QCOMPARE(filter, QLatin1String(keyword));
            QVERIFY(usable);
            QCOMPARE(shownAfter, shownBefore);
        }
    }

    void theMachineViewsHelpButtonOpensTheIndexAtItsKeyword_data() {
        QTest::addColumn<bool>("helpOpenedBefore");
        QTest::newRow("first help") << false;
        QTest::newRow("help opened before") << true;
    }
    void theMachineViewsHelpButtonOpensTheIndexAtItsKeyword() {
        QFETCH(bool, helpOpenedBefore);
        if (helpOpenedBefore) {
            trigger("zebscreen");
            s->help().window()->close();
        }
        trigger("mnFullMachine");
        auto* view = s->machineView().window();
        QVERIFY(view);
        auto* button = view->findChild<QPushButton*>(QStringLiteral("Command1"));
        QVERIFY(button->isEnabled());
        SessionFixture::click(button);
        HelpWindow* help = s->help().window();
        QVERIFY(help && help->isVisible());
        QVERIFY(help->isEnabled());
        QCOMPARE(help->findChild<QLineEdit*>(QStringLiteral("IndexFilter"))->text(),
                 QStringLiteral("machine simulator"));
        SessionFixture::click(view->findChild<QPushButton*>(QStringLiteral("CmdCancel")));
    }
};

QTEST_MAIN(DemonstrationAndHelpTest)
#include "DemonstrationAndHelpTest.moc"

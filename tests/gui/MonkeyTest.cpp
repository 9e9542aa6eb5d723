// Thousands of random clicks, keys and menu commands, also while programs run
// and while the input window waits: ZEB must neither crash nor hang.
// ZEB_MONKEY_SEED and ZEB_MONKEY_ACTIONS make longer local sessions.
#include "SessionFixture.h"
#include "files/views/PrintCommands.h"
#include "mainwindow/views/InputWindow.h"
#include "mainwindow/views/KeyboardWindow.h"

#include <QApplication>
#include <QClipboard>
#include <QPrinter>
#include <QPushButton>
#include <QSlider>
#include <QTemporaryDir>
#include <QTimer>

#include <random>

using namespace zeb;
using namespace zeb::test;

class MonkeyTest : public QObject, SessionFixture {
    Q_OBJECT

    std::mt19937 rng{static_cast<unsigned>(qEnvironmentVariableIntValue("ZEB_MONKEY_SEED")) +
                     20261205u};
    QTemporaryDir dir;
    int runTicks = 0;

    int random(int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); }
    bool chance(int percent) { return random(100) < percent; }

    void clickIfShown(QWidget* w) {
        if (w && w->isVisible() && w->isEnabled()) QTest::mouseClick(w, Qt::LeftButton);
    }
    QPushButton* button(QWidget* window, const QString& name) {
        return window->findChild<QPushButton*>(name);
    }

    // Whatever a student might do next, the modal windows aside.
    void act() {
        static const char* kItems[] = {
            "MnuNew",     "fileopen",       "MnuSave",       "savefile",      "mCut",
            "mCopy",      "mPaste",         "mDelete",       "MnHexadecimal", "mnDissassemble",
            "mnStatus",   "MnStackPointer", "MnuInterrupts", "MnuOutput",     "MnRefresh",
            "mnuPrinter", "MnuFonts"};
        static const char* kButtons[] = {"runicon",  "stepicon", "halticon", "clearicon",
                                         "acciconl", "pciconl",  "CmdSP"};
        static const char kKeys[] = "0123456789ABCDEFJLMNOPRSTXZ()+-/ ";
        switch (random(9)) {
        case 0:
        case 1:
            click(field(chance(50) ? "Operator" : "Operand", random(80)),
                  chance(15) ? Qt::ShiftModifier : Qt::NoModifier);
            break;
        case 2:
            clickIfShown(child(QStringLiteral("pads_%1").arg(random(17))));
            break;
        case 3:
            QTest::keyClick(&mainWindow(), kKeys[random(sizeof kKeys - 1)]);
            break;
        case 4: {
            static const Qt::Key kNav[] = {Qt::Key_Left,     Qt::Key_Right, Qt::Key_Up,
                                           Qt::Key_Down,     Qt::Key_Home,  Qt::Key_End,
                                           Qt::Key_Backspace};
            QTest::keyClick(&mainWindow(), kNav[random(7)]);
            break;
        }
        case 5: {
            QAction* a = mainWindow().action(QLatin1String(kItems[random(std::size(kItems))]));
            if (a->isEnabled() && mainWindow().isEnabled()) a->trigger();
            break;
        }
        case 6:
            clickIfShown(child(QLatin1String(kButtons[random(std::size(kButtons))])));
            break;
        case 7:
            child<QSlider>(QStringLiteral("speed"))->setValue(8 + random(3));
            break;
        default:
            if (s->keyboardWindow().isVisible())
                clickIfShown(
                    button(&s->keyboardWindow(), QStringLiteral("cmdKey_%1").arg(random(37))));
            else if (chance(30))
                QApplication::clipboard()->setText(
                    chance(50) ? QStringLiteral("  1| 11|\r\nLDA|  2|\r\n 12|   |\r\n")
                               : QString::fromLatin1(QByteArray(random(40), char(random(256)))));
            break;
        }
    }

    // While a program runs or INP waits, the student goes on clicking; a run
    // that goes on too long is stopped.
    void duringRun() {
        if (s->inputWindow().isVisible()) {
            for (int i = random(4); i > 0; --i)
                clickIfShown(
                    button(&s->inputWindow(), QStringLiteral("CmdNumber_%1").arg(random(10))));
            if (chance(10))
                s->inputWindow().reject();
            else
                clickIfShown(button(&s->inputWindow(), QStringLiteral("Command1")));
            return;
        }
        if (!s->zeb().machine.running()) {
            runTicks = 0;
            return;
        }
        if (++runTicks > 40 || chance(5))
            clickIfShown(child(QStringLiteral("halticon")));
        else if (chance(30))
            act();
    }

  private slots:
    void randomUseNeitherCrashesNorHangs() {
        start();
        QVERIFY(QTest::qWaitForWindowExposed(&mainWindow()));
        answers.clear();
        s->messageBoxes().setAnswerer(
            [this](Icon, Buttons buttons, std::string_view, std::string_view) {
                return buttons == Buttons::Ok || chance(50) ? Answer::Ok : Answer::Cancel;
            });
        s->host().fileDialog = [this](zeb::FileDialog, std::string_view) {
            return dir.filePath(QStringLiteral("P%1.ZEB").arg(random(3))).toStdString();
        };
        s->printCommands().printDialog = [this](QPrinter& printer) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(dir.filePath(QStringLiteral("listing.pdf")));
            return chance(50);
        };
        s->printCommands().fontDialog = [](const QFont&) { return std::optional<QFont>(); };
        long steps = 0;
        s->zeb().run.setAfterInstruction([&steps](zeb::Opcode) { ++steps; });
        QTimer during;
        connect(&during, &QTimer::timeout, this, [this] { duringRun(); });
        during.start(1);

        const int actions = qEnvironmentVariableIsSet("ZEB_MONKEY_ACTIONS")
                                ? qEnvironmentVariableIntValue("ZEB_MONKEY_ACTIONS")
                                : 4000;
        for (int i = 0; i < actions; ++i) {
            act();
            QVERIFY(!s->zeb().machine.running()); // every run has ended inside its click
        }
        during.stop();
        qInfo("%ld instructions executed", steps);
        s->shell().exitProgram();
        QCOMPARE(quits, 1);
    }
};

QTEST_MAIN(MonkeyTest)
#include "MonkeyTest.moc"

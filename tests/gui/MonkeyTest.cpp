// Thousands of random clicks, keys and menu commands, also while programs run
// and while the input window waits: ZEB must neither crash nor hang.
// Everything the monkey does follows from its seed alone: the actions during
// a run come after instructions, not after time, so a failing seed replays.
// ZEB_MONKEY_SEED and ZEB_MONKEY_ACTIONS make longer local sessions.
#include "SessionFixture.h"
#include "mainwindow/views/InputWindow.h"
#include "mainwindow/views/KeyboardWindow.h"

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QPushButton>
#include <QSlider>
#include <QTemporaryDir>
#include <QTimer>

#include <random>

using namespace zeb;
using namespace zeb::test;

// Answers the input window each time it shows, from inside its own loop.
class InputAnswerer : public QObject {
  public:
    explicit InputAnswerer(std::function<void()> answer) : answer_(std::move(answer)) {}
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show) QTimer::singleShot(0, this, answer_);
        return QObject::eventFilter(watched, event);
    }

  private:
    std::function<void()> answer_;
};

class MonkeyTest : public QObject, SessionFixture {
    Q_OBJECT

    static constexpr const char* kExamples[] = {"COUNT", "SUM", "MULTIPLY", "KEYECHO", "TABLE"};
    std::mt19937 rng;
    std::unique_ptr<QTemporaryDir> dir;
    int runTicks = 0;

    int random(int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); }
    bool chance(int percent) { return random(100) < percent; }

    void clickIfShown(QWidget* w) {
        if (w && w->isVisible() && w->isEnabled()) QTest::mouseClick(w, Qt::LeftButton);
    }
    void clickIfShown(QWidget* window, const QString& name) {
        clickIfShown(window->findChild<QPushButton*>(name));
    }

    // Whatever a student might do next, the modal windows aside.
    void act() {
        // The items that change what runs next; printing changes nothing
        // (and the menus are off during runs).
        static const char* kItems[] = {
            "MnuNew",   "fileopen",       "MnuSave",       "savefile",      "mCut",
            "mCopy",    "mPaste",         "mDelete",       "MnHexadecimal", "mnDissassemble",
            "mnStatus", "MnStackPointer", "MnuInterrupts", "MnuOutput",     "MnRefresh"};
        static const char* kButtons[] = {"runicon",   "stepicon", "backicon", "halticon",
                                         "clearicon", "acciconl", "pciconl",  "CmdSP"};
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
            // Paced runs wait in real time; the pauses themselves are tested elsewhere.
            child<QSlider>(QStringLiteral("speed"))->setValue(10);
            break;
        default:
            // What is pasted is the edit fuzzer's part; here, Paste among the rest.
            if (s->keyboardWindow().isVisible())
                clickIfShown(&s->keyboardWindow(), QStringLiteral("cmdKey_%1").arg(random(37)));
            break;
        }
    }

    // While INP waits the student types a number, or gives up.
    void answerInput() {
        for (int i = random(4); i > 0; --i)
            clickIfShown(&s->inputWindow(), QStringLiteral("CmdNumber_%1").arg(random(10)));
        if (chance(10))
            s->inputWindow().reject();
        else
            clickIfShown(&s->inputWindow(), QStringLiteral("Command1"));
    }

    // Now and then, between the instructions of a run, the student goes on
    // clicking (Stop among the rest); a run that goes on too long is stopped.
    // Clicks rare enough that loops run for a while: a click at most
    // instructions would end nearly every run within a few dozen.
    void duringRun() {
        if (!s->zeb().machine().runState().running()) {
            runTicks = 0;
            return;
        }
        if (++runTicks > kLongestRun)
            clickIfShown(child(QStringLiteral("halticon")));
        else if (chance(2))
            act();
    }
    static constexpr int kLongestRun = 2000;

    // The instructions executed.
    long session(unsigned seed, int actions) {
        rng.seed(seed);
        runTicks = 0;
        dir = std::make_unique<QTemporaryDir>();
        QApplication::clipboard()->clear();
        start();
        if (!QTest::qWaitForWindowExposed(&mainWindow())) qFatal("the main window never showed");
        s->messageBoxes().setAnswerer(
            [this](Icon, Buttons buttons, std::string_view, std::string_view) {
                return buttons == Buttons::Ok || chance(50) ? Answer::Ok : Answer::Cancel;
            });
        s->host().fileDialog = [this](zeb::FileDialog dialog, std::string_view) {
            // Now and then a real program, so that runs go on for a while: a
            // copy, since Save writes back to the file that was opened.
            if (dialog == zeb::FileDialog::Open && chance(40)) {
                const QString name =
                    QLatin1String(kExamples[random(std::size(kExamples))]) + ".ZEB";
                const QString copy = dir->filePath(name);
                QFile::remove(copy);
                QFile::copy(QStringLiteral(ZEB_EXAMPLES "/") + name, copy);
                QFile(copy).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
                return copy.toStdString();
            }
            return dir->filePath(QStringLiteral("P%1.ZEB").arg(random(3))).toStdString();
        };
        long instructions = 0;
        s->zeb().run().setAfterInstruction([this, &instructions](zeb::Opcode) {
            ++instructions;
            duringRun();
        });
        // The input window waits in a loop of its own: it is answered from there.
        InputAnswerer answerer([this] { answerInput(); });
        s->inputWindow().installEventFilter(&answerer);

        for (int i = 0; i < actions; ++i) {
            act();
            if (s->zeb().machine().runState().running())
                qFatal("a run outlived its click (seed %u)", seed);
        }
        s->inputWindow().removeEventFilter(&answerer);
        s->shell().exitProgram();
        if (quits != 1) qFatal("exit did not end the program (seed %u)", seed);
        s.reset();
        return instructions;
    }

  private slots:
    void randomUseNeitherCrashesNorHangs() {
        const int given = qEnvironmentVariableIntValue("ZEB_MONKEY_SEED");
        const unsigned seed = static_cast<unsigned>(given) + 20261205u;
        const int actions = qEnvironmentVariableIntValue("ZEB_MONKEY_ACTIONS");
        qInfo("monkey seed %u (ZEB_MONKEY_SEED=%d replays it)", seed, given);
        const long instructions = session(seed, actions > 0 ? actions : 4000);
        qInfo("%ld instructions executed", instructions);
        // The programs really ran, loops included, not just their first steps.
        if (actions <= 0 || actions >= 4000) QVERIFY2(instructions >= 1000, "runs ended too soon");
    }
};

QTEST_MAIN(MonkeyTest)
#include "MonkeyTest.moc"
